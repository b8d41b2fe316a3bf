// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: title, version, what the game is, who made it.
#pragma once

#include "GameWindows.h"
#include "MessageBoxes.h"
#include "SysInfo.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace orbulon {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Launcher finds and starts the system-information tool; Ui (when given) tells the
    // player when there is none, else a message box over this window does. Both must
    // outlive the window.
    frmAbout(const GameFolders& Folders, ProgramLauncher& Launcher, MessageBox* Ui = nullptr, QWidget* Owner = nullptr);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

    void StartSysInfo();

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    void FitTexts();

    const int Z;  // the zoom the window is laid out at: every designed pixel is Z of its own
    int SeparatorTop;  // moves down only when larger fonts need the room
    ProgramLauncher& Launcher;
    MessageBoxes OwnBoxes{this};
    MessageBox& Ui;
};

}  // namespace orbulon
