// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's finishing line: the moment a window is first on screen.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace orbulon {

// Built only into the start-up benchmark's copy of the program, never into the one a player
// runs: once the first window has been painted and flushed, prints "first-frame <ns>" on the
// steady clock the benchmark started the program by, and quits.
inline void ReportFirstFrame()
{
    class Watch : public QObject {
    public:
        using QObject::QObject;

    protected:
        bool eventFilter(QObject* Object, QEvent* Event) override
        {
            if (Event->type() == QEvent::Paint && Object->isWidgetType() && !Seen) {
                Seen = true;
                // The whole window is painted and flushed in this one pass; report after it.
                QTimer::singleShot(0, QCoreApplication::instance(), [] {
                    const auto Now = std::chrono::steady_clock::now().time_since_epoch();
                    std::printf("first-frame %lld\n", static_cast<long long>(std::chrono::nanoseconds(Now).count()));
                    std::fflush(stdout);
                    QCoreApplication::quit();
                });
            }
            return false;
        }

    private:
        bool Seen = false;
    };
    QCoreApplication::instance()->installEventFilter(new Watch(QCoreApplication::instance()));
}

}  // namespace orbulon
