#!/usr/bin/env bash
# Clicks each of the launcher's fourteen entries on a virtual display of its own, with stand-in
# desktop applications on PATH that record how they were started, and checks that each entry
# reaches the expected application with the expected arguments; "Device Info" opens the drive
# window on a fake machine with one drive. Then, with no application installed, an entry shows
# the window that names the packages to install. Every wait has a limit.
# Usage: tool_programs.sh LAUNCHER CLOSE-WINDOW-TOOL OUTPUT-FOLDER
set -euo pipefail
program="$1"
close_window="$2"
output="$3"
work="$(mktemp -d)"
source "$(dirname "$0")/lib.sh"

# The stand-ins: each writes its arguments, one per line, to NAME.record once it runs.
stubs="$work/bin"
mkdir -p "$stubs" "$work/utilities" "$work/share" "$work/machine/sys/block/sr0/device"
ln -s "$(command -v mv)" "$work/utilities/mv"
place_stub() {
    cat >"$stubs/$1" <<STUB
#!/bin/sh
for a in "\$@"; do echo "\$a"; done >"$stubs/$1.partial"
mv "$stubs/$1.partial" "$stubs/$1.record"
STUB
    chmod +x "$stubs/$1"
}
for stub in brasero sound-juicer devede isomaster; do
    place_stub "$stub"
done
# The file chooser answers at once.
printf '#!/bin/sh\necho "/srv/images/disc one.iso"\n' >"$stubs/zenity"
chmod +x "$stubs/zenity"
# One drive without a disc.
echo "HL-DT-ST" >"$work/machine/sys/block/sr0/device/vendor"
echo "DVDRAM GH24NSD1" >"$work/machine/sys/block/sr0/device/model"
echo 0 >"$work/machine/sys/block/sr0/size"

start_display
PATH="$stubs:$work/utilities" XDG_DATA_HOME="$work/share" XDG_DATA_DIRS="$work/share" \
    BRENLOW_SYSTEM_ROOT="$work/machine" "$program" 2>"$work/launcher.log" &
launcher=$!
pids+=("$launcher")
window="$(find_window '^Brenlow$')" || fail "no visible window titled Brenlow appeared"
read_geometry "$window" || fail "the window vanished"
left="$(field 'Absolute upper-left X')"
top="$(field 'Absolute upper-left Y')"

# The lists' client areas start at (10, 10) and (186, 10); categories are 80 high, tools 75.
click_at() {
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool click 1
    # Far enough apart that no two clicks make a double click.
    sleep 0.6
}
choose_category() { click_at $((left + 10 + 80)) $((top + 10 + $1 * 80 + 40)); }
choose_tool() { click_at $((left + 186 + 200)) $((top + 10 + $1 * 75 + 37)); }

# Waits up to ten seconds for a stand-in's record and prints it as one line, arguments
# separated by '|'.
record_of() {
    for _ in $(seq 100); do
        if [ -e "$stubs/$1.record" ]; then
            paste -sd '|' "$stubs/$1.record"
            rm -f "$stubs/$1.record"
            return 0
        fi
        sleep 0.1
    done
    echo "(not started)"
}

expect_start() { # CATEGORY POSITION ENTRY STUB ARGUMENTS
    choose_tool "$2"
    local got
    got="$(record_of "$4")"
    [ "$got" = "$5" ] || fail "$3 started $4 with '$got', not '$5'"
    echo "ok: $3 -> $4 $5"
}

choose_category 0
expect_start 0 0 "Data CD" brasero "--data"
expect_start 0 1 "Data DVD" brasero "--data"
expect_start 0 2 "Data HD DVD" brasero "--data"
expect_start 0 3 "Data Blu-ray Disc" brasero "--data"
choose_category 1
expect_start 1 0 "Audio CD" brasero "--audio"
expect_start 1 1 "Grab Audio CD" sound-juicer ""
choose_category 2
expect_start 2 0 "Video CD" devede ""
expect_start 2 1 "Super Video CD" devede ""
expect_start 2 2 "DVD-Video Files" devede ""
choose_category 3
expect_start 3 0 "Disc Eraser" brasero "--blank"
choose_tool 1
probe="$(find_window '^Device Info$')" || fail "Device Info did not open the drive window"
x_query import -window "$probe" "$output/driveprobe.png" || fail "the drive window vanished"
close_titled "$close_window" '^Device Info$' || fail "the drive window did not close"
echo "ok: Device Info -> DriveProbe.exe"
expect_start 3 2 "ISO Creator" isomaster ""
expect_start 3 3 "ISO Burner" brasero "--image=/srv/images/disc one.iso"
expect_start 3 4 "ISO Grabber" brasero "--copy|--image-file"

# Nothing installed: the entry says what to install.
rm -f "$stubs"/*
choose_tool 4
missing="$(find_window '^Disc images$')" ||
    fail "without an application ISO Grabber showed no window naming the packages"
x_query import -window "$missing" "$output/missingtool.png" ||
    fail "the explaining window vanished"
close_titled "$close_window" '^Disc images$' || fail "the explaining window did not close"

"$close_window" "$window" || fail "the close request could not be sent"
ended "$launcher" || fail "the launcher did not end after its window was closed"
echo "PASS: the fourteen entries started their applications; without one, the packages were named; screenshots in $output"
