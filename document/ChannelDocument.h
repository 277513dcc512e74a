#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "base/Lang.h"
#include "image/ChannelFile.h"
#include "image/MemoryImage.h"

class PendingEdits;

// The name of an undo step in both languages, kept as texts so that the menus
// show it in whatever language is in force when they are opened.
struct StepName {
    QString english;
    QString chinese;

    static StepName Of(const BiText& text);
    // A text with %1, filled with number in both languages.
    static StepName Of(const BiText& text, int number);
    QString In(Lang lang) const { return lang == Lang::Chinese ? chinese : english; }
};

// A channel cell: channel 0-127 and field column 1-13; channel -1 means none.
struct ChannelCell {
    int channel = -1;
    int column = 0;
};
Q_DECLARE_METATYPE(ChannelCell)

// The open document: the memory image, the file it belongs to and its undo
// history. Every change is one step of the history, made in the step's
// redo(); whatever shows the document follows the signals. What is still
// being typed (PendingEdits) goes in first, before a change, undo, redo, a
// save and every read of the whole image for a command.
class ChannelDocument : public QObject {
    Q_OBJECT
public:
    // Steps kept; older ones are dropped.
    static constexpr int StepLimit = 1000;

    explicit ChannelDocument(QObject* parent = nullptr);
    ~ChannelDocument() override;

    // The image as it is shown: without what is still being typed.
    const MemoryImage& image() const { return *m_Current; }
    // The image with what is still being typed: what a save would write now,
    // and what a transfer, a comparison, an export or a print reads.
    const MemoryImage& settledImage();

    // What is still being typed, asked for before the image is read or
    // changed (the form; none by default).
    void setPendingEdits(PendingEdits* edits) { m_Pending = edits; }
    PendingEdits* pendingEdits() const { return m_Pending; }

    // Puts what is being typed into the image, then applies change to a copy
    // of it; when change returns true and changes a byte, the copy becomes
    // the image as one undo step named name. Undo and redo of the step make
    // focus current (by default the first cell it changed). Returns whether a
    // step was made.
    bool apply(const StepName& name, const std::function<bool(MemoryImage&)>& change,
               ChannelCell focus = {});
    bool apply(const BiText& name, const std::function<bool(MemoryImage&)>& change,
               ChannelCell focus = {});
    // An edit that was being typed goes in (a cell, the band boxes): as
    // apply, without asking for the other pending edits first.
    bool commitEdit(const StepName& name, const std::function<bool(MemoryImage&)>& change,
                    ChannelCell focus = {});
    // The image read from a radio, as one undo step that also leaves the
    // file: the document then belongs to no file and Save suggests
    // suggestedName in the folder of the file open before. Undo gives back
    // the image and the file.
    void applyRead(const BiText& name, const MemoryImage& read, const QString& suggestedName);

    // A new document (by default a new radio's memory): no history, nothing
    // modified, no file.
    void newDocument();
    void newDocument(const MemoryImage& image);
    // Loads a channel file as a new document of its own; on failure the
    // document stays as it was.
    FileOutcome load(const QString& path);
    // Writes the image, with what is being typed, to path; on success the
    // document belongs to path and is not modified.
    FileOutcome save(const QString& path);
    // image is now on the radio (just written and, if asked, verified).
    void markWritten(const MemoryImage& image);
    // What the radio holds is no longer known (a write has started).
    void forgetWritten() { m_Written.reset(); }

    // Whether the image differs from its file (or, for a new document or one
    // read from the radio, from what it was when it was made or read).
    bool isModified() const;
    // The same once what is being typed is in: whether closing the document
    // would lose something.
    bool hasUnsavedChanges();
    // Whether the radio holds the changes the file does not: the image is
    // modified and is the one last written.
    bool isOnRadioOnly() const;
    // The file the document belongs to (absolute); empty when none.
    const QString& filePath() const { return m_Path; }
    // What Save As offers for a document read from the radio; empty otherwise.
    const QString& suggestedPath() const { return m_Suggested; }
    // Whether another program changed the document's file since this one
    // last opened or saved it: its size, its time or its bytes differ. A file
    // removed since, or a file other than the one last opened or saved (undo
    // of a read went back to it), is not counted as changed.
    bool fileChangedOnDisk() const;

    // Both put what is being typed into the image first.
    void undo();
    void redo();
    bool canUndo() const { return m_Stack.canUndo(); }
    bool canRedo() const { return m_Stack.canRedo(); }
    // The name of the step Undo or Redo would take, in lang; empty when none.
    QString undoName(Lang lang) const;
    QString redoName(Lang lang) const;
    int stepCount() const { return m_Stack.count(); }

signals:
    // Channels first..last (0-127) may show something else.
    void channelsChanged(int first, int last);
    // Bytes outside the channels (type bar, band edges, settings) changed.
    void settingsChanged();
    void modifiedChanged(bool modified);
    // The file the document belongs to, or the name Save suggests, changed.
    void filePathChanged(const QString& path);
    // Another document replaced this one (New, Open): show it from the start.
    void reset();
    // Undo or redo made a step's cell current.
    void focusRequested(ChannelCell cell);
    // The undo history changed: names, can undo, can redo.
    void historyChanged();

private:
    class Step;
    using Snapshot = std::shared_ptr<const MemoryImage>;
    // What a read changes besides the image: the file and what counts as
    // saved.
    struct FileState {
        QString path;
        QString suggested;
        Snapshot clean;
    };

    // Asks the pending edits in, once: an edit committed meanwhile does not
    // ask again.
    void Settle();
    void Push(Step* step);
    void Show(const Snapshot& image, const FileState* file, ChannelCell focus);
    void Replace(const MemoryImage& image, const QString& path);
    FileState CurrentFile() const { return {m_Path, m_Suggested, m_Clean}; }
    // The file at path was just read or written and holds bytes.
    void NoteDisk(const QString& path, const MemoryImage& bytes);

    // The document's file as this program last left it.
    struct DiskStamp {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        QByteArray hash;
    };

    QUndoStack m_Stack;
    Snapshot m_Current;
    Snapshot m_Clean;   // as in the file, or as made or read
    Snapshot m_Written; // as last written to the radio
    QString m_Path;
    QString m_Suggested;
    DiskStamp m_Disk;
    PendingEdits* m_Pending = nullptr;
    bool m_bPushing = false;
    bool m_bSettling = false;
};
