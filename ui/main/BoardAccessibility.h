// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of the board's cells: colour, row and column, frame and points.
#pragma once

#include <QString>

namespace orbulon {

class BallPicture;

// "Purple ball, row 3, column 5" or "Empty, row 12, column 1": rows counted from 1 at the
// bottom and columns from 1 at the left, as the game numbers its cells.
QString CellAccessibleName(int ColourCode, int Index);

// Lets assistive technology read every cell through its own interface; once per program.
void InstallBoardAccessibility();

// Tells assistive technology that a cell's ball, tool tip or frame has changed.
void CellNameChanged(BallPicture* Cell);
void CellDescriptionChanged(BallPicture* Cell);
void CellFrameChanged(BallPicture* Cell);

}  // namespace orbulon
