#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, test and benchmark.
# Idempotent: quiet and quick when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format clang-tidy
  qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-qpa-plugins libqt6opengl6-dev
  libqt6sql6-sqlite libqt6sql6-psql libpq-dev postgresql libgl-dev fonts-dejavu-core xvfb xauth
  libgtest-dev googletest libgmock-dev libbenchmark-dev libzxing-dev poppler-utils
  zint libzint-dev clang libclang-rt-14-dev zlib1g-dev libtiff-dev libtiff-tools
  libfreetype-dev libfontconfig-dev libcairo2-dev ghostscript
  cups printer-driver-cups-pdf libcups2-dev parallel
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
