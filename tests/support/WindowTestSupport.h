// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests and the window benchmark share: a private copy of the media, a desktop
// stand-in, and the modal windows answered.
#pragma once

#include "GameFiles.h"
#include "GameWindows.h"
#include "RecordingPrompts.h"
#include "SysInfo.h"
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
            Copy(Name);
        Copy(TableFile);
    }
    // Lays the build's own file of that name beside the program.
    void Copy(std::string_view Name) const
    {
        WriteBytes(Path(Name), ReadBytes(std::filesystem::path(ORBULON_MEDIA_DIR) / Name));
    }
    GameFolders Folders() const { return {Temp.Path / "program", Temp.Path / "user"}; }
    std::filesystem::path Path(std::string_view Name) const { return Folders().Program / Name; }
    QByteArray Read(std::string_view Name) const { return QByteArray::fromStdString(ReadBytes(Path(Name))); }
    void Write(std::string_view Name, const QByteArray& Bytes) const { WriteBytes(Path(Name), Bytes.toStdString()); }
};

// A desktop with at most one system-information tool; the programs it starts are noted by
// their paths among the boxes it was shown.
struct FakeSystem : ProgramLauncher, RecordingPrompts {
    explicit FakeSystem(std::string NativeTool = {}) : NativeTool(std::move(NativeTool)) {}
    bool Start(const std::string& Program) override { return Said.push_back(Program), true; }
    std::string FindSystemInfoTool() override { return NativeTool; }
    std::string NativeTool;
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
