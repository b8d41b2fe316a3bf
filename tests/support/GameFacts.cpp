// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the game's layout, title and file names as shell assignments for the end-to-end scripts.
#include "BoardLayout.h"
#include "GameFiles.h"
#include "GameInfo.h"

#include <iostream>
#include <string>

using namespace orbulon;

static std::string Colour(Rgb c) { return std::to_string(c.R) + ',' + std::to_string(c.G) + ',' + std::to_string(c.B); }

int main()
{
    std::cout << "game_title='" << GameTitle << "' app_id='" << GameAppId << "'\n"
              << "columns=" << Columns << " rows=" << Rows << " cell_size=" << CellSize << " cell_pitch=" << CellPitch
              << " board_left=" << BoardLeft << " board_bottom=" << BoardBottom << "\n"
              << "client_width=" << ClientWidth << " client_height=" << ClientHeight << "\n"
              << "score_top=" << ScoreRect.Top << " score_height=" << ScoreRect.Height
              << " shape1_left=" << Shape1Rect.Left << "\n"
              << "background=" << Colour(BoardBackground) << " highlight=" << Colour(HighlightOutline)
              << " shape1_outline=" << Colour(Shape1Outline) << " score_text=" << Colour(ScoreText) << "\n"
              << "media_files='";
    for (std::string_view File : MediaFiles)
        std::cout << File << ' ';
    std::cout << "'\ncell_bitmap_files='";
    for (std::string_view File : CellBitmapFiles)
        std::cout << File << ' ';
    std::cout << "' bitmap_scales='";
    for (const int Scale : BitmapScales)
        std::cout << Scale << ' ';
    std::cout << "'\ntable_file='" << TableFile << "'\n"
              << "red_bitmap_file='" << BitmapFile(5) << "' click_wave_file='" << ClickWaveFile << "' icon_file='"
              << IconFile << "' red_ball=" << Colour(BallColours[Red]) << "\n";
    return 0;
}
