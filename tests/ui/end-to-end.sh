#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a virtual X server: found by its title, a new game chosen from
# the File menu by keyboard, a ball clicked, and the screen read back at a few pixels.
# Usage: end-to-end.sh path/to/orbulon [folder-for-screenshots]
set -uo pipefail

program=$(readlink -f "$1")
keep=${2:-}
for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -n "$keep" ] && cp "$work"/*.png "$keep"/ 2>/dev/null; exit 1; }

source "$(dirname "$0")/../e2e/session.sh"
start_xvfb

# Started from elsewhere: the program must find its media beside itself, not here.
mkdir -m 700 "$work/runtime" "$work/elsewhere"
(cd "$work/elsewhere" && exec env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" "$program") \
    >"$work/game.log" 2>&1 &
game_pid=$!

find_game_window
[ "$WIDTH" -eq "$client_width" ] || fail "window is $WIDTH pixels wide, not $client_width"

green_in() {  # the score box's green pixels between two columns
    awk -F'[ ,]' -v from="$2" -v to="$3" -v top=$((score_top + 4)) -v bottom=$((score_top + score_height - 4)) \
        -v green="$score_text" '$1 >= from && $1 <= to && $2 >= top && $2 <= bottom &&
        $3 "," $4 "," $5 == green { n++ } END { print n + 0 }' "$work/$1.txt"
}

pixels idle
[ "$(pixel idle 3 3)" = "$background" ] || fail "background is $(pixel idle 3 3)"
[ "$(pixel idle $shape1_left 100)" = "$shape1_outline" ] || fail "board outline is $(pixel idle $shape1_left 100)"

new_game_by_keyboard
pixels new
# The score box shows "0" in its middle: green there, none at its left end.
[ "$(green_in new 110 150)" -gt 0 ] || fail "no score shown after File > New"
[ "$(green_in new 10 60)" -eq 0 ] || fail "the marquee still shows after File > New"

# A ball whose right neighbour has its colour: a click frames the pair in red.
find_pair new
click_cell $column $row
pixels selected
gap_x=$(($(cell_left $column) + cell_size)); gap_y=$(cell_y $row)
[ "$(pixel selected $gap_x $gap_y)" = "$highlight" ] || fail "no red between the framed pair ($(pixel selected $gap_x $gap_y))"
[ "$(pixel selected $(($(cell_left $column) - 1)) $(($(cell_top $row) - 1)))" = "$highlight" ] || fail "no frame corner"
[ "$(pixel selected 3 3)" = "$background" ] || fail "background changed"
[ "$(pixel selected $shape1_left 100)" = "$shape1_outline" ] || fail "board outline changed"

kill -0 "$game_pid" 2>/dev/null || fail "the game stopped: $(cat "$work/game.log")"
[ -n "$keep" ] && cp "$work"/*.png "$keep"/
echo "PASS: window found, File > New by keyboard, a pair framed at column $column row $row"
exit 0
