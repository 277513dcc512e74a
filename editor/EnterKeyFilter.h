#pragma once

#include <QObject>
#include <QWidget>
#include <vector>

class CellEditController;
class CellEditorSet;
class ChannelGrid;
class QKeyEvent;
class TypeSettingBar;

// The view's key pre-processing: Enter walks the editing along the row and on
// to the next channel, or moves the focus on like Tab; and the name editor
// accepts only the keys a channel name is typed with. What Enter writes into
// a cell is the edit controller's; this class only decides where to go next.
class EnterKeyFilter : public QObject {
    Q_OBJECT
public:
    EnterKeyFilter(CellEditController& controller, ChannelGrid& grid, TypeSettingBar& bar,
                   CellEditorSet& editors, QObject* parent);

    // Watches the grid, the editors and the bar controls.
    void Install();

    // Keys (by key, not by character) that reach the name editor.
    static bool NameEditorAcceptsKey(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HandleEnter(QWidget* focus);
    // Enter turned into Tab: the focus moves to the next control of the form.
    void MoveFocusOn(QWidget* from);
    void EnterInFrequencyEdit();
    void EnterInOptionList(QWidget* list);
    void EnterInNameEdit();
    void EnterWhileToneOpen();
    void EnterOnGrid();
    // After an editor's Enter commit: the editor of the next column opens.
    void MoveToNextColumn();

    CellEditController& m_Controller;
    ChannelGrid& m_Grid;
    TypeSettingBar& m_Bar;
    CellEditorSet& m_Editors;
};
