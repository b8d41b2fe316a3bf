// SPDX-License-Identifier: GPL-3.0-or-later
// The media our generator puts beside the program decode as the game will read them, and
// the marquee line is read from any "String.cfg".
#include "DataFiles.h"
#include "GameFiles.h"
#include "HighScoreTable.h"
#include "MediaFile.h"
#include "RecordsTestSupport.h"

#include <algorithm>

using namespace orbulon;

const fs::path Bin = ORBULON_TEST_BIN_DIR;

// The cell bitmaps and how they look are ball_looks.py's to measure, at every scale.
// The icons' looks are the package test's to pin, where it finds them installed.
TEST(GeneratedMedia, TheCuesArePlayableAndShort)
{
    for (const std::string_view File : {ClickWaveFile, ClearWaveFile}) {
        const auto Sound = ParseWave(QByteArray::fromStdString(ReadBytes(Bin / File)));
        ASSERT_TRUE(Sound) << File;
        const double Ms = 1000.0 * double(Sound->Samples.size()) / (Sound->Rate * Sound->Channels * Sound->Bits / 8);
        EXPECT_TRUE(Ms >= 10 && Ms <= 150) << File << " lasts " << Ms << " ms";
    }
}

// How any "String.cfg" is cut to its first line is the marquee fuzz target's to pin: ctest
// replays its corpus, every kind of line end and a line longer than the marquee among it.
TEST(GeneratedMedia, ShippedMarqueeLineIsPrintableTextStoredScrambled)
{
    const std::string Shipped = ReadMarqueeText(Bin / MarqueeFile);
    EXPECT_EQ(ReadBytes(Bin / MarqueeFile), ScrambleText(Shipped) + "\r\n");
    EXPECT_TRUE(Shipped.size() > 8 && std::ranges::all_of(Shipped, [](char c) { return c >= 32 && c < 127; }))
        << Shipped;
}

TEST(MarqueeFile, AMissingFileLeavesTheMarqueeBlank) { EXPECT_EQ(ReadMarqueeText(Bin / "no such file"), ""); }

TEST(GeneratedMedia, ShippedTableIsWrittenOnlyWhereNoneExists)
{
    TempFolder Temp;
    const std::string Command = std::string(ORBULON_TEST_MEDIAGEN) + " table " + Temp.Path.string();
    ASSERT_EQ(std::system(Command.c_str()), 0);
    const auto Shipped = PlainLines(Temp.Path / TableFile);
    ASSERT_EQ(Shipped.size(), 5u);
    EXPECT_GT(ScoreField(Shipped[0]), ScoreField(Shipped[4]));
    WriteBytes(Temp.Path / TableFile, TableBytes({"09999Player"}));
    ASSERT_EQ(std::system(Command.c_str()), 0);
    EXPECT_EQ(PlainLines(Temp.Path / TableFile), Strings{"09999Player"});
}
