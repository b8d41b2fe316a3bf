// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and starting the desktop's system-information tool for the about window.
#pragma once

#include "MessageBox.h"

#include <string>
#include <vector>

namespace orbulon {

// Starting another program, and looking for one.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual bool Start(const std::string& Program) = 0;
    // An installed system-information program of this desktop, or empty when there is none.
    virtual std::string FindSystemInfoTool() = 0;
};

// Starts programs detached from the game, found on the PATH.
class DesktopLauncher : public ProgramLauncher {
public:
    bool Start(const std::string& Program) override;
    std::string FindSystemInfoTool() override;
};

// The tools looked for on the PATH, best first.
const std::vector<std::string>& SystemInfoTools();

// The about window's "&System Info..." button: this desktop's tool, else a message that
// there is none. This desktop keeps no registry of the tool, so it is looked for by name.
void StartSysInfo(ProgramLauncher& Launcher, MessageBox& Ui);

}  // namespace orbulon
