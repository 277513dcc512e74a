#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "commands/ShellContext.h"

class QFileDialog;
class QWidget;
class RecentFileList;

// File New, Open, Save and Save As, and opening from the command line, the
// recent-file list and drag and drop.
class FileCommands : public QObject {
    Q_OBJECT
public:
    // Asks the user for a file: for saving when save is set, starting from
    // suggested. Returns the chosen path, empty when cancelled.
    using FileChooser = std::function<QString(QWidget* owner, bool save, const QString& suggested)>;

    FileCommands(const ShellContext& context, QWidget* owner, QObject* parent);

    void SetRecentFiles(RecentFileList* recent) { m_Recent = recent; }
    // Replaces the file dialog (tests answer it without a window).
    void SetFileChooser(FileChooser chooser) { m_Choose = std::move(chooser); }

    void OnFileNew();
    void OnFileOpen();
    // Both return whether the document was saved.
    bool OnFileSave();
    bool OnFileSaveAs();

    // Loads path into the document and shows it, after asking about unsaved
    // changes. On failure the message is shown and the current document stays
    // as it was.
    bool OpenPath(const QString& path);
    // When the document holds changes that are not safe anywhere, asks
    // whether to save them: Save saves (Save As for a document never saved),
    // Discard drops them. Returns whether the caller may go on: false after
    // Cancel or a save that did not succeed.
    bool MaybeSave();
    // Writes the document, with what is still being typed, to path.
    bool SaveTo(const QString& path);

    // The file the document was last opened from or saved to; empty for a new one.
    const QString& CurrentPath() const;
    // The folder file dialogs start in: the document's file's, or for a
    // document read from the radio the folder of the file open before it.
    QString DocumentFolder() const;
    // The document's name without its suffix ("Write Data" for a new one).
    QString DocumentBaseName() const;
    // The name Save As offers for a document that has no file.
    QString SuggestedName() const;
    // What the title shows: the file's name, or "Untitled".
    QString DocumentName() const;

    // The file filter and default suffix of channel files.
    static QString FileFilter();
    static QString DefaultSuffix() { return QStringLiteral("sin"); }
    // Whether path names a channel file by its suffix.
    static bool IsChannelFile(const QString& path);
    // Opens dialog in suggested when it is a folder, else in the folder of
    // suggested with its name filled in.
    static void PointDialogAt(QFileDialog& dialog, const QString& suggested);

    // Asks for a channel file through the chooser; empty when cancelled.
    QString Choose(bool save, const QString& suggested);

private:
    bool LoadPath(const QString& path);
    // The document's file was just opened or saved: it heads the recent
    // files.
    void KeepFile();

    ShellContext m_Context;
    QWidget* m_Owner;
    RecentFileList* m_Recent = nullptr;
    FileChooser m_Choose;
};
