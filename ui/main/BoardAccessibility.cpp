// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of the board's cells: colour, row and column, frame and points.
#include "BoardAccessibility.h"

#include "BoardLayout.h"
#include "BoardSurface.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QWindow>

#include <array>
#include <mutex>

namespace orbulon {

namespace {

// A cell as a push button: pressing it is a click, its framed group is the selection. The cells
// are drawn by the board's surface, so each is an accessible object of its own without a
// window part behind it, kept by the surface's object for as long as the board lives.
class BallAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    BallAccessible(BoardSurface* Surface, int Index) : Surface(Surface), Index(Index) {}

    bool isValid() const override { return Surface; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Surface ? Surface->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Surface); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Button; }

    QString text(QAccessible::Text Kind) const override
    {
        if (!Surface)
            return {};
        const BallPicture& Cell = Surface->Cell(Index);
        switch (Kind) {
        case QAccessible::Name: return CellAccessibleName(Cell.ColourCodeShown(), Index);
        case QAccessible::Description: return Cell.ToolTip().trimmed();  // the group's points
        default: return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!Surface)
            return {};
        const QRect Area = Surface->Cell(Index).Geometry();
        return QRect(Surface->mapToGlobal(Area.topLeft()), Area.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State State;
        if (!Surface)
            return State.invalid = true, State;
        State.invisible = !Surface->isVisible();
        State.disabled = !Surface->isEnabled();
        State.focusable = true;
        State.focused = Surface->Cell(Index).HasFocus();
        State.selectable = true;
        State.selected = Surface->FrameShown(Index);
        return State;
    }

    void* interface_cast(QAccessible::InterfaceType Type) override
    {
        return Type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& Name) override
    {
        if (!Surface)
            return;
        // The click is played once the screen reader has its answer: a click that ends the game
        // opens the end message, and its wait would otherwise hold the reader until it closes.
        if (Name == pressAction())
            QMetaObject::invokeMethod(
                Surface, [Surface = Surface, Index = Index] { Surface->Cell(Index).Press(); }, Qt::QueuedConnection);
        else if (Name == setFocusAction())
            Surface->Cell(Index).SetFocus();
    }

private:
    QPointer<BoardSurface> Surface;
    int Index;
};

// The board: its 132 cells, then the window parts on it (the score box).
class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardSurface* Surface) : QAccessibleWidget(Surface, QAccessible::Client)
    {
        for (int Index = 1; Index <= Cells; ++Index)
            Ids[static_cast<std::size_t>(Index - 1)] =
                QAccessible::registerAccessibleInterface(new BallAccessible(Surface, Index));
    }
    ~BoardAccessible() override
    {
        for (const QAccessible::Id Id : Ids)
            QAccessible::deleteAccessibleInterface(Id);
    }

    QAccessibleInterface* Ball(int Index) const
    {
        return QAccessible::accessibleInterface(Ids[static_cast<std::size_t>(Index - 1)]);
    }

    int childCount() const override { return Cells + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int At) const override
    {
        if (At < 0)
            return nullptr;
        return At < Cells ? Ball(At + 1) : QAccessibleWidget::child(At - Cells);
    }
    int indexOfChild(const QAccessibleInterface* Child) const override
    {
        for (int Index = 1; Index <= Cells; ++Index)
            if (Ball(Index) == Child)
                return Index - 1;
        const int Other = QAccessibleWidget::indexOfChild(Child);
        return Other < 0 ? -1 : Cells + Other;
    }
    QAccessibleInterface* childAt(int X, int Y) const override
    {
        auto* Surface = static_cast<BoardSurface*>(widget());
        if (const int Index = Surface->CellAt(Surface->mapFromGlobal(QPoint(X, Y))))
            return Ball(Index);
        return QAccessibleWidget::childAt(X, Y);
    }
    QAccessibleInterface* focusChild() const override
    {
        auto* Surface = static_cast<BoardSurface*>(widget());
        return Surface->hasFocus() ? Ball(Surface->FocusedCell()) : QAccessibleWidget::focusChild();
    }

private:
    std::array<QAccessible::Id, Cells> Ids{};
};

QAccessibleInterface* BoardFactory(const QString& ClassName, QObject* Object)
{
    if (ClassName == QLatin1String("orbulon::BoardSurface") && Object && Object->isWidgetType())
        return new BoardAccessible(static_cast<BoardSurface*>(Object));
    return nullptr;
}

void Announce(BoardSurface& Surface, int Index, QAccessible::Event Kind)
{
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface* Cell = CellAccessible(Surface, Index)) {
        QAccessibleEvent Event(Cell, Kind);
        QAccessible::updateAccessibility(&Event);
    }
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

QAccessibleInterface* CellAccessible(BoardSurface& Surface, int Index)
{
    const auto* Board = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&Surface));
    return Board ? Board->Ball(Index) : nullptr;
}

void CellNameChanged(BoardSurface& Surface, int Index) { Announce(Surface, Index, QAccessible::NameChanged); }

void CellDescriptionChanged(BoardSurface& Surface, int Index)
{
    Announce(Surface, Index, QAccessible::DescriptionChanged);
}

void CellFocused(BoardSurface& Surface, int Index) { Announce(Surface, Index, QAccessible::Focus); }

void CellFrameChanged(BoardSurface& Surface, int Index)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* Cell = CellAccessible(Surface, Index);
    if (!Cell)
        return;
    QAccessible::State Changed;
    Changed.selected = true;
    QAccessibleStateChangeEvent Event(Cell, Changed);
    QAccessible::updateAccessibility(&Event);
}

}  // namespace orbulon
