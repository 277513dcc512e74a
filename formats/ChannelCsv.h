#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Lang.h"
#include "image/MemoryImage.h"

// The channels of an image as CSV: a header line, then one line per channel
// with its number 1-128 and the 13 texts the grid shows.
namespace ChannelCsv {

inline constexpr const char* Header[] = {
    "CH",       "Rx Frequency", "Tx Frequency", "Rx Tone",  "Tx Tone",       "W/N",   "Scan",
    "Tx Power", "Opt Signal",   "PTTID",        "BusyLock", "Repeat Invert", "Scram", "Name",
};

std::string Dump(const MemoryImage& image, Lang lang);

struct Problem {
    int line = 0;
    std::string column; // a header name, or empty for the whole row
    std::string reason;
};

struct ImportResult {
    bool ok = true;
    std::vector<Problem> problems;
};

// Encodes each channel row of csv into image, as a commit of those rows
// would; channels the CSV does not list keep their bytes. With check, every
// cell must pass the editor's checks (frequencies are normalised on the way);
// without it the texts are encoded as given. On any problem the image is left
// untouched and every problem is listed.
ImportResult Import(std::string_view csv, MemoryImage& image, bool check);


} // namespace ChannelCsv
