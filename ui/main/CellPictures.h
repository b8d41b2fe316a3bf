// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the board's cells, read from their bitmap files.
#pragma once

#include <QPixmap>

#include <filesystem>
#include <string>

namespace orbulon {

// Reads the picture of a colour code from its file in Folder, every time it is asked:
// nothing is cached. A missing or unreadable file gives a drawn stand-in (the blank
// cell, or a plain ball of that colour), so the board stays playable.
QPixmap LoadCellPicture(const std::filesystem::path& Folder, int Colour);

// The stand-in for a cell whose bitmap cannot be read.
QPixmap DrawnCellPicture(int Colour);

}  // namespace orbulon
