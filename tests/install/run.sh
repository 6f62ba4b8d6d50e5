#!/usr/bin/env bash
# Installs the built tree into a temporary prefix, then builds and runs the
# consumer programs against it through the CMake package and through
# pkg-config: the plain library's programs must neither link nor load Qt.
# Usage: run.sh BUILD_DIR CONSUMER_SOURCE_DIR
set -euo pipefail
build=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null

# No Qt library on the program's link line or among what it loads.
without_qt() {
  if grep -qi 'qt6\|libQt' <<<"$2"; then
    echo "$1 needs Qt:"; grep -i 'qt6\|libQt' <<<"$2"; exit 1
  fi
}

cmake -S "$source" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/cmake" -j 2 >/dev/null
libdir=$(dirname "$(find "$prefix" -name 'tesselkit.pc' -print -quit)")
export LD_LIBRARY_PATH=$(dirname "$libdir")
for format in png svg pdf; do "$work/cmake/plain" "$work/plain.$format"; done
"$work/cmake/oldname" "$work/oldname.png"
"$work/cmake/withqt" "$work/withqt.png" >/dev/null
without_qt "the plain program (CMake)" "$(ldd "$work/cmake/plain")"
for file in plain.png plain.svg plain.pdf oldname.png withqt.png; do
  test -s "$work/$file" || { echo "no $file from the consumer"; exit 1; }
done

export PKG_CONFIG_PATH=$libdir
plain_libs=$(pkg-config --libs tesselkit)
without_qt "pkg-config tesselkit" "$plain_libs"
g++ -std=c++20 -fPIC "$source/plain.cpp" -o "$work/plain" $(pkg-config --cflags tesselkit) $plain_libs
"$work/plain" "$work/pkgconfig.png"
test -s "$work/pkgconfig.png" || { echo "no image from the plain consumer (pkg-config)"; exit 1; }
without_qt "the plain program (pkg-config)" "$(ldd "$work/plain")"
g++ -std=c++20 -fPIC "$source/qt.cpp" -o "$work/withqt" $(pkg-config --cflags --libs tesselkit-qt)
"$work/withqt" "$work/pkgconfig-qt.png" >/dev/null
test -s "$work/pkgconfig-qt.png" || { echo "no image from the Qt consumer (pkg-config)"; exit 1; }
echo "installed packages build and run with CMake and pkg-config; the plain library needs no Qt"
