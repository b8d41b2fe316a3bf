// The how-to-play, high-score and about windows, and the search for a system tool.
#include "UiTestSupport.h"

#include "Scramble.h"
#include "SysInfo.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "frmScores.h"

#include <QLabel>
#include <QPushButton>

#include <cstring>
#include <map>

using namespace orbulon;
using namespace orbulon::testing;

namespace {

// A registry holding just the values a test gives it, counting opened and closed keys.
class FakeRegistry : public Registry {
public:
    struct Value {
        std::uint32_t Type;
        std::string Bytes;
    };
    std::map<std::string, std::map<std::string, Value>> Keys;
    std::vector<std::string> KeysOpened;
    int Closed = 0;

    long OpenKey(std::uint32_t Root, const std::string& SubKey, std::uint32_t Access, RegHandle& Key) override
    {
        KeysOpened.push_back(SubKey);
        if (Root != RegLocalMachine || Access != RegKeyAccess || !Keys.count(SubKey))
            return RegNotFound;
        Key = KeysOpened.size();
        return RegSuccess;
    }
    long QueryValue(RegHandle Key, const std::string& Name, std::uint32_t& Type, char* Data,
                    std::uint32_t& Size) override
    {
        const auto& Values = Keys.at(KeysOpened.at(Key - 1));
        const auto Found = Values.find(Name);
        if (Found == Values.end() || Found->second.Bytes.size() > Size)
            return RegNotFound;
        Type = Found->second.Type;
        std::memcpy(Data, Found->second.Bytes.data(), Found->second.Bytes.size());
        Size = static_cast<std::uint32_t>(Found->second.Bytes.size());
        return RegSuccess;
    }
    long CloseKey(RegHandle) override
    {
        ++Closed;
        return RegSuccess;
    }
};

class FakeLauncher : public ProgramLauncher {
public:
    std::vector<std::string> Files;
    std::string NativeTool;
    std::vector<std::string> Started;

    bool FileExists(const std::string& Path) override
    {
        return std::find(Files.begin(), Files.end(), Path) != Files.end();
    }
    bool Start(const std::string& Program) override
    {
        Started.push_back(Program);
        return true;
    }
    std::string FindSystemInfoTool() override { return NativeTool; }
};

const std::string MsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string LocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string Unavailable = "System Information is unavailable at this time.     ";

} // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaCopy> Media;

private slots:
    void init() { Media = std::make_unique<MediaCopy>(); }

    void HelpShowsTheTenLinesAndEscapeLeavesItOpen()
    {
        frmHelp Window(Media->Folders());
        const QStringList Lines = Window.lblHelp->text().split(QLatin1Char('\n'));
        QCOMPARE(Lines.size(), 10);
        QCOMPARE(Lines[0], QStringLiteral("Instructions:"));
        QVERIFY(Lines[1].isEmpty());
        QCOMPARE(Lines[2], QStringLiteral("Click on any coloured ball, and if it is connected to any ball of the same"));
        QCOMPARE(Lines[4], QStringLiteral("A highlight will appear around any balls worth points.  The more balls"));
        QCOMPARE(Lines[8], QStringLiteral("to your score.  If you do not yet wish to clear those balls, click anywhere"));
        QCOMPARE(Lines[9], QStringLiteral("else in the grid.  The game ends when there are no more possible moves."));
        QVERIFY(!Window.lblHelp->text().contains(QLatin1Char('\r')));
        QCOMPARE(Window.windowTitle(), QStringLiteral("Orbulon! - How To Play."));
        QCOMPARE(Window.minimumSize(), Window.maximumSize());
        // No line is cut short by the label's edge.
        QVERIFY(Window.lblHelp->width() >= Window.lblHelp->sizeHint().width());
        QVERIFY(Window.lblHelp->height() >= Window.lblHelp->sizeHint().height());

        Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window));
        QTest::keyClick(&Window, Qt::Key_Escape);
        QVERIFY(Window.isVisible());
        Window.OKButton->click();
        QVERIFY(!Window.isVisible());
    }

    void ScoresShowTheStoredTable()
    {
        QByteArray Table;
        for (const char* Line : {"17292Ann Long-Name the Great", "00090", "0005012345", "00007Cy", "00000Dee"})
            Table += QByteArray::fromStdString(ScrambleText(Line)) + "\r\n";
        Media->Write("Config.cfg", Table);

        frmScores Window(Media->Folders());
        QStringList Scores, Names;
        for (int Rank = 1; Rank <= 5; ++Rank) {
            Scores << Window.lblScore[Rank]->text();
            Names << Window.lblName[Rank]->text();
        }
        QCOMPARE(Scores, (QStringList{"17292", "90", "50", "7", "0"}));
        QCOMPARE(Names, (QStringList{"Ann Long-Name the Great", "", "12345", "Cy", "Dee"}));
        QCOMPARE(Window.lblScore[1]->pos(), QPoint(24, 24));
        QCOMPARE(Window.lblScore[5]->pos(), QPoint(24, 152));
        QCOMPARE(Window.lblName[3]->pos(), QPoint(120, 88));
        QCOMPARE(Window.cmdOK->geometry(), QRect(304, 24, 81, 25));
        QCOMPARE(Window.windowTitle(), QStringLiteral("Orbulon! - Scores."));

        const QFont Face = Window.lblName[1]->font();
        QVERIFY(Face.bold());
        QCOMPARE(Face.pointSizeF(), 14.25);
        QVERIFY(QFontInfo(Face).family().contains("Serif") || QFontInfo(Face).family().contains("Times"));

        // An ordinary window: it can be resized, and Escape does not close it.
        QVERIFY(Window.minimumSize() != Window.maximumSize());
        QVERIFY(Window.windowFlags() & Qt::WindowMaximizeButtonHint);
        Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window));
        QTest::keyClick(&Window, Qt::Key_Escape);
        QVERIFY(Window.isVisible());
        Window.cmdOK->click();
        QVERIFY(!Window.isVisible());
    }

    void AboutShowsTitleVersionAndNotice()
    {
        FakeRegistry Keys;
        FakeLauncher Launcher;
        FakeDialogs Player;
        frmAbout Window(Media->Folders(), Keys, Launcher, &Player);
        QCOMPARE(Window.windowTitle(), QStringLiteral("Orbulon! - About."));
        QCOMPARE(Window.lblTitle->text(), QStringLiteral("Orbulon!"));
        QCOMPARE(Window.lblVersion->text(), QStringLiteral("Version 1.0.0"));
        QVERIFY(!Window.lblDescription->text().isEmpty());
        const QStringList Notice = Window.lblDisclaimer->text().split(QLatin1Char('\n'));
        QCOMPARE(Notice.size(), 2);
        QVERIFY(Notice[0].startsWith(QStringLiteral("(c) 2026")));
        QVERIFY(Notice[1].startsWith(QStringLiteral("https://")));
        QCOMPARE(Window.cmdSysInfo->text(), QStringLiteral("&System Info..."));
        QVERIFY(Window.cmdOK->isDefault());
        QCOMPARE(Window.minimumSize(), Window.maximumSize());
        QVERIFY(!Window.picIcon->pixmap().isNull());

        Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window));
        const QImage Look = Window.grab().toImage();
        QCOMPARE(Look.pixelColor(100, 163), QColor(128, 128, 128));
        QCOMPARE(Look.pixelColor(100, 164), QColor(Qt::white));
        QCOMPARE(Look.pixelColor(100, 165), QColor(Qt::white));

        QTest::keyClick(&Window, Qt::Key_Escape);
        QVERIFY(!Window.isVisible());
        QVERIFY(Player.Boxes.empty());
    }

    void SysInfoStartsTheToolTheRegistryNames()
    {
        FakeRegistry Keys;
        Keys.Keys[MsInfoKey]["PATH"] = {RegString, std::string("C:\\Tools\\msinfo32.exe\0", 22)};
        FakeLauncher Launcher;
        FakeDialogs Player;
        StartSysInfo(Keys, Launcher, Player);
        QCOMPARE(Launcher.Started, std::vector<std::string>{"C:\\Tools\\msinfo32.exe"});
        QVERIFY(Player.Boxes.empty());
        QCOMPARE(Keys.Closed, int(Keys.KeysOpened.size()));
    }

    void SysInfoLooksInTheToolsFolderNamedSecond()
    {
        FakeRegistry Keys;
        Keys.Keys[LocationKey]["MSINFO"] = {RegString, std::string("C:\\Shared\0", 10)};
        FakeLauncher Launcher;
        FakeDialogs Player;

        StartSysInfo(Keys, Launcher, Player);  // the folder lacks the tool
        QVERIFY(Launcher.Started.empty());
        QCOMPARE(Player.Boxes.size(), std::size_t(1));
        QCOMPARE(Player.Boxes[0].Text, Unavailable);
        QCOMPARE(Player.Boxes[0].Title, std::string("Orbulon!"));

        Launcher.Files = {"C:\\Shared\\MSINFO32.EXE"};
        StartSysInfo(Keys, Launcher, Player);
        QCOMPARE(Launcher.Started, std::vector<std::string>{"C:\\Shared\\MSINFO32.EXE"});
        QCOMPARE(Player.Boxes.size(), std::size_t(1));
        QCOMPARE(Keys.Closed, int(Keys.KeysOpened.size()));
    }

    void SysInfoWithoutRegistryTriesThisDesktopsToolThenSaysSo()
    {
        FakeRegistry Keys;
        FakeLauncher Launcher;
        FakeDialogs Player;
        StartSysInfo(Keys, Launcher, Player);
        QCOMPARE(Keys.KeysOpened, (std::vector<std::string>{MsInfoKey, LocationKey}));
        QVERIFY(Launcher.Started.empty());
        QCOMPARE(Player.Boxes.size(), std::size_t(1));
        QCOMPARE(Player.Boxes[0].Text, Unavailable);

        Launcher.NativeTool = "/usr/bin/hardinfo";
        StartSysInfo(Keys, Launcher, Player);
        QCOMPARE(Launcher.Started, std::vector<std::string>{"/usr/bin/hardinfo"});
        QCOMPARE(Player.Boxes.size(), std::size_t(1));

        // This system has no registry at all: both lookups fail.
        std::string Value = "left over";
        QVERIFY(!GetKeyValue(*SystemRegistry(), RegLocalMachine, MsInfoKey, "PATH", Value));
        QVERIFY(Value.empty());
    }

    void GetKeyValueReadsTextAndNumbers()
    {
        FakeRegistry Keys;
        Keys.Keys["K"]["Text"] = {RegString, std::string("abc\0", 4)};
        Keys.Keys["K"]["Bare"] = {RegString, "abc"};
        Keys.Keys["K"]["Number"] = {RegNumber, std::string("\x2a\x01\0\0", 4)};
        Keys.Keys["K"]["Binary"] = {3, "xyz"};
        std::string Value;
        QVERIFY(GetKeyValue(Keys, RegLocalMachine, "K", "Text", Value));
        QCOMPARE(Value, std::string("abc"));
        QVERIFY(GetKeyValue(Keys, RegLocalMachine, "K", "Bare", Value));
        QCOMPARE(Value, std::string("abc"));
        QVERIFY(GetKeyValue(Keys, RegLocalMachine, "K", "Number", Value));
        QCOMPARE(Value, std::string("&h12A"));
        QVERIFY(GetKeyValue(Keys, RegLocalMachine, "K", "Binary", Value));
        QCOMPARE(Value, std::string("&h12A"));  // any other type leaves the value alone
        QVERIFY(!GetKeyValue(Keys, RegLocalMachine, "K", "Missing", Value));
        QVERIFY(Value.empty());
        QCOMPARE(Keys.Closed, 5);
    }
};

ORBULON_UI_TEST_MAIN(SecondaryWindowsTest)
#include "SecondaryWindowsTest.moc"
