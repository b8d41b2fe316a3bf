#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the running game through the AT-SPI bus, as a screen reader would, and plays it with
# the keyboard alone, choosing every move from what the cells' accessible names say.
# Usage: atspi_read.py cells        prints "row column colour selected points" per cell, then the score
#        atspi_read.py play NAME    plays to the end of the game and answers the name prompt with NAME
#        atspi_read.py wait TEXT    waits until some object of the game bears the name TEXT
import re
import subprocess
import sys
import time

import pyatspi

CELL = re.compile(r"^(Empty|(\w+) ball), row (\d+), column (\d+)$")


def game():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "orbulon":
                return app
        time.sleep(0.1)
    sys.exit("no application named orbulon on the accessibility bus")


def walk(node, seen):
    seen.append(node)
    for child in node:
        if child is not None:
            walk(child, seen)


def read():
    """The board as {(row, column): (colour, selected, points)}, the score text, and the tree's size."""
    everything = []
    walk(game(), everything)
    cells, score, texts = {}, None, []
    for node in everything:
        name = node.name or ""
        texts.append(name)
        match = CELL.match(name)
        if match and node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            colour = (match.group(2) or "empty").lower()
            state = node.getState()
            cells[(int(match.group(3)), int(match.group(4)))] = (
                colour, state.contains(pyatspi.STATE_SELECTED), node.description,
                state.contains(pyatspi.STATE_FOCUSED))
        elif name == "Score":
            text = node.queryText()
            score = text.getText(0, text.characterCount)
    return cells, score, len(everything), texts


def group_at(cells, start):
    colour = cells[start][0]
    found, todo = {start}, [start]
    while todo:
        row, column = todo.pop()
        for near in ((row + 1, column), (row - 1, column), (row, column + 1), (row, column - 1)):
            if near in cells and near not in found and cells[near][0] == colour:
                found.add(near)
                todo.append(near)
    return found


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)


def until(check, what, seconds=5):
    for _ in range(int(seconds * 10)):
        result = check()
        if result:
            return result
        time.sleep(0.1)
    sys.exit("FAIL: " + what)


def play(name):
    keys = moves = expected = 0
    while True:
        cells, score, _, _ = read()
        groups = [group_at(cells, at) for at in sorted(cells) if cells[at][0] != "empty"]
        groups = [g for g in groups if len(g) > 1]
        if not groups:
            break
        focus = [at for at in cells if cells[at][3]]
        if len(focus) != 1:
            sys.exit(f"FAIL: {len(focus)} cells report the keyboard focus")
        (row, column) = focus[0]
        # The nearest ball of the largest group: few moves, and few keys for each.
        largest = max(len(g) for g in groups)
        target = min((at for g in groups if len(g) == largest for at in g),
                     key=lambda at: abs(at[0] - row) + abs(at[1] - column))
        path = (["Up"] * (target[0] - row) + ["Down"] * (row - target[0]) +
                ["Right"] * (target[1] - column) + ["Left"] * (column - target[1]))
        keys += len(path) + 2
        key(*path, "space")
        group = group_at(cells, target)
        points = str(len(group) * (len(group) - 1))
        framed = lambda: (lambda c: {at for at in c if c[at][1]} == group and
                          all(c[at][2] == points for at in group) and c)(read()[0])
        until(framed, f"after Space at {target} the selection is not the group of {len(group)} with {points} points")
        key("Return")
        expected += int(points)
        moves += 1
        # The score shows the take at once; the end of the game may then put up its message.
        until(lambda: read()[1] == str(expected), f"score is not {expected} after the take")
    print(f"moves={moves} keys={keys} score={expected}")
    # The end message, answered with Return; then the name prompt.
    until(lambda: any(t.startswith("There are no more possible moves") for t in read()[3]), "no end message")
    time.sleep(0.5)
    key("Return")
    until(lambda: any(t.startswith("Please enter your name.") for t in read()[3]), "no name prompt")
    print("name prompt reached")
    time.sleep(0.5)
    key("ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "30", name], check=True)
    key("Return")
    until(lambda: "You got the high score!" in read()[3], "no word of the high score")
    time.sleep(0.5)
    key("Return")

if sys.argv[1] == "cells":
    started = time.monotonic()
    cells, score, size, _ = read()
    took = time.monotonic() - started
    for (row, column), (colour, selected, points, _) in sorted(cells.items()):
        print(row, column, colour, int(selected), points or "-")
    print("score", score)
    print(f"tree: {size} objects read in {took:.2f} s", file=sys.stderr)
elif sys.argv[1] == "wait":
    until(lambda: sys.argv[2] in read()[3], "nothing reads " + sys.argv[2])
elif sys.argv[1] == "play":
    play(sys.argv[2])
