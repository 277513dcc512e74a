#pragma once

#include <string>
#include <string_view>

#include "base/Lang.h"
#include "image/BandLimits.h"
#include "image/Channel.h"
#include "image/ChannelCodec.h"
#include "image/MemoryImage.h"

// The rules by which a text becomes part of a channel, whatever brings it:
// the table (a typed cell), the channel commands (paste, set for the selected
// channels) and the imports (our CSV, CHIRP). Typing checks the text and may
// refuse it; data that comes whole (a row of a file or of the clipboard) has
// been checked by its reader and is taken as it stands.
namespace ChannelRules {

// How a typed edit is committed: by leaving the cell or by Enter in it. The
// two differ in a step message and in whether a new channel's first
// frequency fills in its name.
enum class Way { Leave, Enter };

enum class Refusal { None, Format, Range, Step, Tone };

// What the rules made of a text: the channel changed or not, or the text
// refused and the channel left as it was. message says why, in both
// languages, for a refusal.
struct Outcome {
    bool changed = false;
    Refusal refusal = Refusal::None;
    std::string english;
    std::string chinese;

    bool Refused() const { return refusal != Refusal::None; }
    const std::string& Message(Lang lang) const {
        return lang == Lang::Chinese ? chinese : english;
    }
};

// Applies text typed into column (1-13) of channel:
// - a frequency is checked (67-521 MHz, the band edges, the channel step) and
//   normalised; a channel without frequency or tone that gets its first
//   frequency takes the new-channel defaults, and a first Rx frequency is
//   its Tx frequency too; an emptied frequency takes its tone along, and a
//   channel left with nothing becomes an empty channel;
// - a tone must name a tone of the tone table (see ToneTable::IndexOfNamed);
// - a row without frequency takes no tone, name or option;
// - a typed name keeps at most TypedNameLimit characters of the alphabet.
Outcome Type(Channel& channel, int column, std::string_view text, Way way, const BandEdges& band);

// A name typed anew has at most this many characters; the radio holds eight.
inline constexpr int NewNameLimit = 6;

// The most characters a name typed over this channel's name keeps: six for a
// new name, the old name's own length for a longer one read as data.
int TypedNameLimit(const Channel& channel);

// Applies the 13 texts of a row of data (a file, the clipboard) to channel n.
// A row that says what the channel shows leaves its bytes as they are. For a
// channel without frequency, a row that gives only an Rx frequency (and
// perhaps a name) gives what typing that frequency gives; a row that states
// more is taken as written, a blank Tx staying blank and a blank option
// taking the new-channel default. For a channel that holds data, a blank
// option keeps the channel's value and every other text is taken as written.
// A channel the row leaves without frequency keeps no tone, and one left with
// nothing at all is an empty channel.
// Returns whether a byte changed.
bool ApplyRow(const ChannelRecord& row, int n, MemoryImage& image);

// Fills in the new-channel defaults for columns Rx Tone to last (at most
// Name, whose default is no name).
void TakeNewChannelDefaults(Channel& channel, int lastColumn);

// Why a tone text is refused, with the text as it should be shown.
Outcome ToneRefusal(std::string_view shown);

// The Tx = Rx command for one channel: its Rx frequency typed into Tx. A
// channel without Rx frequency is left alone.
Outcome TxFromRx(Channel& channel, const BandEdges& band);

} // namespace ChannelRules
