// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests and the window benchmark share: a private copy of the media, and the modal windows answered.
#pragma once

#include "GameFiles.h"
#include "GameWindows.h"
#include "RecordingPrompts.h"
#include "TempFolder.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

namespace orbulon::test {

// A program folder of its own for one test: the generated media and the table, copied, and a user folder.
struct MediaCopy {
    TempFolder Temp;
    MediaCopy()
    {
        std::filesystem::create_directories(Folders().User);
        for (std::string_view Name : MediaFiles)
            WriteBytes(Path(Name), ReadBytes(std::filesystem::path(ORBULON_MEDIA_DIR) / Name));
        WriteBytes(Path(TableFile), ReadBytes(std::filesystem::path(ORBULON_MEDIA_DIR) / TableFile));
    }
    GameFolders Folders() const { return {Temp.Path / "program", Temp.Path / "user"}; }
    std::filesystem::path Path(std::string_view Name) const { return Folders().Program / Name; }
    QByteArray Read(std::string_view Name) const { return QByteArray::fromStdString(ReadBytes(Path(Name))); }
    void Write(std::string_view Name, const QByteArray& Bytes) const { WriteBytes(Path(Name), Bytes.toStdString()); }
};

// Hands the next modal window, as soon as it is up, to Answer, which must close it.
inline void WhenModal(std::function<void(QWidget*)> Answer)
{
    auto* Poll = new QTimer;
    QObject::connect(Poll, &QTimer::timeout, Poll, [Poll, Answer] {
        if (QWidget* Shown = QApplication::activeModalWidget())
            Poll->stop(), Poll->deleteLater(), Answer(Shown);
    });
    Poll->start(10);
}

}  // namespace orbulon::test
