// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board, the score box, the menus, the marquee and the sounds.
#pragma once

#include "BoardSurface.h"
#include "CellPictures.h"
#include "GameWindows.h"
#include "HighScoreRecord.h"
#include "MessageBoxes.h"
#include "Random.h"
#include "SoundDevice.h"
#include "modGeneral.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>

class QAction;
class QLineEdit;

namespace orbulon {

class frmMain : public QMainWindow, public GameView {
    Q_OBJECT
public:
    // The program as the player starts it: its own folder, the clock's deals, Qt's boxes.
    explicit frmMain(QWidget* Parent = nullptr);
    // The same window on other folders, deals and boxes. PlayerStandIn (when given) answers
    // every message and input box in place of the player, and must outlive the window.
    frmMain(GameFolders Folders, RandomSource& Random, PlayerPrompts* PlayerStandIn = nullptr,
            QWidget* Parent = nullptr);
    ~frmMain() override;

    // Where the game's files lie: its own folder, and the player's for a table it cannot write there.
    const GameFolders Folders;

    // The game's state and procedures.
    modGeneral& Game() { return GameLogic; }

    // The window's controls, under the game's names; index 0 is never used.
    std::array<BallPicture*, Cells + 1> picBall{};
    QLineEdit* txtScore = nullptr;
    BoardSurface* Board = nullptr;
    QTimer tmrScroll;
    SoundDevice mmClick;
    SoundDevice mmClear;
    CellPictures Pictures;  // the bitmaps as last decoded, shared by the cells
    // The menu items by their index; the separators are items too.
    enum FileMenuIndex { FileNew = 1, FileSeparator, FileExit };
    enum HelpMenuIndex { HelpHowToPlay = 1, HelpHint, HelpShowHighScores, HelpSeparator, HelpAbout };
    std::array<QAction*, FileExit + 1> FileMenuItem{};
    std::array<QAction*, HelpAbout + 1> HelpMenuItem{};

    // Lays the window out afresh at Zoom (clamped to 1 to 4) times its designed size, the
    // program's other windows and boxes with it.
    void ZoomTo(int Zoom);

    void picBall_Click(int Index);
    void FileMenuItem_Click(int Index);
    void HelpMenuItem_Click(int Index);
    void tmrScroll_Timer();

    // GameView
    void DrawCell(int Index, int Colour) override;
    void SetToolTip(int Index, const std::string& Text) override;
    void ShowHighlight(int Index) override;
    void HideHighlight(int Index) override;
    bool HighlightShown(int Index) const override;
    void SetScoreText(const std::string& Text) override;
    void SetScoreAlignment(ScoreAlignment Alignment) override;
    void SetHintVisible(bool Visible) override;
    void StopMarquee() override;
    void PlayCue(SoundCue Cue) override;

    // MessageBox
    int MsgBox(const std::string& Text, const std::string& Title, MsgButtons Buttons = MsgButtons::OK,
               MsgIcon Icon = MsgIcon::None, int DefaultButton = ButtonOK) override;

private:
    // The high-score step at the end of a game, asking through this window's boxes.
    class HighScoreGlue : public HighScoreStep {
    public:
        HighScoreGlue(const GameFolders& Folders, PlayerPrompts& Ui) : Record(Folders.Program, Folders.User), Ui(Ui) {}
        void RecordHighScore(std::int16_t Score, std::string& PlayerName) override
        {
            Record.RecordHighScore(Score, PlayerName, Ui);
        }

    private:
        HighScoreRecord Record;
        PlayerPrompts& Ui;
    };

    void LayOut();
    void BuildMenus();
    // Every game starts the keyboard player on the board's middle cell.
    void GiveBoardFocus();
    void Form_Load();
    void OpenSoundDevice(SoundDevice& Device, std::string_view File);

    ClockRandom OwnRandom;
    MessageBoxes OwnBoxes{this};
    PlayerPrompts* PlayerStandIn;  // a test's stand-in for the player, or none
    PlayerPrompts& Boxes;  // the boxes every question goes through: the stand-in's, else our own
    HighScoreGlue HighScores;
    modGeneral GameLogic;
    bool ScoreFaceFitted = false;  // the score box's face sized to the box, done at its first text
};

}  // namespace orbulon
