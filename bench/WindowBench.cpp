// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window, offscreen, with the bitmaps read from their files as the game does:
// from a mouse click on a cell to the window repainted, for the worst clicks and for New.
#include "Boards.h"
#include "CellPictures.h"
#include "GameFiles.h"
#include "HighScoreTable.h"
#include "WindowTestSupport.h"
#include "frmMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <array>
#include <chrono>
#include <fstream>

namespace orbulon::bench {
namespace {

using Clock = std::chrono::steady_clock;

// Notices the first paint of any widget of one window, and when it came; the repaint that
// follows a click paints every dirty cell and the board in one pass before the event loop goes on.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* Window) : Watched(Window) { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    bool Painted = false;
    Clock::time_point FirstPaint;

    // Lets the event loop run until the window has been repainted since the last wait; a paint
    // made during the timed action itself (before a message box) counts, and what it left
    // pending is painted too.
    void WaitForPaint()
    {
        do
            QApplication::processEvents(QEventLoop::AllEvents);
        while (!Painted);
        Painted = false;
    }

protected:
    bool eventFilter(QObject* Target, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint && !Painted && Target->isWidgetType() &&
            static_cast<QWidget*>(Target)->window() == Watched) {
            Painted = true;
            FirstPaint = Clock::now();
        }
        return false;
    }

private:
    QWidget* Watched;
};

// A window on a copy of the media, shown and painted, with a game in progress. The table
// beside it is full of scores no game can reach, so that the whole-board clear ends the game
// without rewriting the file: the rewrite is measured with the data files.
template <class GameWindow = frmMain, bool RealBoxes = false>
class Window {
public:
    Window() : Game(Media.Folders(), Deal, RealBoxes ? nullptr : &Player)
    {
        HighScoreTable Table;
        for (int Rank = 1; Rank <= TableRanks; ++Rank)
            Table.Scores[Rank] = 32767;
        std::ofstream(Media.Folders().Program / TableFile, std::ios::binary) << FormatHighScoreTable(Table);
        Game.show();
        if (!QTest::qWaitForWindowExposed(&Game))
            std::abort();
        Game.FileMenuItem[1]->trigger();
        Watch.WaitForPaint();
        // A bitmap changed in the last two seconds is decoded at every draw, as a player's
        // freshly swapped one would be; the game's own files are older than that, and so
        // must this fresh copy be before anything is measured.
        QTest::qWait(2100);
    }

    // Puts a board on view with no group selected, painted, the game in progress.
    void Lay(const Board& B)
    {
        modGeneral& General = Game.Game();
        General.ResetHighlight();
        General.BallColour = B;
        for (int i = 1; i <= Cells; ++i)
            Game.DrawCell(i, B[i]);
        General.GameInProgress = true;
        General.Score = 0;
        Watch.WaitForPaint();
    }

    // One click on a cell, timed until the window has been repainted.
    double Click(int Cell)
    {
        const auto Start = Clock::now();
        QTest::mouseClick(Game.Board, Qt::LeftButton, {}, Game.picBall[Cell]->Geometry().center());
        Watch.WaitForPaint();
        return std::chrono::duration<double>(Clock::now() - Start).count();
    }

    test::MediaCopy Media;
    SeededRandom Deal{20261205};
    test::RecordingPrompts Player;
    GameWindow Game;
    PaintWatch Watch{&Game};
};

// One window of each kind for all the cases, made at the first and kept: its making is not
// measured. It lives until the process ends, with the application.
template <class GameWindow = frmMain, bool RealBoxes = false>
Window<GameWindow, RealBoxes>& TheWindow()
{
    static auto* W = new Window<GameWindow, RealBoxes>;
    return *W;
}

// For comparison only: the main window as it would be if it read the six cell pictures once
// and kept them for good, where the game looks at each file at every draw.
class KeptPicturesWindow : public frmMain {
public:
    using frmMain::frmMain;
    void DrawCell(int Index, int Colour) override
    {
        if (Kept[0].isNull())
            for (int Code = 0; Code <= ColourCount; ++Code)
                Kept[static_cast<std::size_t>(Code)] = ReadCellBitmap(Folders.Program / BitmapFile(Code));
        picBall[Index]->SetPicture(Kept[static_cast<std::size_t>(Colour >= 1 && Colour <= ColourCount ? Colour : 0)]);
    }

private:
    std::array<QPixmap, ColourCount + 1> Kept;
};

// The largest selection: 132 frames shown by the sweeps, 132 click cues, 132 tool tips.
void Window_SelectOneColourBoard(benchmark::State& State)
{
    auto& W = TheWindow();
    const Board B = OneColourBoard();
    for (auto _ : State) {
        W.Lay(B);
        State.SetIterationTime(W.Click(1));
    }
    if (W.Game.Game().GroupSize != Cells)
        State.SkipWithError("the whole board was not selected");
}
BENCHMARK(Window_SelectOneColourBoard)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The largest clear: the whole board taken, the maximum-score end with its message (answered
// at once) and the high-score step on a table the score does not enter.
void Window_TakeWholeBoard(benchmark::State& State)
{
    auto& W = TheWindow();
    const Board B = OneColourBoard();
    for (auto _ : State) {
        W.Lay(B);
        W.Click(1);
        State.SetIterationTime(W.Click(1));
    }
    if (W.Game.Game().Score != MaxScore)
        State.SkipWithError("the whole board was not taken");
}
BENCHMARK(Window_TakeWholeBoard)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The same clear with the game's own message box and name prompt, each closed as soon as it is
// up: from the click to the first paint of the board, which must show the last move before the
// box is built.
void Window_WholeBoardShowsBeforeItsMessage(benchmark::State& State)
{
    auto& W = TheWindow<frmMain, true>();
    const Board B = OneColourBoard();
    for (auto _ : State) {
        W.Lay(B);
        W.Click(1);
        test::WhenModal([](QWidget* Box) {
            Box->close();
            test::WhenModal([](QWidget* Prompt) { Prompt->close(); });
        });
        const auto Start = Clock::now();
        QTest::mouseClick(W.Game.Board, Qt::LeftButton, {}, W.Game.picBall[1]->Geometry().center());
        W.Watch.WaitForPaint();
        State.SetIterationTime(std::chrono::duration<double>(W.Watch.FirstPaint - Start).count());
    }
    if (W.Game.Game().Score != MaxScore)
        State.SkipWithError("the whole board was not taken");
}
BENCHMARK(Window_WholeBoardShowsBeforeItsMessage)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The worst collapse: a group of 120 filling columns 2 to 11 taken, and then column 1 moved
// across in ten shift steps, 1320 cells redrawn from their files on top of the 120 of the fall.
template <class GameWindow>
void TakeIntoWorstCollapse(benchmark::State& State)
{
    auto& W = TheWindow<GameWindow>();
    const Board B = RedBesideFirstColumn();
    for (auto _ : State) {
        W.Lay(B);
        W.Click(2);
        State.SetIterationTime(W.Click(2));
    }
    const modGeneral& General = W.Game.Game();
    if (General.Score != 120 * 119 || General.BallColour[11] == Empty || General.BallColour[1] != Empty)
        State.SkipWithError("the columns did not close up");
}
void Window_TakeIntoWorstCollapse(benchmark::State& State) { TakeIntoWorstCollapse<frmMain>(State); }
BENCHMARK(Window_TakeIntoWorstCollapse)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The same click in the window that keeps its pictures: what the per-draw reading costs.
void Window_TakeIntoWorstCollapseWithKeptPictures(benchmark::State& State)
{
    TakeIntoWorstCollapse<KeptPicturesWindow>(State);
}
BENCHMARK(Window_TakeIntoWorstCollapseWithKeptPictures)->UseManualTime()->Unit(benchmark::kMicrosecond);

// File, New: a deal of 132 cells drawn from their files, and the board repainted.
void Window_NewGameFromMenu(benchmark::State& State)
{
    auto& W = TheWindow();
    for (auto _ : State) {
        const auto Start = Clock::now();
        W.Game.FileMenuItem[1]->trigger();
        W.Watch.WaitForPaint();
        State.SetIterationTime(std::chrono::duration<double>(Clock::now() - Start).count());
    }
}
BENCHMARK(Window_NewGameFromMenu)->UseManualTime()->Unit(benchmark::kMicrosecond);

// One cell drawn as the game draws it: its file looked at (one stat), decoded again only if it
// has changed, then scheduled to be painted. The worst collapse does this 1440 times.
void Window_DrawCellFromItsFile(benchmark::State& State)
{
    auto& W = TheWindow();
    int Cell = 0;
    for (auto _ : State) {
        Cell = Cell % Cells + 1;
        W.Game.DrawCell(Cell, Cell % 5 + 1);
    }
    W.Watch.WaitForPaint();
}
BENCHMARK(Window_DrawCellFromItsFile);

// For comparison, the same cell given a picture read once and kept: what drawing would cost
// if the six pictures were read at start-up instead of at every draw.
void Window_DrawCellFromAKeptPicture(benchmark::State& State)
{
    auto& W = TheWindow();
    std::array<QPixmap, ColourCount + 1> Kept;
    for (int Colour = 0; Colour <= ColourCount; ++Colour)
        Kept[static_cast<std::size_t>(Colour)] = ReadCellBitmap(W.Media.Folders().Program / BitmapFile(Colour));
    int Cell = 0;
    for (auto _ : State) {
        Cell = Cell % Cells + 1;
        W.Game.picBall[Cell]->SetPicture(Kept[static_cast<std::size_t>(Cell % 5 + 1)]);
    }
    W.Watch.WaitForPaint();
}
BENCHMARK(Window_DrawCellFromAKeptPicture);

}  // namespace
}  // namespace orbulon::bench
