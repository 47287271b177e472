#!/usr/bin/env bash
# Renders the artwork in assets/ from its SVG sources; the results are committed, so building
# the program needs none of this. It renders:
#   icons/<name>.svg     -> icons/48/<name>.png and icons/96/<name>.png   (list icons)
#   glyphs/<name>.svg    -> glyphs/32/<name>.png and glyphs/64/<name>.png (main window buttons)
#   stdglyphs/<kind>.svg -> stdglyphs/<kind>.bmp (32 x 16, 8 bits per pixel: normal and
#                           disabled cell over the key colour magenta 0xFF00FF, which is the
#                           bottom-left pixel; see scripts/asset_formats.py)
#   brenlow.svg          -> appicon/32.png, appicon/48.png, appicon/96.png
#   brenlow-16.svg       -> appicon/16.png (the small size has its own, simpler drawing)
#                           and brenlow.ico from the 16, 32 and 48 renderings
#   leftlogo.svg         -> leftlogo.png (171 x 238; its text is set in DejaVu Sans)
# PNGs are 8-bit RGBA, not interlaced, with only their critical chunks, so rendering twice
# gives the same bytes. Needs rsvg-convert (librsvg2-bin), python3 and fonts-dejavu-core;
# installs them through apt-get when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
assets=assets
formats=scripts/asset_formats.py

missing=()
command -v rsvg-convert >/dev/null || missing+=(librsvg2-bin)
command -v python3 >/dev/null || missing+=(python3)
fonts=/usr/share/fonts/truetype/dejavu
[ -f "$fonts/DejaVuSans.ttf" ] && [ -f "$fonts/DejaVuSans-Bold.ttf" ] || missing+=(fonts-dejavu-core)
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
        --no-install-recommends "${missing[@]}"
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# Text is rendered through a font configuration of our own that knows only the two DejaVu
# faces and turns hinting off, so that no setting of this machine or user changes the logo.
mkdir -p "$scratch/fonts"
ln -s "$fonts/DejaVuSans.ttf" "$fonts/DejaVuSans-Bold.ttf" "$scratch/fonts/"
cat >"$scratch/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$scratch/fonts</dir>
  <cachedir>$scratch/fontcache</cachedir>
  <match target="font">
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="hinting" mode="assign"><bool>false</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintnone</const></edit>
    <edit name="autohint" mode="assign"><bool>false</bool></edit>
    <edit name="rgba" mode="assign"><const>none</const></edit>
  </match>
</fontconfig>
EOF
export FONTCONFIG_FILE="$scratch/fonts.conf"

# render SOURCE WIDTH HEIGHT OUTPUT
render() {
    mkdir -p "$(dirname "$4")"
    rsvg-convert --width "$2" --height "$3" --format png --output "$4" "$1"
    python3 "$formats" png "$4"
}

for source in "$assets"/icons/*.svg; do
    name="$(basename "$source" .svg)"
    render "$source" 48 48 "$assets/icons/48/$name.png"
    render "$source" 96 96 "$assets/icons/96/$name.png"
done

for source in "$assets"/glyphs/*.svg; do
    name="$(basename "$source" .svg)"
    render "$source" 32 32 "$assets/glyphs/32/$name.png"
    render "$source" 64 64 "$assets/glyphs/64/$name.png"
done

for source in "$assets"/stdglyphs/*.svg; do
    kind="$(basename "$source" .svg)"
    render "$source" 16 16 "$scratch/$kind.png"
    python3 "$formats" glyph "$assets/stdglyphs/$kind.bmp" "$scratch/$kind.png"
done

render "$assets/brenlow-16.svg" 16 16 "$assets/appicon/16.png"
for size in 32 48 96; do
    render "$assets/brenlow.svg" "$size" "$size" "$assets/appicon/$size.png"
done
python3 "$formats" ico "$assets/brenlow.ico" "$assets"/appicon/{16,32,48}.png

render "$assets/leftlogo.svg" 171 238 "$assets/leftlogo.png"
