#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the launcher's folder: the launcher,
# its files and the nine tool programs, the adapters working under their names from there.
# Usage: install_test.sh BUILD-FOLDER
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

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
echo "PASS: the launcher, its files and the nine tool programs are installed in $folder"
