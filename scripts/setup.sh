#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test; with the argument
# "bench", also the photographs and icons the benchmarks read, with "fuzz" the compiler and
# runtime of the fuzz targets. Quiet and quick when all are present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    zlib1g-dev libsdl2-dev libx11-dev libfreetype-dev libfontconfig-dev fonts-wine fonts-dejavu-core
    googletest libgtest-dev libgmock-dev libbenchmark-dev libpng-dev libspng-dev
    xvfb xauth x11-utils xdotool imagemagick
)
if [ "${1:-}" = bench ]; then
    packages+=(mate-backgrounds adwaita-icon-theme)
fi
if [ "${1:-}" = fuzz ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
