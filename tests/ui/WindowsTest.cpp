// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows as the player meets them: the board and its clicks, the menus, the
// marquee, pictures and sounds, the boxes and the three secondary windows.
#include "UiTestSupport.h"

#include "CellPictures.h"
#include "Random.h"
#include "Scramble.h"
#include "SysInfo.h"
#include "frmMain.h"

#include <sys/stat.h>

#include <functional>
#include <map>

using namespace orbulon;
using namespace orbulon::testing;

namespace {

// Headless unless told otherwise: set before the test main makes the application.
const bool Offscreen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qputenv("QT_QPA_PLATFORM", "offscreen");

// A ball with a neighbour of its own colour, so that a click on it frames a group.
int CellWithPartner(const modGeneral& Game)
{
    for (int Cell = 1; Cell <= 132; ++Cell) {
        const int Colour = Game.BallColour[Cell];
        if (Colour != 0 &&
            ((Cell % 11 != 0 && Game.BallColour[Cell + 1] == Colour) ||
             (Cell <= 121 && Game.BallColour[Cell + 11] == Colour)))
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

// How many pixels of the board outside the balls are red where no frame of a highlighted
// ball lies, or not red where one does: none means red shows exactly in the gaps around
// the group, and nowhere at all when no group is framed.
int MisplacedRed(const frmMain& Window)
{
    QRegion Cells, Frames;
    for (int Index = 1; Index <= 132; ++Index) {
        const QRect Cell = Window.picBall[Index]->geometry();
        Cells += Cell;
        if (Window.HighlightShown(Index))
            Frames += Cell.adjusted(-1, -1, 1, 1);
    }
    const QImage Surface = Window.Board->grab().toImage();
    int Wrong = 0;
    for (int y = 0; y < ScoreRect.Top; ++y) {
        for (int x = 0; x < Surface.width(); ++x) {
            const bool IsRed = Surface.pixelColor(x, y) == QColor(255, 0, 0);
            Wrong += !Cells.contains(QPoint(x, y)) && IsRed != Frames.contains(QPoint(x, y)) ? 1 : 0;
        }
    }
    return Wrong;
}

// Keeps the title and the labels of the next window the game puts up, and closes it.
void ReadNextWindow(std::vector<QStringList>& Seen)
{
    WhenModal([&Seen](QWidget* Shown) {
        QStringList Texts{Shown->windowTitle()};
        for (const QLabel* Label : Shown->findChildren<QLabel*>())
            Texts << Label->text();
        Seen.push_back(Texts);
        Shown->close();
    });
}

QByteArray Scrambled(const char* Line) { return QByteArray::fromStdString(ScrambleText(Line)); }

// A system whose registry holds at most one value, with at most one file and one tool of
// its own desktop, that notes the programs started.
struct SystemSetup {
    std::string Key, Name, Value, File, NativeTool;
};
class FakeSystem : public Registry, public ProgramLauncher {
public:
    explicit FakeSystem(SystemSetup Setup) : Is(std::move(Setup)) {}
    SystemSetup Is;
    std::vector<std::string> Started;

    long OpenKey(std::uint32_t Root, const std::string& SubKey, std::uint32_t Access, RegHandle&) override
    {
        return Root == RegLocalMachine && Access == RegKeyAccess && SubKey == Is.Key ? RegSuccess : RegNotFound;
    }
    long QueryValue(RegHandle, const std::string& Name, std::uint32_t& Type, char* Data, std::uint32_t& Size) override
    {
        Type = RegString;
        Size = static_cast<std::uint32_t>((Is.Value + '\0').copy(Data, Size));
        return Name == Is.Name ? RegSuccess : RegNotFound;
    }
    long CloseKey(RegHandle) override { return RegSuccess; }
    bool FileExists(const std::string& Path) override { return Path == Is.File; }
    bool Start(const std::string& Program) override
    {
        Started.push_back(Program);
        return true;
    }
    std::string FindSystemInfoTool() override { return Is.NativeTool; }
};

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaCopy> Media;
    SeededRandom Deal{20260401};
    FakeDialogs Player;
    std::unique_ptr<frmMain> Window;

    // The main window on this test's media, shown; its boxes are Qt's own when RealBoxes.
    frmMain& Start(bool RealBoxes = false)
    {
        Window = std::make_unique<frmMain>(Media->Folders(), Deal, RealBoxes ? nullptr : &Player);
        Window->show();
        (void)QTest::qWaitForWindowExposed(Window.get());
        return *Window;
    }
    void Click(int Cell) { QTest::mouseClick(Window->picBall[Cell], Qt::LeftButton); }

private slots:
    // The tests close and reopen windows; the application must outlive them all.
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init()
    {
        Media = std::make_unique<MediaCopy>();
        Deal = SeededRandom(20260401);
        Player = FakeDialogs();
    }
    void cleanup() { Window.reset(); }

    // With some pictures and sounds missing or damaged, so that the game must carry on without them.
    void BoardSitsWhereDesignedAndMouseClicksSelectDropAndTakeOnceAGameIsUnderWay()
    {
        Media->Remove("BlueBall.bmp");
        Media->Write("GreenBall.bmp", "not a bitmap at all");
        Media->Remove("Orbulon.ico");
        Media->Remove("Click.wav");
        Media->Write("Clear.wav", "RIFF? no");
        frmMain& Window = Start();
        QCOMPARE(Window.Board->geometry(), QRect(0, Window.menuBar()->height(), 257, 348));
        QCOMPARE(Window.picBall[1]->geometry(), QRect(14, 253, 20, 20));
        QCOMPARE(Window.picBall[132]->geometry(), QRect(224, 22, 20, 20));
        QCOMPARE(ToQRect(FrameRect(1)), QRect(13, 252, 22, 22));
        QCOMPARE(ToQRect(FrameRect(132)), QRect(223, 21, 22, 22));
        QCOMPARE(Window.txtScore->geometry(), QRect(8, 280, 242, 60));

        // Before the first game the board takes no clicks.
        modGeneral& Game = Window.Game();
        const auto Dealt = Game.BallColour;
        Click(CellWithPartner(Game));
        QVERIFY(Game.BallColour == Dealt && FramesShown(Window) == 0);

        Window.FileMenuItem[1]->trigger();
        // Blue and green balls are drawn in their own colours, not left as empty cells.
        std::map<int, QColor> Centre;
        for (int Cell = 1; Cell <= 132; ++Cell)
            Centre[Game.BallColour[Cell]] = Window.picBall[Cell]->Picture().toImage().pixelColor(10, 10);
        QVERIFY(Centre[2] != Centre[4] && Centre[2] != QColor(64, 64, 64) && Centre[4] != QColor(64, 64, 64));
        const auto Board = Game.BallColour;
        const int Cell = CellWithPartner(Game);

        // The first click frames the group, red in the gaps around it and nowhere else,
        // and shows its points on its balls.
        Click(Cell);
        const int n = FramesShown(Window);
        QVERIFY(n >= 2 && Window.HighlightShown(Cell));
        QCOMPARE(Window.picBall[Cell]->toolTip(), QStringLiteral(" %1 ").arg(n * (n - 1)));
        QCOMPARE(MisplacedRed(Window), 0);
        QCOMPARE(Window.mmClick.PlaysRequested(), n);

        // A click outside the group only drops the highlight, and its red with it.
        int Outside = 1;
        while (Window.HighlightShown(Outside))
            ++Outside;
        Click(Outside);
        QVERIFY(FramesShown(Window) == 0 && Game.BallColour == Board);
        QCOMPARE(MisplacedRed(Window), 0);

        // Framed again, a second click takes the group, with a sound for every ball.
        Click(Cell);
        Click(Cell);
        QCOMPARE(Window.txtScore->text(), QString::number(n * (n - 1)));
        QCOMPARE(Window.mmClear.PlaysRequested(), n);
        QTRY_COMPARE_WITH_TIMEOUT(Window.mmClick.PlaysPending() + Window.mmClear.PlaysPending(), 0, 2000);

        // New in the middle of a game, a group framed: "0" at once, and no question.
        Click(CellWithPartner(Game));
        Window.FileMenuItem[1]->trigger();
        QCOMPARE(Window.txtScore->text(), QStringLiteral("0"));
        QVERIFY(FramesShown(Window) == 0 && Player.Said.empty());
    }

    void HintShowsTheCensusLineByLineAndExitWithCancelKeepsTheGame()
    {
        frmMain& Window = Start(true);
        Window.FileMenuItem[1]->trigger();
        Click(CellWithPartner(Window.Game()));
        Click(CellWithPartner(Window.Game()));
        Click(CellWithPartner(Window.Game()));
        const auto Board = Window.Game().BallColour;
        const int Framed = FramesShown(Window);
        const QString Score = Window.txtScore->text();
        QVERIFY(Framed >= 2 && Score != QStringLiteral("0"));

        // The census's carriage returns show as line breaks.
        std::vector<QStringList> Seen;
        ReadNextWindow(Seen);
        Window.HelpMenuItem[2]->trigger();
        const QString Census = Seen.at(0).join(QString());
        QVERIFY(Census.count(QLatin1Char('\n')) == 8 && !Census.contains(QLatin1Char('\r')));

        // Return at Exit's question takes the default button, which must be Cancel.
        WhenModal([](QWidget* Shown) { QTest::keyClick(Shown, Qt::Key_Return); });
        Window.FileMenuItem[3]->trigger();
        QVERIFY(Window.isVisible() && Window.Game().BallColour == Board && FramesShown(Window) == Framed);
        QCOMPARE(Window.txtScore->text(), Score);

        WhenModal([](QWidget* Shown) { qobject_cast<QMessageBox*>(Shown)->button(QMessageBox::Ok)->click(); });
        Window.FileMenuItem[3]->trigger();
        QVERIFY(!Window.isVisible());
    }

    void MarqueeScrollsTheFirstLineOfStringCfgUntilTheFirstNew_data()
    {
        QTest::addColumn<QByteArray>("File");
        QTest::addColumn<QString>("First");
        QTest::addColumn<QString>("Second");
        QTest::newRow("several lines") << Scrambled("ABCDEFGHIJ") + "\r\n" + Scrambled("not shown") + "\r\n"
                                       << "ABCDEFGH"
                                       << "BCDEFGHI";
        QTest::newRow("empty") << QByteArray("") << ""
                               << "";
        QTest::newRow("one character") << Scrambled("X") << "X"
                                       << "X";
    }

    void MarqueeScrollsTheFirstLineOfStringCfgUntilTheFirstNew()
    {
        QFETCH(QByteArray, File);
        QFETCH(QString, First);
        QFETCH(QString, Second);
        Media->Write("String.cfg", File);
        frmMain& Window = Start();

        // The window's own timer shows the text, and moves it on a step at a time.
        QTRY_COMPARE_WITH_TIMEOUT(Window.txtScore->text(), First, 1500);
        QTRY_COMPARE_WITH_TIMEOUT(Window.txtScore->text(), Second, 1500);

        Window.FileMenuItem[1]->trigger();
        QVERIFY(!Window.tmrScroll.isActive());
        QCOMPARE(Window.txtScore->text(), QStringLiteral("0"));
    }

    void TheHelpMenuWindowsShowTheirTextsAndTheLastMoveStoresTheNamedScore()
    {
        Media->Remove("Config.cfg");
        frmMain& Window = Start();
        std::vector<QStringList> Seen;
        for (int Item : {1, 5, 3}) {  // How To Play, About, and the scores before any game
            ReadNextWindow(Seen);
            Window.HelpMenuItem[Item]->trigger();
        }
        const QStringList Lines = Seen.at(0).at(1).split(QLatin1Char('\n'));
        QVERIFY(Lines.size() == 10 && Lines.front() == "Instructions:" && Lines.back().endsWith("possible moves."));
        QVERIFY(Seen.at(1).contains("Orbulon!") && Seen[1].contains("Version 1.0.0"));

        Window.FileMenuItem[1]->trigger();
        // A board without a move but for one pair at the top of the right column.
        modGeneral& Game = Window.Game();
        for (int Cell = 1; Cell <= 132; ++Cell)
            Game.BallColour[Cell] = static_cast<std::int16_t>(1 + ((Cell - 1) % 11 + (Cell - 1) / 11) % 2);
        Game.BallColour[121] = Game.BallColour[132] = 3;
        Click(132);
        Click(132);
        QCOMPARE(Player.Said,
                 (std::vector<std::string>{"There are no more possible moves available!     ",
                                           "Please enter your name.     ", "You got the high score!"}));

        // The table, opened again, is read afresh and rebuilt: the new score on top, once.
        ReadNextWindow(Seen);
        Window.HelpMenuItem[3]->trigger();
        QCOMPARE(Seen.at(3).mid(0, 5), (QStringList{"Orbulon! - Scores.", "2", "Tester", "0", ""}));
        QCOMPARE(Seen[3].size(), Seen[2].size());
    }

    void SystemInfoStartsTheToolTheRegistryOrDesktopNamesOrSaysThereIsNone()
    {
        const std::string MsInfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
        const std::string Location = "SOFTWARE\\Microsoft\\Shared Tools Location";
        const std::vector<std::string> Unavailable{"System Information is unavailable at this time.     "};
        for (const auto& [Setup, Started] : std::vector<std::pair<SystemSetup, std::string>>{
                 {{MsInfo, "PATH", "C:\\Tools\\msinfo32.exe", "", ""}, "C:\\Tools\\msinfo32.exe"},
                 {{Location, "MSINFO", "C:\\Shared", "", ""}, ""},  // a folder without the tool
                 {{Location, "MSINFO", "C:\\Shared", "C:\\Shared\\MSINFO32.EXE", ""}, "C:\\Shared\\MSINFO32.EXE"},
                 {{"", "", "", "", "/usr/bin/hardinfo"}, "/usr/bin/hardinfo"},
             }) {
            FakeSystem System(Setup);
            FakeDialogs Boxes;
            StartSysInfo(System, System, Boxes);
            QCOMPARE(System.Started, Started.empty() ? std::vector<std::string>{} : std::vector{Started});
            QCOMPARE(Boxes.Said, Started.empty() ? Unavailable : std::vector<std::string>{});
        }
    }

    // A cell shows what its bitmap file holds at the moment it is drawn, however the file was
    // changed; an unchanged file is decoded once for all cells; a file that is no usable
    // picture, or no file at all, gives the stand-in at once; a dense screen gets the 2x or
    // 3x rendering, drawn in the designed 20 x 20.
    void EachDrawShowsTheBitmapAsItIsNowDecodedOnlyWhenChanged()
    {
        const std::filesystem::path Folder = Media->Folders().Program;
        const auto Centre = [](const QPixmap& Picture) {
            return Picture.toImage().pixelColor(Picture.width() / 2, Picture.height() / 2);
        };
        const auto Bytes = [this](const char* Name) {
            QFile In(Media->File(Name));
            return In.open(QIODevice::ReadOnly) ? In.readAll() : QByteArray();
        };
        const QByteArray Red = Bytes("RedBall.bmp"), Blue = Bytes("BlueBall.bmp");
        QTest::qWait(2100);  // file times tick coarsely: only a settled file is kept decoded
        CellPictures Pictures;
        const QColor RedCentre = Centre(Pictures.Picture(Folder, 5)), BlueCentre = Centre(Pictures.Picture(Folder, 2));
        QVERIFY(RedCentre != BlueCentre);
        const qint64 Shared = Pictures.Picture(Folder, 5).cacheKey();
        for (int Cell = 1; Cell <= 132; ++Cell)
            QCOMPARE(Pictures.Picture(Folder, 5).cacheKey(), Shared);
        QCOMPARE(Pictures.Decodes(), 2);

        // Rewritten in place to the same size within the same tick, then replaced by another file.
        Media->Write("RedBall.bmp", Blue);
        QCOMPARE(Centre(Pictures.Picture(Folder, 5)), BlueCentre);
        Media->Write("RedBall.bmp", Red);
        QCOMPARE(Centre(Pictures.Picture(Folder, 5)), RedCentre);
        std::filesystem::rename(Folder / "BlueBall.bmp", Folder / "RedBall.bmp");
        QCOMPARE(Centre(Pictures.Picture(Folder, 5)), BlueCentre);

        QByteArray Unstated = Red.left(100);  // no size in its header, rows missing
        Unstated.replace(2, 4, QByteArray(4, '\0'));
        QImage Large(600, 600, QImage::Format_RGB888);
        Large.fill(Qt::red);
        const QColor StandIn = Centre(DrawnCellPicture(5));
        const std::vector<std::function<void()>> Unusable{
            [&] { Media->Write("RedBall.bmp", Red.left(100)); },
            [&] { Media->Write("RedBall.bmp", Unstated); },
            [&] { QVERIFY(Large.save(Media->File("RedBall.bmp"), "BMP")); },
            [&] { QVERIFY(::mkfifo(Media->File("RedBall.bmp").toLocal8Bit().constData(), 0600) == 0); },
            [&] { QVERIFY(QFile::link(QStringLiteral("/dev/zero"), Media->File("RedBall.bmp"))); },
        };
        for (const auto& Make : Unusable) {
            Media->Remove("RedBall.bmp");
            Make();
            QElapsedTimer Clock;
            Clock.start();
            QCOMPARE(Centre(Pictures.Picture(Folder, 5)), StandIn);
            QVERIFY(Clock.elapsed() < 500);
        }

        const QDir Built(QStringLiteral(ORBULON_MEDIA_DIR));
        QVERIFY(QFile::copy(Built.filePath(QStringLiteral("YellowBall@2x.bmp")), Media->File("YellowBall@2x.bmp")));
        for (const auto& [Ratio, Pixels] :
             std::vector<std::pair<qreal, int>>{{1.0, 20}, {1.5, 40}, {2.0, 40}, {3.0, 20}}) {
            const QPixmap Shown = Pictures.Picture(Folder, 3, Ratio);
            QCOMPARE(Shown.width(), Pixels);
            QCOMPARE(Shown.deviceIndependentSize(), QSizeF(20, 20));
        }
    }

    void EveryBallSoundsOnceWithinASecondAndOnlyWholeWaveFilesArePlayed()
    {
        SoundDevice Device;
        Device.FileName = Media->File("Click.wav").toStdString();
        Device.Command("Open");
        QVERIFY(Device.Opened());
        // The game sends one "Play" for each ball of a group, all at once.
        const auto Rattle = [&Device](int Plays) {
            for (; Plays > 0; --Plays)
                Device.Command("Play"), Device.Command("Prev");
        };
        QElapsedTimer Clock;
        Clock.start();
        Rattle(132);
        QTRY_COMPARE_WITH_TIMEOUT(Device.PlaysSounded(), 132, 3000);
        // A whole-board clear stops sounding long before a second is out.
        QVERIFY2(Clock.elapsed() < SoundDevice::RattleLength + 250, qPrintable(QString::number(Clock.elapsed())));
        Rattle(3);  // the next group's rattle sounds in full too
        QTRY_COMPARE_WITH_TIMEOUT(Device.PlaysSounded(), 135, 2000);

        // A damaged file never reaches Qt's player, whose loader can hang on one.
        QFile Good(Media->File("Click.wav"));
        QVERIFY(Good.open(QIODevice::ReadOnly));
        const QByteArray Wave = Good.readAll();
        QByteArray Deep = Wave;  // the same sound claiming 24-bit samples
        Deep[34] = 24;
        for (const QByteArray& Damaged : {Wave.left(100), Wave.left(30), QByteArray("RIFF"), Deep}) {
            Media->Write("Clear.wav", Damaged);
            QVERIFY(!SoundDevice::PlayableWave(Media->File("Clear.wav").toStdString()));
        }
        QVERIFY(SoundDevice::PlayableWave(Media->File("Click.wav").toStdString()));
        // Nor is a FIFO or a device waited on or read.
        Media->Remove("Clear.wav");
        QVERIFY(::mkfifo(Media->File("Clear.wav").toLocal8Bit().constData(), 0600) == 0);
        QVERIFY(!SoundDevice::PlayableWave(Media->File("Clear.wav").toStdString()));
        Media->Remove("Clear.wav");
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), Media->File("Clear.wav")));
        QVERIFY(!SoundDevice::PlayableWave(Media->File("Clear.wav").toStdString()));
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
