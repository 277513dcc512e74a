#pragma once

#include <QUndoStack>

#include "base/EditHistory.h"
#include "editor/ImageStep.h"

// The one undo history of the document. Each step keeps the image a save
// would write before and after it, so the same snapshots say exactly whether
// the document is modified: it is when the current snapshot differs from the
// last one that is safe elsewhere (opened, saved, read from or written to the
// radio), however the user got there.
class ImageHistory : public EditHistory {
    Q_OBJECT
public:
    // Steps kept; older ones are dropped.
    static constexpr int StepLimit = 1000;

    ImageHistory(StepRestorer& restorer, QObject* parent = nullptr);

    // A new document: no steps, and state is both current and clean.
    void Reset(const MemoryImage& state);
    // Records a change already made: the state is now after.
    void Record(StepName name, const MemoryImage& after, GridCell focus);
    // The current state is now safe elsewhere.
    void MarkClean();
    // state is now safe elsewhere.
    void MarkClean(const MemoryImage& state);

    const MemoryImage& Current() const { return *m_Current; }
    bool IsModified() const override { return *m_Current != *m_Clean; }

    bool CanUndo() const override { return m_Stack.canUndo(); }
    bool CanRedo() const override { return m_Stack.canRedo(); }
    // The name of the step Undo or Redo would take, in lang; empty when none.
    QString UndoName(Lang lang) const override;
    QString RedoName(Lang lang) const override;
    void Undo();
    void Redo();

    int StepCount() const { return m_Stack.count(); }
    const ImageStep* Step(int index) const;

private:
    void SetCurrent(ImageSnapshot state);

    QUndoStack m_Stack;
    ImageSnapshot m_Current;
    ImageSnapshot m_Clean;
    StepRestorer& m_Restorer;
};
