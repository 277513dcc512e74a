#pragma once

#include <string>
#include <vector>

#include "base/Lang.h"
#include "image/BandLimits.h"
#include "image/ChannelCodec.h"
#include "image/MemoryImage.h"

// What an import of a channel list from another program will do, row by row,
// before anything is changed: the channel texts each row becomes, the channel
// it goes to and why a row is changed, skipped or not placed. The window shows
// it as a preview and orinctl prints it; both then apply the same rows.
namespace ChannelImport {

enum class Status {
    Imported,  // stored as the file says
    Changed,   // stored, but something had to give (see the notes)
    Skipped,   // cannot be stored at all (the first note says why)
    NotPlaced, // could be stored, but has no channel to go to
};

// A reason, in both languages, chosen when it is shown.
struct Note {
    std::string english;
    std::string chinese;
    const std::string& In(Lang lang) const { return lang == Lang::Chinese ? chinese : english; }
    bool operator==(const Note&) const = default;
};

struct Row {
    int line = 0;          // line of the file the row starts on, from 1
    int location = -1;     // the row's own number in the file; -1 when it has none
    std::string frequency; // the receive frequency as the file wrote it
    std::string name;      // the name as the file wrote it
    ChannelRecord record;  // the channel texts, when the row can be stored
    Status status = Status::Imported;
    std::vector<Note> notes;
    int channel = 0; // 1-128 once placed, else 0

    bool Storable() const { return status == Status::Imported || status == Status::Changed; }
    void Skip(Note why);
    void Change(Note what);
    void NotPlaced(Note why);
};

// Where the storable rows go.
struct Placement {
    bool byLocation = false; // each row by its own number, else in file order
    int start = 1;           // first channel when in file order, 1-128
};

// Status word and reasons of one row, as one line of a report, for example
// "line 12: skipped: mode AM cannot be stored". Empty for a row stored as is.
std::string ReportLine(const Row& row, Lang lang);
// The status word alone ("imported", "changed", ...).
std::string StatusText(Status status, Lang lang);
// The reasons of a row, joined by "; ".
std::string NotesText(const Row& row, Lang lang);

int PlacedCount(const std::vector<Row>& rows);

// The widest band edges a channel file can hold, whole MHz.
inline constexpr BandEdges WidestBand{67, 521};
// How many rows that cannot be stored now (rows) could be stored when the same
// file is read against WidestBand (widest), matched by their line: the rows a
// change of the band edges would bring in, and no row refused for another reason.
int AdmittedByWidestBand(const std::vector<Row>& rows, const std::vector<Row>& widest);

// Whether record says what channel n (0-127) of image holds: the texts the
// image shows in either language, exactly.
bool SaysTheSame(const ChannelRecord& record, const MemoryImage& image, int n);

// Takes every placed row into its channel of image by the channel rules for
// rows of data (ChannelRules::ApplyRow); with emptyOthers every
// channel no row went to is emptied, otherwise it keeps its bytes. A row that
// says what its channel holds leaves the channel's bytes as they are, bits no
// text shows included.
void Apply(const std::vector<Row>& rows, bool emptyOthers, MemoryImage& image);

} // namespace ChannelImport
