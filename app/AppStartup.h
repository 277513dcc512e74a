#pragma once

#include <QString>
#include <QStringList>

#include "app/LanguageDecision.h"

class ProfileFile;
class QLocale;

// What start-up decided before any window exists.
struct StartupDecision {
    QString settingsFileName;  // MAIN.ini, or <program>.ini for a program with an extension
    QString settingsDirectory; // beside the program, or the user's configuration folder
    LanguageChoice language;
    QString modulePath; // the language module found, empty when there is none
    // The settings file that could be kept neither where it belongs nor in
    // the user's folder (the last place tried); empty when it is kept.
    QString settingsNotKept;
};

// The start-up rules that need no display: where the settings file is kept,
// the interface language and the language module to load.
class AppStartup {
public:
    // The primary language number of a locale: 4 for Chinese, 9 for English,
    // 0 for every other language.
    static int SystemLanguageOf(const QLocale& locale);

    // Where language modules are looked for: beside the program first, then
    // where the install rules put them.
    static QStringList ModuleDirectories(const QString& programDir);

    // Decides once where the settings file of programPath is kept (see
    // SettingsLocation; without a userSettingsDir always beside the program),
    // opens profile on it (a file that cannot be made or written there is
    // kept in userSettingsDir instead), decides the language and looks up the module. Does
    // not touch the process-wide language; see Apply.
    static StartupDecision Decide(ProfileFile& profile, const QString& programPath,
                                  int systemLanguage, const QStringList& moduleDirectories,
                                  const QString& userSettingsDir = {});

    // Makes the decision the process-wide language (bChinese, LanguageName()).
    static void Apply(const StartupDecision& decision);

    // The message shown when the module is missing; it always names english.dll.
    static QString MissingModuleMessage();
    // The status-bar message for settings that cannot be kept at path.
    static QString SettingsNotKeptMessage(const QString& path);
};
