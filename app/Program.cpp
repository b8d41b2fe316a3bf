// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a whole: the application, its identity on the desktop, the main window.
#include "Program.h"

#include "GameInfo.h"
#include "GameWindows.h"
#include "SessionBus.h"
#include "frmMain.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace orbulon {

int RunGame(int argc, char* argv[], const std::function<void()>& Started)
{
    SetAsideAMuteSessionBus();
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbulon"));
    QApplication::setApplicationVersion(ToQString(GameVersion));
    // Lets the desktop match the window to the game's menu entry and icon.
    QGuiApplication::setDesktopFileName(ToQString(GameAppId));

    // Without its own folder the game would look for its files, and keep its scores, in
    // whatever folder it was started from: it says so once and stops instead.
    if (InstalledFolders().Program.empty()) {
        const QByteArray Message = ProgramFolderMissing().toLocal8Bit();
        std::fprintf(stderr, "%s\n", Message.trimmed().constData());
        QMessageBox::critical(nullptr, ToQString(GameTitle), ProgramFolderMissing());
        return 1;
    }

    frmMain Window;
    QApplication::setWindowIcon(Window.windowIcon());
    if (Started)
        Started();
    Window.show();
    return App.exec();
}

}  // namespace orbulon
