#include "app/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

SettingsLocation::Facts SettingsLocation::Inspect(const QString& programDir,
                                                  const QString& fileName) {
    Facts facts;
    const QFileInfo folder(programDir);
    facts.bFolderWritable = folder.isDir() && folder.isWritable();
    const QFileInfo file(QDir(programDir).filePath(fileName));
    facts.bFileWritable = file.isFile() && file.isWritable();
    const QString canonical = folder.canonicalFilePath();
    facts.bSystemFolder = canonical.startsWith(QStringLiteral("/usr/"));
    return facts;
}

bool SettingsLocation::KeepBesideProgram(const Facts& facts) {
    if (facts.bFileWritable) {
        return true;
    }
    return facts.bFolderWritable && !facts.bSystemFolder;
}

QString SettingsLocation::Choose(const QString& programDir, const QString& fileName,
                                 const QString& userDir) {
    if (userDir.isEmpty() || KeepBesideProgram(Inspect(programDir, fileName))) {
        return QDir::cleanPath(programDir);
    }
    return QDir::cleanPath(userDir);
}

QString SettingsLocation::UserDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}
