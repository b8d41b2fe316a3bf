// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom: how many of the screen's pixels each designed pixel of the game's windows takes.
#pragma once

#include "BoardLayout.h"

#include <QRect>
#include <QString>

#include <optional>

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

// The zoom the player last chose, kept in the user's configuration folder; none when none was
// kept or the kept one is not a zoom the game knows.
std::optional<int> StoredZoom();
void StoreZoom(int Zoom);

// A zoom as the player writes it on the command line: a whole number from 1 to 4, else none.
std::optional<int> ParseZoom(const QString& Text);

}  // namespace orbulon
