// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: title, version, what the game is, who made it.
#include "frmAbout.h"

#include "GameFiles.h"
#include "GameInfo.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace orbulon {

frmAbout::frmAbout(const GameFolders& Folders, Registry& Keys, ProgramLauncher& Launcher, MessageBox* Ui,
                   QWidget* Owner)
    : QDialog(Owner,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                  Qt::WindowCloseButtonHint),
      Keys(Keys),
      Launcher(Launcher),
      Ui(Ui ? *Ui : OwnBoxes)
{
    setWindowTitle(WindowTitle("About."));
    const QIcon Icon = GameIcon(Folders.Program);
    setWindowIcon(Icon);
    setModal(true);
    setFixedSize(382, 237);

    // OK comes first so that it holds the focus when the window opens.
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(283, 175, 84, 23);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setGeometry(284, 205, 83, 23);
    cmdSysInfo->setAutoDefault(false);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    // The ball the board shows, read from its picture; the window's icon stands in for it.
    picIcon = new QLabel(this);
    QPixmap Ball(ToQString(Folders.Program / BitmapFile(5)));
    if (Ball.isNull())
        Ball = Icon.pixmap(32, 32);
    picIcon->setPixmap(Ball);
    picIcon->setGeometry(16, 16, Ball.width(), Ball.height());

    lblTitle = new QLabel(ToQString(GameTitle), this);
    QFont TitleFont = lblTitle->font();
    TitleFont.setPointSizeF(TitleFont.pointSizeF() * 1.6);
    TitleFont.setBold(true);
    lblTitle->setFont(TitleFont);
    lblTitle->setGeometry(70, 16, 259, 32);

    lblVersion = new QLabel(
        QStringLiteral("Version %1.%2.%3").arg(GameVersionMajor).arg(GameVersionMinor).arg(GameVersionPatch), this);
    lblVersion->setGeometry(70, 52, 259, std::max(15, lblVersion->sizeHint().height()));

    lblDescription =
        new QLabel(QStringLiteral("A puzzle of coloured balls: clear the joined groups of one colour, and the "
                                  "bigger the group, the more it scores."),
                   this);
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription->setGeometry(70, 75, 259, 78);

    lblDisclaimer = new QLabel(QStringLiteral("(c) 2026 The Orbulon developers\n") + ToQString(GameHomePage), this);
    lblDisclaimer->setTextFormat(Qt::PlainText);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDisclaimer->setGeometry(17, 175, 258, 55);

    for (QLabel* Label : {lblTitle, lblDescription, lblDisclaimer}) {
        QPalette Black = Label->palette();
        Black.setColor(QPalette::WindowText, Qt::black);
        Label->setPalette(Black);
    }

    cmdOK->setFocus();
    CentreOnScreen(*this);
}

void frmAbout::StartSysInfo() { orbulon::StartSysInfo(Keys, Launcher, Ui); }

void frmAbout::paintEvent(QPaintEvent* Event)
{
    QDialog::paintEvent(Event);
    // The etched separator: a grey line with a white one beneath, one pixel apart.
    QPainter Painter(this);
    Painter.setPen(QPen(QColor(128, 128, 128), 1));
    Painter.drawLine(6, 163, 376, 163);
    Painter.fillRect(QRect(7, 164, 370, 2), Qt::white);
}

}  // namespace orbulon
