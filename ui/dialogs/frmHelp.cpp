// SPDX-License-Identifier: GPL-3.0-or-later
// The how-to-play window: the rules in ten lines.
#include "frmHelp.h"

#include "WindowZoom.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace orbulon {

QString frmHelp::HelpText()
{
    // Each line is translated on its own, so a translation keeps the window's eight lines.
    static const char* const Sentences[] = {
        QT_TR_NOOP("Click on any coloured ball, and if it is connected to any ball of the same"),
        QT_TR_NOOP("colour, horizontally or vertically, it will be worth some points."),
        QT_TR_NOOP("A highlight will appear around any balls worth points.  The more balls"),
        QT_TR_NOOP("highlight, the greater the points will be, and can be checked by floating"),
        QT_TR_NOOP("the cursor over any ball in the highlight group."),
        QT_TR_NOOP("Click again on any ball in the group to clear them, and add the points"),
        QT_TR_NOOP("to your score.  If you do not yet wish to clear those balls, click anywhere"),
        QT_TR_NOOP("else in the grid.  The game ends when there are no more possible moves."),
    };
    // The heading ends in a line feed of its own, which leaves the second line empty.
    QString Text = tr("Instructions:") + QLatin1Char('\n');
    for (const char* Sentence : Sentences)
        Text += QLatin1Char('\n') + tr(Sentence);
    return Text;
}

frmHelp::frmHelp(const GameFolders& Folders, QWidget* Owner)
    : StaysOnEscape(Owner,
                    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint)
{
    setWindowTitle(WindowTitle(tr("How To Play.")));
    setWindowIcon(GameIcon(Folders.Program));
    setModal(true);

    OKButton = new QPushButton(tr("OK"), this);
    lblHelp = new QLabel(this);
    lblHelp->setTextFormat(Qt::PlainText);
    lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblHelp->setText(HelpText());

    // The lines are laid out as written; where the desktop's font is wider than the
    // one the window was drawn for, the label and the window grow so no line is cut.
    // Every designed place and size is taken Zoom times, as the main window is.
    const int Z = WindowZoom();
    const QSize Text = lblHelp->sizeHint();
    const int LabelWidth = std::max(369 * Z, Text.width());
    const int LabelHeight = std::max(145 * Z, Text.height());
    lblHelp->setGeometry(16 * Z, 48 * Z, LabelWidth, LabelHeight);
    const int Width = LabelWidth + 33 * Z;
    OKButton->setGeometry(Width - 98 * Z, 16 * Z, 81 * Z, 25 * Z);
    setFixedSize(Width, std::max(211 * Z, (48 + 18) * Z + LabelHeight));
    OKButton->setFocus();
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    CentreOnScreen(*this);
}

}  // namespace orbulon
