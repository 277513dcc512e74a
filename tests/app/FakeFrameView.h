#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

#include "base/AppLanguage.h"
#include "base/ViewHooks.h"
#include "editor/ImageHistory.h"
#include "image/MemoryImage.h"

// A channel view stand-in that keeps a table of texts and records the calls
// the frame makes, in order.
class FakeFrameView final : public ViewHooks, public StepRestorer {
public:
    FakeFrameView() : m_Cells(129, QStringList(14, QString())), m_History(*this) {
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

    ImageHistory& History() override { return m_History; }
    void Undo() override {
        calls.append(QStringLiteral("Undo"));
        m_History.Undo();
    }
    void Redo() override {
        calls.append(QStringLiteral("Redo"));
        m_History.Redo();
    }
    // Bookkeeping, not recorded in calls.
    void SettleEdits() override {}
    void MarkClean() override { m_History.MarkClean(); }
    void MarkSafe(const MemoryImage& state) override { m_History.MarkClean(state); }
    MemoryImage ImageToSave() override { return m_History.Current(); }
    // Applies change to the state the history holds and records it.
    bool ApplyImageChange(const BiText& stepName,
                          const std::function<bool(MemoryImage&)>& change) override {
        MemoryImage image = m_History.Current();
        if (!change(image) || image == m_History.Current()) {
            return false;
        }
        m_History.Record(StepName::Of(stepName), image, {});
        return true;
    }
    void RestoreStep(const MemoryImage&, GridCell) override {
        calls.append(QStringLiteral("Restore"));
    }

    QWidget widget;
    MemoryImage image;
    QStringList calls;

private:
    std::vector<QStringList> m_Cells;
    ImageHistory m_History;
};
