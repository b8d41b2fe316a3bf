// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client area: the board's cells, their frames and the score box.
#include "BoardSurface.h"

#include "CellPictures.h"
#include "GameWindows.h"

#include <QMouseEvent>
#include <QPainter>

namespace orbulon {

namespace {

// An outline one pixel wide along the inside edge of Area.
void DrawOutline(QPainter& Painter, const QRect& Area, const QColor& Colour)
{
    Painter.fillRect(Area.left(), Area.top(), Area.width(), 1, Colour);
    Painter.fillRect(Area.left(), Area.bottom(), Area.width(), 1, Colour);
    Painter.fillRect(Area.left(), Area.top(), 1, Area.height(), Colour);
    Painter.fillRect(Area.right(), Area.top(), 1, Area.height(), Colour);
}

}  // namespace

BallPicture::BallPicture(int Index, QWidget* Parent) : QWidget(Parent), Index(Index)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(ToQRect(CellRect(Index)));
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
    const QSizeF Size = Shown.deviceIndependentSize();
    if (Size.width() < width() || Size.height() < height())
        Painter.fillRect(rect(), ToQColor(BoardBackground));
    // A rendering denser than the screen (the 2x one on a screen of 1.5) is drawn smaller
    // smoothly rather than by dropping pixels.
    if (Shown.devicePixelRatio() != devicePixelRatioF())
        Painter.setRenderHint(QPainter::SmoothPixmapTransform);
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
    setFixedSize(ClientWidth, ClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardSurface::SetFrame(int Index, bool Shown)
{
    auto& Frame = Frames[static_cast<std::size_t>(Index)];
    if (Frame == Shown)
        return;
    Frame = Shown;
    update(ToQRect(FrameRect(Index)));
}

void BoardSurface::paintEvent(QPaintEvent* Event)
{
    QPainter Painter(this);
    Painter.fillRect(Event->rect(), ToQColor(BoardBackground));
    // The board's outline is not filled: the gaps between the balls show the window.
    DrawOutline(Painter, ToQRect(Shape1Rect), ToQColor(Shape1Outline));
    for (int Index = 1; Index <= Cells; ++Index)
        if (Frames[static_cast<std::size_t>(Index)])
            DrawOutline(Painter, ToQRect(FrameRect(Index)), ToQColor(HighlightOutline));
}

}  // namespace orbulon
