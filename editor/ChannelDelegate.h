#pragma once

#include <QStyledItemDelegate>

#include "editor/ChannelTableModel.h"

// The in-place editors of the channel table: a line for the frequencies, the
// tone list (typed or chosen), a list for each option and a line for the
// name. Leaving a cell commits it; Enter commits it by Enter's rules and asks
// the table to go on; Escape cancels the edit and restores the cell; the
// keys that move between cells commit and move. Until the user changes what
// an editor holds, the keys of the table's commands (Undo, Redo, Cut, Copy,
// Paste, Ctrl+A, Shift+Space) are the table's; once the text is typed into,
// they act on the text as in any text box.
class ChannelDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ChannelDelegate(ChannelTableModel& model, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // The value the editor would commit, as the cell would show it.
    static QString EditorValue(QWidget* editor);

    // Whether the editor holds a text the channel rules refused; it stays
    // open on its cell until the text passes or Escape gives the old value.
    static bool IsRefused(const QWidget* editor);
    // The cell of an editor whose text was refused.
    static QModelIndex RefusedCell(const QWidget* editor);

    // Whether the user changed what the editor holds: typed into its text,
    // or left a refused text in it. A list never holds typing.
    static bool HoldsChange(QWidget* editor);
    // Puts typed into a text editor as if the user had typed it over the
    // old value.
    static void Type(QWidget* editor, const QString& typed);

    // The object names of the editors, by grid column (1-13).
    static QString EditorName(int gridColumn);

signals:
    // Enter committed the editor of the current cell; the table goes on.
    void EnterCommitted();
    // A key that moves between cells ended the edit; the table moves.
    void MoveRequested(int key, Qt::KeyboardModifiers modifiers);
    // A key of the table's commands that no shortcut of the window took,
    // pressed in an editor that holds no change: the edit has ended and
    // the table takes the key as its own.
    void TableKeyRequested(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    // Commits the editor's value into index the way given, unless it is
    // unchanged or the text refused before; a refused text stays in the
    // editor. Returns whether the editor holds a refused text.
    bool Commit(QWidget* editor, const QModelIndex& index, ChannelTableModel::CommitWay way) const;

    ChannelTableModel& m_Model;
    // A commit is under way: its message may take the focus from the editor.
    mutable bool m_bCommitting = false;
};
