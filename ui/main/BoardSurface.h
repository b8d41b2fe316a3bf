// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client area: the board's cells, their frames and the score box.
#pragma once

#include "BoardLayout.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>

namespace orbulon {

class BoardSurface;

// Where the keyboard starts each game: the middle of the board, whence no cell is more than
// eleven arrow keys away.
inline constexpr int MiddleCell = (Rows / 2) * Columns + Columns / 2 + 1;

// One cell of the board: the picture it shows, the colour a screen reader names, the points its
// tool tip gives. The surface draws the cells and takes their clicks and keys, so that a board
// of 132 of them costs the start-up one window part rather than 132.
class BallPicture {
public:
    BallPicture(int Index, BoardSurface& Surface) : Surface(Surface), Index(Index) {}
    BallPicture(const BallPicture&) = delete;
    BallPicture& operator=(const BallPicture&) = delete;

    void SetPicture(const QPixmap& Picture);
    const QPixmap& Picture() const { return Shown; }

    // The colour code the cell shows, for a screen reader's name of it.
    void SetColourCode(int Code) { ColourCode = Code; }
    int ColourCodeShown() const { return ColourCode; }
    int CellIndex() const { return Index; }

    void SetToolTip(const QString& Text) { Tip = Text; }
    const QString& ToolTip() const { return Tip; }

    // Where the cell lies on the surface, at the surface's zoom.
    QRect Geometry() const;

    // Whether the keyboard's cell is this one and the board has the focus.
    bool HasFocus() const;
    void SetFocus();
    // Presses the cell as a click would.
    void Press();

private:
    BoardSurface& Surface;
    int Index;
    int ColourCode = 0;
    QPixmap Shown;
    QString Tip;
};

// The window's own surface. The highlight frames are painted on it, in the gaps around the
// cells, so a highlighted group shows as red lines around its balls; the cells are painted over
// them. A click is a left press and release on the same cell; while the board has the keyboard
// focus, the arrow keys move it from cell to cell and Space or Enter presses the cell.
class BoardSurface : public QWidget {
    Q_OBJECT
public:
    explicit BoardSurface(int Zoom = 1, QWidget* Parent = nullptr);

    // Lays the surface and its cells out at Zoom times the designed size; the frames and the
    // outline are drawn in designed pixels, each Zoom pixels of the window wide.
    void SetZoom(int Zoom);
    int Zoom() const { return Scale; }

    BallPicture& Cell(int Index) { return *Balls[static_cast<std::size_t>(Index - 1)]; }
    const BallPicture& Cell(int Index) const { return *Balls[static_cast<std::size_t>(Index - 1)]; }
    // The cell at a point of the surface, or 0 where no cell lies (a gap, the score box).
    int CellAt(QPoint Point) const;

    void SetFrame(int Index, bool Shown);
    bool FrameShown(int Index) const { return Frames[static_cast<std::size_t>(Index)]; }

    // The cell the keyboard is on, whether or not the board has the focus.
    int FocusedCell() const { return Focused; }
    void SetFocusedCell(int Index);

    // Whether the player is steering by keyboard: the focused cell then shows its mark.
    // A mouse press ends it, so a mouse player's board looks as it always has.
    bool KeyboardInUse = false;

signals:
    void Clicked(int Index);

protected:
    bool event(QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    void UpdateCell(int Index) { update(Cell(Index).Geometry()); }

    std::array<std::unique_ptr<BallPicture>, Cells> Balls;
    std::array<bool, Cells + 1> Frames{};  // element 0 is never used
    int Scale = 1;
    int Focused = MiddleCell;
    int Pressed = 0;  // the cell a left press went down on, or none
};

}  // namespace orbulon
