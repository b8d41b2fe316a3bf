# SPDX-License-Identifier: GPL-3.0-or-later
# Steps the end-to-end tests share: a private X server, the game's window, its pixels.
# Sourced by a test that has set $work (its scratch folder) and defined fail(). Where the cells
# lie, the title and the file names come from the build ($GAME_FACTS), which reads the game's own.
source "${GAME_FACTS:?set by ctest to the game-facts.sh of the build}"

# Xvfb picks a free display itself and reports its number.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")"
}

# The main window by its title; sets window, and left and top of its client area below the
# menu bar.
find_game_window() {
    window=$(timeout 20 xdotool search --sync --name "^$game_title\$" | head -n1)
    [ -n "$window" ] || fail "no window titled $game_title ($(cat "$work/game.log" 2>/dev/null))"
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    left=$X
    top=$((Y + HEIGHT - client_height))
}

# Without a window manager the window must be given the focus before keys reach it.
new_game_by_keyboard() {
    xdotool windowfocus --sync "$window"
    xdotool key alt+f
    sleep 0.5
    xdotool key n
    sleep 0.7
}

# Reads the client area of a screenshot into "x,y r,g,b" lines; one pixel of it.
pixels() {
    import -window root "$work/$1.png"
    convert "$work/$1.png" -crop "${client_width}x${client_height}+$left+$top" +repage -depth 8 txt:- |
        sed -n 's/^\([0-9]*\),\([0-9]*\): (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2 \3,\4,\5/p' >"$work/$1.txt"
}
pixel() { awk -v at="$2,$3" '$1 == at { print $2; exit }' "$work/$1.txt"; }

# A ball whose right neighbour looks the same in screenshot $1; sets column and row.
find_pair() {
    for row in $(seq 0 $((rows - 1))); do
        for column in $(seq 0 $((columns - 2))); do
            local x=$(cell_x $column) y=$(cell_y $row)
            [ "$(pixel "$1" $x $y)" = "$(pixel "$1" $((x + cell_pitch)) $y)" ] && return 0
        done
    done
    fail "no pair of neighbours found on the board"
}

# The middle of the cell in a column and a row (both from 0; row 0 at the bottom), in the
# client area; and its edges.
cell_x() { echo $((board_left + cell_pitch * $1 + cell_size / 2)); }
cell_y() { echo $((board_bottom - cell_pitch * $1 + cell_size / 2)); }
cell_left() { echo $((board_left + cell_pitch * $1)); }
cell_top() { echo $((board_bottom - cell_pitch * $1)); }

click_cell() {  # column row, both from 0
    xdotool mousemove $((left + $(cell_x $1))) $((top + $(cell_y $2))) click 1
    sleep 0.7
}
