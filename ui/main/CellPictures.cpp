// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the board's cells, read from their bitmap files.
#include "CellPictures.h"

#include "GameFiles.h"
#include "GameWindows.h"
#include "MediaFile.h"

#include <QPainter>

#include <array>
#include <chrono>

namespace orbulon {

namespace {

const QColor BlankCell = ToQColor(BoardBackground);

}  // namespace

QPixmap DrawnCellPicture(int Colour, int Scale)
{
    QPixmap Picture(CellSize * Scale, CellSize * Scale);
    Picture.fill(BlankCell);
    if (Colour >= 1 && Colour <= ColourCount) {
        QPainter Painter(&Picture);
        Painter.setRenderHint(QPainter::Antialiasing);
        Painter.setPen(Qt::NoPen);
        Painter.setBrush(ToQColor(BallColours[static_cast<std::size_t>(Colour)]));
        Painter.drawEllipse(QRectF(2 * Scale, 2 * Scale, (CellSize - 4) * Scale, (CellSize - 4) * Scale));
    }
    Picture.setDevicePixelRatio(Scale);
    return Picture;
}

QPixmap ReadCellBitmap(const std::filesystem::path& File)
{
    const QImage Picture = ReadBitmapFile(File);
    return Picture.isNull() ? QPixmap() : QPixmap::fromImage(Picture);
}

int CellPictures::RenderingScale(qreal DevicePixelRatio)
{
    // Between 1 and 2 the 2x rendering, drawn smoothly smaller, is sharper than the
    // designed picture drawn larger; from just above 2 the 3x one likewise.
    return DevicePixelRatio <= 1.0 ? 1 : DevicePixelRatio <= 2.0 ? 2 : 3;
}

QPixmap CellPictures::Picture(const std::filesystem::path& Folder, int Colour, qreal DevicePixelRatio)
{
    if (Folder.native() != this->Folder.native()) {
        this->Folder = Folder;
        Files = {};
    }
    const int Scale = RenderingScale(DevicePixelRatio);
    const int Code = Colour >= 1 && Colour <= 5 ? Colour : 0;
    for (int Rendering = Scale; Rendering >= 1; Rendering = Rendering > 1 ? 1 : 0) {
        Kept& Known = Files[static_cast<std::size_t>(Code * 4 + Rendering)];
        if (Known.File.empty())
            Known.File = Folder / ScaledFile(BitmapFile(Code), Rendering);
        const auto Identity = IdentityOf(Known.File);
        if (!Identity)
            continue;
        if (!(Known.Identity == *Identity) || !Known.Settled) {
            // File times tick coarsely: a file rewritten twice within one tick keeps the
            // same times. Only a file whose last change is a second old is trusted to show
            // its next change in them; a fresher one is decoded at every draw meanwhile.
            const auto Now = std::chrono::system_clock::now().time_since_epoch();
            const auto Changed = std::chrono::seconds(std::max(Identity->ChangedSeconds, Identity->ModifiedSeconds));
            Known.Settled = Now - Changed > std::chrono::seconds(2);
            Known.Identity = *Identity;
            Known.Picture = ReadCellBitmap(Known.File);
            Known.Picture.setDevicePixelRatio(Rendering);
            ++Decoded;
        }
        if (!Known.Picture.isNull())
            return Known.Picture;
    }
    ReportUnusable(Folder / BitmapFile(Code),
                   Code == 0 ? "the board's grey is drawn instead" : "a plain ball is drawn instead");
    QPixmap& StandIn = StandIns[static_cast<std::size_t>(Code * 4 + Scale)];
    if (StandIn.isNull())
        StandIn = DrawnCellPicture(Code, Scale);
    return StandIn;
}

}  // namespace orbulon
