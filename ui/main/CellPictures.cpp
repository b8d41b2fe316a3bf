// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the board's cells, read from their bitmap files.
#include "CellPictures.h"

#include "GameFiles.h"
#include "GameWindows.h"
#include "MediaFile.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>

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
        // The ball's own mark, as on its bitmap: a stand-in must not leave the player to colour alone.
        Painter.setBrush(ToQColor(BallColours[static_cast<std::size_t>(Colour)]).lighter(160));
        for (int y = 0; y < CellSize * Scale; ++y)
            for (int x = 0; x < CellSize * Scale; ++x)
                if (OnMark(BallMarks[static_cast<std::size_t>(Colour)], (x + 0.5) / Scale - CellSize / 2.0,
                           (y + 0.5) / Scale - CellSize / 2.0))
                    Painter.drawRect(QRectF(x, y, 1, 1));
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
    // designed picture drawn larger; from just above 2 the 3x one likewise, and so on up to
    // the densest rendering there is, which is drawn smoothly larger beyond it.
    return std::clamp(static_cast<int>(std::ceil(DevicePixelRatio - 0.001)), 1, MaxRendering);
}

QPixmap CellPictures::Picture(const std::filesystem::path& Folder, int Colour, qreal DevicePixelRatio)
{
    if (Folder.native() != this->Folder.native()) {
        this->Folder = Folder;
        Files = {};
    }
    const int Scale = RenderingScale(DevicePixelRatio);
    const int Code = Colour >= 1 && Colour <= ColourCount ? Colour : 0;
    // Without the rendering the screen wants, the densest one below it.
    for (int Rendering = Scale; Rendering >= 1; --Rendering) {
        Kept& Known = Files[static_cast<std::size_t>(Code * Renderings + Rendering - 1)];
        if (Known.File.empty())
            Known.File = Folder / ScaledFile(BitmapFile(Code), Rendering);
        const auto Identity = Identify(Known.File);
        if (!Identity)
            continue;
        if (!(Known.Identity == *Identity) || !Known.Settled) {
            // File times tick coarsely: a file rewritten twice within one tick keeps the
            // same times. Only a file whose last change is a second old is trusted to show
            // its next change in them; a fresher one is decoded at every draw meanwhile.
            const auto Moment = Now().time_since_epoch();
            const auto Changed = std::chrono::seconds(std::max(Identity->ChangedSeconds, Identity->ModifiedSeconds));
            Known.Settled = Moment - Changed > std::chrono::seconds(2);
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
    QPixmap& StandIn = StandIns[static_cast<std::size_t>(Code * Renderings + Scale - 1)];
    if (StandIn.isNull())
        StandIn = DrawnCellPicture(Code, Scale);
    return StandIn;
}

}  // namespace orbulon
