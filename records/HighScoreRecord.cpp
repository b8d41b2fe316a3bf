// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score step: reading "Config.cfg", placing a score, and replacing the file safely.
#include "HighScoreRecord.h"

#include "DataFiles.h"
#include "GameFiles.h"
#include "GameInfo.h"
#include "HighScoreTable.h"

#include <QFile>
#include <QLockFile>
#include <QSaveFile>

#include <memory>
#include <system_error>

namespace orbulon {

namespace {

namespace fs = std::filesystem;

const std::string Title(GameTitle);
const std::string NamePrompt = "Please enter your name.     ";
const std::string HighScoreMessage = "You got the high score!";
const std::string SaveFailedMessage = "Sorry, your score could not be saved.     ";

// How long a finishing game waits for another copy that is writing the table. Writing five
// lines takes milliseconds, so a lock still held after this belongs to a hung copy.
constexpr int LockWaitMs = 5000;

QString QtPath(const fs::path& Path) { return QFile::decodeName(Path.c_str()); }

struct LoadedTable {
    fs::path Path;
    FileState State = FileState::Absent;
    HighScoreTable Table;
};

// A missing file reads as an empty table, and so does a damaged or unreadable one: the game
// plays on, and the next score that enters writes a complete five-line file.
LoadedTable ReadTable(const fs::path& Path)
{
    const FileHead Head = ReadFileHead(Path, MaxTableBytes);
    return {Path, Head.State, ParseHighScoreTable(Head.Bytes)};
}

// QSaveFile writes beside the old file and renames over it only once the new one is whole
// and synced, so a crash or a full disk at any moment leaves the old table or the new one,
// never half of either.
bool WriteTable(const fs::path& Path, const std::string& Bytes)
{
    QSaveFile File(QtPath(Path));
    if (!File.open(QIODevice::WriteOnly))
        return false;
    if (File.write(Bytes.data(), static_cast<qint64>(Bytes.size())) != static_cast<qint64>(Bytes.size())) {
        File.cancelWriting();
        return false;
    }
    return File.commit();
}

// Writes Table where the current table lives. When the program's folder will not take it
// (an installed copy in a read-only folder, a protected file), the table moves to the
// player's own folder, carrying the entries read from beside the program; from then on that
// copy is the table. A table that exists but could not be read may hold scores we cannot
// see, so it is never written over.
bool SaveTable(const LoadedTable& Current, const HighScoreTable& Table, const fs::path& UserFolder)
{
    const std::string Bytes = FormatHighScoreTable(Table);
    if (Current.State != FileState::Unreadable && WriteTable(Current.Path, Bytes))
        return true;
    const fs::path UserTable = UserFolder / TableFile;
    if (UserFolder.empty() || Current.Path == UserTable)
        return false;
    std::error_code Error;
    fs::create_directories(UserFolder, Error);
    return WriteTable(UserTable, Bytes);
}

// Held while a finishing game reloads, places and writes, so that two copies ending at the
// same moment take turns and neither score is lost. The lock lies beside the program when
// that folder can hold it, else in the player's folder (all copies make the same choice).
// If another copy holds it longer than LockWaitMs, or no folder can hold it, the game goes
// on without it: a stuck lock must not cost the player the score, and the atomic replace
// still leaves a whole table.
class TableLock {
public:
    TableLock(const fs::path& ProgramFolder, const fs::path& UserFolder)
    {
        for (const fs::path& Folder : {ProgramFolder, UserFolder}) {
            if (Folder.empty())
                continue;
            if (Folder == UserFolder) {
                std::error_code Error;
                fs::create_directories(Folder, Error);
            }
            auto Candidate = std::make_unique<QLockFile>(QtPath(Folder / TableLockFile));
            if (Candidate->tryLock(LockWaitMs)) {
                Held = std::move(Candidate);
                return;
            }
            if (Candidate->error() == QLockFile::LockFailedError)
                return;
        }
    }

private:
    std::unique_ptr<QLockFile> Held;  // unlocks when the step is done
};

void Adopt(HighScoreRecord& Record, const HighScoreTable& Table)
{
    Record.HighScores = Table.Scores;
    Record.HighNames = Table.Names;
}

}  // namespace

HighScoreRecord::HighScoreRecord(std::filesystem::path ProgramFolder, std::filesystem::path UserFolder)
    : ProgramFolder(std::move(ProgramFolder)), UserFolder(std::move(UserFolder))
{}

std::filesystem::path HighScoreRecord::TablePath() const
{
    // Once the table has moved to the player's folder, that copy is the table for good.
    if (!UserFolder.empty()) {
        const fs::path UserTable = UserFolder / TableFile;
        std::error_code Error;
        const auto Type = fs::symlink_status(UserTable, Error).type();
        if (Type != fs::file_type::not_found && Type != fs::file_type::none)
            return UserTable;
    }
    return ProgramFolder / TableFile;
}

void HighScoreRecord::LoadHighScores() { Adopt(*this, ReadTable(TablePath()).Table); }

void HighScoreRecord::RecordHighScore(std::int16_t Score, std::string& PlayerName, PlayerPrompts& Ui)
{
    LoadHighScores();
    // Asked at every game's end, even for a score that will not enter; the answer, empty
    // after Cancel, is the next default.
    PlayerName = Ui.InputBox(NamePrompt, Title, PlayerName);

    HighScoreTable Table{HighScores, HighNames};
    const int Rank = PlaceScore(Table, Score, PlayerName);
    if (Rank == 0)
        return;  // the file is not touched at all
    if (Rank == 1)
        Ui.MsgBox(HighScoreMessage, Title);

    // Another copy of the game may have written the table while the boxes were open, so the
    // score is placed again in a fresh reading, under the lock, and written at once.
    bool Saved = true;
    LoadedTable Fresh;
    {
        const TableLock Lock(ProgramFolder, UserFolder);
        Fresh = ReadTable(TablePath());
        Table = Fresh.Table;
        if (PlaceScore(Table, Score, PlayerName) != 0)
            Saved = SaveTable(Fresh, Table, UserFolder);
    }
    if (Saved) {
        Adopt(*this, Table);
    } else {
        // The old table stays as it was, on disk and on show; the player hears of it once.
        Adopt(*this, Fresh.Table);
        Ui.MsgBox(SaveFailedMessage, Title);
    }
}

}  // namespace orbulon
