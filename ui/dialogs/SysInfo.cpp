// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and starting the desktop's system-information tool for the about window.
#include "SysInfo.h"

#include "GameInfo.h"

#include <QProcess>
#include <QStandardPaths>

namespace orbulon {

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

void StartSysInfo(ProgramLauncher& Launcher, MessageBox& Ui)
{
    const std::string Tool = Launcher.FindSystemInfoTool();
    if (!Tool.empty() && Launcher.Start(Tool))
        return;
    Ui.MsgBox(QT_TRANSLATE_NOOP("orbulon", "System Information is unavailable at this time.     "),
              std::string(GameTitle));
}

}  // namespace orbulon
