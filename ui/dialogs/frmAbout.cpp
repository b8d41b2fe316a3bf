// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: title, version, what the game is, who made it.
#include "frmAbout.h"

#include "GameFiles.h"
#include "GameInfo.h"
#include "MediaFile.h"
#include "WindowZoom.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace orbulon {

frmAbout::frmAbout(const GameFolders& Folders, ProgramLauncher& Launcher, MessageBox* Ui, QWidget* Owner)
    : QDialog(Owner,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                  Qt::WindowCloseButtonHint),
      Z(WindowZoom()),
      SeparatorTop(163 * Z),
      Launcher(Launcher),
      Ui(Ui ? *Ui : OwnBoxes)
{
    setWindowTitle(WindowTitle(tr("About.")));
    const QIcon Icon = GameIcon(Folders.Program);
    setWindowIcon(Icon);
    setModal(true);
    setFixedSize(382 * Z, 237 * Z);

    // OK comes first so that it holds the focus when the window opens.
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setGeometry(283 * Z, 175 * Z, 84 * Z, 23 * Z);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setGeometry(284 * Z, 205 * Z, 83 * Z, 23 * Z);
    cmdSysInfo->setAutoDefault(false);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    // The ball the board shows, read from its picture at the zoom's own density; the window's
    // icon stands in for it.
    picIcon = new QLabel(this);
    QPixmap Ball;
    for (int Scale = std::min(Z, BitmapScales.back()); Scale >= 1 && Ball.isNull(); --Scale) {
        Ball = QPixmap::fromImage(ReadBitmapFile(Folders.Program / ScaledFile(BitmapFile(5), Scale)));
        Ball.setDevicePixelRatio(Scale / double(Z));
    }
    if (Ball.isNull()) {
        ReportUnusable(Folders.Program / BitmapFile(5), "the window's icon stands in for the ball");
        Ball = Icon.pixmap(32 * Z, 32 * Z);
    }
    picIcon->setPixmap(Ball);
    picIcon->setScaledContents(true);
    picIcon->setGeometry(QRect(QPoint(16, 16) * Z, Ball.deviceIndependentSize().toSize()));

    lblTitle = new QLabel(ToQString(GameTitle), this);
    QFont TitleFont = lblTitle->font();
    TitleFont.setPointSizeF(TitleFont.pointSizeF() * 1.6);
    TitleFont.setBold(true);
    lblTitle->setFont(TitleFont);
    lblTitle->setGeometry(70 * Z, 16 * Z, 259 * Z, 32 * Z);

    lblVersion =
        new QLabel(tr("Version %1.%2.%3").arg(GameVersionMajor).arg(GameVersionMinor).arg(GameVersionPatch), this);
    lblVersion->setGeometry(70 * Z, 52 * Z, 259 * Z, std::max(15 * Z, lblVersion->sizeHint().height()));

    lblDescription = new QLabel(tr("A puzzle of coloured balls: clear the joined groups of one colour, and the "
                                   "bigger the group, the more it scores."),
                                this);
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription->setGeometry(70 * Z, 75 * Z, 259 * Z, 78 * Z);

    lblDisclaimer =
        new QLabel(tr("(c) 2026 The Orbulon developers") + QLatin1Char('\n') + ToQString(GameHomePage), this);
    lblDisclaimer->setTextFormat(Qt::PlainText);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDisclaimer->setGeometry(17 * Z, 175 * Z, 258 * Z, 55 * Z);

    FitTexts();
    cmdOK->setFocus();
    CentreOnScreen(*this);
}

// The designed sizes hold the texts in the designed font; a larger font (or a longer
// translation of a caption) grows a button or label to its own size hint and moves what
// lies below or to its left out of the way, so that nothing is clipped.
void frmAbout::FitTexts()
{
    const auto Grow = [](QWidget* Widget, QSize Needed) {
        const QRect Designed = Widget->geometry();
        Widget->resize(std::max(Designed.width(), Needed.width()), std::max(Designed.height(), Needed.height()));
    };
    for (QPushButton* Button : {cmdOK, cmdSysInfo})
        Grow(Button, Button->sizeHint());
    for (QLabel* Label : {lblTitle, lblVersion, lblDisclaimer})
        Grow(Label, Label->sizeHint());
    Grow(lblDescription, {0, lblDescription->heightForWidth(lblDescription->width())});

    // The upper part: title, version and description one under the other.
    lblVersion->move(lblVersion->x(), std::max(lblVersion->y(), lblTitle->geometry().bottom() + 5 * Z));
    lblDescription->move(lblDescription->x(), std::max(lblDescription->y(), lblVersion->geometry().bottom() + 8 * Z));
    SeparatorTop = std::max(SeparatorTop, lblDescription->geometry().bottom() + 10 * Z);

    // The lower part, below the separator: the disclaimer beside the buttons, stacked at the right.
    const int LowerTop = SeparatorTop + 12 * Z;
    const int ButtonWidth = std::max(cmdOK->width(), cmdSysInfo->width());
    const int Right = std::max({cmdOK->geometry().right(), cmdSysInfo->geometry().right(),
                                lblDisclaimer->geometry().right() + 8 * Z + ButtonWidth});
    cmdOK->setGeometry(Right + 1 - cmdOK->width(), LowerTop, cmdOK->width(), cmdOK->height());
    cmdSysInfo->setGeometry(Right + 1 - cmdSysInfo->width(), cmdOK->geometry().bottom() + 8 * Z, cmdSysInfo->width(),
                            cmdSysInfo->height());
    lblDisclaimer->move(lblDisclaimer->x(), LowerTop);
    lblDisclaimer->resize(std::min(lblDisclaimer->width(), Right - ButtonWidth - 8 * Z - lblDisclaimer->x()),
                          lblDisclaimer->height());

    const QRect Used = childrenRect();
    setFixedSize(std::max(width(), Used.right() + 16 * Z), std::max(height(), Used.bottom() + 10 * Z));
}

void frmAbout::StartSysInfo() { orbulon::StartSysInfo(Launcher, Ui); }

void frmAbout::paintEvent(QPaintEvent* Event)
{
    QDialog::paintEvent(Event);
    // The etched separator: a shadow line with a highlight beneath, in the palette's own
    // shades so that it stays etched under a dark colour scheme too.
    QPainter Painter(this);
    const int Right = width() - 6 * Z;
    Painter.fillRect(QRect(QPoint(6 * Z, SeparatorTop), QPoint(Right, SeparatorTop + Z - 1)),
                     palette().color(QPalette::Mid));
    Painter.fillRect(QRect(QPoint(7 * Z, SeparatorTop + Z), QPoint(Right, SeparatorTop + 3 * Z - 1)),
                     palette().color(QPalette::Light));
}

}  // namespace orbulon
