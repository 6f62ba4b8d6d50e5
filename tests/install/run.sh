#!/usr/bin/env bash
# Installs the built tree into a temporary prefix, then builds and runs the
# consumer program against it twice: through the CMake package and through
# pkg-config. Usage: run.sh BUILD_DIR CONSUMER_SOURCE_DIR
set -euo pipefail
build=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null

cmake -S "$source" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/cmake" -j 2 >/dev/null
"$work/cmake/consumer" "$work/cmake.png"
"$work/cmake/consumer_oldname" "$work/oldname.png"

libdir=$(dirname "$(find "$prefix" -name 'tesselkit.pc' -print -quit)")
export PKG_CONFIG_PATH=$libdir
g++ -std=c++20 -fPIC "$source/main.cpp" -o "$work/pkgconfig" $(pkg-config --cflags --libs tesselkit)
LD_LIBRARY_PATH=$(dirname "$libdir") "$work/pkgconfig" "$work/pkgconfig.png"

for png in cmake oldname pkgconfig; do
  test -s "$work/$png.png" || { echo "no image from the $png consumer"; exit 1; }
done
echo "installed package builds and runs with CMake and pkg-config"
