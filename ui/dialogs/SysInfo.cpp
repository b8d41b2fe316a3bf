// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and starting the system's information tool for the about window.
#include "SysInfo.h"

#include "GameInfo.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace orbulon {

namespace {

// This desktop keeps no registry: the lookups simply find nothing, and the about window
// falls back to a system-information tool found on the PATH.
class NoRegistry : public Registry {
public:
    long OpenKey(std::uint32_t, const std::string&, std::uint32_t, RegHandle& Key) override
    {
        Key = 0;
        return RegNotFound;
    }
    long QueryValue(RegHandle, const std::string&, std::uint32_t&, char*, std::uint32_t&) override
    {
        return RegNotFound;
    }
    long CloseKey(RegHandle) override { return RegSuccess; }
};

const std::string Unavailable = "System Information is unavailable at this time.     ";

}  // namespace

std::unique_ptr<Registry> SystemRegistry() { return std::make_unique<NoRegistry>(); }

bool DesktopLauncher::FileExists(const std::string& Path) { return QFileInfo(QString::fromStdString(Path)).isFile(); }

bool DesktopLauncher::Start(const std::string& Program)
{
    return QProcess::startDetached(QString::fromStdString(Program), {});
}

const std::vector<std::string>& SystemInfoTools()
{
    static const std::vector<std::string> Tools{"hardinfo", "kinfocenter", "gnome-system-monitor", "xfce4-taskmanager"};
    return Tools;
}

std::string DesktopLauncher::FindSystemInfoTool()
{
    for (const std::string& Tool : SystemInfoTools()) {
        const QString Found = QStandardPaths::findExecutable(QString::fromStdString(Tool));
        if (!Found.isEmpty())
            return Found.toStdString();
    }
    return {};
}

bool GetKeyValue(Registry& Keys, std::uint32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                 std::string& KeyVal)
{
    RegHandle Key = 0;
    if (Keys.OpenKey(KeyRoot, KeyName, RegKeyAccess, Key) != RegSuccess) {
        KeyVal.clear();
        Keys.CloseKey(Key);
        return false;
    }

    char Buffer[RegBufferSize] = {};
    std::uint32_t Size = RegBufferSize;
    std::uint32_t Type = 0;
    if (Keys.QueryValue(Key, SubKeyRef, Type, Buffer, Size) != RegSuccess) {
        KeyVal.clear();
        Keys.CloseKey(Key);
        return false;
    }

    // The reported size counts a string's closing NUL, which is no part of the text.
    std::string Read(Buffer, std::min<std::uint32_t>(Size, RegBufferSize));
    if (!Read.empty() && Read.back() == '\0')
        Read.pop_back();

    if (Type == RegString) {
        KeyVal = Read;
    } else if (Type == RegNumber) {
        std::uint32_t Number = 0;
        for (std::size_t Byte = std::min<std::size_t>(Read.size(), 4); Byte-- > 0;)
            Number = (Number << 8) | static_cast<unsigned char>(Read[Byte]);
        char Hex[16];
        std::snprintf(Hex, sizeof Hex, "&h%X", static_cast<unsigned>(Number));
        KeyVal = Hex;
    }
    Keys.CloseKey(Key);
    return true;
}

void StartSysInfo(Registry& Keys, ProgramLauncher& Launcher, MessageBox& Ui)
{
    std::string Path;
    if (GetKeyValue(Keys, RegLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", Path)) {
        if (Launcher.Start(Path))
            return;
    } else if (GetKeyValue(Keys, RegLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", Path)) {
        const std::string Tool = Path + "\\MSINFO32.EXE";
        if (Launcher.FileExists(Tool) && Launcher.Start(Tool))
            return;
    }

    // Where the registry names no tool, this desktop's own may stand in.
    const std::string Native = Launcher.FindSystemInfoTool();
    if (!Native.empty() && Launcher.Start(Native))
        return;

    Ui.MsgBox(Unavailable, std::string(GameTitle));
}

}  // namespace orbulon
