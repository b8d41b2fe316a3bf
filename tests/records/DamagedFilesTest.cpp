// Damaged, missing and unwritable tables: the game runs on and no stored score is lost.
#include "DataFiles.h"
#include "HighScoreRecord.h"
#include "HighScoreTable.h"
#include "RecordsTestSupport.h"
#include "TextCodec.h"

#include <algorithm>
#include <random>

using namespace orbulon;

namespace {

const std::string SaveFailed = "MsgBox [Orbulon!] Sorry, your score could not be saved.     ";

class DamagedTable : public testing::Test {
protected:
    TempFolder Temp;
    fs::path Program = Temp.Path / "bin";
    fs::path User = Temp.Path / "user";
    FakeDialogs Ui;
    std::string PlayerName = "Ann";

    void SetUp() override { fs::create_directories(Program); }
    std::vector<std::string> Finish(std::int16_t Score, const fs::path& UserFolder)
    {
        HighScoreRecord Record(Program, UserFolder);
        Record.RecordHighScore(Score, PlayerName, Ui);
        return PlainLines(Record.TablePath());
    }
};

const std::vector<std::string> AnnAlone = {"00005Ann", "00000", "00000", "00000", "00000"};

} // namespace

TEST_F(DamagedTable, MissingOrShortFileReadsAsZerosAndTheNextScoreWritesFiveLines)
{
    HighScoreRecord Record(Program, User);
    Record.LoadHighScores();
    EXPECT_EQ(Record.HighScores, (std::array<std::int16_t, 6>{}));
    EXPECT_EQ(Finish(5, User), AnnAlone);

    WriteBytes(Program / "Config.cfg", TableBytes({"00009Bo"}) + "\xff\xfe");  // a broken line 2, then nothing
    EXPECT_EQ(Finish(5, User), (std::vector<std::string>{"00009Bo", "00005Ann", "00000", "00000", "00000"}));
}

TEST_F(DamagedTable, JunkHugeAndOutOfRangeFieldsReadSensibly)
{
    WriteBytes(Program / "Config.cfg",
               TableBytes({"99999Max", "12a45Bob", "", std::string("00001") + '\x1b' + std::string(5000, 'z')}) +
                   std::string(20'000'000, '\x7f'));
    HighScoreRecord Record(Program, User);
    Record.LoadHighScores();
    EXPECT_EQ(Record.HighScores, (std::array<std::int16_t, 6>{0, 32767, 12, 0, 1, 0}));
    EXPECT_EQ(Record.HighNames[2], "Bob");
    EXPECT_EQ(Record.HighNames[4], "?" + std::string(MaxNameLength - 1, 'z'));
    EXPECT_EQ(Finish(5, User).size(), 5u);
    EXPECT_LT(fs::file_size(Program / "Config.cfg"), 400u);
}

TEST_F(DamagedTable, FolderInPlaceOfTheTableMovesItToThePlayersFolder)
{
    fs::create_directory(Program / "Config.cfg");
    EXPECT_EQ(Finish(5, User), AnnAlone);
    EXPECT_EQ(HighScoreRecord(Program, User).TablePath(), User / "Config.cfg");
    EXPECT_TRUE(fs::is_directory(Program / "Config.cfg"));
    EXPECT_EQ(Ui.Calls.size(), 2u);  // prompt and announcement, no complaint
}

TEST_F(DamagedTable, ReadOnlyProgramFolderSeedsThePlayersTableAndUsesItFromThenOn)
{
    WriteBytes(Program / "Config.cfg", TableBytes({"00300Ship", "00100Yard"}));
    const std::string Shipped = ReadBytes(Program / "Config.cfg");
    fs::permissions(Program, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    RunUnprivileged([&] {
        EXPECT_EQ(Finish(200, User), (std::vector<std::string>{"00300Ship", "00200Ann", "00100Yard", "00000", "00000"}));
        EXPECT_EQ(Finish(5, User)[3], "00005Ann");
        EXPECT_EQ(ReadBytes(Program / "Config.cfg"), Shipped);
        EXPECT_EQ(Ui.Calls.size(), 2u);
    });
}

TEST_F(DamagedTable, UnreadableTableIsNeverWrittenOver)
{
    WriteBytes(Program / "Config.cfg", TableBytes({"00300Ship"}));
    // Writable but not readable, by the owner and by the unprivileged user alike.
    fs::permissions(Program, fs::perms::all);
    fs::permissions(Program / "Config.cfg", fs::perms::owner_write | fs::perms::others_write);
    RunUnprivileged([&] { EXPECT_EQ(Finish(5, User), AnnAlone); });
    fs::permissions(Program / "Config.cfg", fs::perms::owner_read);
    EXPECT_EQ(PlainLines(Program / "Config.cfg"), std::vector<std::string>{"00300Ship"});
}

TEST_F(DamagedTable, FailedWriteKeepsTheOldTableAndTellsThePlayerOnce)
{
    WriteBytes(Program / "Config.cfg", TableBytes({"00300Ship"}));
    const std::string Before = ReadBytes(Program / "Config.cfg");
    WriteBytes(Temp.Path / "file", "");
    fs::permissions(Program, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    RunUnprivileged([&] {
        HighScoreRecord Record(Program, Temp.Path / "file" / "user");  // no folder can be made there
        Record.RecordHighScore(400, PlayerName, Ui);
        EXPECT_EQ(Ui.Calls.back(), SaveFailed);
        EXPECT_EQ(std::count(Ui.Calls.begin(), Ui.Calls.end(), SaveFailed), 1);
        EXPECT_EQ(Record.HighScores[1], 300);
        EXPECT_EQ(ReadBytes(Program / "Config.cfg"), Before);
    });
}

TEST(DamagedTableSoak, ThousandsOfRandomAndMutatedFilesLoadSafely)
{
    std::mt19937 Random(1998);
    const std::string Good = TableBytes({"17292Ann", "01000Bo\xe9", "00042", "00007Cy", "00001Dee"});
    TempFolder Temp;
    for (int Round = 0; Round < 5000; ++Round) {
        std::string Bytes = Good;
        if (Round % 2 == 0) {
            Bytes.resize(Random() % 400);
            for (char& c : Bytes)
                c = static_cast<char>(Random());
        } else {
            for (int Flip = Random() % 8; Flip >= 0; --Flip) {
                const std::size_t At = Random() % Bytes.size();
                if (Random() % 3 == 0)
                    Bytes.insert(At, 1, "\r\n"[Random() % 2]);
                else
                    Bytes[At] = static_cast<char>(Random());
            }
        }
        const HighScoreTable Table = ParseHighScoreTable(Bytes);
        for (int Rank = 1; Rank <= TableRanks; ++Rank) {
            ASSERT_GE(Table.Scores[Rank], 0);
            ASSERT_EQ(StoredName(Table.Names[Rank]), Table.Names[Rank]);
        }
        // What is read is what would be written back.
        const std::string Written = FormatHighScoreTable(Table);
        ASSERT_EQ(SplitLines(Written, 10).size(), 5u);
        ASSERT_EQ(FormatHighScoreTable(ParseHighScoreTable(Written)), Written);
        if (Round % 25 == 0) {  // and now and then through the whole step, on disk
            WriteBytes(Temp.Path / "Config.cfg", Bytes);
            FakeDialogs Ui;
            std::string Name = "Eve";
            HighScoreRecord(Temp.Path, Temp.Path / "user").RecordHighScore(static_cast<std::int16_t>(Random() % 20000), Name, Ui);
            if (ReadBytes(Temp.Path / "Config.cfg") != Bytes) {
                ASSERT_EQ(PlainLines(Temp.Path / "Config.cfg").size(), 5u);
            }
        }
    }
}
