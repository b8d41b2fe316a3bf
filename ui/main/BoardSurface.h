// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client area: the board's cells, their frames and the score box.
#pragma once

#include "BoardLayout.h"

#include <QPixmap>
#include <QWidget>

#include <array>

namespace orbulon {

// One cell of the board: shows its picture and reports a left click.
class BallPicture : public QWidget {
    Q_OBJECT
public:
    BallPicture(int Index, QWidget* Parent);
    void SetPicture(const QPixmap& Picture);
    const QPixmap& Picture() const { return Shown; }

signals:
    void Clicked(int Index);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    int Index;
    QPixmap Shown;
    bool Pressed = false;
};

// The window's own surface. The highlight frames are painted on it, beneath the
// cells, so a highlighted group shows as red lines in the gaps around its balls.
class BoardSurface : public QWidget {
    Q_OBJECT
public:
    explicit BoardSurface(QWidget* Parent = nullptr);

    void SetFrame(int Index, bool Shown);
    bool FrameShown(int Index) const { return Frames[static_cast<std::size_t>(Index)]; }

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    std::array<bool, Cells + 1> Frames{};  // element 0 is never used
};

}  // namespace orbulon
