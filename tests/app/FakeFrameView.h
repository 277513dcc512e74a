#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

#include "base/AppLanguage.h"
#include "base/ViewHooks.h"
#include "image/MemoryImage.h"

// A channel view stand-in that keeps a table of texts and records the calls
// the frame makes, in order.
class FakeFrameView final : public ViewHooks {
public:
    FakeFrameView() : m_Cells(129, QStringList(14, QString())) {
        for (int c = 0; c < 14; ++c) {
            m_Cells[0][c] = QStringLiteral("Col%1").arg(c);
        }
        for (int r = 1; r < 129; ++r) {
            m_Cells[r][0] = QString::number(r);
        }
    }

    QWidget* Widget() override { return &widget; }
    QWidget* GridWidget() override { return &widget; }
    void OnInitialUpdate() override { calls.append(QStringLiteral("OnInitialUpdate")); }
    void DisplayImage() override { calls.append(QStringLiteral("DisplayImage")); }
    void CommitGrid() override { calls.append(QStringLiteral("CommitGrid")); }
    void CommitCellEdit() override { calls.append(QStringLiteral("CommitCellEdit")); }
    void RelabelForLanguage() override {
        calls.append(QStringLiteral("RelabelForLanguage:%1").arg(bChinese ? "Chinese" : "English"));
    }
    MemoryImage& DocumentImage() override { return image; }
    int RowCount() override { return 129; }
    int ColumnCount() override { return 14; }
    QString CellText(int row, int col) override { return m_Cells[row][col]; }
    void SetCellText(int row, int col, const QString& text) { m_Cells[row][col] = text; }

    QWidget widget;
    MemoryImage image;
    QStringList calls;

private:
    std::vector<QStringList> m_Cells;
};
