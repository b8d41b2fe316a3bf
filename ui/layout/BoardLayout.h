// SPDX-License-Identifier: GPL-3.0-or-later
// Where each of the board's cells, frames and boxes lies in the window, in pixels, and their colours.
#pragma once

#include "Board.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace orbulon {

// A rectangle of the client area, in pixels from its top-left corner.
struct PixelRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

// Every cell is a 20 x 20 picture, 21 pixels from its neighbours: the one-pixel gap between
// them is where the red frames of a group show.
inline constexpr int CellSize = 20;
inline constexpr int CellPitch = CellSize + 1;
inline constexpr int BoardLeft = 14;  // the left column's left edge
inline constexpr int BoardBottom = 253;  // the bottom row's top edge

constexpr PixelRect CellRect(int Index)
{
    return {BoardLeft + CellPitch * ColumnOf(Index), BoardBottom - CellPitch * RowOf(Index), CellSize, CellSize};
}

// A cell's frame is one pixel larger on every side, so its outline lies in the gap around the cell.
constexpr PixelRect FrameRect(int Index)
{
    const PixelRect Cell = CellRect(Index);
    return {Cell.Left - 1, Cell.Top - 1, Cell.Width + 2, Cell.Height + 2};
}

inline constexpr PixelRect Shape1Rect{8, 16, 242, 263};  // the dark-red outline around the board
inline constexpr PixelRect ScoreRect{8, 280, 242, 60};
inline constexpr int ClientWidth = 257;
inline constexpr int ClientHeight = 348;

struct Rgb {
    std::uint8_t R = 0, G = 0, B = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The window's dark grey, which also fills the blank cell so that an empty cell is no cell at all.
inline constexpr Rgb BoardBackground{64, 64, 64};
inline constexpr Rgb Shape1Outline{192, 0, 0};
inline constexpr Rgb HighlightOutline{255, 0, 0};
inline constexpr Rgb ScoreBackground{0, 0, 0};
inline constexpr Rgb ScoreText{0, 255, 0};

// The balls by colour code, 1 (purple) to 5 (red); element 0, the empty cell, is the board
// itself. What the bitmaps show in a ball's middle and what the window paints when a bitmap
// cannot be read: each is the colour a player names at a glance, saturated and well clear of
// black, so no ball reads as a hole in the board.
inline constexpr std::array<Rgb, ColourCount + 1> BallColours{{
    BoardBackground,
    {130, 50, 200},  // purple
    {30, 110, 230},  // blue
    {240, 200, 20},  // yellow
    {50, 180, 80},  // green
    {220, 30, 45},  // red
}};

// The shape painted on each ball in a lighter tone of its colour, by colour code, so that no
// player has to tell the balls apart by colour alone: the purple, blue and red balls, alike in
// greyscale, carry the three marks that overlap least; the green ball's dot and the yellow
// ball's bare face tell those two apart.
enum class Mark { None, Ring, Dot, Plus, Cross };
inline constexpr std::array<Mark, ColourCount + 1> BallMarks{Mark::None, Mark::Ring, Mark::Cross,
                                                             Mark::None, Mark::Dot,  Mark::Plus};

// Whether the point (u, v), in pixels of the designed 20 x 20 cell from its centre, lies on the
// mark. The shapes' edges fall on the designed cell's pixel edges (or, for the round ones, clear
// between its pixel centres), so even the designed cell shows each mark sharp.
inline bool OnMark(Mark Sign, double u, double v)
{
    const double r = std::hypot(u, v), Near = std::min(std::abs(u), std::abs(v)),
                 Far = std::max(std::abs(u), std::abs(v));
    switch (Sign) {
    case Mark::Ring: return r >= 4.2 && r <= 6.3;
    case Mark::Dot: return r <= 4;
    case Mark::Plus: return Near <= 1 && Far <= 6;
    case Mark::Cross: return Far - Near <= 1.5 && Far <= 5;
    case Mark::None: break;
    }
    return false;
}

}  // namespace orbulon
