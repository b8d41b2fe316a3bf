// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the game's own media and data files beside the program at build time.
//
//   orbulon_mediagen media FOLDER   the bitmaps, the icon, the waves and "String.cfg"
//   orbulon_mediagen table FOLDER   the shipped "Config.cfg", only if FOLDER has none yet
#include "HighScoreTable.h"
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

// Qt's name for a rendering at Scale times the designed size: "RedBall.bmp", "RedBall@2x.bmp".
std::string ScaledName(std::string_view File, int Scale)
{
    const std::string_view Stem = File.substr(0, File.rfind('.'));
    const std::string_view Suffix = File.substr(Stem.size());
    return std::string(Stem) + (Scale > 1 ? "@" + std::to_string(Scale) + "x" : "") + std::string(Suffix);
}

bool MakeMedia(const fs::path& Folder)
{
    // Five colours far apart in lightness (purple darkest, then blue, red, green, yellow)
    // and on both colour axes, so that players who see no hue, or confuse red with green or
    // blue with yellow, still tell every ball apart. The two dark balls are set off the board
    // by their light rims; the blue one's is wide, which lifts it clear of the purple in
    // greyscale while its body stays darker than the board.
    struct Ball {
        const char* File;
        Rgb Colour;
        double RimWidth;
    };
    const Ball Balls[] = {
        {"PurpleBall.bmp", {7, 1, 16}, 0.10},      {"BlueBall.bmp", {6, 27, 68}, 0.27},
        {"YellowBall.bmp", {255, 248, 172}, 0.10}, {"GreenBall.bmp", {24, 196, 166}, 0.10},
        {"RedBall.bmp", {255, 22, 58}, 0.10},
    };
    bool Ok = true;
    // Qt picks the @2x or @3x file on screens of that density and scales the designed one
    // elsewhere; each is drawn at its own size, not enlarged.
    for (const int Scale : {1, 2, 3}) {
        Ok = WriteFile(Folder / ScaledName("Blank.bmp", Scale), BlankBitmap(Scale)) && Ok;
        for (const Ball& b : Balls)
            Ok = WriteFile(Folder / ScaledName(b.File, Scale), BallBitmap(b.Colour, b.RimWidth, Scale)) && Ok;
    }
    Ok = WriteFile(Folder / "Orbulon.ico", RedBallIcon()) && Ok;
    Ok = WriteFile(Folder / "Click.wav", ClickWave()) && Ok;
    Ok = WriteFile(Folder / "Clear.wav", ClearWave()) && Ok;
    Ok = WriteFile(Folder / "String.cfg", ScrambleText(MarqueeText) + "\r\n") && Ok;
    return Ok;
}

// The table a fresh copy of the game ships with: modest scores a first game can beat.
// A player's table is never replaced: the file is created only where none exists, and
// created exclusively, so even a game writing at the same moment is not overwritten.
bool MakeTable(const fs::path& Folder)
{
    std::error_code Error;
    if (fs::symlink_status(Folder / TableFileName, Error).type() != fs::file_type::not_found)
        return true;
    HighScoreTable Table;
    const char* Names[] = {"Orbulon", "Rosie Red", "Bluebell", "Goldie", "Fern"};
    const std::int16_t Scores[] = {1200, 900, 600, 400, 200};
    for (int Rank = 1; Rank <= TableRanks; ++Rank) {
        Table.Scores[Rank] = Scores[Rank - 1];
        Table.Names[Rank] = Names[Rank - 1];
    }
    const std::string Bytes = FormatHighScoreTable(Table);
    const fs::path Path = Folder / TableFileName;
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
    if (argc != 3 || (std::string_view(argv[1]) != "media" && std::string_view(argv[1]) != "table")) {
        std::cerr << "usage: orbulon_mediagen media|table FOLDER\n";
        return 2;
    }
    const fs::path Folder = argv[2];
    std::error_code Error;
    fs::create_directories(Folder, Error);
    const bool Ok = std::string_view(argv[1]) == "media" ? MakeMedia(Folder) : MakeTable(Folder);
    return Ok ? 0 : 1;
}
