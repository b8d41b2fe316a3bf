// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client area: the board's cells, their frames and the score box.
#include "BoardSurface.h"

#include "CellPictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace orbulon {

namespace {

const QColor Background(64, 64, 64);
const QColor Shape1Outline(192, 0, 0);
const QColor FrameOutline(255, 0, 0);

int ColumnOf(int Index) { return (Index - 1) % BoardColumns; }
int RowOf(int Index) { return (Index - 1) / BoardColumns; }

// An outline one pixel wide along the inside edge of Area.
void DrawOutline(QPainter& Painter, const QRect& Area, const QColor& Colour)
{
    Painter.fillRect(Area.left(), Area.top(), Area.width(), 1, Colour);
    Painter.fillRect(Area.left(), Area.bottom(), Area.width(), 1, Colour);
    Painter.fillRect(Area.left(), Area.top(), 1, Area.height(), Colour);
    Painter.fillRect(Area.right(), Area.top(), 1, Area.height(), Colour);
}

}  // namespace

QRect CellRect(int Index) { return {14 + 21 * ColumnOf(Index), 253 - 21 * RowOf(Index), CellSize, CellSize}; }

QRect FrameRect(int Index) { return CellRect(Index).adjusted(-1, -1, 1, 1); }

BallPicture::BallPicture(int Index, QWidget* Parent) : QWidget(Parent), Index(Index)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(CellRect(Index));
}

void BallPicture::SetPicture(const QPixmap& Picture)
{
    Shown = Picture;
    update();
}

void BallPicture::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    // A picture smaller than the cell leaves the blank cell's grey around it.
    if (Shown.width() < width() || Shown.height() < height())
        Painter.fillRect(rect(), Background);
    Painter.drawPixmap(0, 0, Shown);
}

void BallPicture::mousePressEvent(QMouseEvent* Event)
{
    Pressed = Event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(Event);
}

void BallPicture::mouseReleaseEvent(QMouseEvent* Event)
{
    // A click is a left press and release on the same cell, as a picture box counts it.
    const bool Click = Pressed && Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint());
    Pressed = false;
    if (Click)
        emit Clicked(Index);
    else
        QWidget::mouseReleaseEvent(Event);
}

BoardSurface::BoardSurface(QWidget* Parent) : QWidget(Parent)
{
    setFixedSize(ClientSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardSurface::SetFrame(int Index, bool Shown)
{
    auto& Frame = Frames[static_cast<std::size_t>(Index)];
    if (Frame == Shown)
        return;
    Frame = Shown;
    update(FrameRect(Index));
}

void BoardSurface::paintEvent(QPaintEvent* Event)
{
    QPainter Painter(this);
    Painter.fillRect(Event->rect(), Background);
    // The board's outline is not filled: the gaps between the balls show the window.
    DrawOutline(Painter, Shape1Rect, Shape1Outline);
    for (int Index = 1; Index <= BoardCells; ++Index)
        if (Frames[static_cast<std::size_t>(Index)])
            DrawOutline(Painter, FrameRect(Index), FrameOutline);
}

}  // namespace orbulon
