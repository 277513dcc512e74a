#pragma once

#include "image/MemoryImage.h"

class QWidget;

// What the transfer commands need from the channel view. The view implements
// it; the transfer commands never reach into the view otherwise.
class TransferViewHooks {
public:
    virtual ~TransferViewHooks() = default;

    // Writes the value still being typed in an in-place editor into its cell.
    virtual void CommitCellEdit() = 0;
    // Encodes every grid row and the type bar into the document's image.
    virtual void CommitGrid() = 0;
    // Shows the document's image in the grid and the type bar.
    virtual void DisplayImage() = 0;
    // The document's image.
    virtual MemoryImage& DocumentImage() = 0;
    // The channel grid, over which the progress dialog is centred.
    virtual QWidget* GridWidget() = 0;
};
