#pragma once

#include <QWidget>

#include "base/ViewHooks.h"
#include "editor/ImageHistory.h"
#include "image/ImageMap.h"

// A channel view for the transfer commands alone: the document's image, a
// widget for the progress dialog to centre on, and counters of the calls a
// transfer makes. The frame's side of the view plays no part in a transfer.
class FakeTransferView final : public ViewHooks, public StepRestorer {
public:
    FakeTransferView() : history(*this) { history.Reset(image); }

    QWidget grid;
    MemoryImage image = ImageMap::NewDocumentImage();
    int cellCommits = 0;
    int gridCommits = 0;
    int displays = 0;   // images shown after a change
    int cleanMarks = 0; // the document declared safe elsewhere
    ImageHistory history;

    void CommitCellEdit() override { ++cellCommits; }
    void CommitGrid() override { ++gridCommits; }
    MemoryImage& DocumentImage() override { return image; }
    QWidget* GridWidget() override { return &grid; }

    QWidget* Widget() override { return &grid; }
    void OnInitialUpdate() override {}
    void RelabelForLanguage() override {}
    int RowCount() override { return 0; }
    int ColumnCount() override { return 0; }
    QString CellText(int, int) override { return {}; }

    ImageHistory& History() override { return history; }
    void Undo() override { history.Undo(); }
    void Redo() override { history.Redo(); }
    void SettleEdits() override {}
    void MarkClean() override {
        ++cleanMarks;
        history.MarkClean();
    }
    void MarkSafe(const MemoryImage& state) override {
        ++cleanMarks;
        history.MarkClean(state);
    }
    MemoryImage ImageToSave() override { return image; }
    // The change goes straight into the image, which is shown.
    bool ApplyImageChange(const BiText& stepName,
                          const std::function<bool(MemoryImage&)>& change) override {
        MemoryImage changed = image;
        if (!change(changed)) {
            return false;
        }
        image = changed;
        ++displays;
        history.Record(StepName::Of(stepName), image, {});
        return true;
    }
    void RestoreStep(const MemoryImage& state, GridCell) override {
        image = state;
    }
};
