// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the game's layout, title and file names as shell assignments for the end-to-end scripts.
#include "BoardLayout.h"
#include "GameFiles.h"
#include "GameInfo.h"

#include <cstdio>
#include <string>

using namespace orbulon;

namespace {

std::string Colour(Rgb c) { return std::to_string(c.R) + ',' + std::to_string(c.G) + ',' + std::to_string(c.B); }

}  // namespace

int main()
{
    std::printf("game_title='%.*s'\n", static_cast<int>(GameTitle.size()), GameTitle.data());
    std::printf("columns=%d rows=%d cell_size=%d cell_pitch=%d board_left=%d board_bottom=%d\n", Columns, Rows,
                CellSize, CellPitch, BoardLeft, BoardBottom);
    std::printf("client_width=%d client_height=%d\n", ClientWidth, ClientHeight);
    std::printf("score_left=%d score_top=%d score_width=%d score_height=%d\n", ScoreRect.Left, ScoreRect.Top,
                ScoreRect.Width, ScoreRect.Height);
    std::printf("shape1_left=%d shape1_top=%d\n", Shape1Rect.Left, Shape1Rect.Top);
    std::printf("background=%s highlight=%s shape1_outline=%s score_text=%s\n", Colour(BoardBackground).c_str(),
                Colour(HighlightOutline).c_str(), Colour(Shape1Outline).c_str(), Colour(ScoreText).c_str());
    std::string Files;
    for (std::string_view File : MediaFiles)
        Files += std::string(File) + ' ';
    std::printf("media_files='%s'\ntable_file='%.*s'\n", Files.c_str(), static_cast<int>(TableFile.size()),
                TableFile.data());
    std::printf("red_bitmap_file='%.*s' click_wave_file='%.*s'\n", static_cast<int>(BitmapFile(5).size()),
                BitmapFile(5).data(), static_cast<int>(ClickWaveFile.size()), ClickWaveFile.data());
    return 0;
}
