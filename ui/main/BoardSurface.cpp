// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client area: the board's cells, their frames and the score box.
#include "BoardSurface.h"

#include "BoardAccessibility.h"
#include "CellPictures.h"
#include "GameWindows.h"
#include "WindowZoom.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

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

void BallPicture::SetPicture(const QPixmap& Picture)
{
    Shown = Picture;
    Surface.update(Geometry());
}

QRect BallPicture::Geometry() const { return Zoomed(CellRect(Index), Surface.Zoom()); }

bool BallPicture::HasFocus() const { return Surface.hasFocus() && Surface.FocusedCell() == Index; }

void BallPicture::SetFocus()
{
    Surface.SetFocusedCell(Index);
    Surface.setFocus(Qt::OtherFocusReason);
}

void BallPicture::Press() { emit Surface.Clicked(Index); }

BoardSurface::BoardSurface(int Zoom, QWidget* Parent) : QWidget(Parent), Scale(Zoom)
{
    for (int Index = 1; Index <= Cells; ++Index)
        Balls[static_cast<std::size_t>(Index - 1)] = std::make_unique<BallPicture>(Index, *this);
    setFixedSize(ClientWidth * Zoom, ClientHeight * Zoom);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardSurface::SetZoom(int Zoom)
{
    Scale = Zoom;
    setFixedSize(ClientWidth * Zoom, ClientHeight * Zoom);
    update();
}

int BoardSurface::CellAt(QPoint Point) const
{
    for (int Index = 1; Index <= Cells; ++Index)
        if (Cell(Index).Geometry().contains(Point))
            return Index;
    return 0;
}

void BoardSurface::SetFocusedCell(int Index)
{
    if (Index == Focused)
        return;
    UpdateCell(Focused);
    Focused = Index;
    UpdateCell(Focused);
    if (hasFocus())
        CellFocused(*this, Focused);
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

    for (int Index = 1; Index <= Cells; ++Index) {
        const BallPicture& Ball = Cell(Index);
        if (!Event->region().intersects(Ball.Geometry()))
            continue;
        // A cell is painted in its designed pixels, each Zoom pixels of the window. A rendering
        // denser than the screen (the 2x one on a screen of 1.5) is drawn smaller smoothly
        // rather than by dropping pixels, and one less dense larger without steps; a picture
        // smaller than the cell leaves the blank board's grey around it.
        const QPixmap& Shown = Ball.Picture();
        Painter.setRenderHint(QPainter::SmoothPixmapTransform, Shown.devicePixelRatio() != Scale * devicePixelRatioF());
        const QRect Designed = ToQRect(CellRect(Index));
        Painter.drawPixmap(Designed.topLeft(), Shown);
        if (KeyboardInUse && Ball.HasFocus())
            DrawFocusMark(Painter, Designed);
    }
}

bool BoardSurface::event(QEvent* Event)
{
    // Each ball has its own tool tip: the points of its framed group, or none.
    if (Event->type() == QEvent::ToolTip) {
        const auto* Help = static_cast<QHelpEvent*>(Event);
        const int Index = CellAt(Help->pos());
        if (Index && !Cell(Index).ToolTip().isEmpty())
            QToolTip::showText(Help->globalPos(), Cell(Index).ToolTip(), this, Cell(Index).Geometry());
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(Event);
}

void BoardSurface::mousePressEvent(QMouseEvent* Event)
{
    if (KeyboardInUse) {
        KeyboardInUse = false;
        UpdateCell(Focused);
    }
    Pressed = Event->button() == Qt::LeftButton ? CellAt(Event->position().toPoint()) : 0;
    // The keyboard goes on from the ball last clicked, as it would from a button.
    if (Pressed)
        SetFocusedCell(Pressed);
    QWidget::mousePressEvent(Event);
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* Event)
{
    // A click is a left press and release on the same cell, as a picture box counts it.
    const int Index = Pressed && Event->button() == Qt::LeftButton ? CellAt(Event->position().toPoint()) : 0;
    const bool Click = Index && Index == Pressed;
    Pressed = 0;
    if (Click)
        emit Clicked(Index);
    else
        QWidget::mouseReleaseEvent(Event);
}

void BoardSurface::keyPressEvent(QKeyEvent* Event)
{
    const int Key = Event->key();
    const bool IsPress = Key == Qt::Key_Space || Key == Qt::Key_Return || Key == Qt::Key_Enter;
    const int Next = NeighbourCell(Focused, Key);
    if ((!IsPress && Next < 0) || Event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(Event);
        return;
    }
    Event->accept();
    if (!KeyboardInUse) {
        KeyboardInUse = true;
        UpdateCell(Focused);
    }
    // A held key presses once, as a mouse button held down clicks once.
    if (IsPress && !Event->isAutoRepeat())
        emit Clicked(Focused);
    else if (Next > 0)
        SetFocusedCell(Next);
}

void BoardSurface::focusInEvent(QFocusEvent* Event)
{
    // Tab brings the focus in from the keyboard too.
    if (Event->reason() == Qt::TabFocusReason || Event->reason() == Qt::BacktabFocusReason)
        KeyboardInUse = true;
    UpdateCell(Focused);
    QWidget::focusInEvent(Event);
    // A screen reader hears of the board's focus once this event is over; the cell's focus is
    // told after that, so the reader lands on the ball rather than on the board around it.
    if (QAccessible::isActive())
        QTimer::singleShot(0, this, [this] {
            if (hasFocus())
                CellFocused(*this, Focused);
        });
}

void BoardSurface::focusOutEvent(QFocusEvent* Event)
{
    UpdateCell(Focused);
    QWidget::focusOutEvent(Event);
}

}  // namespace orbulon
