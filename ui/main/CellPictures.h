// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the board's cells, read from their bitmap files.
#pragma once

#include "Board.h"
#include "GameFiles.h"
#include "MediaFile.h"

#include <QPixmap>

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>

namespace orbulon {

// The pictures of the cells, each showing what its bitmap file holds at the moment the
// cell is drawn: a player who swaps a bitmap sees the new one at the next draw. Every draw
// looks at the file once (one stat) and decodes it only when it is not the file decoded
// last time; the decoded picture is shared by every cell of that colour.
class CellPictures {
public:
    // The picture of a colour code for a cell drawn at DevicePixelRatio screen pixels to the
    // designed pixel (the zoom times the screen's own ratio): the 2x, 3x, 4x or denser rendering
    // where the cell is that dense and the file exists, else the densest one below it, else
    // the designed 20 x 20 file, else a drawn stand-in (the blank cell, or a plain ball of
    // that colour). It always covers the cell's 20 x 20 designed pixels.
    QPixmap Picture(const std::filesystem::path& Folder, int Colour, qreal DevicePixelRatio = 1.0);

    // The densest rendering the game looks for, and the one chosen for a cell of
    // DevicePixelRatio: 1 to MaxRendering.
    static constexpr int MaxRendering = BitmapScales.back();
    static int RenderingScale(qreal DevicePixelRatio);

    // How many times a file has been decoded, for the tests of the sharing.
    int Decodes() const { return Decoded; }

    // The clock and the look at a file that tell whether a decoded picture is still the
    // file's. The tests put their own in place to stand a file's times still or move the
    // clock on, rather than wait for the file system's times to tick.
    std::function<std::chrono::system_clock::time_point()> Now = [] { return std::chrono::system_clock::now(); };
    std::function<std::optional<FileIdentity>(const std::filesystem::path&)> Identify = IdentityOf;

private:
    struct Kept {
        std::filesystem::path File;  // made once: a draw only looks at it
        FileIdentity Identity;
        QPixmap Picture;  // null when the file is not a picture we can show
        bool Settled = false;  // the file's times will tell its next change
    };
    std::filesystem::path Folder;  // the folder the kept pictures come from
    static constexpr int Renderings = MaxRendering;
    std::array<Kept, (ColourCount + 1) * Renderings> Files;  // by colour code and rendering scale
    std::array<QPixmap, (ColourCount + 1) * Renderings> StandIns;
    int Decoded = 0;
};

// Decodes a bitmap file of the board, or gives a null picture when it is missing, is not a
// regular file, is damaged, is cut short or is larger than any cell could need.
QPixmap ReadCellBitmap(const std::filesystem::path& File);

// The stand-in for a cell whose bitmap cannot be read, drawn at Scale times the cell.
QPixmap DrawnCellPicture(int Colour, int Scale = 1);

}  // namespace orbulon
