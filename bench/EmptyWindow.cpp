// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up baseline: an empty main window of the game's fixed size with a menu bar,
// built the same way as the game, so that start-up figures can be read against it.
#include "BoardLayout.h"
#include "FirstFrameReport.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication App(argc, argv);
    QMainWindow Window;
    Window.setWindowTitle(QStringLiteral("Baseline"));
    Window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    Window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto* Client = new QWidget;
    Client->setFixedSize(orbulon::ClientWidth, orbulon::ClientHeight);
    Window.setCentralWidget(Client);
    Window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    orbulon::ReportFirstFrame();
    Window.show();
    return App.exec();
}
