// SPDX-License-Identifier: GPL-3.0-or-later
// Orbulon: a puzzle of coloured balls in one window.
#include "FirstFrameReport.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbulon"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    // Lets the desktop match the window to the game's menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORBULON_APP_ID));

    orbulon::frmMain Window;
    QApplication::setWindowIcon(Window.windowIcon());
    orbulon::ReportFirstFrameIfAsked();
    Window.show();
    return App.exec();
}
