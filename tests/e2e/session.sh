# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end tests share: a scratch folder cleaned up after them, a private X server,
# the game started there as a player would start it, and its window's pixels. Where the cells
# lie, the title and the file names come from the build ($GAME_FACTS), which reads the game's own.
source "${GAME_FACTS:?set by ctest to the game-facts.sh of the build}"

need() { for tool; do command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }; done; }
need Xvfb xdotool import convert
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

# Starts program (then any environment settings) from the player's home, away from its media,
# with the player's own folders there, in English unless the settings say otherwise; sets started
# and game_pid.
launch_game() {
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    [ "${#as_player[@]}" -ne 0 ] && chown 65534:65534 "$work/home" "$work/runtime"
    started=$SECONDS
    (cd "$work/home" && exec env -u QT_QPA_PLATFORM HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" LANGUAGE=en "${@:2}" "${as_player[@]}" "$1") \
        >"$work/game.log" 2>&1 &
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

# A private session bus and accessibility bus, so that the reader reads no other program. The
# game finds the accessibility bus through its launcher's name on the session bus. The Debian
# package installs the bindings for the system's own Python, which another python3 earlier on
# the path may not see.
start_buses() {
    local launcher=/usr/libexec/at-spi-bus-launcher
    need dbus-launch dbus-send "$launcher"
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
    eval "$(dbus-launch --sh-syntax)"
    "$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
    bus_pid=$!
    bus_up() {
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"
    }
    within_5s bus_up || fail "no accessibility bus"
}
reader() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_read.py" "$@"; }

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

# Plays a game by mouse from File > New to its end, answers the end message with Return and the
# name prompt with NAME.
play_game() {
    keys alt+f n
    python3 "$(dirname "${BASH_SOURCE[0]}")/autoplay.py" "$window" >"$work/autoplay.log" 2>&1 ||
        fail "autoplay: $(cat "$work/autoplay.log")"
    box_id=""
    wait_box "$box_id" || fail "no end message"
    answer
    wait_box "$box_id" || fail "no name prompt"
    answer ctrl+a type "$1"
    answer
}

# Reads the client area of a screenshot into "x,y r,g,b" lines; one pixel of it.
pixels() {
    import -window root "$work/$1.png"
    convert "$work/$1.png" -crop "${client_width}x${client_height}+$left+$top" +repage -depth 8 txt:- |
        sed -n 's/^\([0-9]*\),\([0-9]*\): (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2 \3,\4,\5/p' >"$work/$1.txt"
}
pixel() { awk -v at="$2,$3" '$1 == at { print $2; exit }' "$work/$1.txt"; }

# A point of the cell in a column or a row (both from 0; row 0 at the bottom), in the client
# area: that far from the cell's left or top edge, its middle unless told.
cell_x() { echo $((board_left + cell_pitch * $1 + ${2:-cell_size / 2})); }
cell_y() { echo $((board_bottom - cell_pitch * $1 + ${2:-cell_size / 2})); }
