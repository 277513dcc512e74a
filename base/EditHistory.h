#pragma once

#include <QObject>
#include <QString>

#include "base/Lang.h"

// What the frame's commands need of the document's undo history: the names
// the Edit menu shows and whether there is unsaved work. The history itself
// (editor/ImageHistory) lives with the view.
class EditHistory : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The image a save would write differs from the last one safe elsewhere.
    virtual bool IsModified() const = 0;
    virtual bool CanUndo() const = 0;
    virtual bool CanRedo() const = 0;
    // The name of the step Undo or Redo would take, in lang; empty when none.
    virtual QString UndoName(Lang lang) const = 0;
    virtual QString RedoName(Lang lang) const = 0;

signals:
    // Undo, redo, their names or the modified state may have changed.
    void Changed();
};
