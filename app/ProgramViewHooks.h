#pragma once

#include "app/FrameViewHooks.h"

class CProgramView;

// The frame's view of the real channel view.
class ProgramViewHooks final : public FrameViewHooks {
public:
    explicit ProgramViewHooks(CProgramView& view) : m_View(view) {}

    QWidget* Widget() override;
    void OnInitialUpdate() override;
    void CommitGrid() override;
    void CommitCellEdit() override;
    void RelabelForLanguage() override;
    int RowCount() override;
    int ColumnCount() override;
    QString CellText(int row, int col) override;

private:
    CProgramView& m_View;
};
