#pragma once

#include <QObject>
#include <QString>

class ChannelGrid;
class CellEditorSet;
class QWidget;
class TypeSettingBar;

// In-place editing of the channel cells: loads the editor of a cell as it
// becomes current, opens it over the cell, validates and writes its value
// back when the cell is left or Enter is pressed in it, and closes it without
// writing on scrolling. Every rule for what an edit writes lives here.
class CellEditController : public QObject {
    Q_OBJECT
public:
    // How a frequency is committed: leaving the cell, or pressing Enter in it.
    enum class CommitWay { Leave, Enter };

    CellEditController(ChannelGrid& grid, TypeSettingBar& bar, CellEditorSet& editors,
                       QWidget* owner);

    // Binds the grid's events to the handlers below.
    void Connect();
    // Notes when the user picks an entry of a list editor; once the editors exist.
    void WatchListPicks();

    QWidget* EditorForColumn() const;
    void LoadCellEditor();
    void CommitCellEdit();
    void HideCellEditors();
    // Opens the editor of the current cell (or the one given) over the cell.
    // key: 0 for the mouse, 13 for Enter, else the character typed on the grid.
    void BeginCellEdit(int key, QWidget* editor = nullptr);

    // Enter in an open editor, one operation per kind of editor: the value
    // goes into the cell by Enter's rules (which differ from leaving the
    // cell) and the editor closes. Moving on is the caller's business.
    void CommitFrequencyOnEnter();
    void CommitOptionOnEnter(QWidget* list);
    void CommitNameOnEnter();
    void CommitToneOnEnter();

    // Column 1 or 2 of the row holds a text.
    bool RowHasFrequency(int row) const;
    // The open editor, if any.
    QWidget* OpenEditor() const;

    // Starting an edit by typing: the typed digit goes into the editor.
    static constexpr int EnterKey = 13;

private:
    // The frequency commit, for the cell at (row, col), from FrequencyEdit.
    void CommitFrequency(int row, int col, CommitWay way);
    // Hides an editor; the focus goes back to the grid rather than wandering
    // to another control of the form.
    void HideEditor(QWidget* editor);
    void OnGridMouseDown(int button);
    void OnGridDoubleClick();
    void OnGridKeyPress(int key);
    void LoadList(QWidget* editor, const QString& text);

    ChannelGrid& m_Grid;
    TypeSettingBar& m_Bar;
    CellEditorSet& m_Editors;
    QWidget* m_Owner;
    // The user chose an entry of the list editor since its cell became current.
    bool m_bListPicked = false;
};
