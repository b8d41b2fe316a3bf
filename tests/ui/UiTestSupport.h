// What the window tests share: a headless display, a private copy of the media,
// and an answerer standing in for the player at every message and input box.
#pragma once

#include "Dialogs.h"
#include "GameWindows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace orbulon::testing {

// A test binary started without a display draws offscreen rather than failing.
inline void PickHeadlessPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// A program folder of its own for one test: the generated media, copied.
class MediaCopy {
public:
    MediaCopy()
    {
        const QDir Source(QStringLiteral(ORBULON_MEDIA_DIR));
        for (const char* Name : {"Blank.bmp", "PurpleBall.bmp", "BlueBall.bmp", "YellowBall.bmp", "GreenBall.bmp",
                                 "RedBall.bmp", "Orbulon.ico", "Click.wav", "Clear.wav", "String.cfg", "Config.cfg"})
            QFile::copy(Source.filePath(QString::fromLatin1(Name)), Program.filePath(QString::fromLatin1(Name)));
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

// Answers boxes as a test tells it and remembers every box that was put up.
class FakeDialogs : public Dialogs {
public:
    struct Box {
        std::string Text, Title;
        MsgButtons Buttons;
        MsgIcon Icon;
        int DefaultButton;
    };
    std::vector<Box> Boxes;
    std::deque<int> Answers;  // OK when the test gave none
    std::vector<std::string> Prompts;
    std::string Name = "Tester";

    int MsgBox(const std::string& Text, const std::string& Title, MsgButtons Buttons, MsgIcon Icon,
               int DefaultButton) override
    {
        Boxes.push_back({Text, Title, Buttons, Icon, DefaultButton});
        if (Answers.empty())
            return ButtonOK;
        const int Answer = Answers.front();
        Answers.pop_front();
        return Answer;
    }
    std::string InputBox(const std::string& Prompt, const std::string&, const std::string&) override
    {
        Prompts.push_back(Prompt);
        return Name;
    }
};

// Runs Inspect on the next modal window as soon as it is up, from inside its own event
// loop; Inspect must close it.
inline void WhenModal(std::function<void(QWidget*)> Inspect)
{
    auto* Poll = new QTimer;
    QObject::connect(Poll, &QTimer::timeout, Poll, [Poll, Inspect] {
        if (QWidget* Window = QApplication::activeModalWidget()) {
            Poll->stop();
            Poll->deleteLater();
            Inspect(Window);
        }
    });
    Poll->start(10);
}

} // namespace orbulon::testing

// A QtTest main that picks the headless display before the application starts.
#define ORBULON_UI_TEST_MAIN(TestClass)                                 \
    int main(int argc, char** argv)                                     \
    {                                                                   \
        orbulon::testing::PickHeadlessPlatform();                       \
        QApplication App(argc, argv);                                   \
        QApplication::setQuitOnLastWindowClosed(false);                 \
        TestClass Test;                                                 \
        return QTest::qExec(&Test, argc, argv);                         \
    }
