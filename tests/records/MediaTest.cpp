// SPDX-License-Identifier: GPL-3.0-or-later
// The media our generator puts beside the program decode as the game will read them, and
// the marquee line is read from any "String.cfg".
#include "DataFiles.h"
#include "HighScoreTable.h"
#include "RecordsTestSupport.h"

#include <QImage>
#include <QImageReader>

#include <algorithm>

using namespace orbulon;

const fs::path Bin = ORBULON_TEST_BIN_DIR;
static QString In(const char* File) { return QString::fromStdString((Bin / File).string()); }

TEST(GeneratedMedia, CellsAreBallsOfClearlyDifferentLightnessOnGreyAndTheIconARedDisc)
{
    std::vector<int> Lightness;  // over the middle of each cell, for players who cannot go by hue
    for (const char* File :
         {"Blank.bmp", "PurpleBall.bmp", "BlueBall.bmp", "YellowBall.bmp", "GreenBall.bmp", "RedBall.bmp"}) {
        const QImage Cell(In(File));
        ASSERT_EQ(Cell.size(), QSize(20, 20)) << File;
        EXPECT_EQ(Cell.pixel(0, 0), qRgb(64, 64, 64)) << File;  // the corners show the board
        Lightness.push_back(0);
        for (int i = 0; i < 100; ++i)
            Lightness.back() += qGray(Cell.pixel(5 + i % 10, 5 + i / 10));
    }
    EXPECT_EQ(Lightness[0], 100 * 64);  // the blank cell is the board all over
    std::sort(Lightness.begin() + 1, Lightness.end());
    for (std::size_t i = 2; i < Lightness.size(); ++i)
        EXPECT_GT(Lightness[i] - Lightness[i - 1], 100 * 10) << "between two balls";
    QImageReader Icon(In("Orbulon.ico"));
    for (const int Size : {16, 32}) {
        ASSERT_TRUE(Icon.jumpToImage(Size / 32));
        const QImage Image = Icon.read();
        ASSERT_EQ(Image.width(), Size);
        EXPECT_EQ(Image.pixel(Size / 2, Size / 2), qRgb(255, 0, 0));
        EXPECT_EQ(Image.pixel(0, 0), qRgb(0, 0, 0));
    }
}

TEST(GeneratedMedia, DesktopIconsAreRedBallsOnTransparentSquaresAtEveryThemeSize)
{
    TempFolder Temp;
    const std::string Command = std::string(ORBULON_TEST_MEDIAGEN) + " icons " + Temp.Path.string() + " game.id";
    ASSERT_EQ(std::system(Command.c_str()), 0);
    for (const int Size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const std::string Name = std::to_string(Size) + "x" + std::to_string(Size) + "/apps/game.id.png";
        const QImage Icon(QString::fromStdString((Temp.Path / Name).string()));
        ASSERT_EQ(Icon.size(), QSize(Size, Size)) << Name;
        EXPECT_EQ(qAlpha(Icon.pixel(0, 0)), 0) << Name;
        const QRgb Middle = Icon.pixel(Size / 2, Size * 2 / 3);  // below the highlight
        EXPECT_EQ(qAlpha(Middle), 255) << Name;
        EXPECT_GT(qRed(Middle), 2 * qGreen(Middle)) << Name;
    }
    const std::string Svg = ReadBytes(Temp.Path / "scalable/apps/game.id.svg");
    EXPECT_NE(Svg.find("<svg"), std::string::npos);
    EXPECT_NE(Svg.find("#d4201a"), std::string::npos) << "the red of the board's red ball";
}

TEST(GeneratedMedia, SoundsAreShortMonoWaves)
{
    for (const char* File : {"Click.wav", "Clear.wav"}) {
        const std::string Bytes = ReadBytes(Bin / File);
        EXPECT_EQ(Bytes.substr(0, 4) + Bytes.substr(8, 8), "RIFFWAVEfmt ") << File;
        EXPECT_EQ(Bytes.substr(20, 8), std::string("\x01\x00\x01\x00\x44\xac\x00\x00", 8));  // PCM, mono, 44100 Hz
        EXPECT_TRUE(Bytes.size() > 44 + 2 * 441 && Bytes.size() < 44 + 2 * 6615) << File << " lasts 10 to 150 ms";
    }
}

TEST(MarqueeFile, ShippedLineIsPrintableAndOnlyTheFirstLineOfAnyFileIsShown)
{
    const std::string Shipped = ReadMarqueeText(Bin);
    EXPECT_EQ(ReadBytes(Bin / "String.cfg"), ScrambleText(Shipped) + "\r\n");
    EXPECT_GT(Shipped.size(), 8u);
    EXPECT_TRUE(std::all_of(Shipped.begin(), Shipped.end(), [](char c) { return c >= 32 && c < 127; })) << Shipped;
    for (const char* Bytes : {"one\r\ntwo", "one\ntwo", "one\rtwo", "one"})
        EXPECT_EQ(FirstLine(Bytes), "one");
    TempFolder Folder;
    EXPECT_EQ(ReadMarqueeText(Folder.Path), "");
    WriteBytes(Folder.Path / "String.cfg", std::string(1'000'000, 'q'));
    EXPECT_EQ(ReadMarqueeText(Folder.Path).size(), MaxLineLength);
}

TEST(GeneratedMedia, ShippedTableIsWrittenOnlyWhereNoneExists)
{
    TempFolder Temp;
    const std::string Command = std::string(ORBULON_TEST_MEDIAGEN) + " table " + Temp.Path.string();
    ASSERT_EQ(std::system(Command.c_str()), 0);
    const auto Shipped = PlainLines(Temp.Path / "Config.cfg");
    ASSERT_EQ(Shipped.size(), 5u);
    EXPECT_GT(ScoreField(Shipped[0]), ScoreField(Shipped[4]));
    WriteBytes(Temp.Path / "Config.cfg", TableBytes({"09999Player"}));
    ASSERT_EQ(std::system(Command.c_str()), 0);
    EXPECT_EQ(PlainLines(Temp.Path / "Config.cfg"), Strings{"09999Player"});
}
