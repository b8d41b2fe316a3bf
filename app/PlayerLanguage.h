// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language: which one the desktop asks for, and the game's and Qt's translations into it.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace orbulon {

// The languages the player asks for, most wanted first, from the environment as gettext reads
// it: LANGUAGE's list, else the first of LC_ALL, LC_MESSAGES and LANG that is set. A locale set
// to C or POSIX asks for the game as written, LANGUAGE or not; with none set LANGUAGE still
// counts. Each entry is a bare name such as "pt_BR", without encoding or modifier.
QStringList WantedLanguages(const QString& Language, const QString& All, const QString& Messages, const QString& Lang);

// Installs into App the game's translation (from ProgramFolder/translations, or where the
// package puts it) and Qt's own for the first wanted language the game has one for. English
// ends the search: the game is written in it.
void InstallTranslations(QCoreApplication& App, const QString& ProgramFolder);

}  // namespace orbulon
