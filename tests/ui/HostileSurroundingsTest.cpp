// SPDX-License-Identifier: GPL-3.0-or-later
// The game where its surroundings work against it: FIFOs in place of its files, a session bus
// that never answers, another copy holding the table's lock. (A mute sound server and a folder
// named in a foreign encoding are the end-to-end robustness runs' to play through.)
#include "WindowTestSupport.h"

#include "MediaFile.h"
#include "MessageBoxes.h"
#include "SessionBus.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "frmScores.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <thread>

using namespace orbulon;
using namespace orbulon::test;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// A socket at Name (a path, or an abstract name when it starts with a NUL) that takes
// connections and never says a word, as a hung session bus does.
int MuteListener(const std::string& Name)
{
    const int Listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_un Address{AF_UNIX, {}};
    Name.copy(Address.sun_path, sizeof Address.sun_path - 1);
    const auto Length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + Name.size() + (Name[0] != '\0'));
    if (::bind(Listener, reinterpret_cast<sockaddr*>(&Address), Length) != 0 || ::listen(Listener, 4) != 0)
        return ::close(Listener), -1;
    return Listener;
}

// Opens each FIFO for writing, again and again, until the watch ends: that succeeds only while
// something has it open for reading, which is noted in Read; the writer closes at once, so a
// reader waiting there reads the end of the file, and the test fails rather than hangs.
struct FifoWatch {
    explicit FifoWatch(std::vector<fs::path> Fifos) : Fifos(std::move(Fifos)) {}
    std::vector<fs::path> Fifos;
    std::mutex Guard;
    QStringList Read;
    std::atomic<bool> Done = false;
    std::thread Watcher{[this] {
        for (; !Done; std::this_thread::sleep_for(1ms))
            for (const fs::path& Fifo : Fifos)
                if (const int Writer = ::open(Fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); Writer >= 0) {
                    ::close(Writer);
                    const std::lock_guard Lock(Guard);
                    Read << QString::fromStdString(Fifo.filename().string());
                }
    }};
    QStringList Stop() { return Done = true, Watcher.join(), Read; }
};

}  // namespace

class HostileSurroundingsTest : public QObject {
    Q_OBJECT

private slots:
    // Every picture, sound and data file in the program's folder a FIFO with no writer: each
    // secondary window opens, draws, and shows its stand-ins, having read none of them.
    void NoSecondaryWindowWaitsOnAFifoInPlaceOfItsFiles()
    {
        const MediaCopy Media;
        const std::vector<fs::path> Fifos(fs::directory_iterator(Media.Folders().Program), {});
        for (const fs::path& File : Fifos)
            QVERIFY(fs::remove(File) && ::mkfifo(File.c_str(), 0600) == 0);
        FifoWatch Watch(Fifos);
        FakeSystem Desktop;
        frmAbout About(Media.Folders(), Desktop, &Desktop);
        frmHelp Help(Media.Folders());
        frmScores Scores(Media.Folders());
        for (QWidget* Window : std::initializer_list<QWidget*>{&About, &Help, &Scores}) {
            Window->show();
            QVERIFY(!Window->grab().isNull() && !Window->windowIcon().isNull());
        }
        QVERIFY(!About.picIcon->pixmap().isNull());
        QCOMPARE(Scores.lblScore[1]->text(), QStringLiteral("0"));
        QCOMPARE(Watch.Stop(), QStringList());
    }

    // A session bus that takes the connection and never answers would hold the window back for
    // good inside Qt: it is found out within the patience given, by path or abstract name, past
    // an entry that refuses. (A bus that answers is left to Qt: the accessibility test reads the
    // game through one.)
    void AMuteSessionBusIsFoundOutInGoodTime()
    {
        const TempFolder Temp;
        const std::string Path = (Temp.Path / "bus").string(), Abstract = "orbulon-bus-" + std::to_string(::getpid());
        const int ByPath = MuteListener(Path), ByName = MuteListener(std::string(1, '\0') + Abstract);
        QVERIFY(ByPath >= 0 && ByName >= 0);
        QElapsedTimer Clock;
        Clock.start();
        QVERIFY(!SessionBusAnswers("unix:path=" + Path, 50ms));
        QVERIFY(!SessionBusAnswers("unix:path=/nowhere;unix:abstract=" + Abstract + ",guid=0123", 50ms));
        QVERIFY(Clock.elapsed() < 1000);
        QVERIFY(SessionBusAnswers("tcp:host=localhost,port=1", 50ms));
        QVERIFY(SessionBusAnswers("unix:path=/nowhere", 50ms));

        ::close(ByPath), ::close(ByName);
    }

    // A relative XDG folder is no folder: Qt would keep the zoom under the current folder.
    void ARelativeXdgFolderIsIgnored()
    {
        qputenv("XDG_CONFIG_HOME", "config"), qputenv("XDG_CACHE_HOME", "/tmp");
        IgnoreRelativeXdgFolders();
        QVERIFY(!qEnvironmentVariableIsSet("XDG_CONFIG_HOME") && qgetenv("XDG_CACHE_HOME") == "/tmp");
    }

    // While another copy saves, the window's events go on; after a moment a box says what the
    // game waits for. The wait ends with the lock, when the player gives up, or after a minute.
    void TheLockWaitKeepsTheWindowGoingAndTheBoxLetsThePlayerGiveUp()
    {
        QWidget Owner;
        MessageBoxes Boxes(&Owner);
        std::chrono::milliseconds Now{0};
        Boxes.Clock = [&Now] { return Now; };
        int Ticks = 0;
        QTimer Window;
        connect(&Window, &QTimer::timeout, [&Ticks] { ++Ticks; });
        Window.start(1);
        const auto BoxShown = [] { return qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()); };

        // The other copy is done after ten tries, a second of the clock apart.
        int Tries = 0;
        QString Told;
        QVERIFY(Boxes.WaitForLock([&] {
            if (QProgressDialog* Box = BoxShown())
                Told = Box->labelText();
            return Now += 1s, ++Tries > 10;
        }));
        QVERIFY(Ticks >= 10);
        QVERIFY(Told.startsWith(QStringLiteral("Waiting for another copy")));
        QTRY_VERIFY(!BoxShown());

        // The player gives up as soon as the box is up.
        WhenModal([](QWidget* Box) { static_cast<QProgressDialog*>(Box)->cancel(); });
        Tries = 0;
        QVERIFY(!Boxes.WaitForLock([&] { return Now += 100ms, ++Tries, false; }));
        QVERIFY(Tries < 100);

        // Nobody there: the wait ends after a minute of the clock.
        Tries = 0;
        QVERIFY(!Boxes.WaitForLock([&] { return Now += 10s, ++Tries, false; }));
        QCOMPARE(Tries, 6);
    }
};

QTEST_MAIN(HostileSurroundingsTest)
#include "HostileSurroundingsTest.moc"
