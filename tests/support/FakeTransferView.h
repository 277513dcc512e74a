#pragma once

#include <QWidget>

#include "base/ViewHooks.h"
#include "image/ImageMap.h"

// A channel view for the transfer commands alone: the document's image, a
// widget for the progress dialog to centre on, and counters of the calls a
// transfer makes. The frame's side of the view plays no part in a transfer.
class FakeTransferView final : public ViewHooks {
public:
    QWidget grid;
    MemoryImage image = ImageMap::NewDocumentImage();
    int cellCommits = 0;
    int gridCommits = 0;
    int displays = 0;

    void CommitCellEdit() override { ++cellCommits; }
    void CommitGrid() override { ++gridCommits; }
    void DisplayImage() override { ++displays; }
    MemoryImage& DocumentImage() override { return image; }
    QWidget* GridWidget() override { return &grid; }

    QWidget* Widget() override { return &grid; }
    void OnInitialUpdate() override {}
    void RelabelForLanguage() override {}
    int RowCount() override { return 0; }
    int ColumnCount() override { return 0; }
    QString CellText(int, int) override { return {}; }
};
