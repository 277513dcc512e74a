#include "transfer/TransferArchive.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include "image/AtomicFileWriter.h"
#include "image/MemoryImage.h"
#include "image/NativeFile.h"

namespace {

// A new file renamed into place, as every save is made; and since these are
// the user's own files, through no link another user made: with HOME in
// someone else's folder, root must not write where their links point.
bool WriteFile(const QString& path, const QByteArray& bytes) {
    AtomicFileWriter writer(path.toStdString(), AtomicFileWriter::Links::OwnOnly);
    return writer.Write(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// Folders are made only where no other user's link leads.
bool MakeFolder(const QString& path) {
    return !NativeFile::ForeignLinkOnPath(path.toStdString()) && QDir().mkpath(path);
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
    if (!MakeFolder(dir.path())) {
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
    if (!MakeFolder(Folder())) {
        return false;
    }
    return WriteFile(LogPath(), text.toUtf8());
}
