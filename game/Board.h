// SPDX-License-Identifier: GPL-3.0-or-later
// The board's grid, its colour codes and the score a board can hold: the facts of the rules.
#pragma once

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

// Colour codes of BallColour: 0 is an empty cell, 1 to 5 the balls.
inline constexpr std::int16_t Empty = 0;
inline constexpr std::int16_t Purple = 1;
inline constexpr std::int16_t Blue = 2;
inline constexpr std::int16_t Yellow = 3;
inline constexpr std::int16_t Green = 4;
inline constexpr std::int16_t Red = 5;
inline constexpr int ColourCount = 5;

// A whole board of one colour taken in one move: 132 x 131.
inline constexpr std::int16_t MaxScore = Cells * (Cells - 1);

}  // namespace orbulon
