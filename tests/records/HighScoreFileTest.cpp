// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score step at a game's end, on real files in a scratch folder: the table it
// writes, and how it copes with damaged, missing and unwritable tables without losing a score.
#include "GameFiles.h"
#include "HighScoreRecord.h"
#include "RecordsTestSupport.h"
#include "TextCodec.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <future>
#include <thread>
#include <utility>

using namespace orbulon;

namespace {

const Strings Shipped = {"01200Orbulon", "00900Rosie Red", "00600Bluebell", "00400Goldie", "00200Fern"};
const Strings AnnAlone = {"00005Ann", "00000", "00000", "00000", "00000"};
const std::string Prompt = "InputBox [Orbulon!] Please enter your name.     ";
const std::string Announce = "MsgBox [Orbulon!] You got the high score!";
const std::string SaveFailed = "MsgBox [Orbulon!] Sorry, your score could not be saved.     ";
const std::string Unreadable =
    "MsgBox [Orbulon!] Sorry, the high-score table could not be read, so your score was not saved.     ";

// The player, with the wait for another copy's lock in the test's hands: by default one more
// try, then giving up.
struct WaitingPrompts : RecordingPrompts {
    std::function<bool(const std::function<bool()>&)> Wait = [](const auto& TryLock) { return TryLock(); };
    int Waits = 0;
    bool WaitForLock(const std::function<bool()>& TryLock) override { return ++Waits, Wait(TryLock); }
};

class HighScoreStep : public testing::Test {
protected:
    TempFolder Temp;
    fs::path Program = Temp.Path / "bin", User = Temp.Path / "user", Table = Program / TableFile;
    HighScoreRecord Record{Program, User};
    WaitingPrompts Ui;
    std::string PlayerName = "Player 1";

    void SetUp() override { WriteBytes(Table, TableBytes(Shipped)); }
    // One game's end with Answer typed at the prompt; gives the table as it then is on disk.
    Strings Finish(std::int16_t Score, std::string Answer)
    {
        Ui.Answer = std::move(Answer);
        Record.RecordHighScore(Score, PlayerName, Ui);
        return PlainLines(Record.TablePath());
    }
};

using DamagedTable = HighScoreStep;  // the same game's end, when the table cannot be used as it is
using LockWait = HighScoreStep;  // the same game's end, while another copy is saving its own

}  // namespace

TEST_F(HighScoreStep, ANewBestIsAnnouncedBeforeTheTableIsRewritten)
{
    const std::string Before = ReadBytes(Table);
    Ui.WhileOpen = [&] { EXPECT_EQ(ReadBytes(Table), Before); };
    EXPECT_EQ(Finish(17292, "Ann")[0], "17292Ann");
    EXPECT_EQ(Ui.Said, (Strings{Prompt + "(Player 1)", Announce}));
}

TEST_F(HighScoreStep, AScoreEntersBelowItsEquals)
{
    Finish(1200, "007 Bond");
    EXPECT_EQ(Finish(1200, "42"),
              (Strings{"01200Orbulon", "01200007 Bond", "0120042", "00900Rosie Red", "00600Bluebell"}));
    EXPECT_EQ(Ui.Said, (Strings{Prompt + "(Player 1)", Prompt + "(007 Bond)"}));
}

TEST_F(HighScoreStep, TheRewrittenTableKeepsTheOldFilesPermissions)
{
    fs::permissions(Table, fs::perms(0604));  // a packager's table that other players read
    Finish(1000, "Ann");
    EXPECT_EQ(fs::status(Table).permissions(), fs::perms(0604));
}

TEST_F(LockWait, ACopyFinishingDuringAnotherCopysSaveWaitsForItAndBothScoresAreKept)
{
    // The other copy stops inside its save of a new best, holding the lock, until this one has
    // tried the lock and found it taken: however long a save takes, the second copy waits for it.
    // This one beat the table it read before its prompt, but not the one under the lock, so it
    // is not announced.
    std::promise<void> Saving, MayRename;
    std::thread Other([&] {
        HighScoreRecord Slow(Program, User);
        Slow.FileCalls.Rename = [&](const char* From, const char* To) {
            Saving.set_value();
            MayRename.get_future().wait();
            return ::rename(From, To);
        };
        RecordingPrompts SlowUi;  // keeps the offered name
        std::string Name = "Slow";
        Slow.RecordHighScore(2000, Name, SlowUi);
    });
    Saving.get_future().wait();
    const auto LetItFinish = [&] {
        if (Other.joinable())
            MayRename.set_value(), Other.join();
    };
    Ui.Wait = [&](const std::function<bool()>& TryLock) {
        EXPECT_FALSE(TryLock());
        LetItFinish();
        return TryLock();
    };
    Finish(1500, "Me");
    LetItFinish();
    EXPECT_EQ(PlainLines(Table), (Strings{"02000Slow", "01500Me", "01200Orbulon", "00900Rosie Red", "00600Bluebell"}));
    EXPECT_EQ(Ui.Said, (Strings{Prompt + "(Player 1)"}));
}

TEST_F(LockWait, GivingUpTheWaitLeavesTheTableAsItWasAndTellsThePlayer)
{
    const int Holder = ::open((Program / TableLockFile).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    ASSERT_EQ(::flock(Holder, LOCK_EX), 0);  // another copy, in the middle of its save
    EXPECT_EQ(Finish(1000, "Me"), Shipped);
    ::close(Holder);
    EXPECT_EQ(Ui.Waits, 1);
    EXPECT_EQ(Ui.Said.back(), SaveFailed);
    EXPECT_EQ(Record.HighScores[2], 900);  // the window shows the table as it is on disk
}

TEST_F(DamagedTable, AnUnusableTableGivesWayToAWholeOne)
{
    fs::remove(Table);
    EXPECT_EQ(Finish(5, "Ann"), AnnAlone);
    // Lines ended by LF, by a lone CR and by nothing, too few of them, and a one-letter name.
    WriteBytes(Table, ScrambleText("00009B") + "\n" + ScrambleText("00007Cy") + "\r" + ScrambleText("00006Di"));
    EXPECT_EQ(Finish(5, "Ann"), (Strings{"00009B", "00007Cy", "00006Di", "00005Ann", "00000"}));
    // Fields out of range or not numbers, an empty line, a long name, then megabytes of junk.
    WriteBytes(Table,
               TableBytes({"99999Max", "12a45Bob", "", "00001\x1b" + std::string(5000, 'z')}) +
                   std::string(20'000'000, '\x7f'));
    Record.LoadHighScores();
    EXPECT_EQ(Record.HighScores, (decltype(Record.HighScores){0, 32767, 12, 0, 1, 0}));
    EXPECT_EQ(Record.HighNames[2], "Bob");
    EXPECT_EQ(Record.HighNames[4], "?" + std::string(MaxNameLength - 1, 'z'));
    EXPECT_EQ(Finish(5, "Ann").size(), 5u);
    // A folder in its place is left be: the table moves to the player's folder, without complaint.
    fs::remove(Table);
    fs::create_directory(Table);
    EXPECT_EQ(Finish(5, "Ann"), AnnAlone);
    EXPECT_EQ(Record.TablePath(), User / TableFile);
    EXPECT_EQ(Ui.Said.back(), Announce);  // and no complaint after it
}

TEST_F(DamagedTable, AReadOnlyProgramFolderMovesTheTableToThePlayersFolder)
{
    fs::permissions(Program, fs::perms(0555));  // read-only
    RunUnprivileged([&] {
        EXPECT_EQ(Finish(1000, "Ann"),
                  (Strings{"01200Orbulon", "01000Ann", "00900Rosie Red", "00600Bluebell", "00400Goldie"}));
        EXPECT_EQ(Finish(500, "Ann")[4], "00500Ann");
        EXPECT_EQ(PlainLines(Table), Shipped);
        EXPECT_EQ(Ui.Said.size(), 2u);  // two prompts, no complaint
    });
}

TEST_F(DamagedTable, AnUnreadableTableIsLeftInPlaceWithThePlayerTold)
{
    // A disk error after the first bytes: they are no whole table, so it may not be written over.
    Record.FileCalls.Read = [Calls = 0](int Fd, void* Data, std::size_t) mutable -> ssize_t {
        return ++Calls == 1 ? ::read(Fd, Data, 10) : (errno = EIO, -1);
    };
    EXPECT_EQ(Finish(5, "Ann"), Shipped);
    EXPECT_EQ(Ui.Said, (Strings{Prompt + "(Player 1)", Unreadable}));
    Record.FileCalls = TableFileCalls::System();
    Ui.Said.clear();
    // Writable but not readable, by the owner and by the unprivileged user alike.
    fs::permissions(Program, fs::perms::all);
    fs::permissions(Table, fs::perms::owner_write | fs::perms::others_write);
    RunUnprivileged([&] {
        Record.RecordHighScore(5, PlayerName, Ui);
        EXPECT_EQ(Ui.Said, (Strings{Prompt + "(Ann)", Unreadable}));
        EXPECT_FALSE(fs::exists(User / TableFile));  // no new table hides the old one
    });
    fs::permissions(Table, fs::perms::owner_read);
    EXPECT_EQ(PlainLines(Table), Shipped);
}

TEST_F(DamagedTable, ASaveFailingAtAnyStepKeepsTheOldTable)
{
    // Figure guarded: the table's bytes before and after a save that fails at one step, with
    // no temporary file left. The new best is announced before the table is rewritten; the
    // failure is told once, after it.
    const auto Fail = [](int Code) { return [Code](auto...) { return errno = Code, -1; }; };
    const std::function<void(TableFileCalls&)> Faults[] = {
        [](TableFileCalls& Calls) {  // half the table goes down, then the disk is full
            Calls.Write = [Once = true](int Fd, const void* Data, std::size_t Size) mutable -> ssize_t {
                return std::exchange(Once, false) ? ::write(Fd, Data, Size / 2) : (errno = ENOSPC, -1);
            };
        },
        [&](TableFileCalls& Calls) { Calls.Sync = Fail(EIO); },
        // As a network disk reports a lost write.
        [](TableFileCalls& Calls) { Calls.Close = [](int Fd) { return ::close(Fd), errno = EIO, -1; }; },
        [&](TableFileCalls& Calls) { Calls.Rename = Fail(EIO); },
        // Refused beside the program, and so in the player's folder too.
        [&](TableFileCalls& Calls) { Calls.Rename = Fail(EACCES); },
    };
    const std::string Before = ReadBytes(Table);
    for (std::size_t Step = 1; const auto& Fault : Faults) {
        SCOPED_TRACE(Step);
        Record = HighScoreRecord(Program, User);
        Fault(Record.FileCalls);
        Ui.Said.clear();
        Record.RecordHighScore(2000, PlayerName, Ui);
        EXPECT_EQ(Ui.Said, (Strings{Prompt + "(Player 1)", Announce, SaveFailed}));
        EXPECT_EQ(ReadBytes(Table), Before);
        EXPECT_EQ(std::distance(fs::directory_iterator(Program), fs::directory_iterator()), 2);
        // Only a refusal sends the table to the player's folder: a full disk or a disk error
        // would then hide the old table for good over a passing fault.
        EXPECT_EQ(fs::exists(User), Step++ == std::size(Faults));
        EXPECT_FALSE(fs::exists(User / TableFile));
    }
}

TEST_F(DamagedTable, NoLinkOrPipeBesideTheProgramHoldsUpTheSave)
{
    // Figures guarded: the step ends within 2 s, the score is kept, a link's target keeps its
    // bytes, and a killed save's temporary file is swept away.
    const fs::path Victim = Temp.Path / "player's letter";
    WriteBytes(Victim, TableBytes(Shipped));  // a packager's shared table, or a player's own file
    const std::vector<std::pair<std::string, std::function<void()>>> Cases = {
        {"table linked to another file", [&] { fs::remove(Table), fs::create_symlink(Victim, Table); }},
        {"table is a pipe", [&] { fs::remove(Table), ::mkfifo(Table.c_str(), 0666); }},
        {"a killed save's leftover", [&] { WriteBytes(Program / "Config.cfg.a1B2c3", "half"); }},
    };
    for (const auto& [Case, Arrange] : Cases) {
        fs::remove_all(Program), fs::remove_all(User);
        WriteBytes(Table, TableBytes(Shipped));
        Arrange();
        const bool Linked = fs::is_symlink(fs::symlink_status(Table));
        SCOPED_TRACE(Case);
        Record = HighScoreRecord(Program, User);
        const auto Start = std::chrono::steady_clock::now();
        EXPECT_EQ(std::ranges::count(Finish(1000, "Ann"), "01000Ann"), 1);
        EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(2));
        EXPECT_EQ(ReadBytes(Victim), TableBytes(Shipped));
        EXPECT_EQ(fs::is_symlink(fs::symlink_status(Table)), Linked);  // a packager's link stays
        EXPECT_FALSE(fs::exists(Program / "Config.cfg.a1B2c3"));
    }
}
