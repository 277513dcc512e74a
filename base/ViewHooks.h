#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "base/Lang.h"

class EditHistory;
class QAction;
class MemoryImage;
class QWidget;

// What the main frame, its commands and the transfer commands need from the
// channel view, and the only way they reach it. CProgramView implements it;
// tests of the frame and of the transfers stand in their own.
class ViewHooks {
public:
    virtual ~ViewHooks() = default;

    // The widget the frame shows as its central area.
    virtual QWidget* Widget() = 0;
    // The channel grid, over which the progress dialog is centred.
    virtual QWidget* GridWidget() = 0;

    // After New, Open and at start-up: set up the grid and show the image.
    virtual void OnInitialUpdate() = 0;
    // Encodes every grid row and the type bar into the document's image:
    // before every save and at the start of every write to the radio.
    virtual void CommitGrid() = 0;
    // Writes the value still being typed in an in-place editor into its cell.
    virtual void CommitCellEdit() = 0;
    // After the language flag flipped: the view's own labels, titles and lists.
    virtual void RelabelForLanguage() = 0;

    // The document's image.
    virtual MemoryImage& DocumentImage() = 0;

    // The view's own commands that change the image (those on whole
    // channels), off while a transfer runs.
    virtual void SetImageCommandsEnabled(bool enabled) { (void)enabled; }
    // Those commands for the Edit menu, in menu order; nullptr stands for a
    // separator.
    virtual QList<QAction*> EditMenuActions() { return {}; }

    // The grid as shown: header row 0, channel rows 1..RowCount()-1.
    virtual int RowCount() = 0;
    virtual int ColumnCount() = 0;
    virtual QString CellText(int row, int col) = 0;

    // The document's undo history; it also says whether the document is
    // modified.
    virtual EditHistory& History() = 0;
    // Write an open editor, record what is not yet recorded, then step.
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    // An open editor's value into its cell and every change into the history.
    virtual void SettleEdits() = 0;
    // The document as it is now is safe elsewhere (just read from the radio).
    virtual void MarkClean() = 0;
    // image, what a save would have written, is safe elsewhere (just saved
    // or written to the radio); changes made since still count as unsaved.
    virtual void MarkSafe(const MemoryImage& image) = 0;
    // The image a save would write now, an edit still being typed included.
    virtual MemoryImage ImageToSave() = 0;
    // One undo step that changes the image a save would write: see
    // CProgramView::ApplyImageChange.
    virtual bool ApplyImageChange(const BiText& stepName,
                                  const std::function<bool(MemoryImage&)>& change) = 0;
};
