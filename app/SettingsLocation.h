#pragma once

#include <QString>
#include <QStringList>

// Where the settings file is kept. A program that can keep it beside itself
// (a build tree, a copy unpacked into the user's own folders) keeps it there;
// an installed program, whose folder the user cannot write, keeps it in the
// user's own configuration folder, so that every user's choices are kept.
class SettingsLocation {
public:
    // What start-up finds out about the program's folder.
    struct Facts {
        bool bFolderWritable = false; // a new file can be made there
        bool bFileWritable = false;   // the settings file is there and can be written
        bool bSystemFolder = false;   // the folder is part of the system's /usr tree
    };

    static Facts Inspect(const QString& programDir, const QString& fileName);

    // The rule: a writable settings file already beside the program is kept;
    // otherwise a writable folder is used, unless it is a system folder (root
    // can write /usr/bin, but a file left there would belong to nobody).
    static bool KeepBesideProgram(const Facts& facts);

    // The folder for the settings file: programDir when the rule keeps it
    // there or when there is no user folder to go to, else userDir.
    static QString Choose(const QString& programDir, const QString& fileName,
                          const QString& userDir);

    // The user's configuration folder for this program (it may not exist yet).
    static QString UserDirectory();

    // Whether a folder lies in one of the system's program folders (given
    // with / separators; Windows compares without regard to case).
    static bool InSystemFolder(const QString& canonical, const QStringList& systemFolders,
                               Qt::CaseSensitivity cs);
    // Where this system installs programs: /usr on Linux; Program Files and
    // the Windows folder on Windows.
    static QStringList SystemFolders();
};
