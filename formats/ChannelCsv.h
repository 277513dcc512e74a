#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Lang.h"
#include "formats/ChannelImport.h"
#include "image/BandLimits.h"
#include "image/ChannelCodec.h"
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
    int gridColumn = -1;       // the grid column of a bad cell, -1 for the whole row
    std::string reasonChinese; // the reason for a Chinese interface, for a bad cell
};

struct ImportResult {
    bool ok = true;
    std::vector<Problem> problems; // the first MaxListedProblems of them
    std::size_t unlisted = 0;      // the problems found beyond those
    // Without the checks: each name that could not be stored as written, with
    // what was stored instead.
    std::vector<Problem> notices;
};

// A file of thousands of bad rows is told by its first problems and a count.
inline constexpr std::size_t MaxListedProblems = 100;

// Takes each channel row of csv into image by the channel rules for rows of
// data (ChannelRules::ApplyRow); channels the CSV does not list keep their
// bytes. With check, every
// cell must pass the editor's checks (frequencies are normalised on the way);
// without it the texts are encoded as given. On any problem the image is left
// untouched and every problem is listed (up to MaxListedProblems, then
// counted). A file with no channel rows is a problem too: nothing to import.
ImportResult Import(std::string_view csv, MemoryImage& image, bool check);

// The checks import applies to one row's 13 texts: frequencies inside 67-521
// MHz, the band and the channel step (normalised to five decimals in place),
// tones of the tone table, option texts of their lists in either language,
// names of at most 8 characters of the name alphabet. Each bad cell is added
// to problems with the given line.
void CheckRecord(ChannelRecord& record, int line, const BandEdges& band,
                 std::vector<Problem>& problems);

// The channel rows of csv as a checked import into image would store them,
// each with the channel it names, for a preview. The file goes in whole or not
// at all: when any row has a problem, every row is skipped, those with
// problems saying which. A file that cannot be split into rows gives no rows
// and sets error.
std::vector<ChannelImport::Row> PreviewRows(std::string_view csv, const MemoryImage& image,
                                            ChannelImport::Note& error);

} // namespace ChannelCsv
