// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a whole: the application, its identity on the desktop, the main window.
#include "Program.h"

#include "GameInfo.h"
#include "GameWindows.h"
#include "PlayerLanguage.h"
#include "frmMain.h"

#include <QApplication>

namespace orbulon {

int RunGame(int argc, char* argv[], const std::function<void()>& Started)
{
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbulon"));
    QApplication::setApplicationVersion(ToQString(GameVersion));
    // Lets the desktop match the window to the game's menu entry and icon.
    QGuiApplication::setDesktopFileName(ToQString(GameAppId));
    InstallTranslations(App, QCoreApplication::applicationDirPath());

    frmMain Window;
    QApplication::setWindowIcon(Window.windowIcon());
    if (Started)
        Started();
    Window.show();
    return App.exec();
}

}  // namespace orbulon
