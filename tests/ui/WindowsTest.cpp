// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows as the player meets them: the board and its clicks, the menus, the
// marquee, pictures and sounds, the boxes and the three secondary windows.
#include "BoardAccessibility.h"
#include "FakeView.h"
#include "GameInfo.h"
#include "WindowTestSupport.h"

#include "Scramble.h"
#include "WindowZoom.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmScores.h"

#include <ranges>

using namespace orbulon;
using namespace orbulon::test;

namespace {

int FramesShown(const frmMain& Window)
{
    return int(std::ranges::count_if(std::views::iota(1, 133), [&](int Cell) { return Window.HighlightShown(Cell); }));
}

// How many pixels of the board outside the balls are red where no frame of a highlighted
// ball lies, or not red where one does: none means red shows exactly in the gaps around
// the group, as wide as the gaps at every zoom, and nowhere at all when no group is framed.
int MisplacedRed(const frmMain& Window)
{
    const int Gap = Window.Board->Zoom();
    // Red where the frames belong, black where a cell or the score box hides the surface: painted
    // once, so that the check costs a look-up per pixel at every zoom.
    QImage Wanted(Window.Board->size(), QImage::Format_RGB32);
    Wanted.fill(Qt::white);
    QPainter Painter(&Wanted);
    for (int Index = 1; Index <= 132; ++Index)
        if (Window.HighlightShown(Index))
            Painter.fillRect(Window.picBall[Index]->Geometry().adjusted(-Gap, -Gap, Gap, Gap), Qt::red);
    for (int Index = 1; Index <= 132; ++Index)
        Painter.fillRect(Window.picBall[Index]->Geometry(), Qt::black);
    Painter.fillRect(Window.txtScore->geometry(), Qt::black);
    Painter.end();
    const QImage Surface = Window.Board->grab().toImage();
    int Wrong = 0;
    for (int y = 0; y < Surface.height(); ++y)
        for (int x = 0; x < Surface.width(); ++x)
            Wrong += Wanted.pixel(x, y) != qRgb(0, 0, 0) &&
                (Surface.pixel(x, y) == qRgb(255, 0, 0)) != (Wanted.pixel(x, y) == qRgb(255, 0, 0));
    return Wrong;
}

// Chooses a menu item and gives the title and the labels of the window it puts up, which it closes.
QStringList ReadWindowOf(QAction* Item)
{
    QStringList Texts;
    WhenModal([&Texts](QWidget* Shown) {
        Texts << Shown->windowTitle();
        for (const QLabel* Label : Shown->findChildren<QLabel*>())
            Texts << Label->text();
        Shown->close();
    });
    Item->trigger();
    return Texts;
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaCopy> Media;
    SeededRandom Deal{20260401};
    RecordingPrompts Player;
    std::unique_ptr<frmMain> Window;
    QTemporaryDir Config;

    // The main window on this test's media, shown; its boxes are Qt's own when RealBoxes.
    frmMain& Start(bool RealBoxes = false)
    {
        Window = std::make_unique<frmMain>(Media->Folders(), Deal, RealBoxes ? nullptr : &Player);
        Window->show();
        (void)QTest::qWaitForWindowExposed(Window.get());
        return *Window;
    }
    void Click(int Cell)
    {
        QTest::mouseClick(Window->Board, Qt::LeftButton, {}, Window->picBall[Cell]->Geometry().center());
    }

private slots:
    // The tests close and reopen windows; the application must outlive them all. The zoom they
    // choose is kept in a configuration folder of their own, never the player's.
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        qputenv("XDG_CONFIG_HOME", Config.path().toLocal8Bit());
    }
    void init()
    {
        Media = std::make_unique<MediaCopy>();
        Deal = SeededRandom(20260401);
        Player = RecordingPrompts();
    }
    void cleanup()
    {
        Window.reset();
        SetWindowZoom(1);
    }

    // With some pictures and sounds missing or damaged, so that the game must carry on without
    // them, at zoom 1 and 2, and at device pixel ratios from 1 to 3.
    void TheBoardIsDrawnAsDesigned()
    {
        for (const char* Name : {"BlueBall.bmp", "Orbulon.ico", "Click.wav"})
            std::filesystem::remove(Media->Path(Name));
        Media->Write("GreenBall.bmp", "not a bitmap at all");
        Media->Write("Clear.wav", "RIFF? no");
        // Each told of once, on the terminal or in the journal, with why and what stands in.
        for (const char* Told : {"BlueBall.bmp: missing; a plain ball", "GreenBall.bmp: damaged.*; a plain ball",
                                 "Orbulon.ico: missing; a drawn disc", "Click.wav: missing; this cue stays silent",
                                 "Clear.wav: damaged.*; this cue stays silent"})
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(Told));
        QTest::failOnWarning(QRegularExpression("\\.(bmp|ico|wav): "));
        frmMain& Window = Start();
        Window.FileMenuItem[1]->trigger();
        // Blue and green balls are drawn in their own colours, not left as empty cells, each with
        // its mark (the cross's and the dot's middle) lighter than its body.
        QColor Centre[6], Body[6];
        for (int Cell = 1; Cell <= 132; ++Cell) {
            const QImage Shown = Window.picBall[Cell]->Picture().toImage();
            Centre[Window.Game().BallColour[Cell]] = Shown.pixelColor(10, 10);
            Body[Window.Game().BallColour[Cell]] = Shown.pixelColor(10, 5);
        }
        QVERIFY(Centre[2] != Centre[4] && Centre[2] != QColor(64, 64, 64) && Centre[4] != QColor(64, 64, 64));
        QVERIFY(Centre[2].lightness() > Body[2].lightness() && Centre[4].lightness() > Body[4].lightness());
        // A group framed and taken with both its sounds unusable: every ball's plays pass in silence.
        const int Cell = CellWithPartner(Window.Game().BallColour);
        Click(Cell);
        const int Group = FramesShown(Window);
        QTRY_VERIFY(Group >= 2 && Window.mmClick.PlaysSounded() == Group);
        Click(Cell);
        QTRY_VERIFY(Window.mmClear.PlaysSounded() == Group &&
                    Window.txtScore->text() == QString::number(Group * (Group - 1)));

        // Every other cell framed, so that no frame adjoins another and each of its edges shows alone:
        // the outline and every frame edge are one designed pixel wide, in whole device pixels, and a
        // click anywhere on a framed ball's picture, up to the device pixel that straddles its edge,
        // reaches the ball, which no frame covers.
        for (int Index = 1; Index <= 132; ++Index)
            Window.Board->SetFrame(Index, Index % 2 == 1);
        const std::vector<QPoint> Directions{{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (const auto& [Zoom, Ratio] : std::vector<std::pair<int, qreal>>{
                 {1, 1.0}, {1, 1.25}, {1, 1.5}, {1, 2.0}, {1, 3.0}, {2, 1.0}, {2, 1.5}, {3, 1.0}}) {
            Window.ZoomTo(Zoom);
            QImage Board((QSizeF(Window.Board->size()) * Ratio).toSize(), QImage::Format_RGB32);
            Board.setDevicePixelRatio(Ratio);
            Window.Board->render(&Board);
            // The runs of Colour met along a line of the drawing, from the device pixel of the point
            // From in steps of Step, each as a string of 'x'; a single empty one when there is none.
            const auto Runs = [&Board, Ratio](QPointF From, QPoint Step, Rgb Colour) {
                QString Line;
                for (QPoint At = (From * Ratio).toPoint(); Board.rect().contains(At); At += Step)
                    Line += Board.pixelColor(At) == ToQColor(Colour) ? 'x' : ' ';
                return Line.simplified().split(' ');
            };
            QSet<qsizetype> Widths;
            for (const QPoint& Step : Directions)
                Widths.insert(Runs(QRectF(ToQRect(Shape1Rect)).center() * Zoom, Step, Shape1Outline).back().size());
            for (int Cell = 1; Cell <= 132; Cell += 2) {
                const QRectF Ball = Window.picBall[Cell]->Geometry();
                for (const QPoint& Step : Directions)
                    Widths.insert(Runs(Ball.center() + Step * 9 * Zoom, Step, HighlightOutline).front().size());
                const QRect Drawn((Ball.topLeft() * Ratio).toPoint() + QPoint(1, 1),
                                  (Ball.bottomRight() * Ratio).toPoint() - QPoint(2, 2));
                for (const QPoint& Pixel : {Drawn.topLeft(), Drawn.bottomRight(), Drawn.center()})
                    QVERIFY(Window.Board->CellAt((QPointF(Pixel) / Ratio).toPoint()) == Cell &&
                            Board.pixelColor(Pixel) != ToQColor(HighlightOutline));
            }
            QCOMPARE(Widths, QSet<qsizetype>{qsizetype(Zoom * Ratio)});
        }
    }

    // A dark palette, then the same with a larger font at zoom 2, then the palette and font the test found:
    // no button or label clipped, the texts in the palette's colours, the separator etched in its
    // shadow and light, a long name cut short with an ellipsis and whole in its tool tip.
    void AboutAndScoresSuitThePlayersPaletteAndFont()
    {
        const QPalette Day = QApplication::palette();
        const QFont Font = QApplication::font();
        const QPalette Night(QColor(230, 230, 230), QColor(45, 45, 48), QColor(90, 90, 96), QColor(10, 10, 10),
                             QColor(30, 30, 32), QColor(230, 230, 230), QColor(30, 30, 30));
        Player.Answer = std::string(40, 'W');
        HighScoreRecord(Media->Folders().Program, Media->Folders().User).RecordHighScore(17292, *Player.Answer, Player);
        FakeSystem System;
        for (const auto& [Palette, FontScale, Zoom] : {std::tuple{Night, 1.0, 1}, {Night, 1.25, 2}, {Day, 1.0, 1}}) {
            QApplication::setPalette(Palette);
            QFont Scaled = Font;
            Scaled.setPointSizeF(Font.pointSizeF() * FontScale);
            QApplication::setFont(Scaled);
            SetWindowZoom(Zoom);
            frmAbout About(Media->Folders(), System, &Player);
            frmScores Scores(Media->Folders());
            QVERIFY(About.width() >= 382 * Zoom && Scores.width() >= 400 * Zoom);
            for (QWidget* Window : std::initializer_list<QWidget*>{&About, &Scores}) {
                for (const QPushButton* Button : Window->findChildren<QPushButton*>())
                    QVERIFY(Button->sizeHint().boundedTo(Button->size()) == Button->sizeHint());
                for (const QLabel* Label : Window->findChildren<QLabel*>()) {
                    const QSize Needs =
                        Label->wordWrap() ? QSize(0, Label->heightForWidth(Label->width())) : Label->sizeHint();
                    QVERIFY(Label->text().isEmpty() ||
                            (Needs.boundedTo(Label->size()) == Needs && Window->rect().contains(Label->geometry())));
                    QCOMPARE(Label->palette().color(QPalette::WindowText),
                             QApplication::palette().color(QPalette::WindowText));
                }
            }
            QVERIFY(Scores.lblName[1]->text().endsWith(QChar(0x2026)) &&
                    Scores.lblName[1]->toolTip().contains(QString::fromStdString(*Player.Answer)));
            const QImage Shown = About.grab().toImage();
            const auto Column = std::views::iota(0, Shown.height()) |
                std::views::transform([&Shown](int y) { return Shown.pixel(100, y); });
            QVERIFY(std::ranges::count(Column, QApplication::palette().color(QPalette::Mid).rgb()) > 0 &&
                    std::ranges::count(Column, QApplication::palette().color(QPalette::Light).rgb()) > 0);
            SetWindowZoom(1);
        }
    }

    // About's System Info button: this desktop's tool, else a message.
    void SystemInfoStartsTheDesktopsOwnTool()
    {
        FakeSystem With("/usr/bin/hardinfo"), Without;
        StartSysInfo(With, With), StartSysInfo(Without, Without);
        QCOMPARE(With.Said, std::vector<std::string>{"/usr/bin/hardinfo"});
        QCOMPARE(Without.Said,
                 std::vector<std::string>{"MsgBox [Orbulon!] System Information is unavailable at this time.     "});
    }

    // Ctrl+= and Ctrl++ zoom in a step while the window still fits its screen (1600 x 1200 here:
    // three times the designed size, not four), Ctrl+- out and Ctrl+0 back, each choice kept for the
    // next game. At every zoom the cells show the densest rendering there is, a group's frames fill
    // exactly the gaps, a click at a cell's zoomed place on the window reaches it, the pointer resting
    // there shows the group's points, and a screen reader finds the cell where it is drawn.
    void TheZoomKeysGrowTheGameAndAreKept()
    {
        for (int Colour = 0; Colour <= 5; ++Colour)
            Media->Copy(ScaledFile(BitmapFile(Colour), 2));
        Start().FileMenuItem[1]->trigger();
        Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window.get()));
        const int Cell = CellWithPartner(Window->Game().BallColour);
        const std::vector<std::pair<QKeyCombination, int>> Keys{
            {Qt::CTRL | Qt::Key_Equal, 2}, {Qt::CTRL | Qt::Key_Plus, 3},  {Qt::CTRL | Qt::Key_Plus, 3},
            {Qt::CTRL | Qt::Key_Equal, 3}, {Qt::CTRL | Qt::Key_Minus, 2}, {Qt::CTRL | Qt::Key_0, 1}};
        for (const auto& [Key, Zoom] : Keys) {
            QTest::keyClick(Window.get(), Key.key(), Key.keyboardModifiers());
            QCOMPARE(StoredZoom(), Zoom);
            QCOMPARE(Window->Board->size(), QSize(257, 348) * Zoom);
            QCOMPARE(Window->picBall[Cell]->Picture().devicePixelRatio(), std::min(Zoom, 2));

            const QRect Designed = ToQRect(CellRect(Cell));
            QTest::mouseClick(Window->windowHandle(), Qt::LeftButton, {},
                              Window->Board->mapTo(Window.get(), Designed.center() * Zoom));
            QVERIFY(Window->HighlightShown(Cell) && FramesShown(*Window) >= 2);
            QHelpEvent Resting(QEvent::ToolTip, Designed.center() * Zoom, QCursor::pos());
            QApplication::sendEvent(Window->Board, &Resting);
            QCOMPARE(QToolTip::text().trimmed(), QString::number(FramesShown(*Window) * (FramesShown(*Window) - 1)));
            QCOMPARE(MisplacedRed(*Window), 0);
            QCOMPARE(CellAccessible(*Window->Board, Cell)->rect(),
                     QRect(Window->Board->mapToGlobal(Designed.topLeft() * Zoom), Designed.size() * Zoom));
            Window->Game().ResetHighlight();
        }
        Window->ZoomTo(4);  // as --zoom 4 asks: the player's word goes past the screen
        QCOMPARE(Window->Board->size(), QSize(257, 348) * 4);
    }

    // A zoom fits when the window's inside, measured at any zoom and taken to that one, fits with
    // its frame in the room the screen leaves, to the pixel; else the largest zoom that does, but
    // never less than 1 nor more than asked for.
    void AZoomFitsWhenTheFramedWindowFitsTheScreen()
    {
        const QSize AtOne(257, 367), Frame(2, 30), Three = AtOne * 3 + Frame;
        QCOMPARE(FittingZoom(AtOne, 1, Frame, QSize(1920, 1040), 4), 2);
        QCOMPARE(FittingZoom(AtOne * 2, 2, Frame, Three, 4), 3);
        QCOMPARE(FittingZoom(AtOne, 1, Frame, Three - QSize(0, 1), 4), 2);
        QCOMPARE(FittingZoom(AtOne, 1, Frame, Three - QSize(1, 0), 4), 2);
        QCOMPARE(FittingZoom(AtOne, 1, Frame, QSize(640, 480), 4), 1);
        QCOMPARE(FittingZoom(AtOne, 1, Frame, QSize(9999, 9999), 3), 3);
    }

    // New hands the board the focus, in the middle, without a mark; the arrow keys bring the mark
    // and step a cell at a time, Up toward the top row, stopping at the board's four edges; a mouse
    // press takes the mark away, so the mouse player's board is as it always was.
    void TheArrowsMoveAFocusMarkedOnlyWhileKeysAreInUse()
    {
        Start().FileMenuItem[1]->trigger();
        BoardSurface& Board = *Window->Board;
        const auto Marked = [&Board](int Cell) {
            return Board.grab(Board.Cell(Cell).Geometry()).toImage() != Board.Cell(Cell).Picture().toImage();
        };
        QVERIFY(QApplication::focusWidget() == &Board && Board.FocusedCell() == 72 && !Marked(72));
        const std::vector<std::tuple<int, Qt::Key, int>> Arrows{
            {1, Qt::Key_Left, 1},     {1, Qt::Key_Down, 1},    {1, Qt::Key_Up, 12},       {1, Qt::Key_Right, 2},
            {11, Qt::Key_Right, 11},  {132, Qt::Key_Up, 132},  {132, Qt::Key_Right, 132}, {132, Qt::Key_Left, 131},
            {122, Qt::Key_Left, 122}, {122, Qt::Key_Down, 111}};
        for (const auto& [From, Key, To] : Arrows) {
            Board.Cell(From).SetFocus();
            QTest::keyClick(&Board, Key);
            QCOMPARE(Board.FocusedCell(), To);
        }
        QVERIFY(Marked(111) && Board.Cell(111).HasFocus());
        QTest::mousePress(&Board, Qt::LeftButton, {}, Board.Cell(111).Geometry().center());
        QVERIFY(!Marked(111));
    }

    // Return takes the question's default button, Cancel: the game, a group framed, goes on.
    void ReturnAtExitsQuestionKeepsTheGame()
    {
        Start(true).FileMenuItem[1]->trigger();
        Click(CellWithPartner(Window->Game().BallColour));
        const int Group = FramesShown(*Window);
        WhenModal([](QWidget* Shown) { QTest::keyClick(Shown, Qt::Key_Return); });
        Window->FileMenuItem[3]->trigger();
        QVERIFY(Window->isVisible() && Group >= 2 && FramesShown(*Window) == Group);
    }

    // The exit question at twice the designed size grows whole: its icon drawn twice as large, its
    // line of text still one line; back at the designed size, it is the box it was to the pixel.
    void TheExitQuestionGrowsWhole()
    {
        Start(true).FileMenuItem[1]->trigger();
        QList<bool> OneLine;
        QList<QSize> Icons;
        QList<QImage> Boxes;
        for (const int Zoom : {1, 2, 1}) {
            Window->ZoomTo(Zoom);
            WhenModal([&](QWidget* Shown) {
                const auto* Text = Shown->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                OneLine << (Text && Text->height() < 2 * Text->fontMetrics().lineSpacing());
                Icons << static_cast<QMessageBox*>(Shown)->iconPixmap().size();
                Boxes << Shown->grab().toImage();
                QTest::keyClick(Shown, Qt::Key_Escape);
            });
            Window->FileMenuItem[3]->trigger();
        }
        QVERIFY(!OneLine.contains(false) && Icons == QList<QSize>({Icons[0], Icons[0] * 2, Icons[0]}));
        QVERIFY(Boxes[2] == Boxes[0]);
    }

    // The marquee scrolls on the window's own timer until the first New; a click meanwhile changes nothing.
    void BeforeTheFirstGameOnlyTheMarqueeMoves()
    {
        Media->Write(MarqueeFile, QByteArray::fromStdString(ScrambleText("ABCDEFGHIJ")));
        frmMain& Window = Start();
        const auto Dealt = Window.Game().BallColour;
        Click(CellWithPartner(Dealt));
        QVERIFY(Window.Game().BallColour == Dealt && FramesShown(Window) == 0);
        QTRY_COMPARE_WITH_TIMEOUT(Window.txtScore->text(), QStringLiteral("ABCDEFGH"), 1500);
        QTRY_COMPARE_WITH_TIMEOUT(Window.txtScore->text(), QStringLiteral("BCDEFGHI"), 1500);
        Window.FileMenuItem[1]->trigger();
        QVERIFY(!Window.tmrScroll.isActive() && Window.txtScore->text() == "0");
    }

    // Hint's census with its carriage returns shown as line breaks in Qt's own box, and About's
    // title and version.
    void TheHelpMenusWindowsShowTheirTexts()
    {
        frmMain& Window = Start(true);
        const QString Hint = ReadWindowOf(Window.HelpMenuItem[2]).join("");
        const QStringList About = ReadWindowOf(Window.HelpMenuItem[5]);
        QVERIFY(Hint.count('\n') == 8 && !Hint.contains('\r'));
        QVERIFY(About.contains(ToQString(GameTitle)) && About.contains("Version " + ToQString(GameVersion)));
    }

    // However its file was changed, even twice within one tick of the file system's clock;
    // decoded once for all cells only once its last change is seconds old.
    void ACellShowsItsBitmapFileAsItIsNow()
    {
        const std::filesystem::path Folder = Media->Folders().Program;
        const QByteArray Red = Media->Read("RedBall.bmp"), Blue = Media->Read("BlueBall.bmp");
        const auto Changed = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
        CellPictures Pictures;
        const auto Centre = [&Pictures, &Folder](int Colour) {
            return Pictures.Picture(Folder, Colour).toImage().pixelColor(10, 10);
        };
        Pictures.Identify = [Changed](const std::filesystem::path& File) {  // every change within one tick
            auto Identity = IdentityOf(File);
            if (Identity) {
                Identity->ModifiedSeconds = Identity->ChangedSeconds = Changed.time_since_epoch().count();
                Identity->ModifiedNanoseconds = Identity->ChangedNanoseconds = 0;
            }
            return Identity;
        };
        Pictures.Now = [&Changed] { return Changed + std::chrono::seconds(1); };
        const QColor RedCentre = Centre(5), BlueCentre = Centre(2);
        QVERIFY(RedCentre != BlueCentre);
        Media->Write("RedBall.bmp", Blue);  // in place, to the same size
        QCOMPARE(Centre(5), BlueCentre);
        Media->Write("RedBall.bmp", Red);
        QCOMPARE(Centre(5), RedCentre);

        Pictures.Now = [&Changed] { return Changed + std::chrono::seconds(3); };
        const int Decodes = Pictures.Decodes();
        for (int Cell = 0; Cell < 3; ++Cell)
            QCOMPARE(Centre(5), RedCentre);
        QCOMPARE(Pictures.Decodes(), Decodes + 1);
        std::filesystem::rename(Folder / "BlueBall.bmp", Folder / "RedBall.bmp");  // another file in its place
        QCOMPARE(Centre(5), BlueCentre);
    }

    // Wherever it is cut short, and whether or not its header states its size: the cell never
    // shows what lies past its end.
    void ACutShortBitmapIsRefused()
    {
        const QByteArray Whole = Media->Read("RedBall.bmp");
        QVERIFY(!ReadCellBitmap(Media->Path("RedBall.bmp")).isNull());
        for (const qsizetype Length : {qsizetype(100), Whole.size() / 2, Whole.size() - 1})
            for (const QByteArray& Cut : {Whole.left(Length), Whole.left(Length).replace(2, 4, QByteArray(4, '\0'))}) {
                Media->Write("RedBall.bmp", Cut);
                QVERIFY2(ReadCellBitmap(Media->Path("RedBall.bmp")).isNull(), qPrintable(QString::number(Length)));
            }
    }

    // A dense screen or zoom gets the densest rendering there is up to its own, drawn in the designed 20 x 20.
    void ADenseScreenGetsTheSharperRendering()
    {
        Media->Copy(ScaledFile(BitmapFile(3), 2));
        CellPictures Pictures;
        for (const auto& [Ratio, Pixels] : {std::pair{1.0, 20}, {1.5, 40}, {2.0, 40}, {3.0, 40}, {8.0, 40}}) {
            const QPixmap Shown = Pictures.Picture(Media->Folders().Program, 3, Ratio);
            QVERIFY(Shown.width() == Pixels && Shown.deviceIndependentSize() == QSizeF(20, 20));
        }
    }

    // Space, Return and Enter on the focused cell press it as a click does; holding one repeats
    // its key press, but only the first counts, as a held mouse button clicks once.
    void HoldingAPressKeyPressesOnce()
    {
        for (const Qt::Key Key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            Start().FileMenuItem[1]->trigger();
            Window->picBall[CellWithPartner(Window->Game().BallColour)]->SetFocus();
            QTest::keyPress(Window->Board, Key);
            for (int Repeat = 0; Repeat < 3; ++Repeat) {
                QKeyEvent Held(QEvent::KeyPress, Key, Qt::NoModifier, {}, true);
                QApplication::sendEvent(Window->Board, &Held);
            }
            QVERIFY2(FramesShown(*Window) >= 2 && Window->txtScore->text() == "0",
                     qPrintable(QKeySequence(Key).toString()));
        }
    }

    // A press on a ball released once the pointer has left it is no click.
    void APressReleasedOffTheBallIsNoClick()
    {
        Start().FileMenuItem[1]->trigger();
        const QRect Ball = Window->picBall[CellWithPartner(Window->Game().BallColour)]->Geometry();
        QTest::mousePress(Window->Board, Qt::LeftButton, {}, Ball.center());
        QTest::mouseRelease(Window->Board, Qt::LeftButton, {}, Ball.center() + QPoint(22, 0));  // over the next ball
        QCOMPARE(FramesShown(*Window), 0);
    }

    // Cancel at the name prompt gives no name, so the next prompt offers none.
    void CancelAtTheNamePromptGivesAnEmptyName()
    {
        WhenModal(
            [](QWidget* Shown) { Shown->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click(); });
        QCOMPARE(MessageBoxes(nullptr).InputBox("Please enter your name.", "Orbulon", "Player 1"), std::string());
    }

    // Only a game in play is worth the question: before the first game and after the last
    // move of one, File, Exit closes the window at once.
    void ExitAsksOnlyDuringAGame()
    {
        for (const bool Played : {false, true}) {
            Start();
            if (Played) {  // a new game whose only move, a pair at the top of the right column, is taken
                Window->FileMenuItem[1]->trigger();
                Window->Game().BallColour = QuietBoard();
                Window->Game().BallColour[121] = Window->Game().BallColour[132] = Red;
                Click(132), Click(132);
            }
            const std::size_t Boxes = Player.Said.size();
            Window->FileMenuItem[3]->trigger();
            QVERIFY2(!Window->isVisible() && Player.Said.size() == Boxes, Played ? "after a game" : "before any game");
        }
    }

    // The end-of-game boxes open over the board: a click meant for a ball that lands on one in
    // its first half second answers nothing; a later click does.
    void ABoxTakesNoClickInItsFirstHalfSecond()
    {
        for (const auto& [Ms, Which] : {std::pair{150, QMessageBox::Cancel}, {800, QMessageBox::Ok}})
            QTimer::singleShot(Ms, [Which] {
                if (auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    QTest::mouseClick(Box->button(Which), Qt::LeftButton);
            });
        QElapsedTimer Clock;
        Clock.start();
        QCOMPARE(MessageBoxes(nullptr).MsgBox("?", "Orbulon", MsgButtons::OKCancel, MsgIcon::None, ButtonCancel),
                 ButtonOK);
        QVERIFY(Clock.elapsed() >= 700);
    }

    // Cut short, or the same sound claiming 24-bit samples: its noise is never the player's to hear.
    void ADamagedWaveIsNeverPlayed()
    {
        const QByteArray Wave = Media->Read("Click.wav");
        for (const QByteArray& Damaged :
             {Wave.left(100), Wave.left(30), QByteArray("RIFF"), QByteArray(Wave).replace(34, 1, "\x18")})
            QVERIFY(!WholeWave(Damaged));
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
