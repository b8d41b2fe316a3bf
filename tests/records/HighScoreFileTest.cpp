// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score step at a game's end, on real files in a scratch folder: the table it
// writes, and how it copes with damaged, missing and unwritable tables without losing a score.
#include "HighScoreRecord.h"
#include "HighScoreTable.h"
#include "RecordsTestSupport.h"
#include "TextCodec.h"

#include <QLockFile>

#include <chrono>
#include <random>
#include <thread>

using namespace orbulon;

namespace {

using Scores = std::array<std::int16_t, 6>;
const Strings Shipped = {"01200Orbulon", "00900Rosie Red", "00600Bluebell", "00400Goldie", "00200Fern"};
const Strings AnnAlone = {"00005Ann", "00000", "00000", "00000", "00000"};
const std::string Prompt = "InputBox [Orbulon!] Please enter your name.     ";
const std::string Announce = "MsgBox [Orbulon!] You got the high score!";
const auto ReadOnlyFolder =
    fs::perms::all & ~(fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write);
const std::string SaveFailed = "MsgBox [Orbulon!] Sorry, your score could not be saved.     ";

class HighScoreStep : public testing::Test {
protected:
    TempFolder Temp;
    fs::path Program = Temp.Path / "bin", User = Temp.Path / "user", Table = Program / "Config.cfg";
    HighScoreRecord Record{Program, User};
    RecordingPrompts Ui;
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

}  // namespace

TEST_F(HighScoreStep, NewBestIsAnnouncedBeforeTheFileChangesAndEqualScoresEnterBelowQuietly)
{
    const std::string Before = ReadBytes(Table);
    Ui.WhileOpen = [&] { EXPECT_EQ(ReadBytes(Table), Before); };
    Finish(17292, "Ann");
    EXPECT_EQ(Ui.Said, (Strings{Prompt + "(Player 1)", Announce}));
    Ui = {};
    Finish(1200, "007 Bond");
    EXPECT_EQ(Finish(1200, "42"), (Strings{"17292Ann", "01200Orbulon", "01200007 Bond", "0120042", "00900Rosie Red"}));
    EXPECT_EQ(Ui.Said, (Strings{Prompt + "(Ann)", Prompt + "(007 Bond)"}));
    // Names starting with digits read back whole: the score is always five characters.
    Record.LoadHighScores();
    EXPECT_EQ(Record.HighScores, (Scores{0, 17292, 1200, 1200, 1200, 900}));
    EXPECT_EQ(Record.HighNames[3], "007 Bond");
    EXPECT_EQ(Record.HighNames[4], "42");
}

TEST_F(HighScoreStep, CancelledPromptRecordsAnEmptyNameAndAScoreThatEntersNowhereTouchesNothing)
{
    EXPECT_EQ(Finish(700, "")[2], "00700");
    // Any rewrite would drop this tail, so the bytes show whether the file was left alone.
    WriteBytes(Table, ReadBytes(Table) + "hand-edited tail");
    const std::string Before = ReadBytes(Table);
    Record.RecordHighScore(400, PlayerName, Ui);  // ties rank 5
    EXPECT_EQ(Ui.Said.back(), Prompt + "()");  // the empty name is the default; no box follows
    EXPECT_EQ(ReadBytes(Table), Before);
}

TEST_F(HighScoreStep, TwoCopiesFinishingTogetherBothKeepTheirScores)
{
    // The other copy finishes while this one's name prompt is open.
    HighScoreRecord Other(Program, User);
    RecordingPrompts OtherUi;
    std::string OtherName = "Other";
    Ui.WhileOpen = [&] { Other.RecordHighScore(800, OtherName, OtherUi); };
    EXPECT_EQ(Finish(1000, "Me"),
              (Strings{"01200Orbulon", "01000Me", "00900Rosie Red", "00800Other", "00600Bluebell"}));
}

TEST_F(HighScoreStep, WaitsForAnotherCopyHoldingTheLockThenPlacesInItsTable)
{
    QLockFile Lock(QString::fromStdString((Program / "Config.cfg.lock").string()));
    ASSERT_TRUE(Lock.tryLock(0));
    std::thread Game([&] { Finish(1000, "Me"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    WriteBytes(Table, TableBytes({"05000Other", "00003Low"}));  // written by the lock's holder
    Lock.unlock();
    Game.join();
    EXPECT_EQ(PlainLines(Table), (Strings{"05000Other", "01000Me", "00003Low", "00000", "00000"}));
}

TEST_F(DamagedTable, MissingShortJunkOrHugeFilesOrAFolderReadSensiblyAndTheNextScoreWritesFiveLines)
{
    fs::remove(Table);
    EXPECT_EQ(Finish(5, "Ann"), AnnAlone);
    WriteBytes(Table, TableBytes({"00009Bo"}) + "\xff\xfe");  // a broken line 2, then nothing
    EXPECT_EQ(Finish(5, "Ann"), (Strings{"00009Bo", "00005Ann", "00000", "00000", "00000"}));
    // Fields out of range or not numbers, an empty line, a long name, then megabytes of junk.
    WriteBytes(Table,
               TableBytes({"99999Max", "12a45Bob", "", "00001\x1b" + std::string(5000, 'z')}) +
                   std::string(20'000'000, '\x7f'));
    Record.LoadHighScores();
    EXPECT_EQ(Record.HighScores, (Scores{0, 32767, 12, 0, 1, 0}));
    EXPECT_EQ(Record.HighNames[2], "Bob");
    EXPECT_EQ(Record.HighNames[4], "?" + std::string(MaxNameLength - 1, 'z'));
    EXPECT_EQ(Finish(5, "Ann").size(), 5u);
    EXPECT_LT(fs::file_size(Table), 400u);
    // A folder in its place is left be: the table moves to the player's folder, without complaint.
    fs::remove(Table);
    fs::create_directory(Table);
    Ui.Said.clear();
    EXPECT_EQ(Finish(5, "Ann"), AnnAlone);
    EXPECT_EQ(Record.TablePath(), User / "Config.cfg");
    EXPECT_EQ(Ui.Said.size(), 2u);  // prompt and announcement
}

TEST_F(DamagedTable, ReadOnlyProgramFolderSeedsThePlayersTableAndUsesItFromThenOn)
{
    fs::permissions(Program, ReadOnlyFolder);
    RunUnprivileged([&] {
        EXPECT_EQ(Finish(1000, "Ann"),
                  (Strings{"01200Orbulon", "01000Ann", "00900Rosie Red", "00600Bluebell", "00400Goldie"}));
        EXPECT_EQ(Finish(500, "Ann")[4], "00500Ann");
        EXPECT_EQ(PlainLines(Table), Shipped);
        EXPECT_EQ(Ui.Said.size(), 2u);  // two prompts, no complaint
    });
}

TEST_F(DamagedTable, UnreadableTableIsNeverWrittenOver)
{
    // Writable but not readable, by the owner and by the unprivileged user alike.
    fs::permissions(Program, fs::perms::all);
    fs::permissions(Table, fs::perms::owner_write | fs::perms::others_write);
    RunUnprivileged([&] { EXPECT_EQ(Finish(5, "Ann"), AnnAlone); });
    fs::permissions(Table, fs::perms::owner_read);
    EXPECT_EQ(PlainLines(Table), Shipped);
}

TEST_F(DamagedTable, FailedWriteKeepsTheOldTableAndTellsThePlayerOnce)
{
    WriteBytes(Temp.Path / "file", "");
    fs::permissions(Program, ReadOnlyFolder);
    RunUnprivileged([&] {
        HighScoreRecord Stuck(Program, Temp.Path / "file" / "user");  // no folder can be made there
        Stuck.RecordHighScore(2000, PlayerName, Ui);
        EXPECT_EQ(Ui.Said, (Strings{Prompt + "(Player 1)", Announce, SaveFailed}));
        EXPECT_EQ(Stuck.HighScores[1], 1200);
        EXPECT_EQ(PlainLines(Table), Shipped);
    });
}

TEST_F(DamagedTable, ThousandsOfRandomAndMutatedFilesLoadSafely)
{
    std::mt19937 Random(1998);
    const std::string Good = TableBytes({"17292Ann", "01000Bo\xe9", "00042", "00007Cy", "00001Dee"});
    for (int Round = 0; Round < 5000; ++Round) {
        // Every other file is pure noise; the rest are the good table with a few bytes changed,
        // some of them to line breaks.
        std::string Bytes = Round % 2 ? Good : std::string(Random() % 400, '\0');
        for (char& c : Bytes)
            if (Round % 2 == 0 || Random() % 30 == 0)
                c = Random() % 4 ? static_cast<char>(Random()) : "\r\n"[Random() % 2];
        // Whatever is read is written back as a table that reads the same again.
        const HighScoreTable Read = ParseHighScoreTable(Bytes);
        const HighScoreTable Again = ParseHighScoreTable(FormatHighScoreTable(Read));
        ASSERT_TRUE(Again.Scores == Read.Scores && Again.Names == Read.Names) << Round;
        if (Round % 25 == 0) {  // and now and then through the whole step, on disk
            WriteBytes(Table, Bytes);
            Record.RecordHighScore(static_cast<std::int16_t>(Random() % 20000), PlayerName, Ui);
            ASSERT_TRUE(ReadBytes(Table) == Bytes || PlainLines(Table).size() == 5u);
        }
    }
}
