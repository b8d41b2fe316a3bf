// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of the board's cells: colour, row and column, frame and points.
#pragma once

#include <QString>

class QAccessibleInterface;

namespace orbulon {

class BoardSurface;

// "Purple ball, row 3, column 5" or "Empty, row 12, column 1": rows counted from 1 at the
// bottom and columns from 1 at the left, as the game numbers its cells.
QString CellAccessibleName(int ColourCode, int Index);

// Lets assistive technology read every cell as a button of its own; once per program.
void InstallBoardAccessibility();

// The cell's own accessible object, as a screen reader finds it among the board's children.
QAccessibleInterface* CellAccessible(BoardSurface& Surface, int Index);

// Tells assistive technology that a cell's ball, tool tip, frame or keyboard focus has changed.
void CellNameChanged(BoardSurface& Surface, int Index);
void CellDescriptionChanged(BoardSurface& Surface, int Index);
void CellFrameChanged(BoardSurface& Surface, int Index);
void CellFocused(BoardSurface& Surface, int Index);

}  // namespace orbulon
