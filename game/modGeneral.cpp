// SPDX-License-Identifier: GPL-3.0-or-later
// The game's procedures: the deal, the click, the selection sweeps, the fall and the collapse.
#include "modGeneral.h"

#include "GameInfo.h"
#include "Latin1.h"
#include "PlayerText.h"

#include <cassert>
#include <cmath>
#include <string>

namespace orbulon {

namespace {

const std::string Title(GameTitle);
constexpr const char* NoMovesMessage = PLAYER_TEXT("There are no more possible moves available!     ");
constexpr const char* MaxScoreMessage = PLAYER_TEXT("YOU HAVE ACHIEVED THE MAXIMUM SCORE!!!     ");

constexpr int MarqueeWidth = 8;

constexpr bool InTopRow(int Cell) { return Cell > Cells - Columns; }
constexpr bool InBottomRow(int Cell) { return Cell <= Columns; }
constexpr bool InLeftColumn(int Cell) { return (Cell - 1) % Columns == 0; }
constexpr bool InRightColumn(int Cell) { return Cell % Columns == 0; }

// The cell of a row (1 = bottom) and a column (1 = left).
constexpr int CellAt(int Row, int Column) { return (Row - 1) * Columns + Column; }

constexpr bool IsCell(int Index) { return Index >= 1 && Index <= Cells; }

}  // namespace

std::int16_t ColourFromFraction(float f)
{
    // A generator that ever hands back 1.0, a negative or NaN must still deal a ball.
    if (!(f >= 0.0f))
        return Purple;
    if (f >= 1.0f)
        return Red;
    const int Code = static_cast<int>(f * 5.0f) + 1;
    return static_cast<std::int16_t>(Code > Red ? Red : Code);
}

modGeneral::modGeneral(GameView& View, HighScoreStep& Records, RandomSource& Random)
    : View(View), Records(Records), Random(Random)
{}

void modGeneral::NewGame()
{
    Random.Reseed();
    Score = 0;
    GroupSelected = false;
    View.StopMarquee();

    for (int i = 1; i <= Cells; ++i) {
        View.SetToolTip(i, "");
        View.HideHighlight(i);
        BallColour[i] = ColourFromFraction(Random.NextFraction());
        View.DrawCell(i, BallColour[i]);
    }

    // The start-up deal only puts a board on view; the game waits for File, New.
    if (StartingUp) {
        StartingUp = false;
        return;
    }
    View.SetScoreAlignment(ScoreAlignment::Centre);
    View.SetScoreText(std::to_string(Score));
    View.SetHintVisible(true);
    GameInProgress = true;
}

void modGeneral::picBall_Click(int Index)
{
    if (!GameInProgress || !IsCell(Index))
        return;

    if (!GroupSelected) {
        if (BallColour[Index] != Empty)
            SelectGroup(Index);
    } else if (View.HighlightShown(Index) && BallColour[Index] != Empty) {
        TakeGroup();
    } else {
        // A click beside the group only drops it; the next click selects afresh.
        ResetHighlight();
    }

    // The maximum-score end has already closed the game with its own message.
    if (GameInProgress)
        CheckMoves();
}

void modGeneral::SelectGroup(int Cell)
{
    assert(IsCell(Cell) && BallColour[Cell] != Empty);
    LinkUp(Cell);
    LinkDown(Cell);
    LinkLeft(Cell);
    LinkRight(Cell);

    // The frames are the selection's only record; a fixed 132 sweeps are enough for
    // the most winding group, so the count never depends on the board.
    for (int Sweep = 0; Sweep < Cells; ++Sweep)
        SpreadHighlight();

    // The logic never yields here, so no click can take the group before its points exist.
    const int Plays = GroupSize;
    for (int k = 0; k < Plays; ++k)
        View.PlayCue(SoundCue::Click);
    ShowPoints(GroupSize);
}

void modGeneral::LinkUp(int Cell)
{
    if (InTopRow(Cell))
        return;
    if (BallColour[Cell] == BallColour[Cell + Columns]) {
        View.ShowHighlight(Cell);
        View.ShowHighlight(Cell + Columns);
    }
}

void modGeneral::LinkDown(int Cell)
{
    if (InBottomRow(Cell))
        return;
    if (BallColour[Cell] == BallColour[Cell - Columns]) {
        View.ShowHighlight(Cell);
        View.ShowHighlight(Cell - Columns);
    }
}

void modGeneral::LinkLeft(int Cell)
{
    if (InLeftColumn(Cell))
        return;
    if (BallColour[Cell] == BallColour[Cell - 1]) {
        View.ShowHighlight(Cell);
        View.ShowHighlight(Cell - 1);
    }
}

void modGeneral::LinkRight(int Cell)
{
    if (InRightColumn(Cell))
        return;
    if (BallColour[Cell] == BallColour[Cell + 1]) {
        View.ShowHighlight(Cell);
        View.ShowHighlight(Cell + 1);
    }
}

void modGeneral::SpreadHighlight()
{
    GroupSize = 0;
    for (int Cell = 1; Cell <= Cells; ++Cell) {
        // Read at this moment: a frame shown further on in this sweep is spread from too.
        if (!View.HighlightShown(Cell))
            continue;
        ++GroupSize;
        LinkLeft(Cell);
        LinkRight(Cell);
        LinkUp(Cell);
        LinkDown(Cell);
        GroupSelected = true;
    }
}

void modGeneral::ShowPoints(int n)
{
    assert(n >= 0 && n <= Cells);
    GroupPoints = static_cast<std::int16_t>((n - 1) * n);
    const std::string Tip = std::string(" ").append(std::to_string(GroupPoints)).append(" ");
    for (int Cell = 1; Cell <= Cells; ++Cell)
        if (View.HighlightShown(Cell))
            View.SetToolTip(Cell, Tip);
}

void modGeneral::ResetHighlight()
{
    for (int Cell = 1; Cell <= Cells; ++Cell) {
        View.HideHighlight(Cell);
        View.SetToolTip(Cell, "");
    }
    GroupSelected = false;
}

void modGeneral::CheckMoves()
{
    for (int Cell = 1; Cell <= Cells; ++Cell) {
        const auto Colour = BallColour[Cell];
        if (Colour == Empty)
            continue;  // two empty neighbours are no move
        if (!InRightColumn(Cell) && BallColour[Cell + 1] == Colour)
            return;
        if (!InLeftColumn(Cell) && BallColour[Cell - 1] == Colour)
            return;
        if (!InTopRow(Cell) && BallColour[Cell + Columns] == Colour)
            return;
        if (!InBottomRow(Cell) && BallColour[Cell - Columns] == Colour)
            return;
    }

    View.MsgBox(NoMovesMessage, Title);
    GameInProgress = false;
    Records.RecordHighScore(Score, PlayerName);
    View.SetHintVisible(false);
}

void modGeneral::TakeGroup()
{
    // A game's groups add up to 17292 at most, so this sum never leaves 16 bits.
    const int Sum = Score + GroupPoints;
    Score = static_cast<std::int16_t>(Sum >= MaxScore ? MaxScore : Sum);
    GroupPoints = 0;
    // The new score is on view before the balls leave the board.
    View.SetScoreText(std::to_string(Score));

    ClearGroup();

    if (Score >= MaxScore) {
        Response = static_cast<std::int16_t>(View.MsgBox(MaxScoreMessage, Title));
        View.SetScoreText(MaxScoreText);
        Score = MaxScore;
        GameInProgress = false;
        Records.RecordHighScore(MaxScore, PlayerName);
        View.SetHintVisible(false);
    }
}

void modGeneral::ClearGroup()
{
    int Removed = 0;
    for (int Cell = 1; Cell <= Cells; ++Cell)
        if (View.HighlightShown(Cell))
            ++Removed;

    for (int Column = 1; Column <= Columns; ++Column) {
        // The lowest framed ball of the column: everything beneath it stays put.
        int LowestRow = 0;
        for (int Row = 1; Row <= Rows && LowestRow == 0; ++Row)
            if (View.HighlightShown(CellAt(Row, Column)))
                LowestRow = Row;
        if (LowestRow == 0)
            continue;

        // The unframed balls from that row up fall, in order, to fill the gaps; the
        // group's cells need not be consecutive (a U keeps its middle ball).
        int Target = LowestRow;
        for (int Row = LowestRow; Row <= Rows; ++Row) {
            const int Cell = CellAt(Row, Column);
            if (!View.HighlightShown(Cell))
                BallColour[CellAt(Target++, Column)] = BallColour[Cell];
        }
        for (int Row = Target; Row <= Rows; ++Row)
            BallColour[CellAt(Row, Column)] = Empty;

        for (int Row = LowestRow; Row <= Rows; ++Row) {
            const int Cell = CellAt(Row, Column);
            View.DrawCell(Cell, BallColour[Cell]);
            View.HideHighlight(Cell);
        }
    }

    for (int k = 0; k < Removed; ++k)
        View.PlayCue(SoundCue::Clear);
    ResetHighlight();
    CloseColumns();
}

void modGeneral::ShiftColumns(int j)
{
    assert(j >= 2 && j <= Columns);
    for (int Column = j; Column >= 2; --Column) {
        for (int Row = 1; Row <= Rows; ++Row) {
            const int Cell = CellAt(Row, Column);
            BallColour[Cell] = BallColour[Cell - 1];
            View.DrawCell(Cell, BallColour[Cell]);
        }
    }
    for (int Row = 1; Row <= Rows; ++Row) {
        const int Cell = CellAt(Row, 1);
        BallColour[Cell] = Empty;
        View.DrawCell(Cell, Empty);
    }
}

void modGeneral::CloseColumns()
{
    // Balls stand on the bottom row without gaps, so an empty bottom cell is an empty column.
    for (int j = Columns; j >= 2; --j) {
        bool AnyBall = false;
        for (int Column = 1; Column <= j && !AnyBall; ++Column)
            AnyBall = BallColour[Column] != Empty;
        if (!AnyBall)
            return;
        if (BallColour[j] != Empty)
            continue;
        ShiftColumns(j);
        CloseColumns();
    }
}

void modGeneral::MarqueeTick()
{
    if (GameInProgress) {
        View.StopMarquee();
        return;
    }
    // Our rule for texts shorter than two characters: the position goes back to 1
    // whenever it is not below the length, so it never runs away. For longer texts
    // this is the same as going back to 1 on reaching the length.
    const int Length = static_cast<int>(MarqueeText.size());
    int Next = MarqueePos + 1;
    if (Next >= Length || Next > INT16_MAX)
        Next = 1;
    MarqueePos = static_cast<std::int16_t>(Next);

    const auto Start = static_cast<std::size_t>(MarqueePos - 1);
    const std::string Window = Start < MarqueeText.size() ? MarqueeText.substr(Start, MarqueeWidth) : "";
    View.SetScoreText(Latin1ToUtf8(Window));
}

std::string modGeneral::CensusText(std::string_view Form) const
{
    int Count[ColourCount + 1] = {};
    for (int Cell = 1; Cell <= Cells; ++Cell) {
        const auto Code = BallColour[Cell];
        ++Count[Code >= Purple && Code <= Red ? Code : Empty];
    }
    // %1 to %5 are the colours in their codes' order, %6 the blanks; a translation may put
    // them in any order, and any other % stays as written.
    std::string Text;
    for (std::size_t At = 0; At < Form.size(); ++At) {
        const char Next = At + 1 < Form.size() ? Form[At + 1] : '\0';
        if (Form[At] == '%' && Next >= '1' && Next <= '6') {
            const int Place = Next - '0';
            Text += std::to_string(Count[Place == 6 ? Empty : Place]);
            ++At;
        } else {
            Text += Form[At];
        }
    }
    return Text;
}

}  // namespace orbulon
