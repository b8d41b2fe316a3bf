// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the game's layout, title and file names as shell assignments for the end-to-end scripts.
#include "BoardLayout.h"
#include "GameFiles.h"
#include "GameInfo.h"

#include <iostream>
#include <sstream>
#include <string>

using namespace orbulon;

static std::string Colour(Rgb c) { return std::to_string(c.R) + ',' + std::to_string(c.G) + ',' + std::to_string(c.B); }

// A list as one shell word of its items, each followed by a space.
template <typename List>
static std::string Words(const List& Items)
{
    std::ostringstream Out;
    for (const auto& Item : Items)
        Out << Item << ' ';
    return Out.str();
}

int main()
{
    std::cout << "game_title='" << GameTitle << "' app_id='" << GameAppId << "' table_file='" << TableFile << "'\n"
              << "columns=" << Columns << " rows=" << Rows << " client_width=" << ClientWidth
              << " client_height=" << ClientHeight << "\n"
              << "background=" << Colour(BoardBackground) << "\nmedia_files='" << Words(MediaFiles) << "'\n"
              << "cell_bitmap_files='" << Words(CellBitmapFiles) << "' bitmap_scales='" << Words(BitmapScales) << "'\n"
              << "red_bitmap_file='" << BitmapFile(5) << "' click_wave_file='" << ClickWaveFile << "' icon_file='"
              << IconFile << "' red_ball=" << Colour(BallColours[Red]) << "\n";
}
