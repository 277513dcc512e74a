#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "editor/ImageHistory.h"

class CellEditController;
class ChannelDisplay;
class ChannelGrid;
class CProgramDoc;
class TypeSettingBar;

// Turns what the user changes into steps of the history. Every cell text the
// grid is given outside a display or a restore is watched; the changes made
// while handling one user action (a commit with its defaults, an Enter that
// writes and moves on) become one step before the next key or mouse press is
// handled, when control returns to the event loop, or when a command needs
// the history settled. Choices in the type bar become steps when they are
// made. Undo and redo put the document's image, the type bar and the changed
// cells back.
class ChangeRecorder : public QObject, public StepRestorer {
    Q_OBJECT
public:
    ChangeRecorder(CProgramDoc& doc, ChannelGrid& grid, TypeSettingBar& bar,
                   ChannelDisplay& display, CellEditController& editing, QObject* parent);

    // Binds the grid's and the bar's change notifications.
    void Connect();

    ImageHistory& History() { return m_History; }

    // What a save would write now: the grid and the bar committed into a copy
    // of the document's image, without any message.
    MemoryImage Snapshot() const;

    // Records the changes not yet recorded as one step.
    void Flush();
    // Writes an open in-place editor into its cell, then records.
    void Settle();

    // See CProgramView::ApplyImageChange.
    bool ApplyImageChange(const StepName& name, const std::function<bool(MemoryImage&)>& change,
                          GridCell focus = {});
    void Undo();
    void Redo();

    // After New and Open: an empty history whose one state is clean.
    void StartDocument();
    // The current state, or the given one, is now safe elsewhere (saved,
    // read, written).
    void MarkClean();
    void MarkSafe(const MemoryImage& state);

    // Runs work that writes the grid without being a user's change (display,
    // language relabelling).
    void Unrecorded(const std::function<void()>& work);

    void RestoreStep(const MemoryImage& image, const std::vector<CellChange>& changes, bool bAfter,
                     GridCell focus) override;

protected:
    // Sees every input event of the application first: a new user action
    // closes the step of the one before.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PendingCell {
        int row;
        int col;
        QString before;
    };

    void OnCellChanged(int row, int col, const QString& before);
    StepName PendingName(const MemoryImage& after, const std::vector<CellChange>& changes) const;
    std::vector<QString> GridTexts() const;

    CProgramDoc& m_Doc;
    ChannelGrid& m_Grid;
    TypeSettingBar& m_Bar;
    ChannelDisplay& m_Display;
    CellEditController& m_Editing;
    ImageHistory m_History;
    std::vector<PendingCell> m_Pending;
    GridCell m_PendingFocus;
    bool m_bFlushQueued = false;
    bool m_bStarted = false; // a document has been shown
    int m_Quiet = 0;
};
