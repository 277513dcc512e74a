#pragma once

#include <QStyledItemDelegate>

// The in-place editors of the channel table: a line for the frequencies, the
// tone list (typed or chosen), a list for each option and a line for the
// name. Leaving a cell commits it; Enter commits it by Enter's rules and asks
// the table to go on; Escape cancels the edit and restores the cell; the
// keys that move between cells commit and move.
class ChannelDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // The value the editor would commit, as the cell would show it; empty
    // when it would commit nothing.
    static QString EditorValue(QWidget* editor, bool enter);

    // Whether the editor holds a text the channel rules refused; it stays
    // open on its cell until the text passes or Escape gives the old value.
    static bool IsRefused(const QWidget* editor);
    // The cell (row, column from 0) of an editor whose text was refused.
    static QModelIndex RefusedCell(const QWidget* editor, const QAbstractItemModel* model);

    // The object names of the editors, by grid column (1-13).
    static QString EditorName(int gridColumn);

signals:
    // Enter committed the editor of the current cell; the table goes on.
    void EnterCommitted();
    // A key that moves between cells ended the edit; the table moves.
    void MoveRequested(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    // Commits as Enter or as leaving, once.
    void Commit(QWidget* editor, bool enter);

    mutable bool m_bEnter = false;
    bool m_bCommitting = false;
};
