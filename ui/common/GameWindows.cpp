// SPDX-License-Identifier: GPL-3.0-or-later
// What every window of the game shares: where its files lie, its icon, its placement.
#include "GameWindows.h"

#include "GameFiles.h"
#include "GameInfo.h"
#include "MediaFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace orbulon {

std::filesystem::path ProgramFolderOf(const std::filesystem::path& Link)
{
    // Qt's own answer comes back empty for a folder whose name is not in the locale's
    // encoding ("caf\xe9" from a Latin-1 disk), and the game's files would then be looked
    // for in the current folder. The link's bytes need no decoding.
    std::string Target(256, '\0');
    for (;;) {
        const ssize_t Length = ::readlink(Link.c_str(), Target.data(), Target.size());
        if (Length < 0)
            return {};
        if (static_cast<std::size_t>(Length) < Target.size()) {
            Target.resize(static_cast<std::size_t>(Length));
            break;
        }
        Target.resize(Target.size() * 2);
    }
    // A program replaced while it runs reads as ".../orbulon (deleted)": its folder is the same.
    const std::filesystem::path Program(Target);
    return Program.is_absolute() ? Program.parent_path() : std::filesystem::path();
}

std::filesystem::path UserDataFolder(const char* XdgDataHome, const char* Home)
{
    const auto Absolute = [](const char* Path) { return Path && Path[0] == '/'; };
    if (Absolute(XdgDataHome))
        return std::filesystem::path(XdgDataHome) / "orbulon";
    if (Absolute(Home))
        return std::filesystem::path(Home) / ".local/share/orbulon";
    return {};
}

void IgnoreRelativeXdgFolders()
{
    for (const char* Name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        if (const char* Value = std::getenv(Name); Value && Value[0] != '/')
            ::unsetenv(Name);
}

GameFolders InstalledFolders()
{
    return {ProgramFolderOf("/proc/self/exe"), UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"))};
}

QString ProgramFolderMissing()
{
    return QCoreApplication::translate("orbulon",
                                       "Orbulon cannot find its own folder, where its pictures, sounds "
                                       "and scores are kept, so it cannot start.     ");
}

void StaysOnEscape::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_Escape) {
        Event->accept();
        return;
    }
    QDialog::keyPressEvent(Event);
}

// The path's own bytes, decoded as the system decodes file names: a folder whose name is not
// UTF-8 ("caf\xe9") reads with a stand-in character rather than making the conversion throw.
QString ToQString(const std::filesystem::path& Path) { return QFile::decodeName(Path.c_str()); }

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
