# SPDX-License-Identifier: GPL-3.0-or-later
# What the two outside players share: the game's facts as the build wrote them ($GAME_FACTS),
# the board's groups, and waiting on the running game. Cells are numbered as the game numbers
# them: 1 to 132, the bottom row first, each row from the left.
import os
import shlex
import subprocess
import sys
import time

FACTS = dict(word.partition("=")[::2] for line in open(os.environ["GAME_FACTS"]) for word in shlex.split(line))
COLUMNS, ROWS = int(FACTS["columns"]), int(FACTS["rows"])


def run(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout


def until(check, what, seconds=5):
    for _ in range(int(seconds * 10)):
        if result := check():
            return result
        time.sleep(0.1)
    sys.exit("FAIL: " + what)


def group(board, start):
    """The cells joined to start in its colour; board maps each cell to its colour, None when empty."""
    found, todo = {start}, [start]
    while todo:
        cell = todo.pop()
        column = (cell - 1) % COLUMNS
        near = [cell + COLUMNS, cell - COLUMNS] + [cell + 1] * (column < COLUMNS - 1) + [cell - 1] * (column > 0)
        for other in near:
            if 1 <= other <= COLUMNS * ROWS and other not in found and board[other] == board[start]:
                found.add(other)
                todo.append(other)
    return found


def groups(board):
    """Every group of two or more balls."""
    found = {frozenset(group(board, cell)) for cell in board if board[cell] is not None}
    return [g for g in found if len(g) > 1]
