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
#include <initializer_list>

namespace orbulon {

namespace {

// What the command line asks for: the zoom it gives, if it gives one. Understood is false when
// the command line is wrong, which is then told on standard error; --help and --version answer
// and end the program here.
struct CommandLine {
    bool Understood = true;
    std::optional<int> Zoom;
};

CommandLine ReadCommandLine(const QCoreApplication& App)
{
    QCommandLineParser Parser;
    // A word after a single dash is one option, as Qt's own are ("-style fusion").
    Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
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
    // Qt's own options, which it takes off the command line itself once the display is open; they
    // are known here, and left out of --help, so that ours are checked without a display.
    const auto QtsOwn = [&Parser](std::initializer_list<const char*> Names, const QString& Value) {
        for (const char* Name : Names) {
            QCommandLineOption Option(QString::fromLatin1(Name), QString(), Value);
            Option.setFlags(QCommandLineOption::HiddenFromHelp);
            Parser.addOption(Option);
        }
    };
    QtsOwn({"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
            "qwindowtitle", "session", "style", "stylesheet", "display", "geometry", "title", "icon", "name", "visual"},
           QStringLiteral("value"));
    QtsOwn({"reverse", "widgetcount", "testability", "sync", "nograb", "dograb"}, QString());

    const auto Wrong = [](const QString& Why) {
        std::fprintf(stderr, "orbulon: %s\n", qPrintable(Why));
        return CommandLine{false, std::nullopt};
    };
    if (!Parser.parse(App.arguments()))
        return Wrong(Parser.errorText() + QStringLiteral(" (try --help)"));
    if (Parser.isSet(QStringLiteral("help")) || Parser.isSet(QStringLiteral("help-all")))
        Parser.showHelp();
    if (Parser.isSet(QStringLiteral("version")))
        Parser.showVersion();
    if (!Parser.positionalArguments().isEmpty())
        return Wrong(QStringLiteral("unexpected argument '%1' (try --help)").arg(Parser.positionalArguments().front()));
    if (!Parser.isSet(ZoomOption))
        return {};
    const QString Given = Parser.value(ZoomOption);
    if (const auto Zoom = ParseZoom(Given))
        return {true, Zoom};
    return Wrong(QStringLiteral("--zoom takes a whole number from 1 to 4, not '%1'").arg(Given));
}

void Identify()
{
    QCoreApplication::setApplicationName(QStringLiteral("orbulon"));
    QCoreApplication::setApplicationVersion(ToQString(GameVersion));
}

}  // namespace

int RunGame(int argc, char* argv[], const std::function<void()>& Started)
{
    IgnoreRelativeXdgFolders();
    // A command line is checked, and --help and --version answered, before a display is opened:
    // a wrong one is told on the terminal whether there is a display or not. With nothing to
    // check the game goes straight to its window.
    std::optional<int> AskedZoom;
    if (argc > 1) {
        QCoreApplication Checker(argc, argv);
        Identify();
        InstallTranslations(Checker, ToQString(InstalledFolders().Program));
        const CommandLine Asked = ReadCommandLine(Checker);
        if (!Asked.Understood)
            return 2;
        AskedZoom = Asked.Zoom;
    }

    SetAsideAMuteSessionBus();
    QApplication App(argc, argv);
    Identify();
    // Lets the desktop match the window to the game's menu entry and icon.
    QGuiApplication::setDesktopFileName(ToQString(GameAppId));
    InstallTranslations(App, ToQString(InstalledFolders().Program));
    // The zoom asked for is honoured as given; the one kept from the keys as far as the screen allows.
    const int KeptZoom = AskedZoom ? MinZoom : StoredZoom().value_or(MinZoom);
    SetWindowZoom(AskedZoom.value_or(KeptZoom));

    // Without its own folder the game would look for its files, and keep its scores, in
    // whatever folder it was started from: it says so once and stops instead.
    if (InstalledFolders().Program.empty()) {
        const QByteArray Message = ProgramFolderMissing().toLocal8Bit();
        std::fprintf(stderr, "%s\n", Message.trimmed().constData());
        QMessageBox::critical(nullptr, ToQString(GameTitle), ProgramFolderMissing());
        return 1;
    }

    frmMain Window;
    // A zoom kept from a larger screen opens as large as this one holds, and stays kept for that one.
    if (KeptZoom > MinZoom)
        Window.ZoomTo(ZoomThatFits(Window, KeptZoom));
    QApplication::setWindowIcon(Window.windowIcon());
    if (Started)
        Started();
    Window.show();
    return App.exec();
}

}  // namespace orbulon
