#include "editor/ChannelTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionHeader>
#include <algorithm>

#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "editor/ChannelDelegate.h"
#include "editor/ChannelTableModel.h"
#include "image/ChannelCodec.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"
#include "image/NameAlphabet.h"

namespace {

constexpr BiText InputNumberMessage{"Please input Number", "请输入数字"};

bool IsNameCharacter(QChar ch) {
    return NameCharToCode(ch.toUpper().unicode()) != ImageMap::NameEnd;
}

} // namespace

ChannelTable::ChannelTable(ChannelTableModel& model, QWidget* parent)
    : QTableView(parent), m_Model(model), m_Delegate(new ChannelDelegate(model, this)) {
    setObjectName(QStringLiteral("ChannelGrid"));
    setAccessibleName(tr("Channels"));
    setModel(&model);
    setItemDelegate(m_Delegate);
    // Qt's selection is the one selection: whatever changes it may change
    // the channels selected.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChannelTable::ChannelSelectionChanged);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    setTabKeyNavigation(true);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    horizontalHeader()->setSectionsClickable(false);
    // Columns take the width the user drags them to; the window keeps it.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    if (auto* corner = findChild<QAbstractButton*>()) {
        corner->installEventFilter(this);
    }
    // The channel numbers select whole channels.
    verticalHeader()->viewport()->installEventFilter(this);
    connect(m_Delegate, &ChannelDelegate::EnterCommitted, this, &ChannelTable::OnEnterCommitted);
    connect(m_Delegate, &ChannelDelegate::MoveRequested, this, &ChannelTable::Move);
    connect(m_Delegate, &ChannelDelegate::TableKeyRequested, this,
            [this](int key, Qt::KeyboardModifiers modifiers) {
                setFocus(Qt::OtherFocusReason);
                QKeyEvent press(QEvent::KeyPress, key, modifiers);
                keyPressEvent(&press);
            });
    setCurrentIndex(model.index(0, 0));
}

int ChannelTable::CurrentRow() const {
    return currentIndex().isValid() ? currentIndex().row() + 1 : 0;
}

int ChannelTable::CurrentCol() const {
    return currentIndex().isValid() ? currentIndex().column() + 1 : 0;
}

void ChannelTable::SetCurrentCell(int row, int col) {
    const QModelIndex index = m_Model.Cell(row, col);
    if (index.isValid()) {
        setCurrentIndex(index);
    }
}

QString ChannelTable::CellText(int row, int col) const {
    if (row == 0) {
        return Tr(ChannelTexts::ColumnTitles[std::clamp(col, 0, Columns - 1)]);
    }
    if (col == 0) {
        return row >= 1 && row < Rows ? QString::number(row) : QString();
    }
    return m_Model.Text(row, col);
}

QRect ChannelTable::CellRect(int row, int col) const {
    return visualRect(m_Model.Cell(row, col));
}

bool ChannelTable::SetCellText(int row, int col, const QString& text) {
    return m_Model.setData(m_Model.Cell(row, col), text, Qt::EditRole);
}

QWidget* ChannelTable::OpenEditor() const {
    return currentIndex().isValid() ? indexWidget(currentIndex()) : nullptr;
}

QWidget* ChannelTable::EditCurrent(const QString& typed) {
    const QModelIndex index = currentIndex();
    if (!index.isValid()) {
        return nullptr;
    }
    if (!OpenEditor()) {
        edit(index, QAbstractItemView::AllEditTriggers, nullptr);
    }
    QWidget* editor = OpenEditor();
    if (editor == nullptr) {
        return nullptr;
    }
    ChannelDelegate::Type(editor, typed); // the typed character replaces the old text
    editor->setFocus(Qt::OtherFocusReason);
    return editor;
}

void ChannelTable::CommitEditor() {
    if (QWidget* editor = OpenEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void ChannelTable::CancelEditor() {
    if (QWidget* editor = OpenEditor()) {
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
}

void ChannelTable::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current != previous) {
        ClearChannelSelection();
    }
}

void ChannelTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (hint == QAbstractItemDelegate::RevertModelCache || !ChannelDelegate::IsRefused(editor)) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    // The refused text stays in its editor: once the move or click that
    // left the cell is done, the cell is current again and the editor has
    // the focus.
    const QPersistentModelIndex cell = ChannelDelegate::RefusedCell(editor);
    QMetaObject::invokeMethod(
        this,
        [this, cell, held = QPointer<QWidget>(editor)] {
            if (!held || !cell.isValid()) {
                return;
            }
            if (currentIndex() != cell) {
                if (QWidget* other = OpenEditor(); other && other != held) {
                    QTableView::closeEditor(other, QAbstractItemDelegate::RevertModelCache);
                }
                selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
                setState(EditingState);
            }
            held->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

void ChannelTable::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(tr("Channels"));
    }
    QTableView::changeEvent(event);
}

bool ChannelTable::focusNextPrevChild(bool next) {
    // Tab and Shift+Tab move along the row and on to the next channel; the
    // focus stays in the table.
    if (hasFocus() || isAncestorOf(QApplication::focusWidget())) {
        Move(next ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier);
        return true;
    }
    return QTableView::focusNextPrevChild(next);
}

void ChannelTable::Move(int key, Qt::KeyboardModifiers modifiers) {
    CursorAction action;
    switch (key) {
    case Qt::Key_Up:
        action = MoveUp;
        break;
    case Qt::Key_Down:
        action = MoveDown;
        break;
    case Qt::Key_Left:
        action = MoveLeft;
        break;
    case Qt::Key_Right:
        action = MoveRight;
        break;
    case Qt::Key_PageUp:
        action = MovePageUp;
        break;
    case Qt::Key_PageDown:
        action = MovePageDown;
        break;
    case Qt::Key_Home:
        action = MoveHome;
        break;
    case Qt::Key_End:
        action = MoveEnd;
        break;
    case Qt::Key_Tab:
        action = MoveNext;
        break;
    case Qt::Key_Backtab:
        action = MovePrevious;
        break;
    default:
        return;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        // Along the row and on to the next or previous channel, stopping at
        // the ends of the list.
        const int row = CurrentRow();
        const int col = CurrentCol();
        if (key == Qt::Key_Tab) {
            if (col < Columns - 1) {
                SetCurrentCell(row, col + 1);
            } else if (row < Rows - 1) {
                SetCurrentCell(row + 1, 1);
            }
        } else if (col > 1) {
            SetCurrentCell(row, col - 1);
        } else if (row > 1) {
            SetCurrentCell(row - 1, Columns - 1);
        }
        setFocus(Qt::TabFocusReason);
        return;
    }
    const QModelIndex next = moveCursor(action, modifiers);
    if (next.isValid()) {
        setCurrentIndex(next);
    }
    setFocus(Qt::OtherFocusReason);
}

void ChannelTable::OnEnterCommitted() {
    const int row = CurrentRow();
    const int col = CurrentCol();
    if (col == ColName) {
        if (row < Rows - 1) {
            // Typing goes on with the Rx frequency of the next channel.
            SetCurrentCell(row + 1, ColRxFrequency);
            EditCurrent();
        } else {
            emit LeaveForward();
        }
        return;
    }
    SetCurrentCell(row, col + 1);
    EditCurrent();
}

void ChannelTable::keyPressEvent(QKeyEvent* event) {
    if (!hasFocus()) {
        event->ignore(); // an editor's key that it left alone
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Space && event->modifiers() == Qt::ShiftModifier) {
        m_Anchor = CurrentRow();
        SelectChannels({CurrentRow()});
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        QList<int> all;
        for (int row = 1; row < Rows; ++row) {
            all.append(row);
        }
        SelectChannels(all);
        event->accept();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (CurrentCol() == ColScan) {
            emit LeaveForward();
        } else {
            Move(Qt::Key_Right, Qt::NoModifier);
        }
        event->accept();
        return;
    }
    const bool isList = CurrentCol() >= ColRxTone && CurrentCol() <= ColScram;
    if (isList &&
        (key == Qt::Key_F4 || (key == Qt::Key_Down && (event->modifiers() & Qt::AltModifier)))) {
        if (auto* list = qobject_cast<QComboBox*>(EditCurrent())) {
            list->showPopup();
        }
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint() &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typed && CurrentRow() > 0) {
        event->accept();
        const QChar ch = text.at(0);
        if (CurrentCol() == ColScram) {
            return; // the scrambler list is not opened by typing
        }
        if (ch.isDigit() || (CurrentCol() == ColName && IsNameCharacter(ch))) {
            EditCurrent(QString(ch.toUpper()));
            return;
        }
        CurrentPrompter().ShowMessage(this, Tr(InputNumberMessage));
        EditCurrent();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ChannelTable::mousePressEvent(QMouseEvent* event) {
    // The right button neither moves the current cell nor takes the focus; it
    // keeps the channel selection for the menu it brings up. A left press on
    // a cell ends it and edits the cell.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    ClearChannelSelection();
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && index == currentIndex()) {
        EditCurrent();
    }
}

void ChannelTable::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid()) {
        emit ChannelMenuRequested(index.row() + 1, index.column() + 1, event->globalPos());
    }
    event->accept();
}

bool ChannelTable::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == findChild<QAbstractButton*>()) {
        PaintCorner(static_cast<QWidget*>(watched));
        return true;
    }
    if (watched == verticalHeader()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int section = verticalHeader()->logicalIndexAt(mouse->position().toPoint());
            if (section >= 0) {
                ChannelNumberPressed(section + 1, mouse->button(), mouse->modifiers());
            }
            return true;
        }
        if (event->type() == QEvent::ContextMenu) {
            const auto* menu = static_cast<QContextMenuEvent*>(event);
            const int section = verticalHeader()->logicalIndexAt(menu->pos());
            if (section >= 0) {
                emit ChannelMenuRequested(section + 1, 0, menu->globalPos());
            }
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

// The corner cell is the title of the channel-number column.
void ChannelTable::PaintCorner(QWidget* corner) {
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.state |= QStyle::State_Enabled;
    option.palette.setCurrentColorGroup(QPalette::Active);
    option.rect = corner->rect();
    option.text = CellText(0, 0);
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.orientation = Qt::Horizontal;
    QPainter painter(corner);
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
}

void ChannelTable::SelectChannels(QList<int> rows) {
    rows.erase(
        std::remove_if(rows.begin(), rows.end(), [](int row) { return row < 1 || row >= Rows; }),
        rows.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows == SelectedChannels()) {
        return;
    }
    if (!rows.isEmpty()) {
        CommitEditor(); // selecting channels ends an edit as leaving its cell would
    }
    QItemSelection shown;
    for (int row : rows) {
        shown.select(m_Model.index(row - 1, 0), m_Model.index(row - 1, Columns - 2));
    }
    if (rows.isEmpty() && currentIndex().isValid()) {
        shown.select(currentIndex(), currentIndex()); // back to the one current cell
    }
    selectionModel()->select(shown, QItemSelectionModel::ClearAndSelect);
}

QList<int> ChannelTable::SelectedChannels() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        rows.append(index.row() + 1);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

QList<int> ChannelTable::RangeTo(int row) const {
    QList<int> rows;
    for (int r = std::min(m_Anchor, row); r <= std::max(m_Anchor, row); ++r) {
        rows.append(r);
    }
    return rows;
}

void ChannelTable::ChannelNumberPressed(int row, Qt::MouseButton button,
                                        Qt::KeyboardModifiers modifiers) {
    setFocus(Qt::MouseFocusReason);
    if (button == Qt::RightButton) {
        // A menu on a channel outside the selection is about that channel.
        if (!IsChannelSelected(row)) {
            m_Anchor = row;
            SelectChannels({row});
        }
        return;
    }
    if (button != Qt::LeftButton) {
        return;
    }
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool control = modifiers & Qt::ControlModifier;
    if (shift && control) {
        SelectChannels(SelectedChannels() + RangeTo(row));
    } else if (shift) {
        SelectChannels(RangeTo(row));
    } else if (control) {
        QList<int> rows = SelectedChannels();
        if (!rows.removeOne(row)) {
            rows.append(row);
        }
        m_Anchor = row;
        SelectChannels(rows);
    } else {
        m_Anchor = row;
        SelectChannels({row});
    }
}
