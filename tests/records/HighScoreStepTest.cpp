// The high-score step at a game's end, on real files in a scratch folder.
#include "HighScoreRecord.h"
#include "HighScoreTable.h"
#include "RecordsTestSupport.h"

#include <QLockFile>

#include <chrono>
#include <thread>

using namespace orbulon;

namespace {

const std::vector<std::string> Shipped = {"01200Orbulon", "00900Rosie Red", "00600Bluebell", "00400Goldie",
                                          "00200Fern"};
const std::string Prompt = "InputBox [Orbulon!] Please enter your name.     ";
const std::string Announce = "MsgBox [Orbulon!] You got the high score!";

class HighScoreStep : public testing::Test {
protected:
    TempFolder Temp;
    fs::path Program = Temp.Path / "bin";
    fs::path User = Temp.Path / "user";
    fs::path Table = Program / "Config.cfg";
    HighScoreRecord Record{Program, User};
    FakeDialogs Ui;
    std::string PlayerName = "Player 1";

    void SetUp() override { WriteBytes(Table, TableBytes(Shipped)); }
    void Finish(std::int16_t Score, std::string Answer)
    {
        Ui.Answers = {std::move(Answer)};
        Record.RecordHighScore(Score, PlayerName, Ui);
    }
};

} // namespace

TEST_F(HighScoreStep, NewBestIsAnnouncedBeforeTheFileChangesAndPushesRankFiveOut)
{
    const std::string Before = ReadBytes(Table);
    Ui.WhileMessageOpen = [&] { EXPECT_EQ(ReadBytes(Table), Before); };
    Finish(17292, "Ann");
    EXPECT_EQ(Ui.Calls, (std::vector<std::string>{Prompt + "(Player 1)", Announce}));
    EXPECT_EQ(PlainLines(Table), (std::vector<std::string>{"17292Ann", "01200Orbulon", "00900Rosie Red",
                                                           "00600Bluebell", "00400Goldie"}));
    EXPECT_EQ(Record.HighScores[1], 17292);
    EXPECT_EQ(Record.HighNames[2], "Orbulon");
}

TEST_F(HighScoreStep, TiesGoBelowAndLowerRanksAreNotAnnounced)
{
    Finish(1200, "Bo");
    Finish(7, "Cy");
    EXPECT_EQ(Ui.Calls, (std::vector<std::string>{Prompt + "(Player 1)", Prompt + "(Bo)"}));
    EXPECT_EQ(PlainLines(Table), (std::vector<std::string>{"01200Orbulon", "01200Bo", "00900Rosie Red",
                                                           "00600Bluebell", "00400Goldie"}));
}

TEST_F(HighScoreStep, AScoreThatEntersNowhereLeavesTheFileUntouched)
{
    struct stat Old {};
    ::stat(Table.c_str(), &Old);
    const std::string Before = ReadBytes(Table);
    Finish(200, "Dee");  // equal to rank 5
    EXPECT_EQ(PlayerName, "Dee");
    EXPECT_EQ(Ui.Calls.size(), 1u);
    EXPECT_EQ(ReadBytes(Table), Before);
    struct stat Now {};
    ::stat(Table.c_str(), &Now);
    EXPECT_EQ(Now.st_ino, Old.st_ino) << "the file was replaced, not left alone";
}

TEST_F(HighScoreStep, CancelledPromptRecordsAnEmptyNameThatBecomesTheNextDefault)
{
    Finish(700, "");
    EXPECT_EQ(PlainLines(Table)[2], "00700");
    Record.RecordHighScore(1, PlayerName, Ui);
    EXPECT_EQ(Ui.Calls.back(), Prompt + "()");
}

TEST_F(HighScoreStep, SameScoreTwiceEntersTwiceAndDigitNamesReadBackWhole)
{
    Finish(1000, "007 Bond");
    Finish(1000, "42");
    Record.LoadHighScores();
    EXPECT_EQ(Record.HighScores, (std::array<std::int16_t, 6>{0, 1200, 1000, 1000, 900, 600}));
    EXPECT_EQ(Record.HighNames[2], "007 Bond");
    EXPECT_EQ(Record.HighNames[3], "42");
    EXPECT_EQ(PlainLines(Table)[1], "01000007 Bond");
}

TEST_F(HighScoreStep, TwoCopiesFinishingTogetherBothKeepTheirScores)
{
    // The other copy finishes while this one's name prompt is open.
    HighScoreRecord Other(Program, User);
    FakeDialogs OtherUi;
    OtherUi.Answers = {"Other"};
    std::string OtherName;
    Ui.WhilePromptOpen = [&] { Other.RecordHighScore(800, OtherName, OtherUi); };
    Finish(1000, "Me");
    EXPECT_EQ(PlainLines(Table), (std::vector<std::string>{"01200Orbulon", "01000Me", "00900Rosie Red",
                                                           "00800Other", "00600Bluebell"}));
}

TEST_F(HighScoreStep, WaitsForAnotherCopyHoldingTheLockThenPlacesInItsTable)
{
    QLockFile Lock(QString::fromStdString((Program / "Config.cfg.lock").string()));
    ASSERT_TRUE(Lock.tryLock(0));
    std::thread Game([&] { Finish(1000, "Me"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // The other copy writes its table while this one waits for the lock.
    WriteBytes(Table, TableBytes({"05000Other", "00003Low"}));
    Lock.unlock();
    Game.join();
    EXPECT_EQ(PlainLines(Table), (std::vector<std::string>{"05000Other", "01000Me", "00003Low", "00000", "00000"}));
}
