// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board, the score box, the menus, the marquee and the sounds.
#include "frmMain.h"

#include "CellPictures.h"
#include "DataFiles.h"
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

frmMain::frmMain(GameFolders Folders, RandomSource& Random, Dialogs* Answerer, QWidget* Parent)
    : QMainWindow(Parent),
      Places(std::move(Folders)),
      Answerer(Answerer),
      Answers(Answerer ? *Answerer : static_cast<Dialogs&>(QtBoxes)),
      Records(Places, *this),
      General(*this, Records, Random)
{
    LayOut();
    BuildMenus();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::LayOut()
{
    setWindowTitle(QStringLiteral("Orbulon!"));
    setWindowIcon(GameIcon(Places.Program));

    Board = new BoardSurface(this);
    setCentralWidget(Board);

    QWidget* Previous = nullptr;
    for (int Index = 1; Index <= BoardCells; ++Index) {
        picBall[Index] = new BallPicture(Index, Board);
        connect(picBall[Index], &BallPicture::Clicked, this, &frmMain::picBall_Click);
        if (Previous)
            setTabOrder(Previous, picBall[Index]);
        Previous = picBall[Index];
    }

    txtScore = new QLineEdit(Board);
    txtScore->setGeometry(ScoreRect);
    QPalette Readout = txtScore->palette();
    Readout.setColor(QPalette::Base, Qt::black);
    Readout.setColor(QPalette::Text, QColor(0, 255, 0));
    txtScore->setPalette(Readout);
    txtScore->setFont(ScoreFont(SevenSegmentFace(), *txtScore));
    txtScore->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTabOrder(Previous, txtScore);

    connect(&tmrScroll, &QTimer::timeout, this, &frmMain::tmrScroll_Timer);
}

void frmMain::BuildMenus()
{
    QMenu* FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    FileMenuItem[1] = FileMenu->addAction(QStringLiteral("&New"));
    FileMenuItem[2] = FileMenu->addSeparator();
    FileMenuItem[3] = FileMenu->addAction(QStringLiteral("E&xit"));

    QMenu* HelpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    HelpMenuItem[1] = HelpMenu->addAction(QStringLiteral("How To &Play"));
    HelpMenuItem[2] = HelpMenu->addAction(QStringLiteral("Hi&nt"));
    HelpMenuItem[3] = HelpMenu->addAction(QStringLiteral("&Show High Scores"));
    HelpMenuItem[4] = HelpMenu->addSeparator();
    HelpMenuItem[5] = HelpMenu->addAction(QStringLiteral("&About"));
    HelpMenuItem[2]->setVisible(false);  // offered only while a game is being played

    for (int Index = 1; Index <= 3; ++Index)
        connect(FileMenuItem[Index], &QAction::triggered, this, [this, Index] { FileMenuItem_Click(Index); });
    for (int Index = 1; Index <= 5; ++Index)
        connect(HelpMenuItem[Index], &QAction::triggered, this, [this, Index] { HelpMenuItem_Click(Index); });

    // The window never changes size: the menu bar above a client area of fixed size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmMain::Form_Load()
{
    adjustSize();
    CentreOnScreen(*this);
    General.StartingUp = true;
    General.PlayerName = "Player 1";
    OpenSoundDevice(mmClick, "Click.wav");
    OpenSoundDevice(mmClear, "Clear.wav");
    for (int Index = 1; Index <= BoardCells; ++Index)
        HideHighlight(Index);
    General.MarqueeText = ReadMarqueeText(Places.Program);
    General.NewGame();
    // Only start-up starts the marquee; every new game, the start-up deal included, stops it.
    tmrScroll.start(500);
}

void frmMain::OpenSoundDevice(SoundDevice& Device, const char* File)
{
    Device.FileName = Places.Program / File;
    Device.Command("Open");
}

void frmMain::picBall_Click(int Index) { General.picBall_Click(Index); }

void frmMain::FileMenuItem_Click(int Index)
{
    switch (Index) {
    case 1: General.NewGame(); break;
    case 3:
        if (General.GameInProgress) {
            General.Response = static_cast<std::int16_t>(MsgBox("Are you sure you want to exit?     ", "Orbulon",
                                                                MsgButtons::OKCancel, MsgIcon::Question, ButtonCancel));
            if (General.Response != ButtonOK)
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
    case 1: {
        frmHelp Window(Places, this);
        Window.exec();
        break;
    }
    case 2: General.Response = static_cast<std::int16_t>(MsgBox(General.CensusText(), "Orbulon!")); break;
    case 3: {
        frmScores Window(Places, this);
        Window.exec();
        break;
    }
    case 5: {
        const std::unique_ptr<Registry> Keys = SystemRegistry();
        DesktopLauncher Launcher;
        frmAbout Window(Places, *Keys, Launcher, Answerer, this);
        Window.exec();
        break;
    }
    default: break;
    }
}

void frmMain::tmrScroll_Timer() { General.MarqueeTick(); }

void frmMain::DrawCell(int Index, int Colour) { picBall[Index]->SetPicture(LoadCellPicture(Places.Program, Colour)); }

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

void frmMain::SetHintVisible(bool Visible) { HelpMenuItem[2]->setVisible(Visible); }

void frmMain::StopMarquee() { tmrScroll.stop(); }

void frmMain::SoundCommand(SoundCue Cue, const std::string& Command)
{
    (Cue == SoundCue::Click ? mmClick : mmClear).Command(Command);
}

int frmMain::MsgBox(const std::string& Text, const std::string& Title, MsgButtons Buttons, MsgIcon Icon,
                    int DefaultButton)
{
    return Answers.MsgBox(Text, Title, Buttons, Icon, DefaultButton);
}

std::string frmMain::InputBox(const std::string& Prompt, const std::string& Title, const std::string& Default)
{
    return Answers.InputBox(Prompt, Title, Default);
}

}  // namespace orbulon
