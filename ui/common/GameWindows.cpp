// SPDX-License-Identifier: GPL-3.0-or-later
// What every window of the game shares: where its files lie, its icon, its placement.
#include "GameWindows.h"

#include "GameFiles.h"
#include "GameInfo.h"
#include "MediaFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>

namespace orbulon {

GameFolders InstalledFolders()
{
    return {QCoreApplication::applicationDirPath().toStdU16String(),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdU16String()};
}

void StaysOnEscape::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_Escape) {
        Event->accept();
        return;
    }
    QDialog::keyPressEvent(Event);
}

QString ToQString(const std::filesystem::path& Path) { return QString::fromStdU16String(Path.u16string()); }

QString WindowTitle(const QString& What) { return ToQString(GameTitle) + QStringLiteral(" - ") + What; }

namespace {

QPixmap DrawnDisc(int Size)
{
    QPixmap Picture(Size, Size);
    Picture.fill(Qt::black);
    QPainter Painter(&Picture);
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(ToQColor(BallColours[Red]));  // the red ball's
    const qreal Margin = Size / 16.0;
    Painter.drawEllipse(QRectF(Margin, Margin, Size - 2 * Margin, Size - 2 * Margin));
    return Picture;
}

}  // namespace

QIcon GameIcon(const std::filesystem::path& ProgramFolder)
{
    QIcon Icon;
    // An icon file holds several sizes; each one is read so the window manager can pick.
    // Qt reads the checked bytes, never the file by its name, which might be a FIFO.
    QBuffer Bytes;
    if (auto File = ReadMediaFile(ProgramFolder / IconFile, MaxIconBytes))
        Bytes.setData(*File);
    Bytes.open(QIODevice::ReadOnly);
    QImageReader Reader(&Bytes);
    for (int Image = 0; Image < std::max(1, Reader.imageCount()); ++Image) {
        if (Image > 0 && !Reader.jumpToImage(Image))
            break;
        if (const QSize Size = Reader.size(); Size.width() > MaxPictureSide || Size.height() > MaxPictureSide)
            continue;
        const QImage Picture = Reader.read();
        if (!Picture.isNull())
            Icon.addPixmap(QPixmap::fromImage(Picture));
    }
    if (Icon.isNull()) {
        ReportUnusable(ProgramFolder / IconFile, "a drawn disc stands in for the icon");
        Icon.addPixmap(DrawnDisc(16));
        Icon.addPixmap(DrawnDisc(32));
    }
    return Icon;
}

void CentreOnScreen(QWidget& Window)
{
    // A Wayland client cannot place its windows: the compositor does, and usually centres them.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    const QScreen* Screen = Window.screen() ? Window.screen() : QGuiApplication::primaryScreen();
    if (!Screen)
        return;
    const QRect Area = Screen->geometry();
    const QSize Outer = Window.frameGeometry().size();
    // move() places the outer frame, so the outer size is what gets centred.
    const int Top = Area.y() + Area.height() / 2 - Outer.height() / 2;
    const int Left = Area.x() + Area.width() / 2 - Outer.width() / 2;
    Window.move(Left, Top);
}

}  // namespace orbulon
