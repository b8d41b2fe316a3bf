#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the running game through the AT-SPI bus, as a screen reader would, and plays it choosing
# every move from what the cells' accessible names say. A cell is (row, column), both from 1, the
# bottom row first, as the names give them.
# Usage: atspi_read.py cells N      checks that N cells are named, the score reads 0, and each colour
#                                   name shows one colour (read from the screen at the middle of the
#                                   cell's own place) and no two names the same one
#        atspi_read.py play keys|actions NAME [prompt]
#                                   plays a game to its end with the keyboard alone, or by the
#                                   objects' own actions alone (no key, no pointer, as under a
#                                   Wayland compositor; File > New pressed too); each frame checked
#                                   for its group and points, each take for the score. Answers the
#                                   end message and the name prompt with NAME; then, unless told to
#                                   stop at the prompt, the best score's message, and reads the score
#                                   as the best in the scores window. Prints the window's size and score.
#        atspi_read.py wait TEXT    waits until some object of the game bears a name starting with TEXT
#        atspi_read.py shows TS CONTEXT ENGLISH...
#                                   waits until, for each ENGLISH text, some name holds its translation
#                                   in the translation file TS (without its access key's mark), and
#                                   none is the English "Cancel" of a box's button
import contextlib
import re
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

import pyatspi
from gi.repository import GLib

CELL = re.compile(r"^(Empty|(\w+) ball), row (\d+), column (\d+)$")
# The cells' objects and the score box as the first walk found them; every object as the last
# whole read found them.
CELLS, SCORE, OBJECTS = {}, [], []


def until(check, what, seconds=5):
    for _ in range(int(seconds * 10)):
        if result := check():
            return result
        time.sleep(0.1)
    sys.exit("FAIL: " + what)


def group(board, start):
    """The cells joined to start in its colour; board maps each cell to its colour, None when empty."""
    found = [start]
    for row, column in found:
        found += [near for near in ((row + 1, column), (row - 1, column), (row, column + 1), (row, column - 1))
                  if near in board and near not in found and board[near] == board[start]]
    return set(found)


def read(whole=False):
    """Each cell as {cell: (colour, points, selected, focused)}, the score text, and the names of
    every object when whole. The cells and the score box stay the same objects all game: after
    the first walk of the whole tree only they are read, unless a box may be up (whole)."""
    names = []
    if whole or not CELLS:
        app = until(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "orbulon"), None),
                    "no application named orbulon on the accessibility bus", 10)
        OBJECTS[:] = [app]
        for node in OBJECTS:
            OBJECTS.extend(child for child in node if child is not None)
            names.append(name := node.name or "")
            if (match := CELL.match(name)) and node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
                CELLS[int(match.group(3)), int(match.group(4))] = node
            elif name == "Score":
                SCORE[:] = [node]
    cells = {cell: (CELL.match(node.name).group(2), node.description,
                    *map(node.getState().contains, (pyatspi.STATE_SELECTED, pyatspi.STATE_FOCUSED)))
             for cell, node in CELLS.items()}
    return cells, SCORE[0].queryText().getText(0, -1) if SCORE else None, names


def press(name, role=pyatspi.ROLE_PUSH_BUTTON):
    """Does the action of the object of that name and role, as a screen reader's user would."""
    node = until(lambda: read(whole=True) and next((n for n in OBJECTS if n.name == name and n.getRole() == role), None),
                 f"no {name} to press")
    # Qt answers a menu item only once the window it opens has closed.
    with contextlib.suppress(GLib.GError) if role == pyatspi.ROLE_MENU_ITEM else contextlib.nullcontext():
        node.queryAction().doAction(0)


def shown(text):
    return any(name.startswith(text) for name in read(whole=True)[2])


def play(mode, name, stop=""):
    read(whole=True)
    print("window %dx%d" % next(n for n in OBJECTS if n.getRole() == pyatspi.ROLE_FRAME).queryComponent().getSize())
    if mode == "actions":
        press("New", pyatspi.ROLE_MENU_ITEM)
    row = column = expected = 0
    while True:
        cells = read()[0]
        colours = {cell: seen[0] for cell, seen in cells.items()}
        sizes = {cell: len(group(colours, cell)) for cell in colours if colours[cell]}
        if (largest := max(sizes.values(), default=0)) < 2:
            break
        if mode == "keys":
            if len(focus := [cell for cell in cells if cells[cell][3]]) != 1:
                sys.exit(f"FAIL: {len(focus)} cells report the keyboard focus")
            row, column = focus[0]
        # The nearest ball of the largest group: few moves, and few keys for each.
        target = min((cell for cell in sizes if sizes[cell] == largest),
                     key=lambda cell: abs(cell[0] - row) + abs(cell[1] - column))
        up, right = target[0] - row, target[1] - column
        path = ["Up"] * up + ["Down"] * -up + ["Right"] * right + ["Left"] * -right
        # Space frames the group, Return takes it; the cell's own action does each in turn.
        take = lambda *keys: (subprocess.run(["xdotool", "key", "--delay", "5", *keys], check=True) if mode == "keys"
                              else CELLS[target].queryAction().doAction(0))
        take(*path, "space")
        taken = group(colours, target)
        points = str(len(taken) * (len(taken) - 1))
        until(lambda: (lambda c: {at for at in c if c[at][2]} == taken and all(c[at][1] == points for at in taken))(read()[0]),
              f"taking cell {target} did not frame its group of {len(taken)} with {points} points")
        take("Return")
        expected += int(points)
        until(lambda: read()[1] == str(expected), f"score is not {expected} after the take")
    print(f"score={expected}")
    for text in ("There are no more possible moves", "Please enter your name.", "You got the high score!"):
        if text.startswith("You") and stop == "prompt":
            return
        until(lambda: shown(text), "no " + text)
        if text.startswith("Please"):
            next(n for n in OBJECTS if n.getRole() == pyatspi.ROLE_TEXT and n.name != "Score").queryEditableText().setTextContents(name)
        press("OK")
    # The table is written once the last box has gone; a menu item pressed sooner would be
    # played inside the box's own wait.
    until(lambda: not shown("You got the high score!"), "the high-score message stays")
    time.sleep(0.5)
    press("Show High Scores", pyatspi.ROLE_MENU_ITEM)
    until(lambda: f"1: {expected}, {name}" in read(whole=True)[2], f"the scores window does not read 1: {expected}, {name}", 10)
    press("OK")


if sys.argv[1] == "cells":
    cells, score, _ = read()
    width = int(subprocess.check_output(["xdotool", "getdisplaygeometry"]).split()[0])
    screen = subprocess.check_output(["import", "-window", "root", "-depth", "8", "rgb:-"])
    pairs = set()
    for cell, (colour, *_) in cells.items():
        x, y, w, h = CELLS[cell].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        middle = 3 * ((y + h // 2) * width + x + w // 2)
        pairs.add((colour, tuple(screen[middle:middle + 3])))
    if len(cells) != int(sys.argv[2]) or score != "0" or not len(pairs) == len(dict(pairs)) == len({p for _, p in pairs}):
        sys.exit(f"FAIL: {len(cells)} cells, score {score!r}, names against colours shown {sorted(pairs)}")
elif sys.argv[1] == "wait":
    until(lambda: shown(sys.argv[2]), "nothing reads " + sys.argv[2])
elif sys.argv[1] == "shows":
    messages = {(context.findtext("name"), message.findtext("source")): message.findtext("translation")
                for context in ET.parse(sys.argv[2]).iter("context") for message in context.iter("message")}
    for english in sys.argv[4:]:
        text = re.sub(r"&(.)", r"\1", messages[(sys.argv[3], english)])
        until(lambda: any(text in name for name in read(whole=True)[2]), f"nothing reads {text!r} for {english!r}")
    if "Cancel" in read(whole=True)[2]:
        sys.exit("FAIL: a button reads Cancel: Qt's own words are not translated")
elif sys.argv[1] == "play":
    play(*sys.argv[2:5])
