#!/usr/bin/env bash
# Renders docs/driveprobe.png, the README's picture of DriveProbe.exe: the drive window on a
# virtual display, reading a fake machine with two drives (a DVD writer without a disc and a
# DVD reader with one), so the picture is the same on every machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
work="$(mktemp -d)"
source tests/e2e/lib.sh

machine="$work/machine"
drive() { # NAME VENDOR MODEL REVISION SECTORS
    mkdir -p "$machine/sys/block/$1/device"
    echo "$2" >"$machine/sys/block/$1/device/vendor"
    echo "$3" >"$machine/sys/block/$1/device/model"
    echo "$4" >"$machine/sys/block/$1/device/rev"
    echo "$5" >"$machine/sys/block/$1/size"
}
drive sr0 "HL-DT-ST" "DVDRAM GH24NSD1" LG00 0
drive sr1 "ASUS" "DVD-E818A9T" 1.00 2097152
mkdir -p "$machine/proc/sys/dev/cdrom"
cat >"$machine/proc/sys/dev/cdrom/info" <<'INFO'
CD-ROM information, Id: cdrom.c 3.20 2003/12/17

drive name:		sr1	sr0
drive speed:		48	48
Can play audio:		1	1
Can write CD-R:		0	1
Can write CD-RW:	0	1
Can read DVD:		1	1
Can write DVD-R:	0	1
Can write DVD-RAM:	0	1
Can read MRW:		0	1
Can write MRW:		0	1

INFO

start_display
BRENLOW_SYSTEM_ROOT="$machine" "${BUILD_DIR:-build}/launcher/DriveProbe.exe" &
pids+=($!)
window="$(find_window '^Device Info$')" || fail "the drive window did not appear"
sleep 1
x_query import -window "$window" docs/driveprobe.png || fail "the drive window vanished"
echo "Saved docs/driveprobe.png"
