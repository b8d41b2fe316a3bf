// SPDX-License-Identifier: GPL-3.0-or-later
// The game's state and procedures: dealing, selecting, clearing, collapsing, ending.
#pragma once

#include "Board.h"
#include "GameView.h"
#include "HighScoreStep.h"
#include "PlayerText.h"
#include "RandomSource.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbulon {

// The colour census of "Hi&nt" with its counts as %1 to %6 (purple, blue, yellow, green, red,
// blanks). Lone carriage returns break the lines, as the message box has always shown them.
inline constexpr const char* CensusForm =
    PLAYER_TEXT("There are:\r\rPurple: %1\rBlue:    %2\rYellow: %3\rGreen:  %4\rRed:     %5\r\r"
                "There are %6 Blanks at the moment.     ");

// What the score box shows when a game ends at the maximum: "*17292 *".
inline const std::string MaxScoreText = std::string("*").append(std::to_string(MaxScore)).append(" *");

// The colour code for a random fraction f: the whole part of f x 5, plus 1,
// clamped so that no fraction (not even a faulty 1.0 or a negative) yields 0 or 6.
std::int16_t ColourFromFraction(float f);

// The one object holding a game's whole state. The window owns one and calls its
// procedures; the procedures drive the window only through GameView.
class modGeneral {
public:
    modGeneral(GameView& View, HighScoreStep& Records, RandomSource& Random);

    // Board: index 1 to 132 (element 0 is never used). Cell 1 is bottom left,
    // numbered along each row from the left and row by row upward.
    std::array<std::int16_t, Cells + 1> BallColour{};

    bool StartingUp = false;
    bool GameInProgress = false;
    bool GroupSelected = false;

    std::int16_t Score = 0;
    std::int16_t GroupSize = 0;
    std::int16_t GroupPoints = 0;
    std::int16_t MarqueePos = 0;
    std::int16_t Response = 0;

    std::string MarqueeText;  // single-byte (Latin-1) text, one character per byte
    std::string PlayerName;  // UTF-8

    // A new deal; during start-up it leaves the game idle.
    void NewGame();

    // The click on cell Index (1 to 132) and its decision table.
    void picBall_Click(int Index);

    // Group selection.
    void SelectGroup(int Cell);
    void LinkUp(int Cell);
    void LinkDown(int Cell);
    void LinkLeft(int Cell);
    void LinkRight(int Cell);
    void SpreadHighlight();

    // Points preview and highlight reset.
    void ShowPoints(int n);
    void ResetHighlight();

    // End of moves.
    void CheckMoves();

    // Clearing and collapse.
    void TakeGroup();
    void ClearGroup();
    void CloseColumns();

    // One tick of the marquee timer.
    void MarqueeTick();

    // The colour census shown by "Hi&nt", exactly as the message box shows it: Form (the
    // English CensusForm or a translation of it) with the counts in place of %1 to %6.
    std::string CensusText(std::string_view Form = CensusForm) const;

private:
    // Moves columns 1 to j - 1 one place right, over the empty column j.
    void ShiftColumns(int j);

    GameView& View;
    HighScoreStep& Records;
    RandomSource& Random;
};

}  // namespace orbulon
