// SPDX-License-Identifier: GPL-3.0-or-later
// A window that records what the game asked of it, and the boards to lay on it, for the logic's tests and benchmarks.
#pragma once

#include "Random.h"
#include "RecordingPrompts.h"
#include "modGeneral.h"

#include <algorithm>
#include <set>

namespace orbulon::test {

class FakeView : public GameView {
public:
    std::array<int, Cells + 1> Picture{};
    std::array<bool, Cells + 1> Frame{};
    std::array<std::string, Cells + 1> Tip{};
    std::vector<int> Drawn;  // every DrawCell, in order
    std::vector<SoundCue> Sounds;
    std::string ScoreText;
    ScoreAlignment Alignment = ScoreAlignment::Left;
    bool Hint = false;
    int MarqueeStops = 0;
    RecordingPrompts Boxes;

    std::string ScoreAtFirstDraw = "none";  // what the score box showed as the board first changed
    void DrawCell(int Index, int Colour) override
    {
        if (Drawn.empty())
            ScoreAtFirstDraw = ScoreText;
        Picture.at(Index) = Colour;
        Drawn.push_back(Index);
    }
    void SetToolTip(int Index, const std::string& Text) override { Tip.at(Index) = Text; }
    void ShowHighlight(int Index) override { Frame.at(Index) = true; }
    void HideHighlight(int Index) override { Frame.at(Index) = false; }
    bool HighlightShown(int Index) const override { return Frame.at(Index); }
    void SetScoreText(const std::string& Text) override { ScoreText = Text; }
    void SetScoreAlignment(ScoreAlignment A) override { Alignment = A; }
    void SetHintVisible(bool Visible) override { Hint = Visible; }
    void StopMarquee() override { ++MarqueeStops; }
    void PlayCue(SoundCue Cue) override { Sounds.push_back(Cue); }
    int MsgBox(const std::string& Text, const std::string& Title, MsgButtons B, MsgIcon I, int D) override
    {
        return Boxes.MsgBox(Text, Title, B, I, D);
    }

    bool NoTips() const { return std::ranges::all_of(Tip, &std::string::empty); }
    int FramesShown() const { return int(std::ranges::count(Frame, true)); }
};

// A board with no move: neighbours along a row differ by 2 and along a column by 1
// (modulo 4), using only purple, blue, yellow and green, so red is free for the
// groups a test lays on it.
inline std::array<std::int16_t, Cells + 1> QuietBoard()
{
    std::array<std::int16_t, Cells + 1> Board{};
    for (int i = 1; i <= Cells; ++i)  // row + 2 x column, counted from 0
        Board[i] = static_cast<std::int16_t>(((i - 1) / Columns + 2 * ((i - 1) % Columns)) % 4 + 1);
    return Board;
}

// The reference move check: the first ball with a neighbour of its own colour to its right
// or above, or 0 when the board holds no move.
inline int CellWithPartner(const std::array<std::int16_t, Cells + 1>& Board)
{
    for (int i = 1; i <= Cells; ++i)
        if (Board[i] != Empty &&
            ((i % Columns != 0 && Board[i + 1] == Board[i]) ||
             (i + Columns <= Cells && Board[i + Columns] == Board[i])))
            return i;
    return 0;
}

// A game in progress on a given board, the window showing that board; each score the game
// hands on for the table is kept in Recorded, under the name "Recorded".
struct Table : HighScoreStep {
    FakeView View;
    std::vector<std::int16_t> Recorded;
    SeededRandom Random{1998};
    modGeneral Game{View, *this, Random};

    explicit Table(const std::array<std::int16_t, Cells + 1>& Board = QuietBoard())
    {
        Game.BallColour = Board;
        std::copy(Board.begin() + 1, Board.end(), View.Picture.begin() + 1);
        Game.GameInProgress = View.Hint = true;
    }
    void RecordHighScore(std::int16_t Score, std::string& PlayerName) override
    {
        Recorded.push_back(Score);
        PlayerName = "Recorded";
    }
};

// A game in progress on a quiet board with red balls at the given cells.
inline Table WithRed(const std::set<int>& RedCells)
{
    auto Board = QuietBoard();
    for (int Cell : RedCells)
        Board[Cell] = Red;
    return Table(Board);
}

}  // namespace orbulon::test
