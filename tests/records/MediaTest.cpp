// SPDX-License-Identifier: GPL-3.0-or-later
// The media our generator puts beside the program decode as the game will read them, and
// the marquee line is read from any "String.cfg".
#include "BoardLayout.h"
#include "DataFiles.h"
#include "GameFiles.h"
#include "HighScoreTable.h"
#include "RecordsTestSupport.h"
#include "modGeneral.h"

#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cmath>

using namespace orbulon;

const fs::path Bin = ORBULON_TEST_BIN_DIR;
static QString In(std::string_view File) { return QString::fromStdString((Bin / File).string()); }

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

Colour Lab(const Colour& c)
{
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    const double fx = f((0.4124 * c[0] + 0.3576 * c[1] + 0.1805 * c[2]) / 0.95047), fy = f(Luminance(c)),
                 fz = f((0.0193 * c[0] + 0.1192 * c[1] + 0.9505 * c[2]) / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

// CIEDE2000, as Sharma, Wu and Dalal (2005) set it out.
double DeltaE2000(const Colour& Lab1, const Colour& Lab2)
{
    constexpr double Deg = 3.14159265358979323846 / 180;
    const auto Weight = [](double C) { return std::sqrt(std::pow(C, 7) / (std::pow(C, 7) + std::pow(25, 7))); };
    const double G = 0.5 * (1 - Weight((std::hypot(Lab1[1], Lab1[2]) + std::hypot(Lab2[1], Lab2[2])) / 2));
    const double a1 = Lab1[1] * (1 + G), a2 = Lab2[1] * (1 + G);
    const double C1 = std::hypot(a1, Lab1[2]), C2 = std::hypot(a2, Lab2[2]);
    const auto Hue = [](double a, double b) { return std::fmod(std::atan2(b, a) / Deg + 360, 360); };
    const double h1 = Hue(a1, Lab1[2]), h2 = Hue(a2, Lab2[2]);
    // With either chroma zero, dH and RT vanish whatever the hues: a grey needs no special case.
    const double dh = std::remainder(h2 - h1, 360.0);
    const double hbar = std::fmod((h1 + h2) / 2 + (std::abs(h1 - h2) > 180 ? 180 : 0), 360);
    const double L50 = (Lab1[0] + Lab2[0]) / 2 - 50, Cpbar = (C1 + C2) / 2;
    const double T = 1 - 0.17 * std::cos((hbar - 30) * Deg) + 0.24 * std::cos(2 * hbar * Deg) +
        0.32 * std::cos((3 * hbar + 6) * Deg) - 0.20 * std::cos((4 * hbar - 63) * Deg);
    const double RT = -2 * std::sin(60 * std::exp(-std::pow((hbar - 275) / 25, 2)) * Deg) * Weight(Cpbar);
    const double dL = (Lab2[0] - Lab1[0]) / (1 + 0.015 * L50 * L50 / std::sqrt(20 + L50 * L50));
    const double dC = (C2 - C1) / (1 + 0.045 * Cpbar);
    const double dH = 2 * std::sqrt(C1 * C2) * std::sin(dh / 2 * Deg) / (1 + 0.015 * Cpbar * T);
    return std::sqrt(dL * dL + dC * dC + dH * dH + RT * dC * dH);
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
            const QImage Cell(In(File));
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
                    EXPECT_GE(DeltaE2000(Lab(Seen(m, Means[i])), Lab(Seen(m, Means[j]))), 15)
                        << Vision << ": " << BitmapFile(int(i) + 1) << " and " << BitmapFile(int(j) + 1) << " @"
                        << Scale << "x, CIEDE2000";
    }
}

TEST(GeneratedMedia, IconIsARedDiscOnBlack)
{
    QImageReader Icon(In(IconFile));
    for (const int Size : {16, 32}) {
        ASSERT_TRUE(Icon.jumpToImage(Size / 32));
        const QImage Image = Icon.read();
        ASSERT_EQ(Image.width(), Size);
        EXPECT_EQ(Image.pixel(Size / 2, Size / 2), qRgb(255, 0, 0));
        EXPECT_EQ(Image.pixel(0, 0), qRgb(0, 0, 0));
    }
}

// Their pixel sizes and theme folders are the package test's to pin: lintian checks them there.
TEST(GeneratedMedia, DesktopIconsAreRedBallsOnTransparentSquares)
{
    for (const int Size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QImage Icon(
            QString::asprintf(ORBULON_TEST_ICON_THEME "/%dx%d/apps/" ORBULON_TEST_APP_ID ".png", Size, Size));
        EXPECT_EQ(qAlpha(Icon.pixel(0, 0)), 0) << Size;
        const QRgb Middle = Icon.pixel(Size / 2, Size * 2 / 3);  // below the highlight
        EXPECT_EQ(qAlpha(Middle), 255) << Size;
        EXPECT_GT(qRed(Middle), 2 * qGreen(Middle)) << Size;
    }
    const std::string Scalable = ReadBytes(ORBULON_TEST_ICON_THEME "/scalable/apps/" ORBULON_TEST_APP_ID ".svg");
    EXPECT_NE(Scalable.find("<svg"), std::string::npos);
}

TEST(GeneratedMedia, SoundsAreShortMonoWaves)
{
    for (const std::string_view File : {ClickWaveFile, ClearWaveFile}) {
        const std::string Bytes = ReadBytes(Bin / File);
        EXPECT_EQ(Bytes.substr(0, 4) + Bytes.substr(8, 8), "RIFFWAVEfmt ") << File;
        EXPECT_EQ(Bytes.substr(20, 8), std::string("\x01\x00\x01\x00\x44\xac\x00\x00", 8));  // PCM, mono, 44100 Hz
        EXPECT_TRUE(Bytes.size() > 44 + 2 * 441 && Bytes.size() < 44 + 2 * 6615) << File << " lasts 10 to 150 ms";
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
