#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the launcher's folder: the launcher,
# its files and the nine tool programs, the adapters working under their names from there;
# the desktop entry, the icon in each size and the metainfo, each passing its validator; and
# that the installed program, started through bin/, shows its window on a virtual display.
# Usage: install_test.sh BUILD-FOLDER
set -euo pipefail
build="$1"
work="$(mktemp -d)"
source "$(dirname "$0")/../e2e/lib.sh"

cmake --install "$build" --prefix "$work/prefix" >/dev/null
folder="$work/prefix/lib/brenlow"
for file in brenlow brenlow-adapter lame.dll leftlogo.png FileWriter.exe SoundWriter.exe \
    SoundRipper.exe MovieWriter.exe MediaWiper.exe DriveProbe.exe ImageMaker.exe \
    ImageWriter.exe ImageRipper.exe; do
    [ -e "$folder/$file" ] || fail "$file is not in the launcher's folder"
done
[ "$(readlink -f "$work/prefix/bin/brenlow")" = "$(readlink -f "$folder/brenlow")" ] ||
    fail "bin/brenlow does not lead to the launcher in its folder"

# An installed adapter knows its job by its name.
mkdir "$work/bin"
printf '#!/bin/sh\nfor a in "$@"; do echo "$a"; done >"%s/record"\n' "$work" >"$work/bin/k3b"
chmod +x "$work/bin/k3b"
PATH="$work/bin" XDG_DATA_HOME="$work/none" XDG_DATA_DIRS="$work/none" \
    "$folder/SoundWriter.exe" || fail "the installed SoundWriter.exe failed"
for _ in $(seq 100); do
    [ -s "$work/record" ] && break
    sleep 0.1
done
[ "$(cat "$work/record" 2>/dev/null)" = "--audiocd" ] ||
    fail "the installed SoundWriter.exe did not start k3b --audiocd"

share="$work/prefix/share"
desktop_file="$share/applications/brenlow.desktop"
metainfo="$share/metainfo/example.brenlow.Brenlow.metainfo.xml"
[ -f "$desktop_file" ] || fail "no desktop entry in $share/applications"
[ -f "$metainfo" ] || fail "no metainfo in $share/metainfo"
desktop-file-validate "$desktop_file" >"$work/validate.log" 2>&1 ||
    fail "the desktop entry is not valid: $(cat "$work/validate.log")"
appstreamcli validate --no-net "$metainfo" >"$work/validate.log" 2>&1 ||
    fail "the metainfo is not valid: $(cat "$work/validate.log")"
program="$(sed -n 's/^Exec=//p' "$desktop_file")"
[ -x "$work/prefix/bin/$program" ] || fail "the desktop entry starts $program, which bin/ lacks"
[ "$(sed -n 's/^Icon=//p' "$desktop_file")" = brenlow ] || fail "the desktop entry names another icon"
for size in 16 32 48 96; do
    icon="$share/icons/hicolor/${size}x$size/apps/brenlow.png"
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x$size" ] ||
        fail "the ${size}x$size icon is missing or of another size"
done
[ -f "$share/icons/hicolor/scalable/apps/brenlow.svg" ] || fail "the scalable icon is missing"

# The installed program, from its link in bin/, finds its files and shows its window.
start_display
"$work/prefix/bin/brenlow" 2>"$work/launcher.log" &
launcher=$!
pids+=("$launcher")
window="$(find_window '^Brenlow$')" || fail "the installed launcher showed no window"
[ "$(x_query xdotool getwindowpid "$window")" = "$launcher" ] ||
    fail "the window titled Brenlow is not the installed launcher's"
echo "PASS: the launcher, its files and the nine tool programs are installed in $folder; the desktop entry, the metainfo and the icons are installed and valid; the installed launcher shows its window"
