// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests and the window benchmark share: a private copy of the media, and the modal windows answered.
#pragma once

#include "GameFiles.h"
#include "GameWindows.h"
#include "RecordingPrompts.h"
#include "TempFolder.h"

#include <QtTest>
#include <QtWidgets>

#include <filesystem>
#include <functional>

namespace orbulon::test {

// A program folder of its own for one test: the generated media, copied, and a user folder.
class MediaCopy {
public:
    MediaCopy()
    {
        std::filesystem::create_directories(Folders().User);
        std::filesystem::create_directories(Folders().Program);
        for (std::string_view Name : MediaFiles)
            std::filesystem::copy_file(std::filesystem::path(ORBULON_MEDIA_DIR) / Name, Folders().Program / Name);
        std::filesystem::copy_file(std::filesystem::path(ORBULON_MEDIA_DIR) / TableFile, Folders().Program / TableFile);
    }
    GameFolders Folders() const { return {Temp.Path / "program", Temp.Path / "user"}; }
    QString File(std::string_view Name) const { return QString::fromStdString((Folders().Program / Name).string()); }
    void Remove(std::string_view Name) const { QFile::remove(File(Name)); }
    void Write(std::string_view Name, const QByteArray& Bytes) const
    {
        QFile Out(File(Name));
        QVERIFY(Out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Out.write(Bytes);
    }

private:
    TempFolder Temp;
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

}  // namespace orbulon::test
