#pragma once

#include <QString>

class MemoryImage;

// Where the transfers leave their safety nets, in the user's local data folder
// (QStandardPaths::AppLocalDataLocation: ~/.local/share/Orin/orinprog on
// Linux, %LOCALAPPDATA%\Orin\orinprog on Windows): a time-stamped copy of the image after
// every successful read and before every write, in "backups" (the newest 50
// are kept), and the frame log of the last transfer, "last-transfer.log".
class TransferArchive {
public:
    static constexpr int BackupsKept = 50;

    static QString Folder();
    static QString BackupFolder();
    static QString LogPath();

    // Stores image as backups/orin-YYYYMMDD-HHMMSS-zzz-<what>.sin and removes
    // the oldest backups beyond BackupsKept. Returns the file's path, or an
    // empty string when it could not be written.
    static QString SaveBackup(const MemoryImage& image, const QString& what);
    // Replaces the log of the last transfer.
    static bool SaveLog(const QString& text);
};
