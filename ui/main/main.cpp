// SPDX-License-Identifier: GPL-3.0-or-later
// Orbulon: a puzzle of coloured balls in one window.
#include "GameInfo.h"
#include "GameWindows.h"
#include "frmMain.h"

#include <QApplication>

// The start-up benchmark builds its own copy of the program from this file, one that reports
// its first painted frame; the game a player runs has no such report.
#ifdef ORBULON_FIRST_FRAME_PROBE
#include "FirstFrameReport.h"
#endif

int main(int argc, char* argv[])
{
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbulon"));
    QApplication::setApplicationVersion(orbulon::ToQString(orbulon::GameVersion));
    // Lets the desktop match the window to the game's menu entry and icon.
    QGuiApplication::setDesktopFileName(orbulon::ToQString(orbulon::GameAppId));

    orbulon::frmMain Window;
    QApplication::setWindowIcon(Window.windowIcon());
#ifdef ORBULON_FIRST_FRAME_PROBE
    orbulon::ReportFirstFrame();
#endif
    Window.show();
    return App.exec();
}
