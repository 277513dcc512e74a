#pragma once

#include <QString>

class FrameViewHooks;
class QPrinter;

// The printout of the channel list: the grid's column titles and every
// channel that holds anything, as a table over as many pages as it needs.
class ChannelTablePrinter {
public:
    // The printout as HTML (what Print lays out on the pages).
    static QString Html(FrameViewHooks& view);
    static void Print(FrameViewHooks& view, QPrinter& printer);
};
