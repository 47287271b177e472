#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test. An argument adds a
# set: "bench" the photographs and icons the benchmarks read; "clang" the second compiler and
# its sanitizer runtimes; "arm64" the cross compiler, qemu's user-mode emulation and the arm64
# libraries of the codec and the raster engine (Debian multiarch, so arm64 is added to dpkg's
# architectures). Quiet and quick when all are present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format python3
    zlib1g-dev libsdl2-dev libx11-dev libfreetype-dev libfontconfig-dev fonts-wine fonts-dejavu-core
    googletest libgtest-dev libgmock-dev libbenchmark-dev libpng-dev libspng-dev
    xvfb xauth x11-utils xdotool imagemagick
)
foreign=""
case "${1:-}" in
bench)
    packages+=(mate-backgrounds adwaita-icon-theme)
    ;;
clang)
    packages+=(clang libclang-rt-14-dev)
    ;;
arm64)
    foreign=arm64
    packages+=(g++-aarch64-linux-gnu qemu-user
        zlib1g-dev:arm64 libpng-dev:arm64 libfreetype-dev:arm64 libfontconfig-dev:arm64)
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ -n "$foreign" ] && ! dpkg --print-foreign-architectures | grep -qx "$foreign"; then
    $sudo dpkg --add-architecture "$foreign"
fi
# Another installation may hold dpkg's lock for a while; wait for it.
apt=($sudo apt-get -o DPkg::Lock::Timeout=600)
echo "Installing: ${missing[*]}"
"${apt[@]}" update -qq
DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
