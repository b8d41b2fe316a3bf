// SPDX-License-Identifier: GPL-3.0-or-later
// The game's modal message and input boxes, as Qt shows them.
#include "MessageBoxes.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace orbulon {

QString ShowLineBreaks(const std::string& Text)
{
    QString Shown = QString::fromStdString(Text);
    Shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return Shown;
}

int MessageBoxes::MsgBox(const std::string& Text, const std::string& Title, MsgButtons Buttons, MsgIcon Icon,
                         int DefaultButton)
{
    QMessageBox Box(Owner);
    Box.setWindowTitle(QString::fromStdString(Title));
    Box.setTextFormat(Qt::PlainText);  // a player's name or a census is never markup
    Box.setText(ShowLineBreaks(Text));
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

    Box.exec();
    if (!Cancel)
        return ButtonOK;
    return Box.clickedButton() == OK ? ButtonOK : ButtonCancel;
}

std::string MessageBoxes::InputBox(const std::string& Prompt, const std::string& Title, const std::string& Default)
{
    QInputDialog Box(Owner);
    Box.setWindowTitle(QString::fromStdString(Title));
    Box.setLabelText(ShowLineBreaks(Prompt));
    Box.setTextValue(QString::fromStdString(Default));
    if (Owner)
        Box.setWindowIcon(Owner->windowIcon());
    if (Box.exec() != QDialog::Accepted)
        return {};
    return Box.textValue().toStdString();
}

}  // namespace orbulon
