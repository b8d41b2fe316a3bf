// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the ball of the desktop icon and writing it as PNG and SVG files.
#include "Icons.h"

#include "Light.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace orbulon::media {

namespace {

void PutBig32(std::string& Out, std::uint32_t Value)
{
    for (int Shift = 24; Shift >= 0; Shift -= 8)
        Out += static_cast<char>((Value >> Shift) & 0xFF);
}

// A PNG chunk: length, type, data, and the CRC-32 of type and data.
void PutChunk(std::string& Out, const char* Type, const std::string& Data)
{
    std::string Body = Type;
    Body += Data;
    PutBig32(Out, static_cast<std::uint32_t>(Data.size()));
    Out += Body;
    const auto* Bytes = reinterpret_cast<const Bytef*>(Body.data());
    PutBig32(Out, static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0), Bytes, static_cast<uInt>(Body.size()))));
}

// The ball fills the square but for a thin margin, so it reads as large as other
// applications' icons in a menu.
constexpr double RadiusShare = 0.47;

// The lit surface of the ball at (dx, dy), in units of its radius, in linear light: the
// same light from the upper left as on the board's balls, so the icon looks like them.
void ShadeSurface(const double Base[3], double dx, double dy, double Out[3])
{
    const double nz = std::sqrt(std::max(0.0, 1 - dx * dx - dy * dy));
    constexpr double Lx = -0.48, Ly = -0.58, Lz = 0.66;
    const double Diffuse = std::max(0.0, dx * Lx + dy * Ly + nz * Lz);
    const double Hx = Lx, Hy = Ly, Hz = Lz + 1;
    const double Hn = std::sqrt(Hx * Hx + Hy * Hy + Hz * Hz);
    const double Specular = std::pow(std::max(0.0, (dx * Hx + dy * Hy + nz * Hz) / Hn), 28) * 0.75;
    const double Light = 0.22 + 0.95 * Diffuse;
    for (int c = 0; c < 3; ++c)
        Out[c] = Base[c] * Light + Specular;
}

std::string Hex(Rgb c)
{
    char Text[8];
    std::snprintf(Text, sizeof Text, "#%02x%02x%02x", c.R, c.G, c.B);
    return Text;
}

Rgb Mix(Rgb From, Rgb To, double Share)
{
    auto One = [&](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * Share));
    };
    return {One(From.R, To.R), One(From.G, To.G), One(From.B, To.B)};
}

}  // namespace

std::string BallIconPng(int Size, Rgb Base)
{
    const double BaseLinear[3] = {ToLinear(Base.R), ToLinear(Base.G), ToLinear(Base.B)};
    const double Centre = Size / 2.0;
    const double Radius = Size * RadiusShare;
    // Small icons are all edge and need every sample; in large ones only the rim does.
    const int Samples = Size <= 64 ? 8 : 3;
    constexpr int EdgeSamples = 8;

    std::string Raw;  // filter byte 0 (none), then RGBA, row by row from the top
    Raw.reserve(static_cast<std::size_t>(Size) * (4 * Size + 1));
    for (int y = 0; y < Size; ++y) {
        Raw += '\0';
        for (int x = 0; x < Size; ++x) {
            const double Distance = std::hypot(x + 0.5 - Centre, y + 0.5 - Centre);
            const int n = std::abs(Distance - Radius) < 1.5 ? EdgeSamples : Samples;
            double Sum[3] = {0, 0, 0};
            int Covered = 0;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    const double dx = (x + (sx + 0.5) / n - Centre) / Radius;
                    const double dy = (y + (sy + 0.5) / n - Centre) / Radius;
                    if (dx * dx + dy * dy > 1)
                        continue;
                    double Lit[3];
                    ShadeSurface(BaseLinear, dx, dy, Lit);
                    for (int c = 0; c < 3; ++c)
                        Sum[c] += Lit[c];
                    ++Covered;
                }
            }
            // The colour is the average over the covered samples; the coverage is the alpha.
            for (int c = 0; c < 3; ++c)
                Raw += static_cast<char>(Covered ? FromLinear(Sum[c] / Covered) : 0);
            Raw += static_cast<char>(std::lround(255.0 * Covered / (n * n)));
        }
    }

    uLongf PackedSize = compressBound(static_cast<uLong>(Raw.size()));
    std::string Packed(PackedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(Packed.data()), &PackedSize, reinterpret_cast<const Bytef*>(Raw.data()),
              static_cast<uLong>(Raw.size()), Z_BEST_COMPRESSION);
    Packed.resize(PackedSize);

    std::string Header;
    PutBig32(Header, static_cast<std::uint32_t>(Size));
    PutBig32(Header, static_cast<std::uint32_t>(Size));
    Header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter choice, no interlace
    std::string Out = "\x89PNG\r\n\x1a\n";
    PutChunk(Out, "IHDR", Header);
    PutChunk(Out, "IDAT", Packed);
    PutChunk(Out, "IEND", "");
    return Out;
}

std::string BallIconSvg(Rgb Base)
{
    // A radial gradient lit from the upper left, and a soft white highlight, as on the PNGs.
    const Rgb White{255, 255, 255}, Black{0, 0, 0};
    const std::string Lit = Hex(Mix(Base, White, 0.25)), Body = Hex(Base), Shade = Hex(Mix(Base, Black, 0.7));
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"512\" height=\"512\" viewBox=\"0 0 512 512\">\n"
           "  <defs>\n"
           "    <radialGradient id=\"body\" cx=\"0.37\" cy=\"0.33\" r=\"0.75\">\n"
           "      <stop offset=\"0\" stop-color=\"" +
        Lit + "\"/>\n      <stop offset=\"0.5\" stop-color=\"" + Body + "\"/>\n      <stop offset=\"1\" stop-color=\"" +
        Shade +
        "\"/>\n"
        "    </radialGradient>\n"
        "    <radialGradient id=\"shine\">\n"
        "      <stop offset=\"0\" stop-color=\"#ffffff\" stop-opacity=\"0.9\"/>\n"
        "      <stop offset=\"1\" stop-color=\"#ffffff\" stop-opacity=\"0\"/>\n"
        "    </radialGradient>\n"
        "  </defs>\n"
        "  <circle cx=\"256\" cy=\"256\" r=\"240\" fill=\"url(#body)\"/>\n"
        "  <ellipse cx=\"180\" cy=\"160\" rx=\"72\" ry=\"50\" transform=\"rotate(-40 180 160)\" "
        "fill=\"url(#shine)\"/>\n"
        "</svg>\n";
}

}  // namespace orbulon::media
