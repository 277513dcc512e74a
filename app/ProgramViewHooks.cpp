#include "app/ProgramViewHooks.h"

#include "editor/CProgramView.h"
#include "editor/ChannelGrid.h"

QWidget* ProgramViewHooks::Widget() {
    return &m_View;
}
void ProgramViewHooks::OnInitialUpdate() {
    m_View.OnInitialUpdate();
}
void ProgramViewHooks::CommitGrid() {
    m_View.CommitGrid();
}
void ProgramViewHooks::CommitCellEdit() {
    m_View.CommitCellEdit();
}
void ProgramViewHooks::RelabelForLanguage() {
    m_View.RelabelForLanguage();
}
int ProgramViewHooks::RowCount() {
    return m_View.Grid()->RowCount();
}
int ProgramViewHooks::ColumnCount() {
    return m_View.Grid()->ColumnCount();
}
QString ProgramViewHooks::CellText(int row, int col) {
    return m_View.Grid()->CellText(row, col);
}
