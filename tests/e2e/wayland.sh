#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a headless Wayland compositor, through Qt's own Wayland plugin, read and
# played over the accessibility bus (the compositor takes no made-up input): the window at its
# size, a whole game played to the end, the name prompt answered and the score kept in the table.
# Usage: wayland.sh path/to/orbulon
set -uo pipefail
program=$(readlink -f "$1")
players=$(cd "$(dirname "$0")" && pwd)
source "$players/session.sh"
launcher=/usr/libexec/at-spi-bus-launcher
need weston dbus-launch "$launcher"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
plugins=$(/usr/lib/qt6/bin/qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null)
[ -e "$plugins/platforms/libqwayland-generic.so" ] || { echo "SKIP: Qt's Wayland plugin (qt6-wayland) is not installed"; exit 77; }

mkdir -p "$work/runtime" "$work/home"
chmod 700 "$work/runtime"
XDG_RUNTIME_DIR=$work/runtime weston --backend=headless-backend.so --socket=orbulon-test --width=800 --height=600 \
    --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
compositor_pid=$!
for _ in $(seq 100); do [ -S "$work/runtime/orbulon-test" ] && break; sleep 0.1; done
[ -S "$work/runtime/orbulon-test" ] || fail "weston did not start"

eval "$(dbus-launch --sh-syntax)"
"$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
bus_pid=$!
sleep 1
# Without a score table, so that any score is a high one and the build's own is left alone.
copy_game "$program" $media_files
(cd "$work/home" && exec env -u DISPLAY HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/home/data" \
    XDG_CONFIG_HOME="$work/home/config" LANGUAGE=en QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=orbulon-test \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game/orbulon") >"$work/game.log" 2>&1 &
game_pid=$!

/usr/bin/python3 "$players/atspi_read.py" act Wayland >"$work/play.log" 2>&1 || fail "playing"
grep -qx "window $client_width.*" "$work/play.log" || fail "the window is not $client_width wide: $(head -n1 "$work/play.log")"
[ -s "$game/$table_file" ] || fail "no score table was written"
kill -0 "$game_pid" 2>/dev/null || fail "the game stopped"
grep -q "Could not load the Qt platform plugin\|failed to" "$work/game.log" && fail "the game complains: $(cat "$work/game.log")"
echo "PASS: on Wayland, $(tr '\n' ' ' <"$work/play.log")kept in the table and read in the scores window"
