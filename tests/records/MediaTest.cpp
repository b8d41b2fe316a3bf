// SPDX-License-Identifier: GPL-3.0-or-later
// The media our generator puts beside the program decode as the game will read them, and
// the marquee line is read from any "String.cfg".
#include "BoardLayout.h"
#include "DataFiles.h"
#include "GameFiles.h"
#include "HighScoreTable.h"
#include "MediaFile.h"
#include "RecordsTestSupport.h"
#include "modGeneral.h"

#include <QImage>

#include <lcms2.h>

#include <algorithm>
#include <cmath>

using namespace orbulon;

const fs::path Bin = ORBULON_TEST_BIN_DIR;

namespace {

using Colour = std::array<double, 3>;  // R, G, B: stored 0..255, or linear light 0..1

Colour Stored(QRgb p) { return {1.0 * qRed(p), 1.0 * qGreen(p), 1.0 * qBlue(p)}; }
Colour ToLinear(Colour c)
{
    for (double& v : c)
        v = v <= 10.31475 ? v / 255 / 12.92 : std::pow((v / 255 + 0.055) / 1.055, 2.4);
    return c;
}
double Luminance(const Colour& c) { return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]; }

// CIEDE2000 between two colours in linear light, by way of CIELAB under D65, as Little CMS
// (the colour engine of the free desktop) works them out.
double DeltaE2000(const Colour& a, const Colour& b)
{
    static const cmsCIEXYZ D65{0.95047, 1.0, 1.08883};
    const auto Lab = [](const Colour& c) {
        const cmsCIEXYZ XYZ{0.4124 * c[0] + 0.3576 * c[1] + 0.1805 * c[2], Luminance(c),
                            0.0193 * c[0] + 0.1192 * c[1] + 0.9505 * c[2]};
        cmsCIELab Out;
        cmsXYZ2Lab(&D65, &Out, &XYZ);
        return Out;
    };
    const cmsCIELab A = Lab(a), B = Lab(b);
    return cmsCIE2000DeltaE(&A, &B, 1, 1, 1);
}

// How a colour looks to players who see no hue (its luminance as grey), and to those without
// red, green or blue cones: the severity 1.0 matrices of Machado, Oliveira and Fernandes
// (2009), applied in linear light.
using Matrix = std::array<double, 9>;  // row by row
const std::pair<const char*, Matrix> Visions[] = {
    {"normal", {1, 0, 0, 0, 1, 0, 0, 0, 1}},
    {"greyscale", {0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722}},
    {"protanopia", {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998}},
    {"deuteranopia", {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881}},
    {"tritanopia", {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900}},
};

Colour Seen(const Matrix& m, const Colour& c)
{
    Colour Out;
    for (int i = 0; i < 3; ++i)
        Out[i] = std::clamp(m[3 * i] * c[0] + m[3 * i + 1] * c[1] + m[3 * i + 2] * c[2], 0.0, 1.0);
    return Out;
}

}  // namespace

// Every ball, at its designed size and in its 2x and 3x renderings, shows a clear edge on the
// board and stays apart from the other four for players of every kind of colour vision; the
// blank cell is the board alone. A ball's pixels are those that are not the board; its mean
// colour is the mean of their stored values, the colour the ball gives from a distance.
TEST(GeneratedMedia, EveryBallStandsOffTheBoardAndApartFromTheOthersAtEverySize)
{
    const QRgb Board = qRgb(BoardBackground.R, BoardBackground.G, BoardBackground.B);
    const double BoardY = Luminance(ToLinear(Stored(Board))) + 0.05;
    for (const int Scale : {1, 2, 3}) {
        std::vector<Colour> Means;
        for (int Code = Empty; Code <= Red; ++Code) {
            const std::string File = ScaledFile(BitmapFile(Code), Scale);
            const QImage Cell(QString::fromStdString((Bin / File).string()));
            ASSERT_EQ(Cell.size(), QSize(CellSize * Scale, CellSize * Scale)) << File;
            EXPECT_EQ(Cell.pixel(0, 0), Board) << File << ": the corners show the board";
            std::vector<double> Contrasts;
            Colour Sum{};
            for (int y = 0; y < Cell.height(); ++y)
                for (int x = 0; x < Cell.width(); ++x)
                    if (const Colour p = Stored(Cell.pixel(x, y)); Cell.pixel(x, y) != Board) {
                        // The luminance contrast ratio of accessibility guidelines, either way round.
                        const double Y = Luminance(ToLinear(p)) + 0.05;
                        Contrasts.push_back(std::max(Y, BoardY) / std::min(Y, BoardY));
                        Sum = {Sum[0] + p[0], Sum[1] + p[1], Sum[2] + p[2]};
                    }
            EXPECT_EQ(Contrasts.empty(), Code == Empty) << File;
            if (Contrasts.empty())
                continue;
            std::ranges::sort(Contrasts);
            const double n = Contrasts.size();
            EXPECT_GE(std::ranges::count_if(Contrasts, [](double c) { return c >= 3; }) / n, 0.15) << File << ": 3:1";
            EXPECT_GE(Contrasts[Contrasts.size() / 2], 1.5) << File << ": median contrast";
            Means.push_back(ToLinear({Sum[0] / n, Sum[1] / n, Sum[2] / n}));
        }
        for (const auto& [Vision, m] : Visions)
            for (std::size_t i = 0; i < Means.size(); ++i)
                for (std::size_t j = i + 1; j < Means.size(); ++j)
                    EXPECT_GE(DeltaE2000(Seen(m, Means[i]), Seen(m, Means[j])), 15)
                        << Vision << ": " << BitmapFile(int(i) + 1) << " and " << BitmapFile(int(j) + 1) << " @"
                        << Scale << "x, CIEDE2000";
    }
}

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
