#pragma once

#include <QString>

class MemoryImage;
class QPrinter;

// The printout of the channel list: a head that says which document it is
// (file name, date, radio type, band edges), then the grid's column titles and
// every channel that holds anything, as a table over as many pages as it needs.
class ChannelTablePrinter {
public:
    // The printout as HTML (what Print lays out on the pages); documentName is
    // the file's name, or "Untitled".
    static QString Html(const MemoryImage& image, const QString& documentName);
    static void Print(const MemoryImage& image, const QString& documentName, QPrinter& printer);
};
