#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a game of Orbulon to its end from outside, as a player would with the mouse: reads the
# board from a screenshot of the window (the centre pixel of each cell; an empty cell shows the
# board's grey), takes the largest group left with two clicks on one of its balls, until no
# group remains. Prints the points it expects to have scored and the number of groups taken.
# Usage: autoplay.py WINDOW-ID        (DISPLAY set; File > New already chosen)
import sys

from board import COLUMNS, FACTS, ROWS, groups, run, until

WIDTH, HEIGHT = int(FACTS["client_width"]), int(FACTS["client_height"])
BLANK = tuple(int(v) for v in FACTS["background"].split(","))


def cell_centre(cell):
    column, row = (cell - 1) % COLUMNS, (cell - 1) // COLUMNS
    half = int(FACTS["cell_size"]) // 2
    return (int(FACTS["board_left"]) + int(FACTS["cell_pitch"]) * column + half,
            int(FACTS["board_bottom"]) - int(FACTS["cell_pitch"]) * row + half)


def read_board(origin):
    rgb = run("import", "-window", "root", "-crop", f"{WIDTH}x{HEIGHT}+{origin[0]}+{origin[1]}", "-depth", "8", "rgb:-")
    centres = {cell: cell_centre(cell) for cell in range(1, COLUMNS * ROWS + 1)}
    colours = {cell: tuple(rgb[3 * (y * WIDTH + x) :][:3]) for cell, (x, y) in centres.items()}
    return {cell: None if colour == BLANK else colour for cell, colour in colours.items()}


# Whether a message or input box titled like the game's window has come up over it.
def dialog_open():
    return len(run("xdotool", "search", "--onlyvisible", "--name", "^" + FACTS["game_title"] + "$").split()) > 1


def play(window):
    shell = dict(line.split("=", 1) for line in run("xdotool", "getwindowgeometry", "--shell", window).decode().split())
    origin = int(shell["X"]), int(shell["Y"]) + int(shell["HEIGHT"]) - HEIGHT
    score = taken = 0
    board = read_board(origin)
    # The end message may come up over the board once it has been read.
    while (candidates := groups(board)) and not dialog_open():
        group = max(candidates, key=len)
        x, y = cell_centre(min(group))
        # One click frames the group, the next takes it; then the pointer leaves the board, so that
        # no tool tip covers a cell of the next screenshot.
        run("xdotool", "mousemove", str(origin[0] + x), str(origin[1] + y),
            "click", "1", "sleep", "0.03", "click", "1", "mousemove", "0", "0")
        score, taken = score + len(group) * (len(group) - 1), taken + 1
        until(lambda: read_board(origin) != board or dialog_open(),
              f"the board did not change after two clicks on cell {min(group)}", 3)
        board = read_board(origin)
    return score, taken


print(*play(sys.argv[1]))
