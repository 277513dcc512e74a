#include "app/AppStartup.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "formats/ProfileFile.h"
#include "app/SettingsLocation.h"
#include "base/AppLanguage.h"
#include "base/LanguageModule.h"
#include "image/NativeFile.h"

namespace {

constexpr BiText SettingsNotKeptText{"The settings cannot be kept: \"%1\" cannot be written.",
                                     "设置无法保存：无法写入“%1”。"};

// Opens the settings file in folder (made first when missing) and tells
// whether changes can be written back to it.
bool OpenKept(ProfileFile& profile, const QString& folder, const QString& fileName) {
    QDir().mkpath(folder);
    return profile.Open(QDir::toNativeSeparators(folder).toStdString(), fileName.toStdString(),
                        true, true) &&
           NativeFile::Inspect(profile.Path()).bWritable;
}

} // namespace

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

StartupDecision AppStartup::Decide(ProfileFile& profile, const QString& programPath,
                                   int systemLanguage, const QStringList& moduleDirectories,
                                   const QString& userSettingsDir) {
    StartupDecision decision;
    const QFileInfo program(programPath);
    decision.settingsFileName =
        QString::fromStdString(SettingsFileNameFor(program.fileName().toStdString()));
    decision.settingsDirectory = SettingsLocation::Choose(
        program.absolutePath(), decision.settingsFileName, userSettingsDir);
    const QString userDir = QDir::cleanPath(userSettingsDir);
    if (!OpenKept(profile, decision.settingsDirectory, decision.settingsFileName) &&
        !userSettingsDir.isEmpty() && decision.settingsDirectory != userDir) {
        // A file beside the program that cannot be made or written: the
        // user's folder keeps the choices instead.
        decision.settingsDirectory = userDir;
        OpenKept(profile, userDir, decision.settingsFileName);
    }
    if (profile.Path().empty() || !NativeFile::Inspect(profile.Path()).bWritable) {
        // Kept nowhere: the defaults (or what could be read) apply, and the
        // user is told where it failed.
        decision.settingsNotKept = QDir::toNativeSeparators(
            QDir(decision.settingsDirectory).filePath(decision.settingsFileName));
    }
    decision.language = DecideLanguage(systemLanguage, profile);
    decision.modulePath =
        LanguageModule::FindModule(QString::fromStdString(decision.language.languageName),
                                   moduleDirectories);
    return decision;
}

void AppStartup::Apply(const StartupDecision& decision) {
    bChinese = decision.language.lang == Lang::Chinese ? 1 : 0;
    LanguageName() = QString::fromStdString(decision.language.languageName);
}

QString AppStartup::MissingModuleMessage() {
    return QStringLiteral("Load Resource DLL english.dll Fail");
}

QString AppStartup::SettingsNotKeptMessage(const QString& path) {
    return Tr(SettingsNotKeptText).arg(path);
}
