#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a game of Orbulon to its end from outside, as a player would with the mouse: reads
# the board from a screenshot of the window (the centre pixel of each of the 132 cells; an
# empty cell shows the board's grey), takes the largest group left with two clicks on one of
# its balls, and goes on until no group of two or more remains. Prints the points it expects
# to have scored and the number of groups taken.
#
# Usage: autoplay.py WINDOW-ID        (DISPLAY set; File > New already chosen)
#
# The board reading (client_origin, read_board, groups) is kept apart from the clicking, so
# that a player using other controls can share it.
import os
import shlex
import subprocess
import sys
import time


# The board's layout, colours and the title, as the build wrote them from the game's own
# headers into the file $GAME_FACTS names (shell assignments).
def game_facts():
    facts = {}
    with open(os.environ["GAME_FACTS"]) as lines:
        for line in lines:
            for word in shlex.split(line):
                name, _, value = word.partition("=")
                facts[name] = value
    return facts


FACTS = game_facts()
COLUMNS, ROWS = int(FACTS["columns"]), int(FACTS["rows"])
CLIENT_WIDTH, CLIENT_HEIGHT = int(FACTS["client_width"]), int(FACTS["client_height"])
BLANK = tuple(int(v) for v in FACTS["background"].split(","))


def run(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout


# Pixel of cell index (1 to 132: bottom row first, each from the left) in the client area.
def cell_centre(index):
    column, row = (index - 1) % COLUMNS, (index - 1) // COLUMNS
    left, bottom = int(FACTS["board_left"]), int(FACTS["board_bottom"])
    pitch, half = int(FACTS["cell_pitch"]), int(FACTS["cell_size"]) // 2
    return left + pitch * column + half, bottom - pitch * row + half


def client_origin(window):
    shell = dict(line.split("=", 1) for line in run("xdotool", "getwindowgeometry", "--shell", window).decode().split())
    return int(shell["X"]), int(shell["Y"]) + int(shell["HEIGHT"]) - CLIENT_HEIGHT


# The 132 cells, index 1 first, each as the colour at its centre; None for an empty cell.
def read_board(origin):
    area = f"{CLIENT_WIDTH}x{CLIENT_HEIGHT}+{origin[0]}+{origin[1]}"
    rgb = run("import", "-window", "root", "-crop", area, "-depth", "8", "rgb:-")
    board = []
    for index in range(1, COLUMNS * ROWS + 1):
        x, y = cell_centre(index)
        at = 3 * (y * CLIENT_WIDTH + x)
        colour = tuple(rgb[at : at + 3])
        board.append(None if colour == BLANK else colour)
    return board


def neighbours(index):
    column = (index - 1) % COLUMNS
    steps = [COLUMNS, -COLUMNS] + ([1] if column < COLUMNS - 1 else []) + ([-1] if column > 0 else [])
    return [index + step for step in steps if 1 <= index + step <= COLUMNS * ROWS]


# The groups of two or more joined balls of one colour, each a list of cell indices.
def groups(board):
    seen, found = set(), []
    for start in range(1, COLUMNS * ROWS + 1):
        if start in seen or board[start - 1] is None:
            continue
        group, todo = [], [start]
        seen.add(start)
        while todo:
            cell = todo.pop()
            group.append(cell)
            for other in neighbours(cell):
                if other not in seen and board[other - 1] == board[cell - 1]:
                    seen.add(other)
                    todo.append(other)
        if len(group) > 1:
            found.append(group)
    return found


# Whether a message or input box titled like the game's window has come up over it.
def dialog_open():
    found = run("xdotool", "search", "--onlyvisible", "--name", "^" + FACTS["game_title"] + "$").split()
    return len(found) > 1


def click(origin, index):
    x, y = cell_centre(index)
    run("xdotool", "mousemove", str(origin[0] + x), str(origin[1] + y), "click", "1")


def play(window, patience=3.0):
    origin = client_origin(window)
    score = taken = 0
    board = read_board(origin)
    while True:
        candidates = groups(board)
        # The end message may have come up over the board since it was read.
        if not candidates or dialog_open():
            return score, taken
        group = max(candidates, key=len)
        click(origin, group[0])  # frames the group
        time.sleep(0.03)
        click(origin, group[0])  # takes it
        score, taken = score + len(group) * (len(group) - 1), taken + 1
        # Away from the board, so that no tool tip covers a cell of the next screenshot.
        run("xdotool", "mousemove", "0", "0")
        deadline = time.monotonic() + patience
        while (after := read_board(origin)) == board:
            if dialog_open():
                return score, taken
            if time.monotonic() > deadline:
                sys.exit(f"autoplay: the board did not change after two clicks on cell {group[0]}")
            time.sleep(0.02)
        board = after


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: autoplay.py WINDOW-ID")
    print(*play(sys.argv[1]))
