// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and starting the system's information tool for the about window.
#pragma once

#include "MessageBox.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orbulon {

// The few registry calls the about window needs, returning codes as the Windows
// calls do (0 for success). Linux has no such registry: every key fails to open.
using RegHandle = std::uintptr_t;
inline constexpr std::uint32_t RegLocalMachine = 0x80000002;  // HKEY_LOCAL_MACHINE
inline constexpr std::uint32_t RegKeyAccess = 0x2003F;
inline constexpr long RegSuccess = 0;
inline constexpr long RegNotFound = 2;
inline constexpr std::uint32_t RegString = 1;  // REG_SZ
inline constexpr std::uint32_t RegNumber = 4;  // REG_DWORD
inline constexpr std::uint32_t RegBufferSize = 1024;

class Registry {
public:
    virtual ~Registry() = default;
    virtual long OpenKey(std::uint32_t Root, const std::string& SubKey, std::uint32_t Access, RegHandle& Key) = 0;
    // Fills Data (DataSize bytes long on entry) and reports the bytes written in DataSize.
    virtual long QueryValue(RegHandle Key, const std::string& ValueName, std::uint32_t& Type, char* Data,
                            std::uint32_t& DataSize) = 0;
    virtual long CloseKey(RegHandle Key) = 0;
};

// The registry of the desktop the game runs on, which keeps none.
std::unique_ptr<Registry> SystemRegistry();

// Starting another program, and looking for one.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual bool FileExists(const std::string& Path) = 0;
    virtual bool Start(const std::string& Program) = 0;
    // An installed system-information program of this desktop, or empty when there is none.
    virtual std::string FindSystemInfoTool() = 0;
};

// Starts programs detached from the game, found on the PATH.
class DesktopLauncher : public ProgramLauncher {
public:
    bool FileExists(const std::string& Path) override;
    bool Start(const std::string& Program) override;
    std::string FindSystemInfoTool() override;
};

// The tools looked for on the PATH when the registry names none, best first.
const std::vector<std::string>& SystemInfoTools();

// Reads one value as text into KeyVal; true when it was read.
bool GetKeyValue(Registry& Keys, std::uint32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                 std::string& KeyVal);

// The about window's "&System Info..." button: the tool the registry names, else one
// installed on this desktop, else a message that there is none.
void StartSysInfo(Registry& Keys, ProgramLauncher& Launcher, MessageBox& Ui);

}  // namespace orbulon
