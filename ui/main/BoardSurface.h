// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client area: the board's cells, their frames and the score box.
#pragma once

#include "BoardLayout.h"

#include <QPixmap>
#include <QWidget>

#include <array>

namespace orbulon {

class BoardSurface;

// One cell of the board: shows its picture and reports a left click, or Space or Enter
// while it has the keyboard focus; the arrow keys move the focus to the next cell.
class BallPicture : public QWidget {
    Q_OBJECT
public:
    BallPicture(int Index, BoardSurface* Parent);
    void SetPicture(const QPixmap& Picture);
    const QPixmap& Picture() const { return Shown; }

    // The colour code the cell shows, for a screen reader's name of it.
    void SetColourCode(int Code) { ColourCode = Code; }
    int ColourCodeShown() const { return ColourCode; }
    int CellIndex() const { return Index; }
    bool Framed() const;
    // Presses the cell as a click would.
    void Press() { emit Clicked(Index); }

signals:
    void Clicked(int Index);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    BoardSurface& Surface;
    int Index;
    int ColourCode = 0;
    QPixmap Shown;
    bool Pressed = false;
};

// The window's own surface. The highlight frames are painted on it, beneath the
// cells, so a highlighted group shows as red lines in the gaps around its balls.
class BoardSurface : public QWidget {
    Q_OBJECT
public:
    explicit BoardSurface(int Zoom = 1, QWidget* Parent = nullptr);

    // Lays the surface and its cells out at Zoom times the designed size; the frames and the
    // outline are drawn in designed pixels, each Zoom pixels of the window wide.
    void SetZoom(int Zoom);
    int Zoom() const { return Scale; }

    void SetFrame(int Index, bool Shown);
    bool FrameShown(int Index) const { return Frames[static_cast<std::size_t>(Index)]; }

    // Whether the player is steering by keyboard: the focused cell then shows its mark.
    // A mouse press ends it, so a mouse player's board looks as it always has.
    bool KeyboardInUse = false;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    std::array<bool, Cells + 1> Frames{};  // element 0 is never used
    int Scale = 1;
};

}  // namespace orbulon
