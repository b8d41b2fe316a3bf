// SPDX-License-Identifier: GPL-3.0-or-later
// What every window of the game shares: where its files lie, its icon, its placement.
#pragma once

#include "BoardLayout.h"

#include <QColor>
#include <QDialog>
#include <QIcon>
#include <QRect>

#include <filesystem>
#include <string_view>

class QWidget;

namespace orbulon {

// The program's own folder holds the pictures, sounds and data files; the user's
// folder is where the high-score table goes when the program's folder is read-only.
struct GameFolders {
    std::filesystem::path Program;
    std::filesystem::path User;
};

// The folders of the running program. Program is empty when the program's own folder cannot
// be found; the game then does not start (see ProgramFolderMissing), for anything else would
// read and write beside whatever folder it was started from.
GameFolders InstalledFolders();

// The folder of the program file that Link names (the system's /proc/self/exe for the running
// program), taken as the bytes the system gives, so that a folder named in any encoding is
// found; empty when the link cannot be read.
std::filesystem::path ProgramFolderOf(const std::filesystem::path& Link);

// The player's own folder for the game's data by the XDG base directory rules:
// "$XDG_DATA_HOME/orbulon", else "$HOME/.local/share/orbulon". Either variable (null when
// unset) counts only when it is an absolute path; a relative one is invalid and ignored. Empty
// when no absolute home is known.
std::filesystem::path UserDataFolder(const char* XdgDataHome, const char* Home);

// The XDG base folders are absolute paths or nothing: a relative one would put the player's
// settings or scores under whatever folder the game was started from. Unsets every such
// variable that is set to a relative path, before Qt reads them.
void IgnoreRelativeXdgFolders();

// The one message that tells the player why the game does not start without its folder.
QString ProgramFolderMissing();

// The red ball of "Orbulon.ico" beside the program, or a red disc drawn here when
// the icon file is missing, so that no window ever goes without it.
QIcon GameIcon(const std::filesystem::path& ProgramFolder);

// Centres a window on its screen by its outer size, top first and then left, as
// every window of the game does when it loads. A window larger than the screen
// gets a negative position. Under Wayland the compositor places it instead.
void CentreOnScreen(QWidget& Window);

// A window whose OK button is not its cancel button: Escape leaves it open, as the
// scores and how-to-play windows want.
class StaysOnEscape : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* Event) override;
};

// A path in the form Qt takes; the folder may hold any characters the system allows.
QString ToQString(const std::filesystem::path& Path);

// The game's own texts, colours and places in the form Qt takes.
inline QString ToQString(std::string_view Utf8)
{
    return QString::fromUtf8(Utf8.data(), static_cast<qsizetype>(Utf8.size()));
}
constexpr QColor ToQColor(Rgb Colour) { return QColor(Colour.R, Colour.G, Colour.B); }
constexpr QRect ToQRect(PixelRect Rect) { return QRect(Rect.Left, Rect.Top, Rect.Width, Rect.Height); }

// The title of a secondary window: the game's title and what the window shows.
QString WindowTitle(const QString& What);

}  // namespace orbulon
