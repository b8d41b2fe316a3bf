// SPDX-License-Identifier: GPL-3.0-or-later
// The board's grid and where each of its cells, frames and boxes lies in the window, in pixels.
#pragma once

#include <array>
#include <cstdint>

namespace orbulon {

// 11 columns by 12 rows. Cell 1 is bottom left, numbered along each row from the left and row
// by row upward; right i + 1, left i - 1, above i + 11, below i - 11.
inline constexpr int Columns = 11;
inline constexpr int Rows = 12;
inline constexpr int Cells = Columns * Rows;  // 132

// Row (0 = bottom) and column (0 = left) of cell Index, 1 to 132.
constexpr int RowOf(int Index) { return (Index - 1) / Columns; }
constexpr int ColumnOf(int Index) { return (Index - 1) % Columns; }

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
// The balls by colour code, 1 (purple) to 5 (red): what the bitmaps show in a ball's middle and
// what the window paints when a bitmap cannot be read. Each is the colour a player names at a
// glance, saturated and well clear of black, so no ball reads as a hole in the board.
inline constexpr std::array<Rgb, 5> BallColours{{
    {130, 50, 200},  // purple
    {30, 110, 230},  // blue
    {240, 200, 20},  // yellow
    {50, 180, 80},  // green
    {220, 30, 45},  // red
}};
inline constexpr Rgb Shape1Outline{192, 0, 0};
inline constexpr Rgb HighlightOutline{255, 0, 0};
inline constexpr Rgb ScoreBackground{0, 0, 0};
inline constexpr Rgb ScoreText{0, 255, 0};

}  // namespace orbulon
