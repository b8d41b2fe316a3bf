// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board, the score box, the menus, the marquee and the sounds.
#include "frmMain.h"

#include "BoardAccessibility.h"
#include "CellPictures.h"
#include "DataFiles.h"
#include "GameFiles.h"
#include "GameInfo.h"
#include "MediaFile.h"
#include "WindowZoom.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "frmScores.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>

#include <algorithm>

namespace orbulon {

namespace {

// The score box in one face: its blanks widened to a full character cell, as a segment
// display shows an unlit digit, so that the marquee's words stand apart.
void WidenBlanks(QFont& Face)
{
    Face.setWordSpacing(0);
    const QFontMetricsF Metrics(Face);
    Face.setWordSpacing(
        std::max(0.0, Metrics.horizontalAdvance(QLatin1Char('8')) - Metrics.horizontalAdvance(QLatin1Char(' '))));
}

// The largest size of Face at which the widest eight characters the box shows (a full
// marquee window, the highest score in its stars) fit the score box. A font's metrics
// grow in step with its size, so one measurement gives the size; the loops only step
// past rounding.
QFont ScoreFont(QFont Face, const QLineEdit& Box)
{
    const int Width = Box.width() - 16;
    const int Height = Box.height() - 8;
    const auto Widest = [&Face] {
        WidenBlanks(Face);
        const QFontMetrics Metrics(Face);
        int Widest = 0;
        for (const QString& Text : {QStringLiteral("88888888"), QStringLiteral("WWWWWWWW"),
                                    ToQString(std::string_view(MaxScoreText)), QStringLiteral("        ")})
            Widest = std::max(Widest, Metrics.horizontalAdvance(Text));
        return std::max(1, Widest);
    };
    const auto Fits = [&](int Pixels) {
        Face.setPixelSize(Pixels);
        return Widest() <= Width && QFontMetrics(Face).height() <= Height;
    };
    constexpr int Probe = 64;
    Face.setPixelSize(Probe);
    const double Scale = std::min(double(Width) / Widest(), double(Height) / std::max(1, QFontMetrics(Face).height()));
    // A zoomed box holds a face larger than the probe; none is ever taller than the box.
    const int Largest = std::max(Probe, Height);
    int Pixels = std::clamp(static_cast<int>(Probe * Scale), 9, Largest);
    while (Pixels > 9 && !Fits(Pixels))
        --Pixels;
    while (Pixels < Largest && Fits(Pixels + 1))
        ++Pixels;
    Face.setPixelSize(Pixels);
    WidenBlanks(Face);
    return Face;
}

QFont InstalledFace(const QString& Family)
{
    if (QFontDatabase::families().contains(Family))
        return QFont(Family);
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

// The marquee spells words: fourteen segments draw every letter legibly, where seven
// cannot tell W from U or s from 5.
QFont LetterSegmentFace() { return InstalledFace(QStringLiteral("DSEG14 Classic")); }

// The score is digits only, shown as the classic seven-segment readout.
QFont DigitSegmentFace() { return InstalledFace(QStringLiteral("DSEG7 Classic")); }

bool DigitsOnly(const QString& Text)
{
    return !Text.isEmpty() &&
        std::all_of(Text.begin(), Text.end(), [](QChar Character) { return Character.isDigit(); });
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

    InstallBoardAccessibility();
    Board = new BoardSurface(WindowZoom(), this);
    setCentralWidget(Board);

    for (int Index = 1; Index <= Cells; ++Index)
        picBall[Index] = &Board->Cell(Index);
    connect(Board, &BoardSurface::Clicked, this, &frmMain::picBall_Click);

    txtScore = new QLineEdit(Board);
    txtScore->setGeometry(Zoomed(ScoreRect, Board->Zoom()));
    QPalette Readout = txtScore->palette();
    Readout.setColor(QPalette::Base, ToQColor(ScoreBackground));
    Readout.setColor(QPalette::Text, ToQColor(ScoreText));
    txtScore->setPalette(Readout);
    // The box shows nothing until the marquee's first tick, half a second on: its face is chosen
    // and fitted when it first shows a text (each face and size tried costs a font engine), not
    // before the window is on screen.
    txtScore->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    txtScore->setAccessibleName(tr("Score"));

    connect(&tmrScroll, &QTimer::timeout, this, &frmMain::tmrScroll_Timer);

    // The zoom keys are the window's own, not menu items: the menus stay as designed.
    const auto ZoomKeys = [this](std::initializer_list<QKeyCombination> Keys, auto Step) {
        for (const QKeyCombination Key : Keys)
            connect(new QShortcut(QKeySequence(Key), this), &QShortcut::activated, this, [this, Step] {
                ZoomTo(Step(Board->Zoom()));
                StoreZoom(Board->Zoom());
            });
    };
    // A step in that would take the window past its screen is refused; only --zoom goes beyond.
    ZoomKeys({Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal},
             [this](int Zoom) { return std::max(Zoom, ZoomThatFits(*this, Zoom + 1)); });
    ZoomKeys({Qt::CTRL | Qt::Key_Minus}, [](int Zoom) { return Zoom - 1; });
    ZoomKeys({Qt::CTRL | Qt::Key_0}, [](int) { return MinZoom; });
}

void frmMain::ZoomTo(int Zoom)
{
    Zoom = std::clamp(Zoom, MinZoom, MaxZoom);
    if (Zoom == Board->Zoom())
        return;
    SetWindowZoom(Zoom);
    Board->SetZoom(Zoom);
    txtScore->setGeometry(Zoomed(ScoreRect, Zoom));
    // A face already fitted is fitted afresh; one not chosen yet is left to the box's first text.
    if (ScoreFaceFitted)
        txtScore->setFont(ScoreFont(txtScore->font(), *txtScore));
    // Each cell again from its file, in the rendering the new size wants.
    for (int Index = 1; Index <= Cells; ++Index)
        DrawCell(Index, picBall[Index]->ColourCodeShown());
    // The window keeps its centre where the player left it.
    const QPoint Centre = frameGeometry().center();
    layout()->activate();
    adjustSize();
    move(pos() + Centre - frameGeometry().center());
}

void frmMain::BuildMenus()
{
    QMenu* FileMenu = menuBar()->addMenu(tr("&File"));
    FileMenuItem[FileNew] = FileMenu->addAction(tr("&New"));
    FileMenuItem[FileSeparator] = FileMenu->addSeparator();
    FileMenuItem[FileExit] = FileMenu->addAction(tr("E&xit"));

    QMenu* HelpMenu = menuBar()->addMenu(tr("&Help"));
    HelpMenuItem[HelpHowToPlay] = HelpMenu->addAction(tr("How To &Play"));
    HelpMenuItem[HelpHint] = HelpMenu->addAction(tr("Hi&nt"));
    HelpMenuItem[HelpShowHighScores] = HelpMenu->addAction(tr("&Show High Scores"));
    HelpMenuItem[HelpSeparator] = HelpMenu->addSeparator();
    HelpMenuItem[HelpAbout] = HelpMenu->addAction(tr("&About"));
    // The usual shortcuts beside the access keys, for a player who keeps to the keyboard.
    FileMenuItem[FileNew]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    FileMenuItem[FileExit]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    HelpMenuItem[HelpHowToPlay]->setShortcut(QKeySequence(Qt::Key_F1));
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
    if (GameLogic.MarqueeText.empty())
        ReportUnusable(Folders.Program / MarqueeFile, "the marquee stays blank");
    GameLogic.NewGame();
    // Only start-up starts the marquee; every new game, the start-up deal included, stops it.
    tmrScroll.start(500);
}

void frmMain::OpenSoundDevice(SoundDevice& Device, std::string_view File)
{
    Device.FileName = Folders.Program / File;
    Device.Open();
}

void frmMain::picBall_Click(int Index) { GameLogic.picBall_Click(Index); }

void frmMain::FileMenuItem_Click(int Index)
{
    switch (Index) {
    case FileNew:
        GameLogic.NewGame();
        GiveBoardFocus();
        break;
    case FileExit:
        if (GameLogic.GameInProgress) {
            GameLogic.Response =
                static_cast<std::int16_t>(MsgBox(QT_TRANSLATE_NOOP("orbulon", "Are you sure you want to exit?     "),
                                                 "Orbulon", MsgButtons::OKCancel, MsgIcon::Question, ButtonCancel));
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
        // The census is put together here, in the player's language, from the counts the rules
        // fill into its form.
        GameLogic.Response = static_cast<std::int16_t>(
            MsgBox(GameLogic.CensusText(PlayerText(CensusForm).toStdString()), std::string(GameTitle)));
        break;
    case HelpShowHighScores: {
        frmScores Window(Folders, this);
        Window.exec();
        break;
    }
    case HelpAbout: {
        DesktopLauncher Launcher;
        frmAbout Window(Folders, Launcher, PlayerStandIn, this);
        Window.exec();
        break;
    }
    default: break;
    }
}

void frmMain::tmrScroll_Timer() { GameLogic.MarqueeTick(); }

void frmMain::GiveBoardFocus() { picBall[MiddleCell]->SetFocus(); }

void frmMain::DrawCell(int Index, int Colour)
{
    picBall[Index]->SetColourCode(Colour);
    picBall[Index]->SetPicture(Pictures.Picture(Folders.Program, Colour, Board->Zoom() * Board->devicePixelRatioF()));
    CellNameChanged(*Board, Index);
}

void frmMain::SetToolTip(int Index, const std::string& Text)
{
    picBall[Index]->SetToolTip(QString::fromStdString(Text));
    CellDescriptionChanged(*Board, Index);
}

void frmMain::ShowHighlight(int Index)
{
    Board->SetFrame(Index, true);
    CellFrameChanged(*Board, Index);
}

void frmMain::HideHighlight(int Index)
{
    Board->SetFrame(Index, false);
    CellFrameChanged(*Board, Index);
}

bool frmMain::HighlightShown(int Index) const { return Board->FrameShown(Index); }

void frmMain::SetScoreText(const std::string& Text)
{
    // Letters (the marquee, the stars around the highest score) need the fourteen-segment face.
    const QString Shown = QString::fromStdString(Text);
    const QFont Face = tmrScroll.isActive() || !DigitsOnly(Shown) ? LetterSegmentFace() : DigitSegmentFace();
    if (!ScoreFaceFitted || txtScore->font().family() != Face.family()) {
        txtScore->setFont(ScoreFont(Face, *txtScore));
        ScoreFaceFitted = true;
    }
    txtScore->setText(Shown);
}

void frmMain::SetScoreAlignment(ScoreAlignment Alignment)
{
    txtScore->setAlignment((Alignment == ScoreAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
}

void frmMain::SetHintVisible(bool Visible) { HelpMenuItem[HelpHint]->setVisible(Visible); }

void frmMain::StopMarquee() { tmrScroll.stop(); }

void frmMain::PlayCue(SoundCue Cue) { (Cue == SoundCue::Click ? mmClick : mmClear).Play(); }

int frmMain::MsgBox(const std::string& Text, const std::string& Title, MsgButtons Buttons, MsgIcon Icon,
                    int DefaultButton)
{
    // The move that ends a game shows on the board before its message: building a box takes
    // many times longer than painting the cells the move changed, so they are painted first.
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    return Boxes.MsgBox(Text, Title, Buttons, Icon, DefaultButton);
}

}  // namespace orbulon
