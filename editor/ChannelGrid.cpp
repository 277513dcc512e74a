#include "editor/ChannelGrid.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <algorithm>

namespace {

constexpr int GeneralAlignment = 9; // text left, numbers right in the old control; left here

Qt::Alignment ToQtAlignment(int code) {
    switch (code) {
    case 0:
        return Qt::AlignLeft | Qt::AlignTop;
    case 1:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case 2:
        return Qt::AlignLeft | Qt::AlignBottom;
    case 3:
        return Qt::AlignHCenter | Qt::AlignTop;
    case 4:
        return Qt::AlignCenter;
    case 5:
        return Qt::AlignHCenter | Qt::AlignBottom;
    case 6:
        return Qt::AlignRight | Qt::AlignTop;
    case 7:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 8:
        return Qt::AlignRight | Qt::AlignBottom;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// Mouse buttons and modifier keys as the grid's mouse event reports them.
int ButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) {
        code |= 1;
    }
    if (modifiers & Qt::ControlModifier) {
        code |= 2;
    }
    if (modifiers & Qt::AltModifier) {
        code |= 4;
    }
    return code;
}

} // namespace

ChannelGrid::ChannelGrid(QWidget* parent) : QTableWidget(Rows - 1, Columns - 1, parent) {
    setObjectName(QStringLiteral("ChannelGrid"));
    m_Alignment.fill(GeneralAlignment);
    m_Width.fill(-1);

    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the next control of the form, as in any dialog.
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    horizontalHeader()->setSectionsClickable(false);
    // Widths are the form's: an editor laid over a cell stays over it.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHighlightSections(false);

    for (int c = 1; c < Columns; ++c) {
        setHorizontalHeaderItem(c - 1, new QTableWidgetItem());
    }
    for (int r = 1; r < Rows; ++r) {
        setVerticalHeaderItem(r - 1, new QTableWidgetItem());
        for (int c = 1; c < Columns; ++c) {
            auto* item = new QTableWidgetItem();
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setItem(r - 1, c - 1, item);
        }
    }

    if (auto* corner = findChild<QAbstractButton*>()) {
        corner->installEventFilter(this);
    }
    // The channel numbers select whole channels.
    verticalHeader()->viewport()->installEventFilter(this);
    WatchUserScrolls(verticalScrollBar());
    WatchUserScrolls(horizontalScrollBar());
    // The grid takes the focus itself on a press of the left or middle button
    // (mousePressEvent): a right press must leave an open editor its focus.
    setFocusPolicy(Qt::TabFocus);

    m_bMovingQuietly = true;
    setCurrentCell(0, 0);
    m_bMovingQuietly = false;
}

QTableWidgetItem* ChannelGrid::Item(int row, int col) const {
    if (row < 1 || row >= Rows || col < 1 || col >= Columns) {
        return nullptr;
    }
    return item(row - 1, col - 1);
}

void ChannelGrid::SetCurrentRow(int row) {
    SetCurrentCell(row, m_Col);
}

void ChannelGrid::SetCurrentCol(int col) {
    SetCurrentCell(m_Row, col);
}

void ChannelGrid::SetCurrentCell(int row, int col) {
    // The fixed row and column cannot become current; a move past the last
    // row or column stays where it is.
    if (row < 1 || row >= Rows || col < 1 || col >= Columns) {
        return;
    }
    setCurrentCell(row - 1, col - 1);
}

void ChannelGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableWidget::currentChanged(current, previous);
    if (!current.isValid()) {
        return;
    }
    const int row = current.row() + 1;
    const int col = current.column() + 1;
    if (m_bMovingQuietly) {
        m_Row = row;
        m_Col = col;
        return;
    }
    if (row == m_Row && col == m_Col) {
        return;
    }
    ClearChannelSelection();
    emit CellLeaving();
    m_Row = row;
    m_Col = col;
    emit CellEntered();
}

QString ChannelGrid::CellText(int row, int col) const {
    if (row == 0 && col == 0) {
        return m_CornerText;
    }
    if (row == 0 && col > 0 && col < Columns) {
        return horizontalHeaderItem(col - 1)->text();
    }
    if (col == 0 && row > 0 && row < Rows) {
        return verticalHeaderItem(row - 1)->text();
    }
    const QTableWidgetItem* cell = Item(row, col);
    return cell ? cell->text() : QString();
}

void ChannelGrid::SetCellText(int row, int col, const QString& text) {
    if (row == 0 && col == 0) {
        m_CornerText = text;
        if (auto* corner = findChild<QAbstractButton*>()) {
            corner->update();
        }
    } else if (row == 0 && col > 0 && col < Columns) {
        horizontalHeaderItem(col - 1)->setText(text);
    } else if (col == 0 && row > 0 && row < Rows) {
        verticalHeaderItem(row - 1)->setText(text);
    } else if (QTableWidgetItem* cell = Item(row, col)) {
        const QString before = cell->text();
        if (before != text) {
            cell->setText(text);
            emit CellTextChanged(row, col, before);
        }
    }
}

void ChannelGrid::SetColumnAlignment(int col, int code) {
    if (col < 0 || col >= Columns) {
        return;
    }
    m_Alignment[col] = code;
    const Qt::Alignment alignment = ToQtAlignment(code);
    if (col == 0) {
        verticalHeader()->setDefaultAlignment(alignment);
        for (int r = 1; r < Rows; ++r) {
            verticalHeaderItem(r - 1)->setTextAlignment(alignment);
        }
        return;
    }
    horizontalHeaderItem(col - 1)->setTextAlignment(alignment);
    for (int r = 1; r < Rows; ++r) {
        Item(r, col)->setTextAlignment(alignment);
    }
}

int ChannelGrid::ColumnAlignment(int col) const {
    return col >= 0 && col < Columns ? m_Alignment[col] : GeneralAlignment;
}

int ChannelGrid::ColumnWidth(int col) const {
    if (col < 0 || col >= Columns) {
        return 0;
    }
    if (m_Width[col] >= 0) {
        return m_Width[col];
    }
    return horizontalHeader()->defaultSectionSize();
}

void ChannelGrid::SetColumnWidth(int col, int width) {
    if (col < 0 || col >= Columns || width < 0) {
        return;
    }
    m_Width[col] = width;
    if (col == 0) {
        verticalHeader()->setFixedWidth(width);
    } else {
        setColumnWidth(col - 1, width);
    }
}

QRect ChannelGrid::CellRect() const {
    return CellRect(m_Row, m_Col);
}

QRect ChannelGrid::CellRect(int row, int col) const {
    if (!Item(row, col)) {
        return {};
    }
    return visualRect(model()->index(row - 1, col - 1));
}

void ChannelGrid::Redraw() {
    viewport()->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    // Keys that an in-place editor left unhandled bubble up to the grid; they
    // belong to the editor, not to the grid's navigation.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::ShiftModifier) {
        m_Anchor = m_Row;
        SelectChannels({m_Row});
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
    const QString text = event->text();
    // A character key is reported as such and does not move the current cell
    // (no search by typed text). Delete produces no character on the grid.
    if (!text.isEmpty() && text.at(0).unicode() != 0x7F) {
        emit GridKeyPress(text.at(0).unicode());
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void ChannelGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    // The right button neither moves the current cell nor takes the focus; it
    // keeps the channel selection for the menu it brings up. Any other press
    // on a cell ends it.
    if (event->button() != Qt::RightButton) {
        setFocus(Qt::MouseFocusReason);
        ClearChannelSelection();
        QTableWidget::mousePressEvent(event);
    }
    emit GridMouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()), pos.x(),
                       pos.y());
}

void ChannelGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        QTableWidget::mousePressEvent(event);
        emit GridDoubleClick();
        return;
    }
    event->ignore();
}

void ChannelGrid::WatchUserScrolls(QAbstractSlider* bar) {
    // A scroll bar reports an action only for the user's input (its arrows,
    // page areas, the dragged slider, the wheel, its keys); the position has
    // moved on already when the value is about to follow.
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar] {
        if (bar->sliderPosition() != bar->value()) {
            emit GridScrolled();
        }
    });
}

void ChannelGrid::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid()) {
        emit ChannelMenuRequested(index.row() + 1, index.column() + 1, event->globalPos());
    }
    event->accept();
}

bool ChannelGrid::eventFilter(QObject* watched, QEvent* event) {
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
    return QTableWidget::eventFilter(watched, event);
}

// The corner cell is the title of the channel-number column.
void ChannelGrid::PaintCorner(QWidget* corner) {
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.state |= QStyle::State_Enabled; // the title reads like the others
    option.palette.setCurrentColorGroup(QPalette::Active);
    option.rect = corner->rect();
    option.text = m_CornerText;
    option.textAlignment = ToQtAlignment(m_Alignment[0]);
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.orientation = Qt::Horizontal;
    QPainter painter(corner);
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
}

void ChannelGrid::SelectChannels(QList<int> rows) {
    rows.erase(
        std::remove_if(rows.begin(), rows.end(), [](int row) { return row < 1 || row >= Rows; }),
        rows.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows == m_Selected) {
        return;
    }
    m_Selected = rows;
    QItemSelection shown;
    for (int row : m_Selected) {
        shown.select(model()->index(row - 1, 0), model()->index(row - 1, Columns - 2));
    }
    if (m_Selected.isEmpty() && currentIndex().isValid()) {
        shown.select(currentIndex(), currentIndex()); // back to the one current cell
    }
    selectionModel()->select(shown, QItemSelectionModel::ClearAndSelect);
    emit ChannelSelectionChanged();
}

QList<int> ChannelGrid::RangeTo(int row) const {
    QList<int> rows;
    for (int r = std::min(m_Anchor, row); r <= std::max(m_Anchor, row); ++r) {
        rows.append(r);
    }
    return rows;
}

void ChannelGrid::ChannelNumberPressed(int row, Qt::MouseButton button,
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
        SelectChannels(m_Selected + RangeTo(row));
    } else if (shift) {
        SelectChannels(RangeTo(row));
    } else if (control) {
        QList<int> rows = m_Selected;
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
