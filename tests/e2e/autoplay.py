#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays a game of Orbulon to its end from outside, as a player would with the mouse.

The board is read from a screenshot of the game's window: the centre pixel of each of
the 132 cells tells its ball apart (the blank cell shows the board's grey). The player
takes the largest group left, two clicks on one of its balls, until no group of two or
more remains. Prints the points it expects to have scored and the number of groups taken.

Usage: autoplay.py WINDOW-ID        (DISPLAY set; File > New already chosen)

The board reading (client_origin, screenshot, read_board, groups) is kept apart from the
clicking, so that a player using other controls can share it.
"""
import subprocess
import sys
import time

COLUMNS, ROWS = 11, 12
CLIENT_WIDTH, CLIENT_HEIGHT = 257, 348  # the client area below the menu bar
BLANK = (64, 64, 64)  # the board's grey, shown by an empty cell


def cell_centre(index):
    """Pixel of cell index (1 to 132: bottom row first, left to right) in the client area."""
    column, row = (index - 1) % COLUMNS, (index - 1) // COLUMNS
    return 14 + 21 * column + 10, 253 - 21 * row + 10


def run(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout


def client_origin(window):
    """Screen position of the client area's top left corner, below the menu bar."""
    shell = dict(line.split("=", 1) for line in run("xdotool", "getwindowgeometry", "--shell", window).decode().split())
    return int(shell["X"]), int(shell["Y"]) + int(shell["HEIGHT"]) - CLIENT_HEIGHT


def screenshot():
    """The whole screen as (width, pixel-reader); a binary PPM from ImageMagick's import."""
    data = run("import", "-window", "root", "-depth", "8", "ppm:-")
    fields, at = [], 2
    while len(fields) < 3:  # width, height, maximum value, each after blanks or comments
        while data[at : at + 1].isspace():
            at += 1
        if data[at : at + 1] == b"#":
            at = data.index(b"\n", at) + 1
            continue
        end = at
        while not data[end : end + 1].isspace():
            end += 1
        fields.append(int(data[at:end]))
        at = end
    width, pixels = fields[0], data[at + 1 :]

    def pixel(x, y):
        i = 3 * (y * width + x)
        return tuple(pixels[i : i + 3])

    return pixel


def read_board(origin):
    """The 132 cells, index 1 first, each as the colour at its centre; None for an empty cell."""
    pixel = screenshot()
    board = []
    for index in range(1, COLUMNS * ROWS + 1):
        x, y = cell_centre(index)
        colour = pixel(origin[0] + x, origin[1] + y)
        board.append(None if colour == BLANK else colour)
    return board


def neighbours(index):
    column = (index - 1) % COLUMNS
    if column < COLUMNS - 1:
        yield index + 1
    if column > 0:
        yield index - 1
    if index + COLUMNS <= COLUMNS * ROWS:
        yield index + COLUMNS
    if index - COLUMNS >= 1:
        yield index - COLUMNS


def groups(board):
    """The groups of two or more joined balls of one colour, each a list of cell indices."""
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


def dialog_open():
    """Whether a message or input box titled like the game's window has come up."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Orbulon!$"],
                           capture_output=True, text=True).stdout.split()
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
        # Away from the board, so no tool tip covers a cell of the next screenshot.
        run("xdotool", "mousemove", "0", "0")
        deadline = time.monotonic() + patience
        while time.monotonic() < deadline:
            after = read_board(origin)
            if after != board:
                break
            if dialog_open():  # the game has ended: the board may be covered now
                return score + len(group) * (len(group) - 1), taken + 1
            time.sleep(0.02)
        else:
            sys.exit(f"autoplay: the board did not change after two clicks on cell {group[0]}")
        score += len(group) * (len(group) - 1)
        taken += 1
        board = after


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    points, moves = play(sys.argv[1])
    print(f"{points} {moves}")
