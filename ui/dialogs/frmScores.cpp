// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score window: the five best scores and their names, read from the table.
#include "frmScores.h"

#include "HighScoreRecord.h"
#include "WindowZoom.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace orbulon {

frmScores::frmScores(const GameFolders& Folders, QWidget* Owner)
    : StaysOnEscape(Owner,
                    Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                        Qt::WindowCloseButtonHint)
{
    setWindowTitle(WindowTitle(tr("Scores.")));
    setWindowIcon(GameIcon(Folders.Program));
    setModal(true);
    // Every designed place and size is taken Zoom times, as the main window is.
    const int Z = WindowZoom();
    resize(400 * Z, 211 * Z);

    QFont Heavy(QStringLiteral("Times New Roman"));
    Heavy.setPointSizeF(14.25 * Z);
    Heavy.setWeight(QFont::Bold);
    Heavy.setItalic(false);

    cmdOK = new QPushButton(tr("OK"), this);
    // The designed size, or the caption's own where a larger font needs more.
    const QSize Needed = cmdOK->sizeHint();
    const int Width = std::max(81 * Z, Needed.width());
    cmdOK->setGeometry(385 * Z - Width, 24 * Z, Width, std::max(25 * Z, Needed.height()));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    HighScoreRecord Table(Folders.Program, Folders.User);
    Table.LoadHighScores();

    for (int Rank = 1; Rank <= 5; ++Rank) {
        const int Top = (24 + 32 * (Rank - 1)) * Z;
        lblScore[Rank] = new QLabel(this);
        lblScore[Rank]->setFont(Heavy);
        lblScore[Rank]->setGeometry(24 * Z, Top, 79 * Z, 22 * Z);
        lblScore[Rank]->setText(QString::number(Table.HighScores[Rank]));

        // A name longer than its column ends in "…" there and can be read whole in its tool tip.
        const QString Name = QString::fromStdString(Table.HighNames[Rank]);
        lblName[Rank] = new QLabel(this);
        lblName[Rank]->setFont(Heavy);
        lblName[Rank]->setTextFormat(Qt::PlainText);
        lblName[Rank]->setGeometry(120 * Z, Top, 176 * Z, 22 * Z);
        const QString Shown = lblName[Rank]->fontMetrics().elidedText(Name, Qt::ElideRight, lblName[Rank]->width());
        lblName[Rank]->setText(Shown);
        if (Shown != Name)
            lblName[Rank]->setToolTip(QStringLiteral("<qt>%1</qt>").arg(Name.toHtmlEscaped()));

        // A screen reader hears the score with its rank and name, "1: 1200, Orbulon", and
        // then the name on its own as the row shows it.
        const QString Row = QStringLiteral("%1: %2, %3").arg(Rank).arg(Table.HighScores[Rank]).arg(Name);
        lblScore[Rank]->setAccessibleName(Row);
    }

    CentreOnScreen(*this);
}

}  // namespace orbulon
