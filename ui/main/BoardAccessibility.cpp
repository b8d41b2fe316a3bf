// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of the board's cells: colour, row and column, frame and points.
#include "BoardAccessibility.h"

#include "BoardLayout.h"
#include "BoardSurface.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>

#include <array>
#include <mutex>

namespace orbulon {

namespace {

// A cell as a push button: pressing it is a click, its framed group is the selection.
class BallAccessible : public QAccessibleWidget {
public:
    explicit BallAccessible(BallPicture* Cell) : QAccessibleWidget(Cell, QAccessible::Button) {}

    QString text(QAccessible::Text Kind) const override
    {
        const auto* Cell = static_cast<const BallPicture*>(widget());
        switch (Kind) {
        case QAccessible::Name: return CellAccessibleName(Cell->ColourCodeShown(), Cell->CellIndex());
        case QAccessible::Description: return Cell->toolTip().trimmed();  // the group's points
        default: return QAccessibleWidget::text(Kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State State = QAccessibleWidget::state();
        State.selectable = true;
        State.selected = static_cast<const BallPicture*>(widget())->Framed();
        return State;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& Name) override
    {
        // The click is played once the screen reader has its answer: a click that ends the game
        // opens the end message, and its wait would otherwise hold the reader until it closes.
        if (Name == pressAction())
            QMetaObject::invokeMethod(
                widget(), [Cell = QPointer(static_cast<BallPicture*>(widget()))] { Cell->Press(); },
                Qt::QueuedConnection);
    }
};

QAccessibleInterface* BoardFactory(const QString& ClassName, QObject* Object)
{
    if (ClassName == QLatin1String("orbulon::BallPicture") && Object && Object->isWidgetType())
        return new BallAccessible(static_cast<BallPicture*>(Object));
    return nullptr;
}

void Announce(BallPicture* Cell, QAccessible::Event Kind)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent Event(Cell, Kind);
    QAccessible::updateAccessibility(&Event);
}

}  // namespace

QString CellAccessibleName(int ColourCode, int Index)
{
    static const std::array<const char*, ColourCount + 1> Names{
        QT_TRANSLATE_NOOP("BoardAccessibility", "Empty"),      QT_TRANSLATE_NOOP("BoardAccessibility", "Purple ball"),
        QT_TRANSLATE_NOOP("BoardAccessibility", "Blue ball"),  QT_TRANSLATE_NOOP("BoardAccessibility", "Yellow ball"),
        QT_TRANSLATE_NOOP("BoardAccessibility", "Green ball"), QT_TRANSLATE_NOOP("BoardAccessibility", "Red ball")};
    // Any other code shows the blank cell, and is read as one.
    const char* Shown = ColourCode >= 1 && ColourCode <= 5 ? Names[static_cast<std::size_t>(ColourCode)] : Names[0];
    return QCoreApplication::translate("BoardAccessibility", "%1, row %2, column %3")
        .arg(QCoreApplication::translate("BoardAccessibility", Shown))
        .arg(RowOf(Index) + 1)
        .arg(ColumnOf(Index) + 1);
}

void InstallBoardAccessibility()
{
    static std::once_flag Installed;
    std::call_once(Installed, [] { QAccessible::installFactory(BoardFactory); });
}

void CellNameChanged(BallPicture* Cell) { Announce(Cell, QAccessible::NameChanged); }

void CellDescriptionChanged(BallPicture* Cell) { Announce(Cell, QAccessible::DescriptionChanged); }

void CellFrameChanged(BallPicture* Cell)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State Changed;
    Changed.selected = true;
    QAccessibleStateChangeEvent Event(Cell, Changed);
    QAccessible::updateAccessibility(&Event);
}

}  // namespace orbulon
