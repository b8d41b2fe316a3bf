// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the balls with antialiasing and writing them as BMP and ICO files.
#include "Images.h"

#include "Bytes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace orbulon::media {

namespace {

// A BITMAPINFOHEADER; Height is doubled by the caller for an icon's colour and mask halves.
void PutInfoHeader(std::string& Out, int Width, int Height, int BitCount, std::uint32_t ImageSize, int Colours)
{
    Put32(Out, 40);
    Put32(Out, static_cast<std::uint32_t>(Width));
    Put32(Out, static_cast<std::uint32_t>(Height));
    Put16(Out, 1);  // planes
    Put16(Out, static_cast<unsigned>(BitCount));
    Put32(Out, 0);  // no compression
    Put32(Out, ImageSize);
    Put32(Out, 2835);  // 72 dots per inch
    Put32(Out, 2835);
    Put32(Out, static_cast<std::uint32_t>(Colours));
    Put32(Out, 0);
}

// The bitmaps are shaded and blended in linear light, so the antialiased edge does not
// come out darker than either side of it.
double ToLinear(std::uint8_t Value)
{
    const double c = Value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t FromLinear(double Linear)
{
    const double l = std::clamp(Linear, 0.0, 1.0);
    const double c = l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
    return static_cast<std::uint8_t>(std::lround(c * 255));
}

struct Linear {
    double R = 0, G = 0, B = 0;
};

Linear ToLinear(Rgb c) { return {ToLinear(c.R), ToLinear(c.G), ToLinear(c.B)}; }

// Averages Shade over an 8 x 8 grid inside each pixel, so the round edge is smooth.
using Shader = std::function<Linear(double X, double Y)>;
std::vector<Rgb> Render(int Size, const Shader& Shade)
{
    constexpr int Samples = 8;
    std::vector<Rgb> Pixels;
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            Linear Sum;
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const Linear s = Shade(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples);
                    Sum.R += s.R, Sum.G += s.G, Sum.B += s.B;
                }
            }
            constexpr double n = Samples * Samples;
            Pixels.push_back({FromLinear(Sum.R / n), FromLinear(Sum.G / n), FromLinear(Sum.B / n)});
        }
    }
    return Pixels;
}

// A glossy ball lit from the upper left: soft ambient light, diffuse shading, a small
// white highlight, and a faint shadow on the cell below and to the right of it.
Linear ShadeBall(Rgb BaseColour, double X, double Y)
{
    constexpr double Centre = CellSize / 2.0;
    constexpr double Radius = 8.7;
    const Linear Base = ToLinear(BaseColour);
    const Linear Back = ToLinear(Background);
    const double dx = (X - Centre) / Radius;
    const double dy = (Y - Centre) / Radius;
    const double r2 = dx * dx + dy * dy;
    if (r2 > 1) {
        // The shadow stays inside the cell, so no hard edge shows at the gap to the next one.
        const double sx = dx - 0.07, sy = dy - 0.09;
        const double Shadow = std::clamp((sx * sx + sy * sy - 1.0) / 0.20, 0.0, 1.0);
        const double k = 0.55 + 0.45 * Shadow;
        return {Back.R * k, Back.G * k, Back.B * k};
    }
    const double nz = std::sqrt(1 - r2);
    // Light from up and to the left, towards the player (y grows downward).
    constexpr double Lx = -0.48, Ly = -0.58, Lz = 0.66;
    const double Diffuse = std::max(0.0, dx * Lx + dy * Ly + nz * Lz);
    const double Hx = Lx, Hy = Ly, Hz = Lz + 1;
    const double Hn = std::sqrt(Hx * Hx + Hy * Hy + Hz * Hz);
    const double Specular = std::pow(std::max(0.0, (dx * Hx + dy * Hy + nz * Hz) / Hn), 28) * 0.75;
    const double Light = 0.22 + 0.95 * Diffuse;
    return {Base.R * Light + Specular, Base.G * Light + Specular, Base.B * Light + Specular};
}

std::string Bmp24(int Size, const std::vector<Rgb>& Pixels)
{
    const int RowBytes = (Size * 3 + 3) / 4 * 4;
    const auto ImageSize = static_cast<std::uint32_t>(RowBytes * Size);
    std::string Out = "BM";
    Put32(Out, 14 + 40 + ImageSize);
    Put32(Out, 0);
    Put32(Out, 14 + 40);
    PutInfoHeader(Out, Size, Size, 24, ImageSize, 0);
    for (int y = Size - 1; y >= 0; --y) {  // bottom row first
        std::string Row;
        for (int x = 0; x < Size; ++x) {
            const Rgb& p = Pixels[static_cast<std::size_t>(y * Size + x)];
            Row += static_cast<char>(p.B);
            Row += static_cast<char>(p.G);
            Row += static_cast<char>(p.R);
        }
        Row.resize(static_cast<std::size_t>(RowBytes), '\0');
        Out += Row;
    }
    return Out;
}

// One 4-bit icon image: the palette runs from black to pure red in 16 steps, so the edge of
// the disc is smoothed while keeping to 16 colours.
std::string IconImage(int Size)
{
    const double Centre = Size / 2.0;
    const double Radius = Size / 2.0 - 0.5;
    const auto Pixels = Render(Size, [&](double X, double Y) {
        const double dx = X - Centre, dy = Y - Centre;
        return dx * dx + dy * dy <= Radius * Radius ? Linear{1, 0, 0} : Linear{};
    });
    const int ColourRow = (Size * 4 / 8 + 3) / 4 * 4;
    const int MaskRow = (Size / 8 + 3) / 4 * 4;
    const auto ImageSize = static_cast<std::uint32_t>((ColourRow + MaskRow) * Size);
    std::string Out;
    PutInfoHeader(Out, Size, 2 * Size, 4, ImageSize, 16);
    for (unsigned Level = 0; Level < 16; ++Level)
        Put32(Out, (Level * 17) << 16);  // blue, green, red, unused
    for (int y = Size - 1; y >= 0; --y) {
        std::string Row(static_cast<std::size_t>(ColourRow), '\0');
        for (int x = 0; x < Size; ++x) {
            const int Level = (Pixels[static_cast<std::size_t>(y * Size + x)].R * 15 + 127) / 255;
            Row[static_cast<std::size_t>(x / 2)] |= static_cast<char>(x % 2 == 0 ? Level << 4 : Level);
        }
        Out += Row;
    }
    Out.append(static_cast<std::size_t>(MaskRow * Size), '\0');  // every pixel opaque
    return Out;
}

}  // namespace

std::string BallBitmap(Rgb Base)
{
    return Bmp24(CellSize, Render(CellSize, [&](double X, double Y) { return ShadeBall(Base, X, Y); }));
}

std::string BlankBitmap() { return Bmp24(CellSize, std::vector<Rgb>(CellSize * CellSize, Background)); }

std::string RedBallIcon()
{
    const std::array<int, 2> Sizes{16, 32};
    std::array<std::string, 2> Images{IconImage(16), IconImage(32)};
    std::string Out;
    Put16(Out, 0);
    Put16(Out, 1);  // an icon
    Put16(Out, Sizes.size());
    std::uint32_t Offset = 6 + 16 * Sizes.size();
    for (std::size_t i = 0; i < Sizes.size(); ++i) {
        Out += static_cast<char>(Sizes[i]);
        Out += static_cast<char>(Sizes[i]);
        Out += static_cast<char>(16);  // colours
        Out += '\0';
        Put16(Out, 1);  // planes
        Put16(Out, 4);  // bits per pixel
        Put32(Out, static_cast<std::uint32_t>(Images[i].size()));
        Put32(Out, Offset);
        Offset += static_cast<std::uint32_t>(Images[i].size());
    }
    for (const std::string& Image : Images)
        Out += Image;
    return Out;
}

}  // namespace orbulon::media
