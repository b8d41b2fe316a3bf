// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom: how many of the screen's pixels each designed pixel of the game's windows takes.
#include "WindowZoom.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace orbulon {

namespace {

int Current = 1;
QFont Designed;  // the application's font at the designed size, kept while zoomed

QSettings PlayersSettings() { return QSettings(QStringLiteral("orbulon"), QStringLiteral("orbulon")); }

const QString ZoomKey = QStringLiteral("zoom");

// The desktop's own style with every length it gives taken at the zoom, as the windows' own
// are: the frames, margins, scroll bars, check marks and the boxes' icons grow with the texts.
// Its pictures grow with them where it has none that large, rather than stay small in the middle
// of their grown room.
class ZoomedStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric Metric, const QStyleOption* Option, const QWidget* Widget) const override
    {
        const int Designed = QProxyStyle::pixelMetric(Metric, Option, Widget);
        return Designed > 0 ? Designed * Current : Designed;  // none, or no limit, stays so
    }

    QIcon standardIcon(StandardPixmap Which, const QStyleOption* Option, const QWidget* Widget) const override
    {
        const QIcon Designed = QProxyStyle::standardIcon(Which, Option, Widget);
        if (Current == 1)
            return Designed;
        // Drawn for the densest screen, whose pixels the icon is asked for there.
        const qreal Ratio = qApp->devicePixelRatio();
        QIcon Grown;
        for (const QSize& Size : Designed.availableSizes()) {
            const QSize Wanted = (QSizeF(Size * Current) * Ratio).toSize();
            const QPixmap Drawn = Designed.pixmap(Size * Current, Ratio);
            // A whole number of times its size, each of its pixels becomes a square of them, as
            // the game's own pixels do, and stays as sharp; other sizes are smoothed.
            const bool Whole = Wanted.width() % Drawn.width() == 0 && Wanted.height() % Drawn.height() == 0;
            Grown.addPixmap(Drawn.size() == Wanted
                                ? Drawn
                                : Drawn.scaled(Wanted, Qt::KeepAspectRatio,
                                               Whole ? Qt::FastTransformation : Qt::SmoothTransformation));
        }
        return Grown.isNull() ? Designed : Grown;
    }
};

// What a desktop's frame usually adds to a window, a title bar and thin borders, for as long as
// the desktop has not said what its own adds.
constexpr QSize UsualFrame(8, 40);

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
    // Only a zoom above the designed size brings in the zoomed style, so that a game at its
    // designed size starts as it always has; once in, the style stays, giving the desktop's own
    // lengths at zoom 1. It comes before the font: the windows are then laid out once, with both.
    if (!dynamic_cast<ZoomedStyle*>(QApplication::style()))
        QApplication::setStyle(new ZoomedStyle(QApplication::style()));
    QFont Font = Designed;
    if (Designed.pointSizeF() > 0)
        Font.setPointSizeF(Designed.pointSizeF() * Zoom);
    else
        Font.setPixelSize(Designed.pixelSize() * Zoom);
    QApplication::setFont(Font);
    // Before the game's event loop runs, Qt only posts the news of the font to the windows; they
    // take it now, so that a window zoomed before it is shown is sized for its new menu bar.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationFontChange);
}

int FittingZoom(QSize Client, int Now, QSize Frame, QSize Room, int Wanted)
{
    Now = std::max(Now, MinZoom);
    for (int Zoom = std::clamp(Wanted, MinZoom, MaxZoom); Zoom > MinZoom; --Zoom) {
        // Taken to grow in step with the zoom, rounded up: its menu bar grows a little less, so
        // the guess errs on the screen's side, where a pixel too many is as wrong as a step.
        const QSize Outer((Client.width() * Zoom + Now - 1) / Now + Frame.width(),
                          (Client.height() * Zoom + Now - 1) / Now + Frame.height());
        if (Outer.width() <= Room.width() && Outer.height() <= Room.height())
            return Zoom;
    }
    return MinZoom;
}

int ZoomThatFits(const QWidget& Window, int Wanted)
{
    const QScreen* Screen = Window.screen();
    if (!Screen)
        return std::clamp(Wanted, MinZoom, MaxZoom);
    const QSize Frame = Window.isVisible() ? Window.frameGeometry().size() - Window.size() : UsualFrame;
    return FittingZoom(Window.size(), Current, Frame, Screen->availableGeometry().size(), Wanted);
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
