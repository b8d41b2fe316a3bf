// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom: how many of the screen's pixels each designed pixel of the game's windows takes.
#pragma once

#include "BoardLayout.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

class QWidget;

namespace orbulon {

inline constexpr int MinZoom = 1;
inline constexpr int MaxZoom = 4;

// The zoom every window of the program is laid out at, 1 (the designed size) to 4.
int WindowZoom();

// Sets the program's zoom, clamped to 1 to 4, and scales the application's font with it, so
// that the menus, the message boxes and every text of the windows grow with their frames.
void SetWindowZoom(int Zoom);

// A designed rectangle, or length, as laid out at Zoom.
constexpr QRect Zoomed(PixelRect Rect, int Zoom)
{
    return QRect(Rect.Left * Zoom, Rect.Top * Zoom, Rect.Width * Zoom, Rect.Height * Zoom);
}

// The largest zoom from 1 up to Wanted at which the window fits the Room its screen leaves it:
// Client is the window's inside at zoom Now, which grows in step with the zoom, and Frame what
// the desktop's frame adds around it. 1 when none fits, for the game is never drawn smaller
// than designed.
int FittingZoom(QSize Client, int Now, QSize Frame, QSize Room, int Wanted);

// The same for Window, laid out at the program's zoom, on the screen it is on; before the
// desktop has framed it a title bar's room is kept for the frame.
int ZoomThatFits(const QWidget& Window, int Wanted);

// The zoom the player last chose, kept in the user's configuration folder; none when none was
// kept or the kept one is not a zoom the game knows.
std::optional<int> StoredZoom();
void StoreZoom(int Zoom);

// A zoom as the player writes it on the command line: a whole number from 1 to 4, else none.
std::optional<int> ParseZoom(const QString& Text);

}  // namespace orbulon
