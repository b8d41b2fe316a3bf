// The media our generator puts beside the program decode as the game will read them.
#include "DataFiles.h"
#include "HighScoreTable.h"
#include "RecordsTestSupport.h"

#include <QImage>
#include <QImageReader>

#include <cmath>

using namespace orbulon;

namespace {

const fs::path Bin = ORBULON_TEST_BIN_DIR;

QImage Load(const fs::path& Path, int Index = 0)
{
    QImageReader Reader(QString::fromStdString(Path.string()));
    Reader.jumpToImage(Index);
    return Reader.read();
}

// How light a ball looks (CIE L*, 0 to 100) over the middle of its cell, so that the five
// colours can be told apart by players who cannot tell them by hue.
double PerceivedLightness(const QImage& Ball)
{
    const auto Linear = [](int c) { return c <= 10 ? c / 3294.6 : std::pow((c / 255.0 + 0.055) / 1.055, 2.4); };
    double Y = 0;
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x) {
            const QColor c = Ball.pixelColor(x, y);
            Y += (0.2126 * Linear(c.red()) + 0.7152 * Linear(c.green()) + 0.0722 * Linear(c.blue())) / 100;
        }
    return 116 * std::cbrt(Y) - 16;
}

} // namespace

TEST(GeneratedMedia, CellBitmapsAreDistinctBallsOnTheBlankCellsGrey)
{
    const QRgb Grey = qRgb(64, 64, 64);
    const QImage Blank = Load(Bin / "Blank.bmp");
    ASSERT_EQ(Blank.size(), QSize(20, 20));
    EXPECT_EQ(Blank.pixel(10, 10), Grey);
    std::vector<double> Lightness;
    for (const char* File : {"PurpleBall.bmp", "BlueBall.bmp", "YellowBall.bmp", "GreenBall.bmp", "RedBall.bmp"}) {
        const QImage Ball = Load(Bin / File);
        ASSERT_EQ(Ball.size(), QSize(20, 20)) << File;
        EXPECT_EQ(Ball.pixel(0, 0), Grey) << File;  // the corners show the board
        Lightness.push_back(PerceivedLightness(Ball));
    }
    std::sort(Lightness.begin(), Lightness.end());
    for (std::size_t i = 1; i < Lightness.size(); ++i)
        EXPECT_GT(Lightness[i] - Lightness[i - 1], 8) << "between the " << i << "th and the next darker";
}

TEST(GeneratedMedia, IconHoldsARedDiscAtBothSizes)
{
    for (const int Index : {0, 1}) {
        const QImage Icon = Load(Bin / "Orbulon.ico", Index);
        const int Size = Icon.width();
        ASSERT_TRUE(Size == 16 || Size == 32);
        EXPECT_EQ(Icon.pixel(Size / 2, Size / 2), qRgb(255, 0, 0));
        EXPECT_EQ(Icon.pixel(0, 0), qRgb(0, 0, 0));
    }
}

TEST(GeneratedMedia, SoundsAreShortMono16BitWaves)
{
    for (const char* File : {"Click.wav", "Clear.wav"}) {
        const std::string Bytes = ReadBytes(Bin / File);
        EXPECT_EQ(Bytes.substr(0, 4) + Bytes.substr(8, 8), "RIFFWAVEfmt ");
        EXPECT_EQ(Bytes.substr(20, 4), std::string("\x01\x00\x01\x00", 4));  // PCM, mono
        EXPECT_EQ(Bytes.substr(24, 4), std::string("\x44\xac\x00\x00", 4));  // 44100 Hz
        EXPECT_TRUE(Bytes.size() > 44 + 2 * 441 && Bytes.size() < 44 + 2 * 6615) << File << " lasts 10 to 150 ms";
    }
}

TEST(GeneratedMedia, MarqueeIsOnePrintableLine)
{
    const std::string Bytes = ReadBytes(Bin / "String.cfg");
    ASSERT_EQ(Bytes.find("\r\n"), Bytes.size() - 2);
    const std::string Text = ReadMarqueeText(Bin);
    EXPECT_GT(Text.size(), 8u);
    EXPECT_TRUE(std::all_of(Text.begin(), Text.end(), [](char c) { return c >= 32 && c < 127; })) << Text;
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
    EXPECT_EQ(PlainLines(Temp.Path / "Config.cfg"), std::vector<std::string>{"09999Player"});
}
