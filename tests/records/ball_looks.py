#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The shipped cell bitmaps, at every scale the build lays beside the program, as a player sees
# them: the blank cell is the board alone; each ball's middle is plainly its named colour, its
# outline stands off the board, and any two balls differ clearly on enough of their pixels for
# normal vision, for the three full colour blindnesses and for players who see no hue at all,
# and by their marks alone, so that no two balls are told apart by their colour only.
# Prints the figures; fails on any below its goal.   Usage: ball_looks.py BIN-FOLDER (and GAME_FACTS)
import colorsys
import os
import shlex
import struct
import sys
from itertools import combinations

try:
    import numpy as np
    from colorspacious import cspace_convert
except ImportError:
    print("SKIP: python3-colorspacious is not installed")
    sys.exit(77)

# Hue in degrees (from, to; through 0 for red), in the order of the colour codes 1 to 5.
HUES = {"purple": (260, 310), "blue": (200, 250), "yellow": (40, 65), "green": (85, 165), "red": (340, 15)}
VISIONS = ["normal", "protanopia", "deuteranopia", "tritanopia", "monochrome", "marks alone"]
FACTS = dict(word.split("=", 1) for line in open(os.environ["GAME_FACTS"]) for word in shlex.split(line))


def read_bmp(path):
    """The pixels of a bottom-up 24-bit BMP as R, G, B, top row first."""
    data = open(path, "rb").read()
    offset, width, height, bits = struct.unpack_from("<I4xii2xH", data, 10)
    assert data[:2] == b"BM" and bits == 24 and height > 0, f"{path}: no bottom-up 24-bit BMP"
    rows = np.frombuffer(data, np.uint8, (width * 3 + 3) // 4 * 4 * height, offset).reshape(height, -1)
    return rows[::-1, : width * 3].reshape(height, width, 3)[..., ::-1].astype(float)


def luminance(rgb255):
    return cspace_convert(rgb255, "sRGB255", "XYZ1")[..., 1]


def seen(rgb255, vision, face):
    """The pixels in CAM02-UCS as a player of that vision sees them."""
    if vision == "marks alone":  # in greyscale, less the lightness of the ball's body
        grey = seen(rgb255, "monochrome", face)
        return grey - [np.median(grey[face][:, 0]), 0, 0]
    if vision == "monochrome":  # each pixel's relative luminance, as grey
        return cspace_convert(np.repeat(luminance(rgb255)[..., None], 3, axis=-1), "sRGB1-linear", "CAM02-UCS")
    rgb1 = rgb255 / 255
    if vision != "normal":  # Machado, Oliveira and Fernandes (2009), full severity
        rgb1 = np.clip(cspace_convert(rgb1, {"name": "sRGB1+CVD", "cvd_type": vision[:-3] + "maly", "severity": 100}, "sRGB1"), 0, 1)
    return cspace_convert(rgb1, "sRGB1", "CAM02-UCS")


board = np.array(FACTS["background"].split(","), float)
failures, worst = [], {}  # worst: (vision, pair) -> the smallest share apart over the scales
for scale in map(int, FACTS["bitmap_scales"].split()):
    size, balls = 20 * scale, {}
    for name, file in zip([None, *HUES], FACTS["cell_bitmap_files"].split()):
        path = os.path.join(sys.argv[1], file if scale == 1 else file.replace(".bmp", f"@{scale}x.bmp"))
        pixels = read_bmp(path)
        ball = np.any(pixels != board, axis=-1)
        misfit = bool(pixels.shape[:2] != (size, size) or ball[0, 0] or ball.any() != bool(name))
        failures += [f"{path}: no {size} x {size} cell on the board, or a ball where none belongs"] * misfit
        if misfit or not name:
            continue
        # The middle: the face inside the rim, the pixels within 0.8 of the ball's radius of
        # the centre. Its glint and mark are lighter than its body and cover less than half of
        # it, so the body is its darker half, the shaded side included: even that must be
        # clearly the ball's colour.
        y, x = np.mgrid[:size, :size] + 0.5 - size / 2
        face = ball & (x * x + y * y <= 0.64 * ball.sum() / np.pi)
        middle = pixels[face]
        body = middle[np.argsort(luminance(middle))[: len(middle) // 2]]
        h, s, v = colorsys.rgb_to_hsv(*body.mean(axis=0) / 255)
        (low, high), h = HUES[name], h * 360
        # The outline: the share of the ball's pixels at 3:1 or more against the board.
        contrast = (luminance(pixels[ball]) + 0.05) / (luminance(board) + 0.05)
        outline = np.mean(np.maximum(contrast, 1 / contrast) >= 3)
        print(f"{scale}x {name:6}  middle HSV {h:5.1f} {s:.2f} {v:.2f}   outline {outline:.0%} at 3:1")
        if not ((low <= h <= high if low < high else not high < h < low) and s >= 0.45 and v >= 0.45):
            failures.append(f"{path}: the middle is HSV ({h:.0f}, {s:.2f}, {v:.2f}), no clear {name}")
        if outline < 0.15:
            failures.append(f"{path}: only {outline:.0%} of the ball stands 3:1 off the board")
        balls[name] = pixels, ball, face
    # Any two balls, pixel by pixel over where either shows (their marks over their faces):
    # the share clearly apart.
    for vision in VISIONS:
        looks = {name: seen(pixels, vision, face) for name, (pixels, _, face) in balls.items()}
        for a, b in combinations(balls, 2):
            where = balls[a][2] & balls[b][2] if vision == "marks alone" else balls[a][1] | balls[b][1]
            share = np.mean(np.linalg.norm(looks[a][where] - looks[b][where], axis=-1) >= 12)
            worst[vision, f"{a}-{b}"] = min(share, worst.get((vision, f"{a}-{b}"), 1))
failures += [f"{vision}: {pair} differ clearly on only {share:.1%}" for (vision, pair), share in worst.items() if share < 0.12]
pairs = sorted({pair for _, pair in worst})
print("\nShare of pixels at CAM02-UCS delta E >= 12, the worst scale (goal 12%):\n" + " " * 13 +
      "".join(f"{p:>14}" for p in pairs))
for vision in VISIONS:
    print(f"{vision:13}" + "".join(f"{worst[vision, p]:14.1%}" for p in pairs))
sys.exit("".join(f"FAIL: {failure}\n" for failure in failures).rstrip() or None)
