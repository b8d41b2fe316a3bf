# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end tests share: a scratch folder cleaned up after them, a private X server,
# the game started there as a player would start it, and private buses to read and play it
# through as a screen reader does. The window's size, the title and the file names come from the
# build ($GAME_FACTS), which reads the game's own.
source "${GAME_FACTS:?set by ctest to the game-facts.sh of the build}"

need() { for tool; do command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }; done; }
need Xvfb xdotool import convert
work=$(mktemp -d)
chmod 755 "$work"
xvfb_pid="" game_pid="" servers=() as_player=()  # servers: what else the test started, ended with it
cleanup() {
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    kill "${servers[@]}" ${DBUS_SESSION_BUS_PID:-} 2>/dev/null
    wait "${servers[@]}" 2>/dev/null
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
    for file in "${@:2}"; do cp -r "$(dirname "$1")/$file" "$game/" || fail "no $file beside the program"; done
}

# Polls up to five seconds for a command to succeed.
within_5s() { for _ in $(seq 100); do "$@" && return 0; sleep 0.05; done; return 1; }

# Xvfb picks a free display itself and reports its number.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$! servers+=($!)
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

# Until a window titled so (a pattern) is up, twenty seconds at most; sets box_id.
wait_window() { box_id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1) && [ -n "$box_id" ]; }

# Launches the game on the X server, and finds the main window by its title: window.
start_game() {
    [ -n "$xvfb_pid" ] || start_xvfb
    launch_game "$@"
    wait_window "$game_title" || fail "no window titled $game_title"
    window=$box_id
    # Mapped is not yet drawn: the board's corner, below the menu bar, turns its grey once the
    # window has painted.
    drawn() {
        eval "$(xdotool getwindowgeometry --shell "$window")"
        [ "$(import -window "$window" -crop "1x1+3+$((HEIGHT - client_height + 3))" -depth 8 -format '%[hex:p{0,0}]' info: 2>/dev/null)" = \
            "$(printf '%02X%02X%02X' ${background//,/ })" ]
    }
    within_5s drawn || fail "the window was never drawn"
}

# A private session bus and accessibility bus, the player's, so that the reader (run as the player
# too) reads no other program. The game finds the accessibility bus through its launcher's name
# on the session bus. The Debian package installs the bindings for the system's own Python,
# which another python3 earlier on the path may not see.
start_buses() {
    need dbus-launch dbus-send /usr/libexec/at-spi-bus-launcher
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
    make_home
    cp "$(dirname "${BASH_SOURCE[0]}")/atspi_read.py" "$work/"  # the player may not read the source tree
    eval "$("${player[@]}" dbus-launch --sh-syntax)"
    "${player[@]}" /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
    servers+=($!)
    bus_up() {
        "${player[@]}" dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"
    }
    within_5s bus_up || fail "no accessibility bus"
}
reader() { "${player[@]}" /usr/bin/python3 "$work/atspi_read.py" "$@"; }

# Without a window manager the window must be given the focus before keys reach it.
keys() { xdotool windowfocus --sync "$window" key --delay 50 "$@"; }

# The message and input boxes on top of the main window are titled like it, but new windows:
# whether one is up; sets box_id.
box_up() { box_id=$(xdotool search --onlyvisible --name "^$game_title\$" | grep -vx "$window" | tail -n1) && [ -n "$box_id" ]; }
# Gives the box that is up the focus, and then the keys (Return unless told).
answer() { xdotool windowfocus --sync "$box_id" key "${@:-Return}"; }
