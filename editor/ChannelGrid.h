#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QTableWidget>
#include <array>

class QAbstractSlider;

// The channel table: 129 rows x 14 columns of plain text cells, row 0 and
// column 0 fixed. The fixed row and column are the table's own headers, so they
// stay in place while the channels scroll; cell (0, c) is the title of column c
// and cell (r, 0) the number of row r.
//
// The grid tracks the current cell itself, so that CellLeaving is raised while
// CurrentRow/CurrentCol still name the cell being left, whether the move comes
// from code or from the user. Every signal is delivered synchronously.
//
// Besides the current cell the grid keeps a selection of whole channels, made
// on the channel numbers (click, Shift+click, Ctrl+click), by Shift+Space and
// by Ctrl+A, and shown as selected rows. A click on any channel cell, or any
// other move of the current cell, ends it.
class ChannelGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int Rows = 129;
    static constexpr int Columns = 14;
    static constexpr int AlignCentre = 4; // the alignment code that centres a column

    explicit ChannelGrid(QWidget* parent = nullptr);

    int RowCount() const { return Rows; }
    int ColumnCount() const { return Columns; }

    int CurrentRow() const { return m_Row; }
    int CurrentCol() const { return m_Col; }
    void SetCurrentRow(int row);
    void SetCurrentCol(int col);
    void SetCurrentCell(int row, int col);
    // One cell is selected at a time, so the far corner is the current cell.
    int SelEndRow() const { return m_Row; }
    int SelEndCol() const { return m_Col; }

    QString CurrentText() const { return CellText(m_Row, m_Col); }
    void SetCurrentText(const QString& text) { SetCellText(m_Row, m_Col, text); }
    QString CellText(int row, int col) const;
    void SetCellText(int row, int col, const QString& text);

    void SetColumnAlignment(int col, int code);
    int ColumnAlignment(int col) const;
    // Width in pixels; a read returns the width last written or the default.
    int ColumnWidth(int col) const;
    void SetColumnWidth(int col, int width);

    // The current cell in the coordinates of the grid's viewport, where the
    // in-place editors live.
    QRect CellRect() const;
    QRect CellRect(int row, int col) const;
    // The widget the in-place editors are children of.
    QWidget* EditorParent() const { return viewport(); }

    void Redraw();

    // The selected channels as rows 1-128, ascending; empty when none is.
    const QList<int>& SelectedChannels() const { return m_Selected; }
    bool HasChannelSelection() const { return !m_Selected.isEmpty(); }
    // Selects these rows (1-128) and only these; the current cell stays.
    void SelectChannels(QList<int> rows);
    void ClearChannelSelection() { SelectChannels({}); }
    bool IsChannelSelected(int row) const { return m_Selected.contains(row); }

signals:
    void CellEntered();
    void CellLeaving();
    void GridKeyPress(int keyCode);
    void GridMouseDown(int button, int shift, int x, int y);
    void GridDoubleClick();
    // The user scrolled the grid (scroll bar or wheel). Scrolls the view makes
    // itself, such as bringing a clicked cell into sight, are not reported.
    void GridScrolled();
    void ChannelSelectionChanged();
    // The right button asked for a menu over a channel number (col 0) or a
    // channel cell; global is the point on the screen.
    void ChannelMenuRequested(int row, int col, const QPoint& global);
    // A channel cell (row and column 1 or more) got a different text.
    void CellTextChanged(int row, int col, const QString& before);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidgetItem* Item(int row, int col) const;
    void WatchUserScrolls(QAbstractSlider* bar);
    void PaintCorner(QWidget* corner);
    // A press on the channel number of row.
    void ChannelNumberPressed(int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // The rows from the anchor to row, both included.
    QList<int> RangeTo(int row) const;

    int m_Row = 1;
    int m_Col = 1;
    bool m_bMovingQuietly = false;
    QString m_CornerText;
    QList<int> m_Selected;
    int m_Anchor = 1; // where Shift+click ranges start
    std::array<int, Columns> m_Alignment{};
    std::array<int, Columns> m_Width{};
};
