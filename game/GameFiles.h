// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the game's own files, every one of which lies beside the program.
#pragma once

#include "Board.h"

#include <array>
#include <string>
#include <string_view>

namespace orbulon {

// The bitmap of each colour code, 0 (empty) to 5 (red).
inline constexpr std::array<std::string_view, ColourCount + 1> CellBitmapFiles{
    "Blank.bmp", "PurpleBall.bmp", "BlueBall.bmp", "YellowBall.bmp", "GreenBall.bmp", "RedBall.bmp"};

// Codes 1 to 5 show their ball; every other code shows the blank cell.
constexpr std::string_view BitmapFile(int Colour)
{
    return Colour >= 1 && Colour <= ColourCount ? CellBitmapFiles[static_cast<std::size_t>(Colour)]
                                                : CellBitmapFiles[0];
}

// Qt's name for a rendering at Scale times the designed size: "RedBall.bmp", "RedBall@2x.bmp".
inline std::string ScaledFile(std::string_view File, int Scale)
{
    if (Scale <= 1)
        return std::string(File);
    const std::string_view Stem = File.substr(0, File.rfind('.'));
    return std::string(Stem) + '@' + std::to_string(Scale) + 'x' + std::string(File.substr(Stem.size()));
}

// The renderings of every cell bitmap the build lays beside the program, in times the designed
// 20 x 20: the designed one, then one drawn afresh for each whole density up to the closest zoom
// (4) on a 2x screen, so that no zoom on such a screen draws a ball blown up.
inline constexpr std::array<int, 8> BitmapScales{1, 2, 3, 4, 5, 6, 7, 8};
static_assert(BitmapScales.front() == 1 && BitmapScales.back() == int(BitmapScales.size()),
              "the window steps down through the renderings one by one");

inline constexpr std::string_view IconFile = "Orbulon.ico";
inline constexpr std::string_view ClickWaveFile = "Click.wav";
inline constexpr std::string_view ClearWaveFile = "Clear.wav";
inline constexpr std::string_view MarqueeFile = "String.cfg";
inline constexpr std::string_view TableFile = "Config.cfg";
// Every copy of the game takes this lock beside the table before it reloads, places a score
// and writes the table, so two games ending together both keep their scores.
inline constexpr std::string_view TableLockFile = "Config.cfg.lock";

// What the build lays beside the program, apart from the table, which may hold a player's
// scores and is laid there only where none exists.
inline constexpr std::array<std::string_view, 10> MediaFiles{
    CellBitmapFiles[0], CellBitmapFiles[1], CellBitmapFiles[2], CellBitmapFiles[3], CellBitmapFiles[4],
    CellBitmapFiles[5], IconFile,           ClickWaveFile,      ClearWaveFile,      MarqueeFile};

}  // namespace orbulon
