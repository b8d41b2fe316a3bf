// The main window as the player meets it: layout, board clicks, menus, marquee, media.
#include "UiTestSupport.h"

#include "Random.h"
#include "Scramble.h"
#include "frmMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

using namespace orbulon;
using namespace orbulon::testing;

namespace {

// Where the board puts cell Index, written out here from the window's measurements.
QRect ExpectedCell(int Index)
{
    const int c = (Index - 1) % 11, r = (Index - 1) / 11;
    return {14 + 21 * c, 253 - 21 * r, 20, 20};
}

// A ball with a neighbour of its own colour, so that a click on it frames a group.
int CellWithPartner(const modGeneral& Game, int Skip = 0)
{
    for (int Cell = 1; Cell <= 132; ++Cell) {
        const int Colour = Game.BallColour[Cell];
        if (Colour == 0 || Cell == Skip)
            continue;
        if ((Cell % 11 != 0 && Game.BallColour[Cell + 1] == Colour) ||
            (Cell <= 121 && Game.BallColour[Cell + 11] == Colour))
            return Cell;
    }
    return 0;
}

int FramesShown(const frmMain& Window)
{
    int Shown = 0;
    for (int Cell = 1; Cell <= 132; ++Cell)
        Shown += Window.HighlightShown(Cell) ? 1 : 0;
    return Shown;
}

QByteArray MarqueeFile(const QByteArray& FirstLine, const QByteArray& Rest = {})
{
    return QByteArray::fromStdString(ScrambleText(FirstLine.toStdString())) + "\r\n" + Rest;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaCopy> Media;
    SeededRandom Deal{20260401};
    FakeDialogs Player;

private slots:
    void init()
    {
        Media = std::make_unique<MediaCopy>();
        Deal = SeededRandom(20260401);
        Player = FakeDialogs();
    }

    void LayoutIsFixedInPixels()
    {
        frmMain Window(Media->Folders(), Deal, &Player);
        Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window));

        QCOMPARE(Window.windowTitle(), QStringLiteral("Orbulon!"));
        QCOMPARE(Window.Board->size(), QSize(257, 348));
        QCOMPARE(Window.Board->y(), Window.menuBar()->height());
        QCOMPARE(Window.minimumSize(), Window.maximumSize());
        for (int Cell : {1, 11, 12, 60, 122, 132})
            QCOMPARE(Window.picBall[Cell]->geometry(), ExpectedCell(Cell));
        QCOMPARE(Window.picBall[1]->pos(), QPoint(14, 253));
        QCOMPARE(Window.picBall[132]->pos(), QPoint(224, 22));
        QCOMPARE(FrameRect(1), QRect(13, 252, 22, 22));
        QCOMPARE(FrameRect(132), QRect(223, 21, 22, 22));

        QLineEdit& Score = *Window.txtScore;
        QCOMPARE(Score.geometry(), QRect(8, 280, 242, 60));
        QCOMPARE(Score.palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(Score.palette().color(QPalette::Text), QColor(0, 255, 0));
        QVERIFY(!Score.isReadOnly());
        QVERIFY(Score.text().isEmpty());
        QVERIFY(Score.alignment() & Qt::AlignLeft);
        QVERIFY(QFontMetrics(Score.font()).height() <= 60);

        // Tab runs through the cells in order, then into the score box.
        for (int Cell = 1; Cell < 132; ++Cell)
            QCOMPARE(Window.picBall[Cell]->nextInFocusChain(), Window.picBall[Cell + 1]);
        QCOMPARE(Window.picBall[132]->nextInFocusChain(), static_cast<QWidget*>(&Score));

        const QImage Surface = Window.Board->grab().toImage();
        QCOMPARE(Surface.pixelColor(3, 3), QColor(64, 64, 64));
        QCOMPARE(Surface.pixelColor(8, 100), QColor(192, 0, 0));
        QCOMPARE(Surface.pixelColor(249, 100), QColor(192, 0, 0));
        QCOMPARE(Surface.pixelColor(100, 16), QColor(192, 0, 0));
        QCOMPARE(Surface.pixelColor(100, 278), QColor(192, 0, 0));
        QCOMPARE(Surface.pixelColor(100, 279), QColor(64, 64, 64));
        QVERIFY(!Window.windowIcon().isNull());
    }

    void MenusOfferHintOnlyDuringAGame()
    {
        frmMain Window(Media->Folders(), Deal, &Player);
        const auto Captions = [](const auto& Items) {
            QStringList Texts;
            for (std::size_t Index = 1; Index < Items.size(); ++Index)
                Texts << (Items[Index]->isSeparator() ? QStringLiteral("-") : Items[Index]->text());
            return Texts;
        };
        QCOMPARE(Captions(Window.FileMenuItem), (QStringList{"&New", "-", "E&xit"}));
        QCOMPARE(Captions(Window.HelpMenuItem),
                 (QStringList{"How To &Play", "Hi&nt", "&Show High Scores", "-", "&About"}));
        const QList<QAction*> Menus = Window.menuBar()->actions();
        QCOMPARE(Menus.size(), 2);
        QCOMPARE(Menus[0]->text(), QStringLiteral("&File"));
        QCOMPARE(Menus[1]->text(), QStringLiteral("&Help"));

        QVERIFY(!Window.HelpMenuItem[2]->isVisible());
        Window.FileMenuItem[1]->trigger();
        QVERIFY(Window.HelpMenuItem[2]->isVisible());
    }

    void RedShowsExactlyInTheGapsAroundAHighlightedGroup()
    {
        frmMain Window(Media->Folders(), Deal, &Player);
        Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window));
        Window.FileMenuItem[1]->trigger();
        const int Cell = CellWithPartner(Window.Game());
        QVERIFY(Cell > 0);
        QTest::mouseClick(Window.picBall[Cell], Qt::LeftButton);
        QVERIFY(FramesShown(Window) >= 2);

        const QImage Surface = Window.Board->grab().toImage();
        int Wrong = 0, Red = 0;
        for (int y = 0; y < ScoreRect.top(); ++y) {
            for (int x = 0; x < Surface.width(); ++x) {
                const QPoint Pixel(x, y);
                bool InCell = false, OnFrame = false;
                for (int Index = 1; Index <= 132 && !InCell; ++Index) {
                    const QRect Picture = ExpectedCell(Index);
                    InCell = Picture.contains(Pixel);
                    const QRect Frame = Picture.adjusted(-1, -1, 1, 1);
                    if (Window.HighlightShown(Index) && Frame.contains(Pixel) && !Picture.contains(Pixel))
                        OnFrame = true;
                }
                if (InCell)
                    continue;
                const bool IsRed = Surface.pixelColor(Pixel) == QColor(255, 0, 0);
                Red += IsRed ? 1 : 0;
                Wrong += IsRed != OnFrame ? 1 : 0;
            }
        }
        QVERIFY(Red > 0);
        QCOMPARE(Wrong, 0);

        // Dropping the highlight leaves no red at all in the gaps.
        int Outside = 1;
        while (Window.HighlightShown(Outside))
            ++Outside;
        QTest::mouseClick(Window.picBall[Outside], Qt::LeftButton);
        QCOMPARE(FramesShown(Window), 0);
        const QImage After = Window.Board->grab().toImage();
        for (int Index = 1; Index <= 132; ++Index)
            QVERIFY(After.pixelColor(ExpectedCell(Index).topLeft() - QPoint(1, 1)) != QColor(255, 0, 0));
    }

    void ClicksSelectTakeAndDrop()
    {
        frmMain Window(Media->Folders(), Deal, &Player);
        Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window));
        modGeneral& Game = Window.Game();

        // Before the first game the board takes no clicks.
        const auto Dealt = Game.BallColour;
        const int Idle = CellWithPartner(Game);
        QTest::mouseClick(Window.picBall[Idle], Qt::LeftButton);
        QTest::mouseClick(Window.picBall[Idle], Qt::LeftButton);
        QCOMPARE(Game.BallColour, Dealt);
        QCOMPARE(FramesShown(Window), 0);

        Window.FileMenuItem[1]->trigger();
        const int Cell = CellWithPartner(Game);
        QTest::mouseClick(Window.picBall[Cell], Qt::RightButton);
        QCOMPARE(FramesShown(Window), 0);

        // The first click frames the group and shows its points on its balls.
        QTest::mouseClick(Window.picBall[Cell], Qt::LeftButton);
        const int n = FramesShown(Window);
        QVERIFY(n >= 2);
        QVERIFY(Window.HighlightShown(Cell));
        QCOMPARE(Window.picBall[Cell]->toolTip(), QStringLiteral(" %1 ").arg(n * (n - 1)));

        // A second click on it takes the group.
        QTest::mouseClick(Window.picBall[Cell], Qt::LeftButton);
        QCOMPARE(int(Game.Score), n * (n - 1));
        QCOMPARE(Window.txtScore->text(), QString::number(n * (n - 1)));
        QCOMPARE(FramesShown(Window), 0);
        QVERIFY(Window.picBall[Cell]->toolTip().isEmpty());
        QVERIFY(Window.txtScore->alignment() & Qt::AlignHCenter);

        // A click outside a framed group only drops the highlight.
        const int Next = CellWithPartner(Game);
        QTest::mouseClick(Window.picBall[Next], Qt::LeftButton);
        QVERIFY(FramesShown(Window) >= 2);
        int Outside = 1;
        while (Window.HighlightShown(Outside))
            ++Outside;
        const auto Board = Game.BallColour;
        QTest::mouseClick(Window.picBall[Outside], Qt::LeftButton);
        QCOMPARE(FramesShown(Window), 0);
        QCOMPARE(Game.BallColour, Board);
        QCOMPARE(int(Game.Score), n * (n - 1));
        QVERIFY(Player.Boxes.empty());
    }

    void ExitAsksOnlyDuringAGameAndCancelKeepsEverything()
    {
        {
            frmMain Window(Media->Folders(), Deal, &Player);
            Window.show();
            Window.FileMenuItem[3]->trigger();  // before the first game: no question
            QVERIFY(Player.Boxes.empty());
            QVERIFY(!Window.isVisible());
        }

        frmMain Window(Media->Folders(), Deal, &Player);
        Window.show();
        Window.FileMenuItem[1]->trigger();
        const int Cell = CellWithPartner(Window.Game());
        QTest::mouseClick(Window.picBall[Cell], Qt::LeftButton);
        QTest::mouseClick(Window.picBall[Cell], Qt::LeftButton);
        const int Second = CellWithPartner(Window.Game());
        QTest::mouseClick(Window.picBall[Second], Qt::LeftButton);
        const auto Board = Window.Game().BallColour;
        const int Framed = FramesShown(Window);
        const QString Score = Window.txtScore->text();

        Player.Answers = {ButtonCancel};
        Window.FileMenuItem[3]->trigger();
        QCOMPARE(Player.Boxes.size(), std::size_t(1));
        const FakeDialogs::Box& Question = Player.Boxes[0];
        QCOMPARE(Question.Text, std::string("Are you sure you want to exit?     "));
        QCOMPARE(Question.Title, std::string("Orbulon"));
        QVERIFY(Question.Buttons == MsgButtons::OKCancel);
        QVERIFY(Question.Icon == MsgIcon::Question);
        QCOMPARE(Question.DefaultButton, ButtonCancel);
        QCOMPARE(int(Window.Game().Response), ButtonCancel);
        QVERIFY(Window.isVisible());
        QCOMPARE(Window.Game().BallColour, Board);
        QCOMPARE(FramesShown(Window), Framed);
        QCOMPARE(Window.txtScore->text(), Score);

        Player.Answers = {ButtonOK};
        Window.FileMenuItem[3]->trigger();
        QVERIFY(!Window.isVisible());
    }

    void NewDuringAGameShowsZeroAtOnceAndAsksNothing()
    {
        frmMain Window(Media->Folders(), Deal, &Player);
        Window.FileMenuItem[1]->trigger();
        const int Cell = CellWithPartner(Window.Game());
        QTest::mouseClick(Window.picBall[Cell], Qt::LeftButton);
        QTest::mouseClick(Window.picBall[Cell], Qt::LeftButton);
        QVERIFY(Window.txtScore->text() != QStringLiteral("0"));
        QTest::mouseClick(Window.picBall[CellWithPartner(Window.Game())], Qt::LeftButton);

        Window.FileMenuItem[1]->trigger();
        QCOMPARE(Window.txtScore->text(), QStringLiteral("0"));
        QCOMPARE(FramesShown(Window), 0);
        QVERIFY(Player.Boxes.empty());
        QVERIFY(Player.Prompts.empty());
        for (int Index = 1; Index <= 132; ++Index)
            QVERIFY(Window.picBall[Index]->toolTip().isEmpty());
    }

    void HintShowsTheColourCensus()
    {
        frmMain Window(Media->Folders(), Deal, &Player);
        Window.FileMenuItem[1]->trigger();
        modGeneral& Game = Window.Game();
        for (int Cell = 1; Cell <= 132; ++Cell)
            Game.BallColour[Cell] = static_cast<std::int16_t>(Cell <= 100 ? 1 + Cell % 3 : (Cell <= 131 ? 5 : 0));
        const auto Board = Game.BallColour;

        Window.HelpMenuItem[2]->trigger();
        QCOMPARE(Player.Boxes.size(), std::size_t(1));
        QCOMPARE(Player.Boxes[0].Text, std::string("There are:\r\r"
                                                   "Purple: 33\r"
                                                   "Blue:    34\r"
                                                   "Yellow: 33\r"
                                                   "Green:  0\r"
                                                   "Red:     31\r\r"
                                                   "There are 1 Blanks at the moment.     "));
        QCOMPARE(Player.Boxes[0].Title, std::string("Orbulon!"));
        QVERIFY(Player.Boxes[0].Buttons == MsgButtons::OK);
        QVERIFY(Player.Boxes[0].Icon == MsgIcon::None);
        QCOMPARE(Game.BallColour, Board);
    }

    void MarqueeScrollsUntilTheFirstNewAndNeverAgain()
    {
        Media->Write("String.cfg", MarqueeFile("ABCDEFGHIJ", MarqueeFile("second line")));
        frmMain Window(Media->Folders(), Deal, &Player);
        QVERIFY(Window.txtScore->text().isEmpty());
        QVERIFY(Window.tmrScroll.isActive());
        QCOMPARE(Window.tmrScroll.interval(), 500);

        QStringList Shown;
        for (int Tick = 0; Tick < 10; ++Tick) {
            Window.tmrScroll_Timer();
            Shown << Window.txtScore->text();
        }
        QCOMPARE(Shown, (QStringList{"ABCDEFGH", "BCDEFGHI", "CDEFGHIJ", "DEFGHIJ", "EFGHIJ", "FGHIJ", "GHIJ",
                                     "HIJ", "IJ", "ABCDEFGH"}));

        // The timer itself drives it.
        QTRY_COMPARE_WITH_TIMEOUT(Window.txtScore->text(), QStringLiteral("BCDEFGHI"), 1500);

        Window.FileMenuItem[1]->trigger();
        QVERIFY(!Window.tmrScroll.isActive());
        QCOMPARE(Window.txtScore->text(), QStringLiteral("0"));
        QVERIFY(Window.txtScore->alignment() & Qt::AlignHCenter);
        QTest::qWait(1200);
        Window.tmrScroll_Timer();
        QCOMPARE(Window.txtScore->text(), QStringLiteral("0"));
        Window.FileMenuItem[1]->trigger();
        QVERIFY(!Window.tmrScroll.isActive());
    }

    void StartUpCopesWithShortAndMissingMarqueeText_data()
    {
        QTest::addColumn<QByteArray>("File");
        QTest::addColumn<QString>("FirstTick");
        QTest::newRow("several lines") << MarqueeFile("Hello there", MarqueeFile("not this")) << "Hello th";
        QTest::newRow("empty first line") << MarqueeFile("", MarqueeFile("not this")) << "";
        QTest::newRow("one character") << MarqueeFile("X") << "X";
        QTest::newRow("no file") << QByteArray() << "";
    }

    void StartUpCopesWithShortAndMissingMarqueeText()
    {
        QFETCH(QByteArray, File);
        QFETCH(QString, FirstTick);
        if (File.isNull())
            Media->Remove("String.cfg");
        else
            Media->Write("String.cfg", File);

        frmMain Window(Media->Folders(), Deal, &Player);
        QVERIFY(!Window.Game().GameInProgress);
        QVERIFY(!Window.HelpMenuItem[2]->isVisible());
        Window.tmrScroll_Timer();
        QCOMPARE(Window.txtScore->text(), FirstTick);
        const int Length = static_cast<int>(Window.Game().MarqueeText.size());
        for (int Tick = 0; Tick < 40; ++Tick) {
            Window.tmrScroll_Timer();
            QVERIFY(Window.Game().MarqueePos >= 1);
            QVERIFY(Window.Game().MarqueePos <= std::max(Length, 1));
        }
        QVERIFY(Player.Boxes.empty());
    }

    void MissingOrBrokenBitmapShowsAStandInCell()
    {
        Media->Remove("BlueBall.bmp");
        Media->Write("GreenBall.bmp", "not a bitmap at all");
        Media->Remove("Orbulon.ico");
        frmMain Window(Media->Folders(), Deal, &Player);
        QCOMPARE(Window.windowIcon().pixmap(32, 32).toImage().pixelColor(16, 16), QColor(255, 0, 0));
        Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window));
        Window.FileMenuItem[1]->trigger();
        int StandIns = 0;
        for (int Cell = 1; Cell <= 132; ++Cell) {
            const QPixmap& Picture = Window.picBall[Cell]->Picture();
            QCOMPARE(Picture.size(), QSize(20, 20));
            const int Colour = Window.Game().BallColour[Cell];
            if (Colour == 2 || Colour == 4) {
                ++StandIns;
                // A drawn ball, not an empty cell: the player can still see and play it.
                QVERIFY(Picture.toImage().pixelColor(10, 10) != QColor(64, 64, 64));
            }
        }
        QVERIFY(StandIns > 0);
        const int Cell = CellWithPartner(Window.Game());
        QTest::mouseClick(Window.picBall[Cell], Qt::LeftButton);
        QVERIFY(FramesShown(Window) >= 2);
        QVERIFY(Player.Boxes.empty());
    }

    void MissingWaveFileLeavesTheGameSilent()
    {
        Media->Remove("Click.wav");
        Media->Write("Clear.wav", "RIFF? no");
        frmMain Window(Media->Folders(), Deal, &Player);
        QVERIFY(!Window.mmClick.Opened());
        Window.FileMenuItem[1]->trigger();
        const int Cell = CellWithPartner(Window.Game());
        QTest::mouseClick(Window.picBall[Cell], Qt::LeftButton);
        const int n = FramesShown(Window);
        QCOMPARE(Window.mmClick.PlaysRequested(), n);
        QTest::mouseClick(Window.picBall[Cell], Qt::LeftButton);
        QCOMPARE(Window.mmClear.PlaysRequested(), n);
        QTRY_COMPARE_WITH_TIMEOUT(Window.mmClick.PlaysPending(), 0, 2000);
        QTRY_COMPARE_WITH_TIMEOUT(Window.mmClear.PlaysPending(), 0, 2000);
        QCOMPARE(int(Window.Game().Score), n * (n - 1));
        QVERIFY(Player.Boxes.empty());
    }

    void TheLastMoveEndsTheGameAndRecordsTheScoreBesideTheProgram()
    {
        Media->Remove("Config.cfg");
        frmMain Window(Media->Folders(), Deal, &Player);
        Window.FileMenuItem[1]->trigger();
        // A board without a move but for one pair at the top of the right column.
        modGeneral& Game = Window.Game();
        for (int Cell = 1; Cell <= 132; ++Cell) {
            const int c = (Cell - 1) % 11, r = (Cell - 1) / 11;
            Game.BallColour[Cell] = static_cast<std::int16_t>(1 + (r + c) % 2);
            Window.DrawCell(Cell, Game.BallColour[Cell]);
        }
        Game.BallColour[121] = Game.BallColour[132] = 3;

        QTest::mouseClick(Window.picBall[132], Qt::LeftButton);
        QTest::mouseClick(Window.picBall[132], Qt::LeftButton);
        QVERIFY(!Game.GameInProgress);
        QVERIFY(!Window.HelpMenuItem[2]->isVisible());
        QCOMPARE(Window.txtScore->text(), QStringLiteral("2"));
        QCOMPARE(Player.Boxes.size(), std::size_t(2));
        QCOMPARE(Player.Boxes[0].Text, std::string("There are no more possible moves available!     "));
        QCOMPARE(Player.Boxes[1].Text, std::string("You got the high score!"));
        QCOMPARE(Player.Prompts, std::vector<std::string>{"Please enter your name.     "});
        QCOMPARE(Game.PlayerName, std::string("Tester"));
        QVERIFY(QFile::exists(Media->File("Config.cfg")));

        // The board takes no more clicks, and asks nothing more.
        QTest::mouseClick(Window.picBall[1], Qt::LeftButton);
        QCOMPARE(Player.Boxes.size(), std::size_t(2));

        QString TopScore, TopName;
        WhenModal([&](QWidget* Shown) {
            const QList<QLabel*> Labels = Shown->findChildren<QLabel*>();
            for (const QLabel* Label : Labels) {
                if (Label->pos() == QPoint(24, 24))
                    TopScore = Label->text();
                if (Label->pos() == QPoint(120, 24))
                    TopName = Label->text();
            }
            Shown->close();
        });
        Window.HelpMenuItem[3]->trigger();
        QCOMPARE(TopScore, QStringLiteral("2"));
        QCOMPARE(TopName, QStringLiteral("Tester"));
    }

    void SecondaryWindowsAreModalOwnedAndBuiltAfresh()
    {
        auto Write = [this](const char* First) {
            QByteArray Table;
            for (const char* Line : {First, "00090Bea", "00050", "00007Cy", "00000Dee"})
                Table += QByteArray::fromStdString(ScrambleText(Line)) + "\r\n";
            Media->Write("Config.cfg", Table);
        };
        Write("00120Ann");
        frmMain Window(Media->Folders(), Deal, &Player);
        Window.show();

        struct Seen {
            QString Title;
            bool Modal = false, Owned = false;
            QStringList Labels;
        };
        for (int Item : {1, 3, 5}) {
            std::vector<Seen> Openings;
            for (int Opening = 0; Opening < 2; ++Opening) {
                WhenModal([&](QWidget* Shown) {
                    Seen Look{Shown->windowTitle(), Shown->isModal(), Shown->parentWidget() == &Window, {}};
                    for (const QLabel* Label : Shown->findChildren<QLabel*>())
                        Look.Labels << Label->text();
                    Openings.push_back(Look);
                    Shown->close();
                });
                Window.HelpMenuItem[Item]->trigger();
                if (Item == 3)
                    Write("00150Zed");
            }
            QCOMPARE(Openings.size(), std::size_t(2));
            QVERIFY(Openings[0].Modal && Openings[0].Owned);
            QCOMPARE(Openings[1].Title, Openings[0].Title);
            QCOMPARE(Openings[1].Labels.size(), Openings[0].Labels.size());
            if (Item == 3) {
                QVERIFY(Openings[0].Labels.contains("Ann") && Openings[0].Labels.contains("120"));
                QVERIFY(Openings[1].Labels.contains("Zed") && !Openings[1].Labels.contains("Ann"));
            } else {
                QCOMPARE(Openings[1].Labels, Openings[0].Labels);
            }
        }
        QVERIFY(Window.isVisible());
    }
};

ORBULON_UI_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
