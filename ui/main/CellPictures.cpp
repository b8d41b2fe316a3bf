// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the board's cells, read from their bitmap files.
#include "CellPictures.h"

#include "GameFiles.h"
#include "GameWindows.h"

#include <QPainter>

#include <array>

namespace orbulon {

namespace {

const QColor BlankCell = ToQColor(BoardBackground);

// Plain colours for the stand-in balls, close to those of the bitmaps.
const std::array<QColor, 6> StandInColours{
    BlankCell,  // empty
    QColor(160, 32, 200),  // purple
    QColor(32, 64, 230),  // blue
    QColor(240, 220, 0),  // yellow
    QColor(0, 190, 40),  // green
    QColor(220, 20, 20),  // red
};

}  // namespace

QPixmap DrawnCellPicture(int Colour)
{
    QPixmap Picture(CellSize, CellSize);
    Picture.fill(BlankCell);
    if (Colour >= 1 && Colour <= 5) {
        QPainter Painter(&Picture);
        Painter.setRenderHint(QPainter::Antialiasing);
        Painter.setPen(Qt::NoPen);
        Painter.setBrush(StandInColours[static_cast<std::size_t>(Colour)]);
        Painter.drawEllipse(QRectF(2, 2, CellSize - 4, CellSize - 4));
    }
    return Picture;
}

QPixmap LoadCellPicture(const std::filesystem::path& Folder, int Colour)
{
    QPixmap Picture(ToQString(Folder / BitmapFile(Colour)));
    if (Picture.isNull())
        return DrawnCellPicture(Colour);
    return Picture;
}

}  // namespace orbulon
