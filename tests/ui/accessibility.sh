#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a virtual X server with a private accessibility bus, read as a screen
# reader reads it and played with the keyboard alone: every cell named with the colour the
# screen shows, the score named, and a whole game played to the name prompt choosing the moves
# from the names, every Space checked for its selection and points, every Enter for the score,
# and the score then read in the scores window.
# Then the game in German and in French: its menus, the how-to-play window and a box.
# Usage: accessibility.sh path/to/orbulon
set -uo pipefail
program=$(readlink -f "$1")
source "$(dirname "$0")/../e2e/session.sh"
start_buses
# Without a score table, so that any score is a high one and the build's own is left alone.
copy_game "$program" $media_files translations
start_game "$game/orbulon" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
keys ctrl+n

reader cells $((rows * columns)) >"$work/cells.log" 2>&1 || fail "the cells"

reader play keys Keys >"$work/play.log" 2>&1 || fail "playing"
kill -0 "$game_pid" 2>/dev/null || fail "the game stopped"

# What the player reads must be the translation shipped for the language asked for, whatever
# the machine's own locale.
for language in de fr; do
    kill "$game_pid" && wait "$game_pid" 2>/dev/null
    start_game "$game/orbulon" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL= LC_MESSAGES= LANG= LANGUAGE=$language
    ts=$(readlink -f "$(dirname "$0")/../../translations/orbulon_$language.ts")
    reader shows "$ts" orbulon::frmMain "&File" "&New" "E&xit" "&Help" "How To &Play" "&Show High Scores" "&About" \
        Score || fail "the $language menus"
    keys F1
    reader shows "$ts" orbulon::frmHelp "How To Play." "Instructions:" \
        "Click on any coloured ball, and if it is connected to any ball of the same" \
        "else in the grid.  The game ends when there are no more possible moves." || fail "the $language rules"
    wait_window "$game_title - .*" && answer || fail "no $language how-to-play window"
    keys ctrl+n ctrl+q
    reader shows "$ts" orbulon "Are you sure you want to exit?     " || fail "the $language box"
done
echo "PASS: $((rows * columns)) cells named as shown, $(tr "\n" " " <"$work/play.log")by keyboard; German and French read"
