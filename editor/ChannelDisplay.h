#pragma once

#include <cstdint>

#include "base/Lang.h"
#include "image/MemoryImage.h"

class ChannelGrid;
class TypeSettingBar;

// Moves the channels and the type bar between the memory image and the
// screen: Display fills every channel cell and the bar from the image,
// Commit encodes every row and the bar back into it.
class ChannelDisplay {
public:
    ChannelDisplay(ChannelGrid& grid, TypeSettingBar& bar) : m_Grid(grid), m_Bar(bar) {}

    // Rewrites all 1664 channel cells (never row 0 or column 0), the Type and
    // "Manul Setting" selections and the band edges. The image is not changed.
    void Display(const MemoryImage& image, Lang lang);
    // The bar part of Display alone.
    void DisplayBar(const MemoryImage& image);

    // Encodes rows 1-128, the two selections, the commit marker and the band
    // edges into the image. A band box that holds no whole number is refused
    // with a message; that edge keeps its previous value and the commit goes on.
    void Commit(MemoryImage& image);
    // The same without a message: a band box that holds no whole number gives
    // the edge the exchange would keep. Neither the bar nor the focus changes.
    void CommitQuietly(MemoryImage& image) const;

private:
    // Everything but the band edges.
    void CommitRowsAndLists(MemoryImage& image) const;

    ChannelGrid& m_Grid;
    TypeSettingBar& m_Bar;
};
