// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score step: reading "Config.cfg", placing a score, and replacing the file safely.
#include "HighScoreRecord.h"

#include "DataFiles.h"
#include "GameFiles.h"
#include "GameInfo.h"
#include "HighScoreTable.h"
#include "PlayerText.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <system_error>
#include <thread>

namespace orbulon {

namespace {

namespace fs = std::filesystem;

const std::string Title(GameTitle);
constexpr const char* NamePrompt = PLAYER_TEXT("Please enter your name.     ");
constexpr const char* HighScoreMessage = PLAYER_TEXT("You got the high score!");
constexpr const char* SaveFailedMessage = PLAYER_TEXT("Sorry, your score could not be saved.     ");
constexpr const char* UnreadableTableMessage =
    PLAYER_TEXT("Sorry, the high-score table could not be read, so your score was not saved.     ");

struct LoadedTable {
    fs::path Path;
    FileState State = FileState::Absent;
    HighScoreTable Table;
};

// A missing file reads as an empty table, and so does a damaged one: the game plays on, and
// the next score that enters writes a complete five-line file. A table read through a link
// is shown, but never written through (see SaveTable).
LoadedTable ReadTable(const fs::path& Path, const TableFileCalls& Calls)
{
    const FileHead Head = ReadFileHead(Path, MaxTableBytes, Calls.Read);
    return {Path, Head.State, ParseHighScoreTable(Head.Bytes)};
}

bool IsLink(const fs::path& Path)
{
    std::error_code Error;
    return fs::is_symlink(fs::symlink_status(Path, Error));
}

// The temporary copies a save writes beside the table are the table's name, a dot and six
// letters or digits. One left behind by a save that was killed is removed by the next save
// (under the lock, so it cannot be another copy's save in progress).
void RemoveLeftovers(const fs::path& Path)
{
    const std::string Prefix = Path.filename().string() + ".";
    std::error_code Error;
    for (fs::directory_iterator It(Path.parent_path(), Error), End; !Error && It != End; It.increment(Error)) {
        const std::string Name = It->path().filename().string();
        if (Name.size() != Prefix.size() + 6 || Name.compare(0, Prefix.size(), Prefix) != 0)
            continue;
        if (!std::all_of(Name.begin() + static_cast<std::ptrdiff_t>(Prefix.size()), Name.end(),
                         [](unsigned char c) { return std::isalnum(c) != 0; }))
            continue;
        std::error_code Ignored;
        if (fs::is_regular_file(fs::symlink_status(It->path(), Ignored)))
            fs::remove(It->path(), Ignored);
    }
}

// Writes the table beside the old one and renames it into place, so a crash at any moment
// leaves the old table or the new one, never half of either. Every step is checked (each
// write, the sync, the close and the rename): a full disk or a disk error leaves the old
// table byte for byte. Gives 0, or the errno of the step that failed.
int WriteTable(const fs::path& Path, const std::string& Bytes, const TableFileCalls& Calls)
{
    RemoveLeftovers(Path);
    std::string Temp = Path.string() + ".XXXXXX";
    const int Fd = ::mkostemp(Temp.data(), O_CLOEXEC);  // O_CREAT | O_EXCL: never through a link
    if (Fd < 0)
        return errno;
    // The new table keeps the old one's permissions, so other players still read it.
    struct stat Old {};
    const mode_t Mask = ::umask(0);
    ::umask(Mask);
    ::fchmod(Fd, ::stat(Path.c_str(), &Old) == 0 ? (Old.st_mode & 07777) : (0666 & ~Mask));

    int Error = 0;
    for (std::size_t Done = 0; Done < Bytes.size() && Error == 0;) {
        const ssize_t n = Calls.Write(Fd, Bytes.data() + Done, Bytes.size() - Done);
        if (n > 0)
            Done += static_cast<std::size_t>(n);
        else if (n == 0)
            Error = ENOSPC;
        else if (errno != EINTR)
            Error = errno;
    }
    if (Error == 0 && Calls.Sync(Fd) != 0)
        Error = errno;
    if (Calls.Close(Fd) != 0 && Error == 0)
        Error = errno;
    if (Error == 0 && Calls.Rename(Temp.c_str(), Path.c_str()) != 0)
        Error = errno;
    if (Error != 0) {
        ::unlink(Temp.c_str());
        return Error;
    }
    // The rename itself lasts only once the folder is on disk too.
    const int Folder = ::open(Path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Folder >= 0) {
        ::fsync(Folder);
        ::close(Folder);
    }
    return 0;
}

// Writes Table where the current table lives. The table moves to the player's own folder,
// carrying the entries read from beside the program, only when the program's folder will not
// take it: no permission, a read-only disk, or something that is not a plain file in its place.
// A full disk or a disk error is not a reason to move: the table would then hide the old
// one for good over a passing fault, so the save fails and the old table stays.
// A link in the table's place counts as a place that cannot be written: writing through it
// would let whoever can write to a shared game folder aim our table at a player's own files,
// and replacing it would break a packager's link; reading through it is harmless.
bool SaveTable(const LoadedTable& Current, const HighScoreTable& Table, const fs::path& UserFolder,
               const TableFileCalls& Calls)
{
    const std::string Bytes = FormatHighScoreTable(Table);
    const fs::path UserTable = UserFolder / TableFile;
    const bool Here = Current.State != FileState::NotAFile && !IsLink(Current.Path);
    if (Here) {
        const int Error = WriteTable(Current.Path, Bytes, Calls);
        if (Error == 0)
            return true;
        if (Error != EACCES && Error != EPERM && Error != EROFS)
            return false;
    }
    if (UserFolder.empty() || Current.Path == UserTable)
        return false;
    std::error_code Error;
    fs::create_directories(UserFolder, Error);
    return WriteTable(UserTable, Bytes, Calls) == 0;
}

// Opens a lock file without ever waiting, and only if it is a plain file: a pipe, a device
// or a link in its place is refused at once.
int OpenLockFile(const fs::path& Path)
{
    constexpr int Flags = O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY;
    int Fd = ::open(Path.c_str(), O_RDWR | O_CREAT | Flags, 0666);
    if (Fd < 0 && (errno == EACCES || errno == EROFS))
        Fd = ::open(Path.c_str(), O_RDONLY | Flags);
    struct stat Info {};
    if (Fd >= 0 && (::fstat(Fd, &Info) != 0 || !S_ISREG(Info.st_mode))) {
        ::close(Fd);
        Fd = -1;
    }
    return Fd;
}

// Held while a finishing game reloads, places and writes, so that two copies ending at the
// same moment take turns and neither score is lost. It is an flock on "Config.cfg.lock"
// beside the program, or in the player's folder when that one cannot be had (all copies
// make the same choice). The system drops the lock when its holder dies, so a killed copy
// leaves no stale lock behind. With no folder able to hold a lock the game goes on without
// one: the rename still leaves a whole table. While another copy holds it, the player's
// prompts do the waiting, so that a window can go on painting.
class TableLock {
public:
    TableLock(const fs::path& ProgramFolder, const fs::path& UserFolder, PlayerPrompts& Ui)
    {
        for (const fs::path& Folder : {ProgramFolder, UserFolder}) {
            if (Folder.empty())
                continue;
            if (Folder == UserFolder) {
                std::error_code Error;
                fs::create_directories(Folder, Error);
            }
            if ((Fd = OpenLockFile(Folder / TableLockFile)) >= 0)
                break;
        }
        if (Fd < 0)
            return;
        // A lock the system refuses (a file system without locks) is no lock: the game goes on.
        const auto TryLock = [this] { return ::flock(Fd, LOCK_EX | LOCK_NB) == 0 || !HeldElsewhere(errno); };
        Held = TryLock() || Ui.WaitForLock(TryLock);
    }
    ~TableLock()
    {
        if (Fd >= 0)
            ::close(Fd);  // unlocks
    }
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

    bool Held = true;  // false only when the wait for another copy was given up

private:
    static bool HeldElsewhere(int Error) { return Error == EWOULDBLOCK || Error == EINTR; }

    int Fd = -1;
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

void HighScoreRecord::LoadHighScores() { Adopt(*this, ReadTable(TablePath(), FileCalls).Table); }

void HighScoreRecord::RecordHighScore(std::int16_t Score, std::string& PlayerName, PlayerPrompts& Ui)
{
    LoadHighScores();
    // Asked at every game's end, even for a score that will not enter; the answer, empty
    // after Cancel, is the next default.
    PlayerName = Ui.InputBox(NamePrompt, Title, PlayerName);

    HighScoreTable Table{HighScores, HighNames};
    if (PlaceScore(Table, Score, PlayerName) == 0)
        return;  // the file is not touched at all

    // Another copy of the game may have written the table while the prompt was open, so the
    // score is placed again in a fresh reading, under the lock, and written at once. A new best,
    // decided on that reading, is announced before the table is rewritten; the lock is let go
    // while the box is open, so another copy finishing meanwhile never waits on a player
    // reading it, and the score is then placed afresh once more.
    int Rank = 0;
    bool Saved = false;
    bool Announced = false;
    LoadedTable Fresh{{}, FileState::Read, {HighScores, HighNames}};
    for (;;) {
        {
            const TableLock Lock(ProgramFolder, UserFolder, Ui);
            if (!Lock.Held)
                break;
            Fresh = ReadTable(TablePath(), FileCalls);
            Table = Fresh.Table;
            Rank = PlaceScore(Table, Score, PlayerName);
            // A table we could not read may hold scores we cannot see: it is left as it is.
            if (Fresh.State == FileState::Unreadable)
                break;
            if (Rank != 1 || Announced) {
                Saved = Rank == 0 || SaveTable(Fresh, Table, UserFolder, FileCalls);
                break;
            }
        }
        Ui.MsgBox(HighScoreMessage, Title);
        Announced = true;
    }
    if (Saved) {
        Adopt(*this, Table);
    } else {
        // The old table stays as it was, on disk and on show; the player hears of it once.
        Adopt(*this, Fresh.Table);
        Ui.MsgBox(Fresh.State == FileState::Unreadable ? UnreadableTableMessage : SaveFailedMessage, Title);
    }
}

bool PlayerPrompts::WaitForLock(const std::function<bool()>& TryLock)
{
    const auto GiveUp = std::chrono::steady_clock::now() + LockPatience;
    while (!TryLock()) {
        if (std::chrono::steady_clock::now() > GiveUp)
            return false;
        std::this_thread::sleep_for(LockPoll);
    }
    return true;
}

TableFileCalls TableFileCalls::System()
{
    return {[](int Fd, void* Data, std::size_t Size) { return ::read(Fd, Data, Size); },
            [](int Fd, const void* Data, std::size_t Size) { return ::write(Fd, Data, Size); },
            [](int Fd) { return ::fsync(Fd); }, [](int Fd) { return ::close(Fd); },
            [](const char* From, const char* To) { return ::rename(From, To); }};
}

}  // namespace orbulon
