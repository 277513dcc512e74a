#pragma once

#include <string_view>
#include <vector>

#include "formats/ChannelImport.h"
#include "image/BandLimits.h"

// Channel lists in the CSV format of CHIRP, the open programming tool that
// repeater directories and clubs export to.
namespace ChirpImport {

// True when the first line that is not a comment names a Location column:
// the file is CHIRP's, not our own channel CSV.
bool LooksLikeChirp(std::string_view csv);

struct ReadResult {
    bool ok = true;
    ChannelImport::Note error; // why the whole file is refused
    int errorLine = 0;
    std::vector<ChannelImport::Row> rows; // every row that is reported or storable
    int smallestLocation = -1;            // over every row with a Location, -1 if none
};

// Reads every row against the frequency rules of band; blank lines and
// comments are passed over, every other row is reported. A file with no rows,
// with a header that names a column twice or with more than Csv::MaxRows rows
// is refused.
ReadResult Read(std::string_view csv, const BandEdges& band);

// The rows with the channel each storable row goes to. In file order they
// fill channels from placement.start; by Location a list counted from 0 goes
// one channel up, and a later row with the same Location wins.
std::vector<ChannelImport::Row> Place(ReadResult read, ChannelImport::Placement placement);

} // namespace ChirpImport
