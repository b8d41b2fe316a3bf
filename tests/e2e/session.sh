# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end tests share: a scratch folder cleaned up after them, a private X server,
# the game started there as a player would start it, and private buses to read and play it
# through as a screen reader does. The window's size, the title and the file names come from the
# build ($GAME_FACTS), which reads the game's own.
source "${GAME_FACTS:?set by ctest to the game-facts.sh of the build}"

need() { for tool; do command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }; done; }
need Xvfb xdotool import convert
e2e=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
chmod 755 "$work"
xvfb_pid="" game_pid="" bus_pid="" compositor_pid="" as_player=()
cleanup() {
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    [ -n "$compositor_pid" ] && kill "$compositor_pid" 2>/dev/null && wait "$compositor_pid" 2>/dev/null
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL${case:+ ($case)}: $*"; for log in "$work"/*.log; do echo "--- $log:"; tail -n 30 "$log"; done; exit 1; }

# As root, folder permissions would not bite: the game then runs as an ordinary user.
as_nobody_if_root() { [ "$(id -u)" -ne 0 ] || as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups --); }

# The program and the named files beside it, copied into a folder of its own, $game: named
# $game_folder when that is set, else "game".
copy_game() {
    game=$work/${game_folder:-game}
    mkdir "$game" && cp "$1" "$game/"
    for file in "${@:2}"; do cp "$(dirname "$1")/$file" "$game/" || fail "no $file beside the program"; done
}

# Polls up to five seconds for a command to succeed.
within_5s() { for _ in $(seq 100); do "$@" && return 0; sleep 0.05; done; return 1; }

# Xvfb picks a free display itself and reports its number.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    within_5s test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$work/display")"
}

# Makes the player's home and runtime folders; then "${player[@]}" COMMAND (after any environment
# settings) runs COMMAND as the player, from that home, away from the game's media, with the
# player's own folders there, in English unless the settings say otherwise.
make_home() {
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    [ "${#as_player[@]}" -ne 0 ] && chown 65534:65534 "$work/home" "$work/runtime"
    player=("${as_player[@]}" env -C "$work/home" -u QT_QPA_PLATFORM HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
        XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" LANGUAGE=en)
}
# Starts program (then any environment settings); sets started and game_pid.
launch_game() {
    make_home
    started=$SECONDS
    "${player[@]}" "${@:2}" "$1" >"$work/game.log" 2>&1 &
    game_pid=$!
}

# Launches the game on the X server, and finds the main window by its title: window, and left
# and top of its client area below the menu bar.
start_game() {
    [ -n "$xvfb_pid" ] || start_xvfb
    launch_game "$@"
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^$game_title\$" | head -n1)
    [ -n "$window" ] || fail "no window titled $game_title"
    # Mapped is not yet drawn: the board's corner turns its grey once the window has painted.
    for _ in $(seq 100); do
        eval "$(xdotool getwindowgeometry --shell "$window")"
        left=$X
        top=$((Y + HEIGHT - client_height))
        [ "$(import -window root -crop "1x1+$((left + 3))+$((top + 3))" -depth 8 txt:- 2>/dev/null |
            sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p')" = "$background" ] && return 0
        sleep 0.1
    done
    fail "the window was never drawn"
}

# A private session bus and accessibility bus, the player's, so that the reader (run as the player
# too) reads no other program. The game finds the accessibility bus through its launcher's name
# on the session bus. The Debian package installs the bindings for the system's own Python,
# which another python3 earlier on the path may not see.
start_buses() {
    local launcher=/usr/libexec/at-spi-bus-launcher
    need dbus-launch dbus-send "$launcher"
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
    make_home
    eval "$("${player[@]}" dbus-launch --sh-syntax)"
    "${player[@]}" "$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
    bus_pid=$!
    bus_up() {
        "${player[@]}" dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"
    }
    within_5s bus_up || fail "no accessibility bus"
}
reader() { "${player[@]}" /usr/bin/python3 "$e2e/atspi_read.py" "$@"; }

# Without a window manager the window must be given the focus before keys reach it.
keys() {
    xdotool windowfocus --sync "$window"
    for key; do xdotool key "$key"; sleep 0.6; done
}

# The message and input boxes on top of the main window: titled like it, but new windows.
wait_box() {  # until a box other than $1 (may be empty) is up; sets box_id
    for _ in $(seq 100); do
        box_id=$(xdotool search --onlyvisible --name "^$game_title\$" | grep -vx "$window" | tail -n1)
        [ -n "$box_id" ] && [ "$box_id" != "$1" ] && return 0
        sleep 0.05
    done
    return 1
}
# Gives the box that is up the focus, and then the keys (Return unless told).
answer() { xdotool windowfocus --sync "$box_id" key "${@:-Return}"; }
