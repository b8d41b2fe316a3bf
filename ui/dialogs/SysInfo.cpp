// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and starting the system's information tool for the about window.
#include "SysInfo.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

namespace orbulon {

namespace {

// Linux and the other desktops keep no registry: the lookups simply find nothing.
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

#ifdef _WIN32
class WindowsRegistry : public Registry {
public:
    long OpenKey(std::uint32_t Root, const std::string& SubKey, std::uint32_t Access, RegHandle& Key) override
    {
        HKEY Opened = nullptr;
        const long Result =
            RegOpenKeyExA(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(Root)), SubKey.c_str(), 0, Access, &Opened);
        Key = reinterpret_cast<RegHandle>(Opened);
        return Result;
    }
    long QueryValue(RegHandle Key, const std::string& ValueName, std::uint32_t& Type, char* Data,
                    std::uint32_t& DataSize) override
    {
        DWORD ValueType = 0;
        DWORD Size = DataSize;
        const long Result = RegQueryValueExA(reinterpret_cast<HKEY>(Key), ValueName.c_str(), nullptr, &ValueType,
                                             reinterpret_cast<BYTE*>(Data), &Size);
        Type = ValueType;
        DataSize = Size;
        return Result;
    }
    long CloseKey(RegHandle Key) override { return Key ? RegCloseKey(reinterpret_cast<HKEY>(Key)) : RegSuccess; }
};
#endif

const std::string Unavailable = "System Information is unavailable at this time.     ";

}  // namespace

std::unique_ptr<Registry> SystemRegistry()
{
#ifdef _WIN32
    return std::make_unique<WindowsRegistry>();
#else
    return std::make_unique<NoRegistry>();
#endif
}

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
#ifdef _WIN32
    return {};  // Windows names its tool in the registry
#else
    for (const std::string& Tool : SystemInfoTools()) {
        const QString Found = QStandardPaths::findExecutable(QString::fromStdString(Tool));
        if (!Found.isEmpty())
            return Found.toStdString();
    }
    return {};
#endif
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

void StartSysInfo(Registry& Keys, ProgramLauncher& Launcher, Dialogs& Ui)
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

    Ui.MsgBox(Unavailable, "Orbulon!");
}

}  // namespace orbulon
