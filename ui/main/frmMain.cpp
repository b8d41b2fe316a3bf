// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board, the score box, the menus, the marquee and the sounds.
#include "frmMain.h"

#include "CellPictures.h"
#include "DataFiles.h"
#include "GameFiles.h"
#include "GameInfo.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "frmScores.h"

#include <QAction>
#include <QFontDatabase>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>

#include <algorithm>

namespace orbulon {

namespace {

// The largest size of Face at which the marquee's eight characters fit the score box.
// A font's metrics grow in step with its size, so one measurement gives the size; the
// loops only step past rounding.
QFont ScoreFont(QFont Face, const QLineEdit& Box)
{
    const int Width = Box.width() - 16;
    const int Height = Box.height() - 8;
    const auto Fits = [&](int Pixels) {
        Face.setPixelSize(Pixels);
        const QFontMetrics Metrics(Face);
        return Metrics.horizontalAdvance(QStringLiteral("88888888")) <= Width && Metrics.height() <= Height;
    };
    constexpr int Probe = 64;
    Face.setPixelSize(Probe);
    const QFontMetrics Metrics(Face);
    const double Scale = std::min(double(Width) / std::max(1, Metrics.horizontalAdvance(QStringLiteral("88888888"))),
                                  double(Height) / std::max(1, Metrics.height()));
    int Pixels = std::clamp(static_cast<int>(Probe * Scale), 9, Probe);
    while (Pixels > 9 && !Fits(Pixels))
        --Pixels;
    while (Pixels < Probe && Fits(Pixels + 1))
        ++Pixels;
    Face.setPixelSize(Pixels);
    return Face;
}

QFont SevenSegmentFace()
{
    const QString Face = QStringLiteral("DSEG7 Classic");
    if (QFontDatabase::families().contains(Face))
        return QFont(Face);
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

}  // namespace

frmMain::frmMain(QWidget* Parent) : frmMain(InstalledFolders(), OwnRandom, nullptr, Parent) {}

frmMain::frmMain(GameFolders Folders, RandomSource& Random, PlayerPrompts* PlayerStandIn, QWidget* Parent)
    : QMainWindow(Parent),
      Folders(std::move(Folders)),
      PlayerStandIn(PlayerStandIn),
      Boxes(PlayerStandIn ? *PlayerStandIn : static_cast<PlayerPrompts&>(OwnBoxes)),
      HighScores(this->Folders, Boxes),
      GameLogic(*this, HighScores, Random)
{
    LayOut();
    BuildMenus();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::LayOut()
{
    setWindowTitle(ToQString(GameTitle));
    setWindowIcon(GameIcon(Folders.Program));

    Board = new BoardSurface(this);
    setCentralWidget(Board);

    QWidget* Previous = nullptr;
    for (int Index = 1; Index <= Cells; ++Index) {
        picBall[Index] = new BallPicture(Index, Board);
        connect(picBall[Index], &BallPicture::Clicked, this, &frmMain::picBall_Click);
        if (Previous)
            setTabOrder(Previous, picBall[Index]);
        Previous = picBall[Index];
    }

    txtScore = new QLineEdit(Board);
    txtScore->setGeometry(ToQRect(ScoreRect));
    QPalette Readout = txtScore->palette();
    Readout.setColor(QPalette::Base, ToQColor(ScoreBackground));
    Readout.setColor(QPalette::Text, ToQColor(ScoreText));
    txtScore->setPalette(Readout);
    txtScore->setFont(ScoreFont(SevenSegmentFace(), *txtScore));
    txtScore->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTabOrder(Previous, txtScore);

    connect(&tmrScroll, &QTimer::timeout, this, &frmMain::tmrScroll_Timer);
}

void frmMain::BuildMenus()
{
    QMenu* FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    FileMenuItem[FileNew] = FileMenu->addAction(QStringLiteral("&New"));
    FileMenuItem[FileSeparator] = FileMenu->addSeparator();
    FileMenuItem[FileExit] = FileMenu->addAction(QStringLiteral("E&xit"));

    QMenu* HelpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    HelpMenuItem[HelpHowToPlay] = HelpMenu->addAction(QStringLiteral("How To &Play"));
    HelpMenuItem[HelpHint] = HelpMenu->addAction(QStringLiteral("Hi&nt"));
    HelpMenuItem[HelpShowHighScores] = HelpMenu->addAction(QStringLiteral("&Show High Scores"));
    HelpMenuItem[HelpSeparator] = HelpMenu->addSeparator();
    HelpMenuItem[HelpAbout] = HelpMenu->addAction(QStringLiteral("&About"));
    HelpMenuItem[HelpHint]->setVisible(false);  // offered only while a game is being played

    for (int Index = FileNew; Index <= FileExit; ++Index)
        connect(FileMenuItem[Index], &QAction::triggered, this, [this, Index] { FileMenuItem_Click(Index); });
    for (int Index = HelpHowToPlay; Index <= HelpAbout; ++Index)
        connect(HelpMenuItem[Index], &QAction::triggered, this, [this, Index] { HelpMenuItem_Click(Index); });

    // The window never changes size: the menu bar above a client area of fixed size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmMain::Form_Load()
{
    adjustSize();
    CentreOnScreen(*this);
    GameLogic.StartingUp = true;
    GameLogic.PlayerName = "Player 1";
    OpenSoundDevice(mmClick, ClickWaveFile);
    OpenSoundDevice(mmClear, ClearWaveFile);
    for (int Index = 1; Index <= Cells; ++Index)
        HideHighlight(Index);
    GameLogic.MarqueeText = ReadMarqueeText(Folders.Program / MarqueeFile);
    GameLogic.NewGame();
    // Only start-up starts the marquee; every new game, the start-up deal included, stops it.
    tmrScroll.start(500);
}

void frmMain::OpenSoundDevice(SoundDevice& Device, std::string_view File)
{
    Device.FileName = Folders.Program / File;
    Device.Command("Open");
}

void frmMain::picBall_Click(int Index) { GameLogic.picBall_Click(Index); }

void frmMain::FileMenuItem_Click(int Index)
{
    switch (Index) {
    case FileNew: GameLogic.NewGame(); break;
    case FileExit:
        if (GameLogic.GameInProgress) {
            GameLogic.Response =
                static_cast<std::int16_t>(MsgBox("Are you sure you want to exit?     ", "Orbulon", MsgButtons::OKCancel,
                                                 MsgIcon::Question, ButtonCancel));
            if (GameLogic.Response != ButtonOK)
                break;
        }
        close();
        break;
    default: break;
    }
}

void frmMain::HelpMenuItem_Click(int Index)
{
    switch (Index) {
    case HelpHowToPlay: {
        frmHelp Window(Folders, this);
        Window.exec();
        break;
    }
    case HelpHint:
        GameLogic.Response = static_cast<std::int16_t>(MsgBox(GameLogic.CensusText(), std::string(GameTitle)));
        break;
    case HelpShowHighScores: {
        frmScores Window(Folders, this);
        Window.exec();
        break;
    }
    case HelpAbout: {
        const std::unique_ptr<Registry> Keys = SystemRegistry();
        DesktopLauncher Launcher;
        frmAbout Window(Folders, *Keys, Launcher, PlayerStandIn, this);
        Window.exec();
        break;
    }
    default: break;
    }
}

void frmMain::tmrScroll_Timer() { GameLogic.MarqueeTick(); }

void frmMain::DrawCell(int Index, int Colour)
{
    picBall[Index]->SetPicture(Pictures.Picture(Folders.Program, Colour, picBall[Index]->devicePixelRatioF()));
}

void frmMain::SetToolTip(int Index, const std::string& Text)
{
    picBall[Index]->setToolTip(QString::fromStdString(Text));
}

void frmMain::ShowHighlight(int Index) { Board->SetFrame(Index, true); }

void frmMain::HideHighlight(int Index) { Board->SetFrame(Index, false); }

bool frmMain::HighlightShown(int Index) const { return Board->FrameShown(Index); }

void frmMain::SetScoreText(const std::string& Text) { txtScore->setText(QString::fromStdString(Text)); }

void frmMain::SetScoreAlignment(ScoreAlignment Alignment)
{
    txtScore->setAlignment((Alignment == ScoreAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
}

void frmMain::SetHintVisible(bool Visible) { HelpMenuItem[HelpHint]->setVisible(Visible); }

void frmMain::StopMarquee() { tmrScroll.stop(); }

void frmMain::SoundCommand(SoundCue Cue, const std::string& Command)
{
    (Cue == SoundCue::Click ? mmClick : mmClear).Command(Command);
}

int frmMain::MsgBox(const std::string& Text, const std::string& Title, MsgButtons Buttons, MsgIcon Icon,
                    int DefaultButton)
{
    return Boxes.MsgBox(Text, Title, Buttons, Icon, DefaultButton);
}

}  // namespace orbulon
