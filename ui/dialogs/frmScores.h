// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score window: the five best scores and their names, read from the table.
#pragma once

#include "GameWindows.h"
#include "HighScoreTable.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace orbulon {

class frmScores : public StaysOnEscape {
    Q_OBJECT
public:
    // Reads the table afresh from the high-score file.
    explicit frmScores(const GameFolders& Folders, QWidget* Owner = nullptr);

    std::array<QLabel*, TableRanks + 1> lblScore{};  // ranks 1 to 5; element 0 is never used
    std::array<QLabel*, TableRanks + 1> lblName{};
    QPushButton* cmdOK = nullptr;
};

}  // namespace orbulon
