// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests (and the window benchmark) share: a headless display, a private
// copy of the media, and stand-ins for the player at the message and input boxes.
#pragma once

#include "GameWindows.h"
#include "PlayerPrompts.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <string>
#include <vector>

namespace orbulon::testing {

// A program folder of its own for one test: the generated media, copied, and a user folder.
class MediaCopy {
public:
    MediaCopy()
    {
        const QDir Source(QStringLiteral(ORBULON_MEDIA_DIR));
        for (const char* Name : {"Blank.bmp", "PurpleBall.bmp", "BlueBall.bmp", "YellowBall.bmp", "GreenBall.bmp",
                                 "RedBall.bmp", "Orbulon.ico", "Click.wav", "Clear.wav", "String.cfg", "Config.cfg"})
            QFile::copy(Source.filePath(QString::fromLatin1(Name)), File(Name));
    }
    GameFolders Folders() const { return {Program.path().toStdString(), User.path().toStdString()}; }
    QString File(const char* Name) const { return Program.filePath(QString::fromLatin1(Name)); }
    void Remove(const char* Name) const { QFile::remove(File(Name)); }
    void Write(const char* Name, const QByteArray& Bytes) const
    {
        QFile Out(File(Name));
        QVERIFY(Out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Out.write(Bytes);
    }

private:
    QTemporaryDir Program;
    QTemporaryDir User;
};

// Answers every box at once, OK to a message and Name to a prompt, and keeps what each said.
class FakeDialogs : public PlayerPrompts {
public:
    std::vector<std::string> Said;
    std::string Name = "Tester";

    int MsgBox(const std::string& Text, const std::string&, MsgButtons, MsgIcon, int) override
    {
        Said.push_back(Text);
        return ButtonOK;
    }
    std::string InputBox(const std::string& Prompt, const std::string&, const std::string&) override
    {
        Said.push_back(Prompt);
        return Name;
    }
};

// Hands the next modal window, as soon as it is up, to Answer, which must close it.
inline void WhenModal(std::function<void(QWidget*)> Answer)
{
    auto* Poll = new QTimer;
    QObject::connect(Poll, &QTimer::timeout, Poll, [Poll, Answer] {
        if (QWidget* Shown = QApplication::activeModalWidget()) {
            Poll->deleteLater();
            Poll->stop();
            Answer(Shown);
        }
    });
    Poll->start(10);
}

}  // namespace orbulon::testing
