#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Lang.h"
#include "image/BandLimits.h"
#include "image/ChannelCodec.h"
#include "image/RawChannel.h"

// Whole channels on the clipboard. Copy puts two forms there: plain text, one
// line per channel with its 14 column texts separated by tabs, for any
// spreadsheet; and the channels' raw bytes under a private type, so that a
// paste into this program, in either language, is byte-exact. Paste takes the
// raw form when it is there, else plain text as a spreadsheet puts it.
namespace ChannelClipboard {

inline constexpr const char* MimeType = "application/x-orin-channels";

// The plain-text form: "number<TAB>13 texts" per channel (0-127), LF-ended.
std::string PlainText(const MemoryImage& image, const std::vector<int>& channels, Lang lang);

// The private form and its reader; the reader refuses anything that is not
// exactly what Payload writes (nothing for a damaged or foreign payload).
std::string Payload(const std::vector<RawChannel>& channels);
std::optional<std::vector<RawChannel>> ReadPayload(std::string_view payload);

struct PasteProblem {
    int line = 0;        // line of the pasted text, from 1
    int textColumn = 0;  // column of that line, from 1; 0 for the whole line
    int gridColumn = -1; // the grid column of a bad cell, -1 for the whole line
    std::string reason;  // English
    std::string reasonChinese;
};

struct PastedText {
    std::vector<ChannelRecord> records; // one per channel line, checked and normalised
    std::vector<PasteProblem> problems; // when not empty, records is empty
};

// Reads plain text: lines of 13 or 14 tab- or comma-separated columns (the
// separator is a tab when the text holds one), the channel number first when
// there are 14, in either language. Every cell passes the checks of a channel
// import; blank lines and a title line are skipped.
PastedText ParseText(std::string_view text, const BandEdges& band);

// The problems as one text: a headline and one line per problem.
std::string ProblemsText(const std::vector<PasteProblem>& problems, Lang lang);

} // namespace ChannelClipboard
