#include "link/TransferArchive.h"

#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

#include "image/MemoryImage.h"

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

QString TransferArchive::Folder() {
    // The local (not roaming) folder: backups and logs belong to this machine.
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString TransferArchive::BackupFolder() {
    return Folder() + QStringLiteral("/backups");
}

QString TransferArchive::LogPath() {
    return Folder() + QStringLiteral("/last-transfer.log");
}

QString TransferArchive::SaveBackup(const MemoryImage& image, const QString& what) {
    QDir dir(BackupFolder());
    if (!dir.mkpath(QStringLiteral("."))) {
        return {};
    }
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path = dir.filePath(QStringLiteral("orin-%1-%2.sin").arg(stamp, what));
    // Two backups in the same millisecond get a counter rather than overwrite.
    for (int n = 2; QFile::exists(path); ++n) {
        path = dir.filePath(QStringLiteral("orin-%1-%2-%3.sin").arg(stamp, what).arg(n));
    }
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()),
                           static_cast<qsizetype>(MemoryImage::Size));
    if (!WriteFile(path, bytes)) {
        return {};
    }
    // The names sort by time; the oldest go first.
    const QStringList backups =
        dir.entryList({QStringLiteral("orin-*.sin")}, QDir::Files, QDir::Name);
    for (qsizetype i = 0; i + BackupsKept < backups.size(); ++i) {
        dir.remove(backups[i]);
    }
    return path;
}

bool TransferArchive::SaveLog(const QString& text) {
    if (!QDir().mkpath(Folder())) {
        return false;
    }
    return WriteFile(LogPath(), text.toUtf8());
}
