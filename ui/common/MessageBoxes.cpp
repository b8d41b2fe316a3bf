// SPDX-License-Identifier: GPL-3.0-or-later
// The game's modal message and input boxes, as Qt shows them.
#include "MessageBoxes.h"

#include "GameInfo.h"
#include "WindowZoom.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace orbulon {

namespace {

// The end of a game opens its boxes right over the board, under a pointer that may still be
// clicking: a click meant for a ball must not close the end message or cancel the name
// prompt unseen. So a box takes no mouse clicks for its first half second on screen; its
// keys work at once.
class ClickGuard : public QObject {
public:
    explicit ClickGuard(QWidget* Box) : Box(Box) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* Target, QEvent* Event) override
    {
        switch (Event->type()) {
        case QEvent::Show:
            if (Target == Box)
                Shown.start();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (auto* Widget = qobject_cast<QWidget*>(Target); Widget && (Widget == Box || Box->isAncestorOf(Widget)))
                return !Shown.isValid() || Shown.elapsed() < GuardMs;
            break;
        default: break;
        }
        return false;
    }

private:
    static constexpr qint64 GuardMs = 500;
    QWidget* Box;
    QElapsedTimer Shown;
};

}  // namespace

QString ShowLineBreaks(QString Text)
{
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return Text;
}

QString PlayerText(const std::string& English) { return QCoreApplication::translate("orbulon", English.c_str()); }

int MessageBoxes::MsgBox(const std::string& Text, const std::string& Title, MsgButtons Buttons, MsgIcon Icon,
                         int DefaultButton)
{
    QMessageBox Box(Owner);
    // The boxes are where the rules and records reach the player, so their words are put
    // into the player's language here.
    Box.setWindowTitle(PlayerText(Title));
    Box.setTextFormat(Qt::PlainText);  // a player's name or a census is never markup
    Box.setText(ShowLineBreaks(PlayerText(Text)));
    Box.setIcon(Icon == MsgIcon::Question ? QMessageBox::Question : QMessageBox::NoIcon);
    if (Owner)
        Box.setWindowIcon(Owner->windowIcon());

    QPushButton* OK = Box.addButton(QMessageBox::Ok);
    QPushButton* Cancel = nullptr;
    if (Buttons == MsgButtons::OKCancel) {
        Cancel = Box.addButton(QMessageBox::Cancel);
        Box.setEscapeButton(Cancel);  // Escape and the close box answer Cancel
    } else {
        Box.setEscapeButton(OK);
    }
    Box.setDefaultButton(DefaultButton == ButtonCancel && Cancel ? Cancel : OK);
    // Qt breaks a box's text into lines once the box would grow wider than 500 pixels, at any
    // zoom: a zoomed box is given that width zoomed, so that its text breaks where it does at
    // the designed size. Beyond 1000 pixels, or closer than 480 to the screen's width, Qt would
    // cut the text anywhere to fit, so the box never asks for that much.
    if (auto* Grid = qobject_cast<QGridLayout*>(Box.layout()); Grid && WindowZoom() > 1) {
        const int Screen = Box.screen() ? Box.screen()->availableGeometry().width() : 0;
        const int Wide = std::min({Grid->totalMinimumSize().width(), 500 * WindowZoom(), 1000, Screen - 480});
        const QMargins Margins = Grid->contentsMargins();
        if (Wide > 500)
            Grid->addItem(new QSpacerItem(Wide - Margins.left() - Margins.right(), 0), Grid->rowCount(), 0, 1,
                          Grid->columnCount());
    }

    const ClickGuard Guard(&Box);
    Box.exec();
    if (!Cancel)
        return ButtonOK;
    return Box.clickedButton() == OK ? ButtonOK : ButtonCancel;
}

std::string MessageBoxes::InputBox(const std::string& Prompt, const std::string& Title, const std::string& Default)
{
    QInputDialog Box(Owner);
    Box.setWindowTitle(PlayerText(Title));
    Box.setLabelText(ShowLineBreaks(PlayerText(Prompt)));
    Box.setTextValue(QString::fromStdString(Default));
    if (Owner)
        Box.setWindowIcon(Owner->windowIcon());
    const ClickGuard Guard(&Box);
    if (Box.exec() != QDialog::Accepted)
        return {};
    return Box.textValue().toStdString();
}

bool MessageBoxes::WaitForLock(const std::function<bool()>& TryLock)
{
    const auto Began = Clock();
    std::unique_ptr<QProgressDialog> Box;
    QEventLoop Pause;
    QTimer Tick;
    Tick.setSingleShot(true);
    QObject::connect(&Tick, &QTimer::timeout, &Pause, &QEventLoop::quit);
    while (!TryLock()) {
        const auto Waited = Clock() - Began;
        if (Waited >= LockPatience || (Box && Box->wasCanceled()))
            return false;
        if (!Box && Waited >= BoxDelay) {
            Box = std::make_unique<QProgressDialog>(Owner);
            Box->setWindowTitle(QString::fromUtf8(GameTitle.data(), static_cast<qsizetype>(GameTitle.size())));
            Box->setLabelText(QApplication::translate(
                "orbulon", "Waiting for another copy of Orbulon to save its score before saving yours.     "));
            Box->setCancelButtonText(QApplication::translate("orbulon", "Do not save my score"));
            Box->setRange(0, static_cast<int>(LockPatience.count()));
            Box->setMinimumDuration(0);
            Box->setAutoReset(false);
            Box->setAutoClose(false);
            Box->setWindowModality(Qt::ApplicationModal);
            if (Owner)
                Box->setWindowIcon(Owner->windowIcon());
            Box->show();
        }
        if (Box)
            Box->setValue(static_cast<int>(Waited.count()));
        // Until the box is up nothing may reach the board: a click there now would start the
        // next game under this one's feet. The box is modal, and takes the player's input itself.
        Tick.start(LockPoll);
        Pause.exec(Box ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    }
    return true;
}

}  // namespace orbulon
