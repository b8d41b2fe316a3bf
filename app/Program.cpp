// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a whole: the application, its identity on the desktop, the main window.
#include "Program.h"

#include "GameInfo.h"
#include "GameWindows.h"
#include "PlayerLanguage.h"
#include "SessionBus.h"
#include "WindowZoom.h"
#include "frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>
#include <cstring>

namespace orbulon {

namespace {

// The zoom the window opens at: the option's, else the one the player last chose with the
// keys, else the designed size. None when the command line is wrong, which is then told on
// standard error; --help and --version answer and end the program here.
std::optional<int> ChosenZoom(const QCoreApplication& App)
{
    QCommandLineParser Parser;
    Parser.setApplicationDescription(
        QCoreApplication::translate("orbulon::Program",
                                    "A puzzle of coloured balls in one window.\n\n"
                                    "Keys: Ctrl++ or Ctrl+= zooms in a step, Ctrl+- zooms out, Ctrl+0 returns to the "
                                    "designed size; the zoom chosen with them is kept for the next game."));
    Parser.addHelpOption();
    Parser.addVersionOption();
    const QCommandLineOption ZoomOption(
        QStringLiteral("zoom"),
        QCoreApplication::translate("orbulon::Program",
                                    "Opens the window <N> times its designed size, N from 1 to 4, for this game only."),
        QStringLiteral("N"));
    Parser.addOption(ZoomOption);

    const auto Wrong = [](const QString& Why) {
        std::fprintf(stderr, "orbulon: %s\n", qPrintable(Why));
        return std::nullopt;
    };
    if (!Parser.parse(App.arguments()))
        return Wrong(Parser.errorText() + QStringLiteral(" (try --help)"));
    if (Parser.isSet(QStringLiteral("help")))
        Parser.showHelp();
    if (Parser.isSet(QStringLiteral("version")))
        Parser.showVersion();
    if (!Parser.positionalArguments().isEmpty())
        return Wrong(QStringLiteral("unexpected argument '%1' (try --help)").arg(Parser.positionalArguments().front()));
    if (!Parser.isSet(ZoomOption))
        return StoredZoom().value_or(MinZoom);
    const QString Given = Parser.value(ZoomOption);
    if (const auto Zoom = ParseZoom(Given))
        return Zoom;
    return Wrong(QStringLiteral("--zoom takes a whole number from 1 to 4, not '%1'").arg(Given));
}

void Identify()
{
    QCoreApplication::setApplicationName(QStringLiteral("orbulon"));
    QCoreApplication::setApplicationVersion(ToQString(GameVersion));
}

// Whether the command line asks only to be told the options or the version.
bool OnlyAsks(int argc, char* argv[])
{
    for (int Index = 1; Index < argc; ++Index)
        for (const char* Question : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[Index], Question) == 0)
                return true;
    return false;
}

}  // namespace

int RunGame(int argc, char* argv[], const std::function<void()>& Started)
{
    // Answered on the terminal without a window, so no display is needed for them.
    if (OnlyAsks(argc, argv)) {
        QCoreApplication App(argc, argv);
        Identify();
        InstallTranslations(App, ToQString(InstalledFolders().Program));
        return ChosenZoom(App) ? 0 : 2;
    }

    IgnoreRelativeXdgFolders();
    SetAsideAMuteSessionBus();
    QApplication App(argc, argv);
    Identify();
    // Lets the desktop match the window to the game's menu entry and icon.
    QGuiApplication::setDesktopFileName(ToQString(GameAppId));
    InstallTranslations(App, ToQString(InstalledFolders().Program));

    const auto Zoom = ChosenZoom(App);
    if (!Zoom)
        return 2;
    SetWindowZoom(*Zoom);

    // Without its own folder the game would look for its files, and keep its scores, in
    // whatever folder it was started from: it says so once and stops instead.
    if (InstalledFolders().Program.empty()) {
        const QByteArray Message = ProgramFolderMissing().toLocal8Bit();
        std::fprintf(stderr, "%s\n", Message.trimmed().constData());
        QMessageBox::critical(nullptr, ToQString(GameTitle), ProgramFolderMissing());
        return 1;
    }

    frmMain Window;
    QApplication::setWindowIcon(Window.windowIcon());
    if (Started)
        Started();
    Window.show();
    return App.exec();
}

}  // namespace orbulon
