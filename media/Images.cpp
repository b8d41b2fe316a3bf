// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the balls with antialiasing and writing them as BMP and ICO files.
#include "Images.h"

#include "Bytes.h"
#include "Light.h"

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

struct Linear {
    double R = 0, G = 0, B = 0;
};

Linear ToLinear(Rgb c) { return {media::ToLinear(c.R), media::ToLinear(c.G), media::ToLinear(c.B)}; }

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

double Luminance(Linear c) { return 0.2126 * c.R + 0.7152 * c.G + 0.0722 * c.B; }

double ContrastWithBoard(Linear c)
{
    const double a = Luminance(c) + 0.05, b = Luminance(ToLinear(Background)) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

// The rim: the ball's own hue at full strength, then lightened towards white just far enough
// to stand well off the board, so even the darkest ball shows its outline in its own colour
// (a dark purple ball gets a violet rim, not a grey one).
Linear RimColour(Linear Base)
{
    constexpr double RimContrast = 3.05;
    const double Peak = std::max({Base.R, Base.G, Base.B, 1e-6});
    const Linear Vivid{Base.R / Peak, Base.G / Peak, Base.B / Peak};
    Linear Rim = ContrastWithBoard(Base) >= RimContrast ? Base : Vivid;
    for (double t = 0; ContrastWithBoard(Rim) < RimContrast && t < 1; t += 0.01)
        Rim = {Vivid.R + (1 - Vivid.R) * t, Vivid.G + (1 - Vivid.G) * t, Vivid.B + (1 - Vivid.B) * t};
    return Rim;
}

// The light comes from up and to the left, towards the player (y grows downward).
constexpr double Lx = -0.48, Ly = -0.58, Lz = 0.66;

// Soft light all round and a gentle diffuse shade: enough to make the ball round, not so
// much that its far side sinks into the board.
Linear ShadeBody(Linear Base, double dx, double dy)
{
    constexpr double Ambient = 0.75, Diffuse = 0.55;
    const double nz = std::sqrt(std::max(0.0, 1 - dx * dx - dy * dy));
    const double Light = Ambient + Diffuse * std::max(0.0, dx * Lx + dy * Ly + nz * Lz);
    return {Base.R * Light, Base.G * Light, Base.B * Light};
}

// The white glint where the light is mirrored towards the player.
double Highlight(double dx, double dy)
{
    constexpr double Hx = Lx, Hy = Ly, Hz = Lz + 1;
    const double Hn = std::sqrt(Hx * Hx + Hy * Hy + Hz * Hz);
    const double nz = std::sqrt(std::max(0.0, 1 - dx * dx - dy * dy));
    return std::pow(std::max(0.0, (dx * Hx + dy * Hy + nz * Hz) / Hn), 28) * 0.15;
}

// The mark's tone: the ball's colour lightened towards white until it stands MarkLift above the
// body in CIE lightness, enough to read in any colour vision and in greyscale, while its hue
// keeps it part of the ball.
Linear MarkColour(Linear Base)
{
    constexpr double MarkLift = 22;
    const auto Lightness = [](Linear c) { return 116 * std::cbrt(Luminance(c)) - 16; };
    Linear Mark = Base;
    for (double t = 0; Lightness(Mark) < Lightness(Base) + MarkLift && t < 1; t += 0.01)
        Mark = {Base.R + (1 - Base.R) * t, Base.G + (1 - Base.G) * t, Base.B + (1 - Base.B) * t};
    return Mark;
}

// A ball lit from the upper left: a shaded body inside a light rim of its own hue (a tenth of
// the radius), its mark, and a small white glint. The radius, rim and mark are fractions of the cell, so the larger
// renderings are the same ball drawn finer. Each pixel is wholly board, rim, mark or body,
// never a blend of two: the outline and the mark stay sharp at every size, and the rim keeps
// its full contrast with the board.
std::vector<Rgb> DrawBall(Rgb BaseColour, Mark Sign, int Size)
{
    const double Centre = Size / 2.0;
    const double Radius = 0.435 * Size;
    const double Designed = static_cast<double>(Size) / CellSize;
    constexpr double RimStart = 0.9 * 0.9;
    const Linear Base = ToLinear(BaseColour);
    const Linear Rim = RimColour(Base);
    const Linear MarkTone = MarkColour(Base);
    constexpr int Samples = 8, n = Samples * Samples;
    std::vector<Rgb> Pixels;
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            Linear Body, Marked;
            double Gloss = 0;
            int Inside = 0, OnRim = 0, Painted = 0;
            for (int s = 0; s < n; ++s) {
                const double X = x + (s % Samples + 0.5) / Samples - Centre;
                const double Y = y + (s / Samples + 0.5) / Samples - Centre;
                const double dx = X / Radius, dy = Y / Radius;
                const double r2 = dx * dx + dy * dy;
                if (r2 > 1)
                    continue;
                ++Inside;
                OnRim += r2 > RimStart;
                Painted += OnMark(Sign, X / Designed, Y / Designed);
                const Linear c = ShadeBody(Base, dx, dy), m = ShadeBody(MarkTone, dx, dy);
                Body.R += c.R, Body.G += c.G, Body.B += c.B;
                Marked.R += m.R, Marked.G += m.G, Marked.B += m.B;
                Gloss += Highlight(dx, dy);
            }
            if (2 * Inside < n) {
                Pixels.push_back(Background);
                continue;
            }
            const Linear c = 2 * OnRim > Inside ? Rim
                : 2 * Painted > Inside          ? Linear{Marked.R / Inside, Marked.G / Inside, Marked.B / Inside}
                                                : Linear{Body.R / Inside, Body.G / Inside, Body.B / Inside};
            Gloss /= Inside;
            Pixels.push_back({FromLinear(c.R + Gloss), FromLinear(c.G + Gloss), FromLinear(c.B + Gloss)});
        }
    }
    return Pixels;
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

// One 4-bit icon image: the palette runs from black to Red in 16 steps of light, so the edge
// of the disc is smoothed while keeping to 16 colours.
std::string IconImage(int Size, Rgb Red)
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
    const Linear Full = ToLinear(Red);
    for (int Level = 0; Level < 16; ++Level) {
        const double Share = media::ToLinear(static_cast<std::uint8_t>(Level * 17));
        Out += static_cast<char>(FromLinear(Full.B * Share));
        Out += static_cast<char>(FromLinear(Full.G * Share));
        Out += static_cast<char>(FromLinear(Full.R * Share));
        Out += '\0';
    }
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

std::string BallBitmap(Rgb Base, Mark Sign, int Scale)
{
    return Bmp24(CellSize * Scale, DrawBall(Base, Sign, CellSize * Scale));
}

std::string BlankBitmap(int Scale)
{
    const int Size = CellSize * Scale;
    return Bmp24(Size, std::vector<Rgb>(static_cast<std::size_t>(Size * Size), Background));
}

std::string RedBallIcon(Rgb Red)
{
    const std::array<int, 2> Sizes{16, 32};
    std::array<std::string, 2> Images{IconImage(16, Red), IconImage(32, Red)};
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
