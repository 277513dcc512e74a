#pragma once

#include <QString>

class ViewHooks;
class QPrinter;

// The printout of the channel list: the grid's column titles and every
// channel that holds anything, as a table over as many pages as it needs.
class ChannelTablePrinter {
public:
    // The printout as HTML (what Print lays out on the pages).
    static QString Html(ViewHooks& view);
    static void Print(ViewHooks& view, QPrinter& printer);
};
