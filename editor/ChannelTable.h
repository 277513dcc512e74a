#pragma once

#include <QList>
#include <QItemSelectionModel>
#include <QTableView>

class ChannelDelegate;
class ChannelTableModel;

// The channel table on the screen: a table view over ChannelTableModel with
// the editors of ChannelDelegate. A click on a cell edits it at once; typing
// a digit starts an edit with it; F2 edits, F4 or Alt+Down opens a list;
// arrows, PgUp/PgDn, Home/End, Ctrl+Home/End and Tab move as in a
// spreadsheet; Enter keeps the editor's flow along the row and on to the
// next channel. An editor opened by a click and not typed into leaves the
// table's keys (Undo, Redo, Cut, Copy, Paste, Ctrl+A, Shift+Space) to the
// table.
//
// Beside the current cell the table keeps a selection of whole channels, made
// on the channel numbers (click, Shift+click, Ctrl+click), by Shift+Space and
// by Ctrl+A, and shown as selected rows; any move of the current cell ends it.
// Rows and columns in this interface count as the grid does: channels 1-128,
// columns 1-13, row 0 the titles and column 0 the channel numbers.
class ChannelTable : public QTableView {
    Q_OBJECT
public:
    static constexpr int Rows = 129; // the title row and 128 channels
    static constexpr int Columns = 14;

    ChannelTable(ChannelTableModel& model, QWidget* parent = nullptr);

    ChannelTableModel& Model() const { return m_Model; }

    int CurrentRow() const;
    int CurrentCol() const;
    void SetCurrentCell(int row, int col);
    // The text a cell shows (row 0: titles, column 0: channel numbers).
    QString CellText(int row, int col) const;
    QRect CellRect(int row, int col) const;
    // Writes text into a channel cell as if typed and the cell left.
    bool SetCellText(int row, int col, const QString& text);
    // Opens the editor of the current cell; text, when given, replaces its
    // value as if typed.
    QWidget* EditCurrent(const QString& typed = {});
    // The open editor, if any.
    QWidget* OpenEditor() const;
    // Commits the open editor as leaving its cell does, and closes it.
    void CommitEditor();
    // Closes the open editor without writing.
    void CancelEditor();

    // The selected channels as rows 1-128, ascending; empty when none is.
    // The channels whose whole row Qt's selection holds, in order.
    QList<int> SelectedChannels() const;
    bool HasChannelSelection() const { return !SelectedChannels().isEmpty(); }
    void SelectChannels(QList<int> rows);
    void ClearChannelSelection() { SelectChannels({}); }
    bool IsChannelSelected(int row) const { return selectionModel()->isRowSelected(row - 1); }

signals:
    void ChannelSelectionChanged();
    // The right button asked for a menu over a channel number (col 0) or a
    // channel cell; global is the point on the screen.
    void ChannelMenuRequested(int row, int col, const QPoint& global);
    // Enter wants the focus to go on to the next control of the form.
    void LeaveForward();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;

private:
    void OnEnterCommitted();
    void Move(int key, Qt::KeyboardModifiers modifiers);
    void PaintCorner(QWidget* corner);
    void ChannelNumberPressed(int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    QList<int> RangeTo(int row) const;

    ChannelTableModel& m_Model;
    ChannelDelegate* m_Delegate;
    int m_Anchor = 1; // where Shift+click ranges start
};
