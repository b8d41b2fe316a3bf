// SPDX-License-Identifier: GPL-3.0-or-later
// The boards the benchmarks play on: the worst cases of the selection, the clear and the collapse.
#pragma once

#include "FakeView.h"
#include "modGeneral.h"

#include <array>

namespace orbulon::bench {

using Board = std::array<std::int16_t, Cells + 1>;

// Every cell red: one group of 132, the largest selection and the clear worth 17292.
inline Board OneColourBoard()
{
    Board B{};
    for (int i = 1; i <= Cells; ++i)
        B[i] = Red;
    return B;
}

// No two neighbours alike: no move anywhere, every ball isolated.
using test::QuietBoard;

// Only column 1 holds balls: the collapse then takes ten shift steps, the most there can be.
inline Board OnlyFirstColumn()
{
    const Board Quiet = QuietBoard();
    Board B{};
    for (int Row = 0; Row < Rows; ++Row)
        B[Row * Columns + 1] = Quiet[Row * Columns + 1];
    return B;
}

// Column 1 quiet, columns 2 to 11 one red group of 120: taking the group leaves only column 1,
// so the worst collapse follows the clear within the same click.
inline Board RedBesideFirstColumn()
{
    Board B = OnlyFirstColumn();
    for (int i = 1; i <= Cells; ++i)
        if ((i - 1) % Columns != 0)
            B[i] = Red;
    return B;
}

}  // namespace orbulon::bench
