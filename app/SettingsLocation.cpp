#include "app/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

SettingsLocation::Facts SettingsLocation::Inspect(const QString& programDir,
                                                  const QString& fileName) {
    Facts facts;
    const QFileInfo folder(programDir);
    const QFileInfo file(QDir(programDir).filePath(fileName));
#ifdef Q_OS_WIN
    // Windows answers isWritable from the read-only flag alone, and Program
    // Files has none: only trying tells whether the access list allows it.
    QTemporaryFile probe(QDir(programDir).filePath(QStringLiteral("XXXXXX.probe")));
    facts.bFolderWritable = folder.isDir() && probe.open();
    QFile existing(file.filePath());
    facts.bFileWritable = file.isFile() && existing.open(QIODevice::WriteOnly | QIODevice::Append);
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    facts.bFolderWritable = folder.isDir() && folder.isWritable();
    facts.bFileWritable = file.isFile() && file.isWritable();
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    facts.bSystemFolder = InSystemFolder(folder.canonicalFilePath(), SystemFolders(), cs);
    return facts;
}

bool SettingsLocation::InSystemFolder(const QString& canonical, const QStringList& systemFolders,
                                      Qt::CaseSensitivity cs) {
    for (QString root : systemFolders) {
        while (root.endsWith(QLatin1Char('/'))) {
            root.chop(1);
        }
        if (!root.isEmpty() && canonical.startsWith(root + QLatin1Char('/'), cs)) {
            return true;
        }
    }
    return false;
}

QStringList SettingsLocation::SystemFolders() {
#ifdef Q_OS_WIN
    QStringList folders;
    for (const char* name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot"}) {
        const QString folder = qEnvironmentVariable(name);
        if (!folder.isEmpty()) {
            folders << QDir::fromNativeSeparators(folder);
        }
    }
    return folders;
#else
    return {QStringLiteral("/usr")};
#endif
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
