// SPDX-License-Identifier: GPL-3.0-or-later
// The five-entry high-score table kept scrambled in "Config.cfg".
#pragma once

#include "HighScoreTable.h"
#include "PlayerPrompts.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include <sys/types.h>

namespace orbulon {

// The system calls that read the table and put a new one on disk. The game uses the real
// ones; the tests put failing ones in their place to show that a table read only in part is
// never written over, and that a save which fails at any step keeps the old table.
struct TableFileCalls {
    std::function<ssize_t(int, void*, std::size_t)> Read;
    std::function<ssize_t(int, const void*, std::size_t)> Write;
    std::function<int(int)> Sync;
    std::function<int(int)> Close;
    std::function<int(const char*, const char*)> Rename;
    static TableFileCalls System();
};

class HighScoreRecord {
public:
    // ProgramFolder holds the shipped "Config.cfg"; UserFolder is where the table is
    // kept instead when the program's folder cannot be written.
    HighScoreRecord(std::filesystem::path ProgramFolder, std::filesystem::path UserFolder);

    // Ranks 1 to 5; element 0 is never used. Names are UTF-8.
    std::array<std::int16_t, TableRanks + 1> HighScores{};
    std::array<std::string, TableRanks + 1> HighNames{};

    // Reads the table afresh; a missing or damaged file reads as zeros and empty names.
    void LoadHighScores();

    // The high-score step at the end of a game: asks for the name (PlayerName is the
    // default and becomes the answer), places Score and rewrites the file.
    void RecordHighScore(std::int16_t Score, std::string& PlayerName, PlayerPrompts& Ui);

    // The file the table is read from at this moment.
    std::filesystem::path TablePath() const;

    TableFileCalls FileCalls = TableFileCalls::System();

private:
    std::filesystem::path ProgramFolder;
    std::filesystem::path UserFolder;
};

}  // namespace orbulon
