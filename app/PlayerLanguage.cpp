// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language: which one the desktop asks for, and the game's and Qt's translations into it.
#include "PlayerLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

namespace orbulon {

namespace {

QString BareName(QString Locale)
{
    Locale.truncate(Locale.indexOf(QLatin1Char('@')) < 0 ? Locale.size() : Locale.indexOf(QLatin1Char('@')));
    Locale.truncate(Locale.indexOf(QLatin1Char('.')) < 0 ? Locale.size() : Locale.indexOf(QLatin1Char('.')));
    return Locale;
}

bool WrittenIn(const QString& Language)
{
    return Language == QLatin1String("C") || Language == QLatin1String("POSIX") || Language == QLatin1String("en") ||
        Language.startsWith(QLatin1String("en_"));
}

}  // namespace

QStringList WantedLanguages(const QString& Language, const QString& All, const QString& Messages, const QString& Lang)
{
    QString Locale = !All.isEmpty() ? All : !Messages.isEmpty() ? Messages : Lang;
    if (Locale == QLatin1String("C") || Locale == QLatin1String("POSIX"))
        return {};
    QStringList Wanted;
    for (const QString& Entry : (Language.isEmpty() ? Locale : Language).split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (const QString Name = BareName(Entry); !Name.isEmpty())
            Wanted << Name;
    return Wanted;
}

void InstallTranslations(QCoreApplication& App, const QString& ProgramFolder)
{
    const auto Env = [](const char* Name) { return qEnvironmentVariable(Name); };
    const QStringList Wanted = WantedLanguages(Env("LANGUAGE"), Env("LC_ALL"), Env("LC_MESSAGES"), Env("LANG"));
    // Beside the program in the build, and where the package lays the game's shared data.
    const QStringList Folders{
        QDir(ProgramFolder).filePath(QStringLiteral("translations")),
        QDir::cleanPath(QDir(ProgramFolder).filePath(QStringLiteral(ORBULON_TRANSLATIONS_FROM_PROGRAM)))};
    for (const QString& Language : Wanted) {
        if (WrittenIn(Language))
            return;
        auto* Game = new QTranslator(&App);
        if (!std::any_of(Folders.begin(), Folders.end(), [&](const QString& Folder) {
                return Game->load(QStringLiteral("orbulon_") + Language, Folder);
            })) {
            delete Game;
            continue;
        }
        QCoreApplication::installTranslator(Game);
        // Qt's own words (the boxes' buttons, the name prompt's) follow, where Debian's
        // qt6-translations-l10n is installed; the game is whole without them.
        auto* Qt = new QTranslator(&App);
        if (Qt->load(QStringLiteral("qtbase_") + Language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(Qt);
        else
            delete Qt;
        return;
    }
}

}  // namespace orbulon
