#include "app/AppStartup.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "app/ProfileFile.h"
#include "app/SettingsLocation.h"
#include "base/AppLanguage.h"

int AppStartup::SystemLanguageOf(const QLocale& locale) {
    switch (locale.language()) {
    case QLocale::Chinese:
        return SystemLanguageChinese;
    case QLocale::English:
        return SystemLanguageEnglish;
    default:
        return 0;
    }
}

QStringList AppStartup::ModuleDirectories(const QString& programDir) {
    return {QDir::cleanPath(programDir),
            QDir::cleanPath(programDir + QStringLiteral("/../share/orinprog/translations"))};
}

QString AppStartup::FindModule(const QString& languageName, const QStringList& directories) {
    if (languageName.trimmed().isEmpty()) {
        return {};
    }
    const QString wanted = languageName + QStringLiteral(".qm");
    for (const QString& dirPath : directories) {
        const QDir dir(dirPath);
        const QFileInfo exact(dir.filePath(wanted));
        if (exact.isFile()) {
            return exact.absoluteFilePath();
        }
        const QStringList entries = dir.entryList({QStringLiteral("*.qm")}, QDir::Files);
        for (const QString& entry : entries) {
            if (entry.compare(wanted, Qt::CaseInsensitive) == 0) {
                return dir.absoluteFilePath(entry);
            }
        }
    }
    return {};
}

StartupDecision AppStartup::Decide(ProfileFile& profile, const QString& programPath,
                                   int systemLanguage, const QStringList& moduleDirectories,
                                   const QString& userSettingsDir) {
    StartupDecision decision;
    const QFileInfo program(programPath);
    decision.settingsFileName =
        QString::fromStdString(SettingsFileNameFor(program.fileName().toStdString()));
    decision.settingsDirectory = SettingsLocation::Choose(
        program.absolutePath(), decision.settingsFileName, userSettingsDir);
    if (decision.settingsDirectory != QDir::cleanPath(program.absolutePath())) {
        // The user's folder is made on first use; when that fails, Open fails
        // too and the defaults apply.
        QDir().mkpath(decision.settingsDirectory);
    }
    // A settings file that cannot be opened leaves the defaults in force.
    profile.Open(QDir::toNativeSeparators(decision.settingsDirectory).toStdString(),
                 decision.settingsFileName.toStdString(), true, true);
    decision.language = DecideLanguage(systemLanguage, profile);
    decision.modulePath =
        FindModule(QString::fromStdString(decision.language.languageName), moduleDirectories);
    return decision;
}

void AppStartup::Apply(const StartupDecision& decision) {
    bChinese = decision.language.lang == Lang::Chinese ? 1 : 0;
    LanguageName() = QString::fromStdString(decision.language.languageName);
}

QString AppStartup::MissingModuleMessage() {
    return QStringLiteral("Load Resource DLL english.dll Fail");
}
