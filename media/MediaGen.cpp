// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the game's own media and data files beside the program at build time.
//
//   orbulon_mediagen media FOLDER   the bitmaps, the icon, the waves and "String.cfg"
//   orbulon_mediagen table FOLDER   the shipped "Config.cfg", only if FOLDER has none yet
//   orbulon_mediagen icons FOLDER ID   the desktop icon ID in an icon theme's FOLDER
#include "BoardLayout.h"
#include "GameFiles.h"
#include "HighScoreTable.h"
#include "Icons.h"
#include "Images.h"
#include "Scramble.h"
#include "Sounds.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

namespace fs = std::filesystem;
using namespace orbulon;
using namespace orbulon::media;

namespace {

// The marquee scrolls this before the first game. Printable ASCII only, so its scrambled
// form never holds a line break; the blanks at the end let it scroll out before it restarts.
constexpr std::string_view MarqueeText =
    "Welcome to Orbulon!  Choose File, New to play.  Big groups score big!        ";

bool WriteFile(const fs::path& Path, const std::string& Bytes)
{
    std::ofstream File(Path, std::ios::binary | std::ios::trunc);
    File.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    File.close();
    if (!File) {
        std::cerr << "orbulon_mediagen: cannot write " << Path << '\n';
        return false;
    }
    return true;
}

// The red ball is also the game's window and desktop icon.
constexpr Rgb RedBall = BallColours[Red];

bool MakeMedia(const fs::path& Folder)
{
    bool Ok = true;
    // The window picks the rendering that suits the screen's density and scales the designed
    // one elsewhere; each is drawn at its own size, not enlarged.
    for (const int Scale : BitmapScales) {
        Ok = WriteFile(Folder / ScaledFile(BitmapFile(0), Scale), BlankBitmap(Scale)) && Ok;
        for (int Colour = 1; Colour <= ColourCount; ++Colour) {
            const std::string Bitmap = BallBitmap(BallColours[Colour], BallMarks[Colour], Scale);
            Ok = WriteFile(Folder / ScaledFile(BitmapFile(Colour), Scale), Bitmap) && Ok;
        }
    }
    Ok = WriteFile(Folder / IconFile, RedBallIcon(RedBall)) && Ok;
    Ok = WriteFile(Folder / ClickWaveFile, ClickWave()) && Ok;
    Ok = WriteFile(Folder / ClearWaveFile, ClearWave()) && Ok;
    Ok = WriteFile(Folder / MarqueeFile, ScrambleText(MarqueeText) + "\r\n") && Ok;
    return Ok;
}

// The red ball for menus and launchers, at every size of the theme and as an SVG, laid out
// as the theme's folders NxN/apps/ID.png and scalable/apps/ID.svg.
bool MakeIcons(const fs::path& Folder, const std::string& Id)
{
    bool Ok = true;
    for (const int Size : IconThemeSizes) {
        const fs::path Apps = Folder / (std::to_string(Size) + "x" + std::to_string(Size)) / "apps";
        std::error_code Error;
        fs::create_directories(Apps, Error);
        Ok = WriteFile(Apps / (Id + ".png"), BallIconPng(Size, RedBall)) && Ok;
    }
    std::error_code Error;
    fs::create_directories(Folder / "scalable" / "apps", Error);
    return WriteFile(Folder / "scalable" / "apps" / (Id + ".svg"), BallIconSvg(RedBall)) && Ok;
}

// The table a fresh copy of the game ships with: modest scores a first game can beat.
// A player's table is never replaced: the file is created only where none exists, and
// created exclusively, so even a game writing at the same moment is not overwritten.
bool MakeTable(const fs::path& Folder)
{
    std::error_code Error;
    if (fs::symlink_status(Folder / TableFile, Error).type() != fs::file_type::not_found)
        return true;
    HighScoreTable Table;
    const char* Names[] = {"Orbulon", "Rosie Red", "Bluebell", "Goldie", "Fern"};
    const std::int16_t Scores[] = {1200, 900, 600, 400, 200};
    for (int Rank = 1; Rank <= TableRanks; ++Rank) {
        Table.Scores[Rank] = Scores[Rank - 1];
        Table.Names[Rank] = Names[Rank - 1];
    }
    const std::string Bytes = FormatHighScoreTable(Table);
    const fs::path Path = Folder / TableFile;
    std::FILE* File = std::fopen(Path.c_str(), "wbx");
    if (!File)
        return fs::exists(Path);  // someone else made it first: theirs stands
    const bool Ok = std::fwrite(Bytes.data(), 1, Bytes.size(), File) == Bytes.size();
    if (std::fclose(File) != 0 || !Ok) {
        std::cerr << "orbulon_mediagen: cannot write " << Path << '\n';
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string_view Mode = argc > 1 ? argv[1] : "";
    const bool Icons = Mode == "icons" && argc == 4;
    if (!Icons && (argc != 3 || (Mode != "media" && Mode != "table"))) {
        std::cerr << "usage: orbulon_mediagen media|table FOLDER\n"
                     "       orbulon_mediagen icons FOLDER ID\n";
        return 2;
    }
    const fs::path Folder = argv[2];
    std::error_code Error;
    fs::create_directories(Folder, Error);
    const bool Ok = Icons ? MakeIcons(Folder, argv[3]) : Mode == "media" ? MakeMedia(Folder) : MakeTable(Folder);
    return Ok ? 0 : 1;
}
