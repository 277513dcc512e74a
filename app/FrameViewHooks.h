#pragma once

#include <QString>

class QWidget;

// What the main frame and its commands need from the channel view. The real
// view is reached through ProgramViewHooks; tests of the frame can stand in
// their own.
class FrameViewHooks {
public:
    virtual ~FrameViewHooks() = default;

    // The widget the frame shows as its central area.
    virtual QWidget* Widget() = 0;
    // After New, Open and at start-up: set up the grid and show the image.
    virtual void OnInitialUpdate() = 0;
    // Before every save: grid and type bar into the image.
    virtual void CommitGrid() = 0;
    // An open in-place editor's value into its cell.
    virtual void CommitCellEdit() = 0;
    // After the language flag flipped: the view's own labels, titles and lists.
    virtual void RelabelForLanguage() = 0;
    // The grid as shown: header row 0, channel rows 1..RowCount()-1.
    virtual int RowCount() = 0;
    virtual int ColumnCount() = 0;
    virtual QString CellText(int row, int col) = 0;
};
