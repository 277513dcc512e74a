#pragma once

#include <string>
#include <vector>

#include "formats/ChannelImport.h"
#include "image/MemoryImage.h"

// The channels of an image as a CHIRP CSV file, for any other programming tool.
namespace ChirpExport {

// The 21 columns current CHIRP writes, in its order.
inline constexpr const char* Header[] = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE",
};

struct ExportResult {
    std::string csv; // UTF-8 without a byte order mark, CRLF line ends
    // Channels left out or written differently, with why; line is the channel.
    std::vector<ChannelImport::Row> notes;
};

// One row per channel with a receive frequency; Location is the channel number.
ExportResult Export(const MemoryImage& image);

} // namespace ChirpExport
