// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client area: the board's cells, their frames and the score box.
#include "BoardSurface.h"

#include "CellPictures.h"
#include "GameWindows.h"
#include "WindowZoom.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orbulon {

namespace {

// An outline one designed pixel wide along the inside edge of Area, drawn in whole device pixels:
// at a fractional scale a line of one scaled pixel would round to one device pixel on
// some edges and two on others, so every edge gets the same whole number of device
// pixels, laid just outside the rounded inner rectangle that the cell covers.
void DrawOutline(QPainter& Painter, const QRect& Area, const QColor& Colour)
{
    const QTransform ToDevice = Painter.deviceTransform();
    const qreal Ratio = std::max<qreal>(1, ToDevice.m11());
    const int Line = std::max(1, static_cast<int>(std::floor(Ratio + 0.01)));
    const QPoint TopLeft = ToDevice.map(QPointF(Area.left() + 1, Area.top() + 1)).toPoint();
    const QPoint BottomRight = ToDevice.map(QPointF(Area.right(), Area.bottom())).toPoint();
    const QRect Inner(TopLeft, BottomRight - QPoint(1, 1));
    const QRect Outer = Inner.adjusted(-Line, -Line, Line, Line);

    Painter.save();
    Painter.resetTransform();  // the zoom's scale too: what follows is in device pixels
    Painter.setWorldTransform(Painter.deviceTransform().inverted());
    Painter.fillRect(Outer.left(), Outer.top(), Outer.width(), Line, Colour);
    Painter.fillRect(Outer.left(), Inner.bottom() + 1, Outer.width(), Line, Colour);
    Painter.fillRect(Outer.left(), Inner.top(), Line, Inner.height(), Colour);
    Painter.fillRect(Inner.right() + 1, Inner.top(), Line, Inner.height(), Colour);
    Painter.restore();
}

// The keyboard focus mark: a white square with a black one inside it, along the inner edge of
// the ball's own 20 x 20 area, so it shows on every ball and on an empty cell, and never
// covers the red frames, which lie in the gaps around the cells.
void DrawFocusMark(QPainter& Painter, const QRect& Area)
{
    DrawOutline(Painter, Area, Qt::white);
    DrawOutline(Painter, Area.adjusted(1, 1, -1, -1), Qt::black);
}

// The cell an arrow key leads to from Index, or 0 at the board's edge: the focus never wraps.
int NeighbourCell(int Index, int Key)
{
    const int Row = RowOf(Index), Column = ColumnOf(Index);
    switch (Key) {
    case Qt::Key_Left: return Column > 0 ? Index - 1 : 0;
    case Qt::Key_Right: return Column < Columns - 1 ? Index + 1 : 0;
    case Qt::Key_Up: return Row < Rows - 1 ? Index + Columns : 0;  // row 0 is the bottom one
    case Qt::Key_Down: return Row > 0 ? Index - Columns : 0;
    default: return -1;
    }
}

}  // namespace

BallPicture::BallPicture(int Index, BoardSurface* Parent) : QWidget(Parent), Surface(*Parent), Index(Index)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(Zoomed(CellRect(Index), Parent->Zoom()));
}

void BallPicture::SetPicture(const QPixmap& Picture)
{
    Shown = Picture;
    update();
}

void BallPicture::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    // The cell is painted in its designed pixels, each Zoom pixels of the window.
    const int Zoom = Surface.Zoom();
    Painter.scale(Zoom, Zoom);
    const QRect Cell(0, 0, CellSize, CellSize);
    // A picture smaller than the cell leaves the blank cell's grey around it.
    const QSizeF Size = Shown.deviceIndependentSize();
    if (Size.width() < CellSize || Size.height() < CellSize)
        Painter.fillRect(Cell, ToQColor(BoardBackground));
    // A rendering denser than the screen (the 2x one on a screen of 1.5) is drawn smaller
    // smoothly rather than by dropping pixels, and one less dense larger without steps.
    if (Shown.devicePixelRatio() != Zoom * devicePixelRatioF())
        Painter.setRenderHint(QPainter::SmoothPixmapTransform);
    Painter.drawPixmap(0, 0, Shown);

    if (Surface.KeyboardInUse && hasFocus())
        DrawFocusMark(Painter, Cell);
}

bool BallPicture::Framed() const { return Surface.FrameShown(Index); }

void BallPicture::mousePressEvent(QMouseEvent* Event)
{
    if (Surface.KeyboardInUse) {
        Surface.KeyboardInUse = false;
        if (QWidget* Focused = QApplication::focusWidget(); Focused && Focused->parentWidget() == &Surface)
            Focused->update();
    }
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

void BallPicture::keyPressEvent(QKeyEvent* Event)
{
    const int Key = Event->key();
    const bool IsPress = Key == Qt::Key_Space || Key == Qt::Key_Return || Key == Qt::Key_Enter;
    const int Next = NeighbourCell(Index, Key);
    if ((!IsPress && Next < 0) || Event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(Event);
        return;
    }
    Event->accept();
    if (!Surface.KeyboardInUse) {
        Surface.KeyboardInUse = true;
        update();
    }
    // A held key presses once, as a mouse button held down clicks once.
    if (IsPress && !Event->isAutoRepeat())
        Press();
    else if (Next > 0)
        for (QObject* Child : Surface.children())
            if (auto* Cell = qobject_cast<BallPicture*>(Child); Cell && Cell->Index == Next)
                Cell->setFocus(Qt::OtherFocusReason);
}

void BallPicture::focusInEvent(QFocusEvent* Event)
{
    // Tab brings the focus in from the keyboard too.
    if (Event->reason() == Qt::TabFocusReason || Event->reason() == Qt::BacktabFocusReason)
        Surface.KeyboardInUse = true;
    update();
    QWidget::focusInEvent(Event);
}

void BallPicture::focusOutEvent(QFocusEvent* Event)
{
    update();
    QWidget::focusOutEvent(Event);
}

BoardSurface::BoardSurface(int Zoom, QWidget* Parent) : QWidget(Parent), Scale(Zoom)
{
    setFixedSize(ClientWidth * Zoom, ClientHeight * Zoom);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardSurface::SetZoom(int Zoom)
{
    Scale = Zoom;
    setFixedSize(ClientWidth * Zoom, ClientHeight * Zoom);
    for (QObject* Child : children())
        if (auto* Cell = qobject_cast<BallPicture*>(Child))
            Cell->setGeometry(Zoomed(CellRect(Cell->CellIndex()), Zoom));
    update();
}

void BoardSurface::SetFrame(int Index, bool Shown)
{
    auto& Frame = Frames[static_cast<std::size_t>(Index)];
    if (Frame == Shown)
        return;
    Frame = Shown;
    update(Zoomed(FrameRect(Index), Scale));
}

void BoardSurface::paintEvent(QPaintEvent* Event)
{
    QPainter Painter(this);
    Painter.fillRect(Event->rect(), ToQColor(BoardBackground));
    Painter.scale(Scale, Scale);
    // The board's outline is not filled: the gaps between the balls show the window.
    DrawOutline(Painter, ToQRect(Shape1Rect), ToQColor(Shape1Outline));
    for (int Index = 1; Index <= Cells; ++Index)
        if (Frames[static_cast<std::size_t>(Index)])
            DrawOutline(Painter, ToQRect(FrameRect(Index)), ToQColor(HighlightOutline));
}

}  // namespace orbulon
