#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a headless Wayland compositor, through Qt's own Wayland plugin, read and
# played over the accessibility bus (the compositor takes no made-up input): the window at its
# size, a whole game played to the end, the name prompt answered and the score kept in the table.
# Usage: wayland.sh path/to/orbulon
set -uo pipefail
program=$(readlink -f "$1")
source "$(dirname "$0")/session.sh"
need weston
plugins=$(/usr/lib/qt6/bin/qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null)
[ -e "$plugins/platforms/libqwayland-generic.so" ] || { echo "SKIP: Qt's Wayland plugin (qt6-wayland) is not installed"; exit 77; }
start_buses

XDG_RUNTIME_DIR=$work/runtime weston --backend=headless-backend.so --socket=orbulon-test --width=800 --height=600 \
    --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
servers+=($!)
within_5s test -S "$work/runtime/orbulon-test" || fail "weston did not start"
# Without a score table, so that any score is a high one and the build's own is left alone.
copy_game "$program" $media_files
launch_game "$game/orbulon" DISPLAY= QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=orbulon-test QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

reader play actions Wayland >"$work/play.log" 2>&1 || fail "playing"
grep -qx "window $client_width.*" "$work/play.log" || fail "the window is not $client_width wide: $(head -n1 "$work/play.log")"
[ -s "$game/$table_file" ] || fail "no score table was written"
kill -0 "$game_pid" 2>/dev/null || fail "the game stopped"
grep -q "Could not load the Qt platform plugin\|failed to" "$work/game.log" && fail "the game complains: $(cat "$work/game.log")"
echo "PASS: on Wayland, $(tr '\n' ' ' <"$work/play.log")kept in the table and read in the scores window"
