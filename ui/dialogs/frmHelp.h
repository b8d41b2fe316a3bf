// SPDX-License-Identifier: GPL-3.0-or-later
// The how-to-play window: the rules in ten lines.
#pragma once

#include "GameWindows.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace orbulon {

class frmHelp : public StaysOnEscape {
    Q_OBJECT
public:
    explicit frmHelp(const GameFolders& Folders, QWidget* Owner = nullptr);

    QPushButton* OKButton = nullptr;
    QLabel* lblHelp = nullptr;

    // The instructions as the window shows them: ten lines joined by line feeds.
    static QString HelpText();
};

}  // namespace orbulon
