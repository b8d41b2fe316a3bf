#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a virtual X server with a private accessibility bus, read as a screen
# reader reads it and played with the keyboard alone: every cell named with the colour the
# screen shows, the framed group selected with its points, the score named, and a whole game
# played to the name prompt choosing the moves from the names.
# Usage: accessibility.sh path/to/orbulon
set -uo pipefail

program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb xdotool import convert dbus-launch "$launcher"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
# The Debian package installs the bindings for the system's own Python, which another
# python3 earlier on the path may not see.
python=""
for candidate in python3 /usr/bin/python3; do
    "$candidate" -c 'import pyatspi' 2>/dev/null && { python=$candidate; break; }
done
[ -n "$python" ] || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
bus_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

source "$here/../e2e/session.sh"
start_xvfb

# A private session bus and accessibility bus, so the test reads no other program.
eval "$(dbus-launch --sh-syntax)"
"$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
bus_pid=$!
sleep 1

# A copy of the program beside its media and without a score table, so that any score is
# a high one and the build's own table is left alone.
game="$work/game"
mkdir -p "$game" "$work/runtime" && chmod 700 "$work/runtime"
cp "$program" "$game/"
for file in $media_files; do
    cp "$(dirname "$program")/$file" "$game/" || fail "no $file beside the program"
done
(cd "$work" && exec env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$game/$(basename "$program")") >"$work/game.log" 2>&1 &
game_pid=$!

find_game_window
xdotool windowfocus --sync "$window"
xdotool key ctrl+n
sleep 0.7

read_cells() { "$python" "$here/atspi_read.py" cells >"$work/$1.cells" 2>"$work/$1.err" || fail "reading: $(cat "$work/$1.err")"; }

read_cells new
cat "$work/new.err"
[ "$(grep -c '^[0-9]' "$work/new.cells")" -eq $((rows * columns)) ] || fail "$(grep -c '^[0-9]' "$work/new.cells") cells read"
grep -qx "score 0" "$work/new.cells" || fail "no Score reading 0: $(grep score "$work/new.cells")"

# Every colour name shows one colour at the middle of its cells, and no two names the same one.
pixels new
while read -r row column colour _; do
    echo "$colour $(pixel new $(cell_x $((column - 1))) $(cell_y $((row - 1))))"
done < <(grep '^[0-9]' "$work/new.cells") | sort -u >"$work/pairs"
[ "$(wc -l <"$work/pairs")" -eq "$(cut -d' ' -f1 "$work/pairs" | sort -u | wc -l)" ] ||
    fail "a colour name shows in more than one colour: $(tr '\n' ' ' <"$work/pairs")"
[ "$(wc -l <"$work/pairs")" -eq "$(cut -d' ' -f2 "$work/pairs" | sort -u | wc -l)" ] ||
    fail "two colour names show alike: $(tr '\n' ' ' <"$work/pairs")"

# The whole game by keyboard; every Space is checked for its selection and points, every
# Enter for the score.
"$python" "$here/atspi_read.py" play Keys >"$work/play.log" 2>&1 || fail "$(cat "$work/play.log")"
cat "$work/play.log"

# The scores window reads the new score with its name as one row.
score=$(sed -n 's/.* score=\([0-9]*\)$/\1/p' "$work/play.log")
xdotool windowfocus --sync "$window"
xdotool key alt+h
sleep 0.5
xdotool key s
"$python" "$here/atspi_read.py" wait "1: $score, Keys" || fail "the scores window does not read 1: $score, Keys"
xdotool key Return
kill -0 "$game_pid" 2>/dev/null || fail "the game stopped: $(cat "$work/game.log")"
echo "PASS: 132 cells named as shown, a game played by keyboard to the name prompt"
exit 0
