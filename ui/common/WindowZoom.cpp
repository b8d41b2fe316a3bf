// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom: how many of the screen's pixels each designed pixel of the game's windows takes.
#include "WindowZoom.h"

#include <QApplication>
#include <QFont>
#include <QSettings>

#include <algorithm>

namespace orbulon {

namespace {

int Current = 1;
QFont Designed;  // the application's font at the designed size, kept while zoomed

QSettings PlayersSettings() { return QSettings(QStringLiteral("orbulon"), QStringLiteral("orbulon")); }

const QString ZoomKey = QStringLiteral("zoom");

}  // namespace

int WindowZoom() { return Current; }

void SetWindowZoom(int Zoom)
{
    Zoom = std::clamp(Zoom, MinZoom, MaxZoom);
    if (Zoom == Current)
        return;
    if (Current == 1)
        Designed = QApplication::font();
    Current = Zoom;
    QFont Font = Designed;
    if (Designed.pointSizeF() > 0)
        Font.setPointSizeF(Designed.pointSizeF() * Zoom);
    else
        Font.setPixelSize(Designed.pixelSize() * Zoom);
    QApplication::setFont(Font);
}

std::optional<int> StoredZoom()
{
    // A hand-edited or damaged setting is ignored: the window opens at its designed size.
    return ParseZoom(PlayersSettings().value(ZoomKey).toString());
}

void StoreZoom(int Zoom) { PlayersSettings().setValue(ZoomKey, std::clamp(Zoom, MinZoom, MaxZoom)); }

std::optional<int> ParseZoom(const QString& Text)
{
    bool Number = false;
    const int Zoom = Text.trimmed().toInt(&Number);
    if (!Number || Zoom < MinZoom || Zoom > MaxZoom)
        return std::nullopt;
    return Zoom;
}

}  // namespace orbulon
