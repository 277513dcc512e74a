#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "base/Lang.h"
#include "image/BandLimits.h"
#include "image/ChannelCodec.h"
#include "image/FrequencyCheck.h"
#include "image/RawChannel.h"

// Whole-channel operations on an image: what the grid's Cut, Copy, Paste,
// Clear, Insert, Delete, Move, Sort and "set for selected channels" do to the
// bytes. Channels are moved as raw records, so every bit of a channel travels
// with it; only the channels named change, never the band edges or settings.
namespace ChannelOps {

// Channel indexes 0-127, ascending, each once.
using Channels = std::vector<int>;

// Sorts, drops repeats and indexes outside 0-127.
Channels Normalised(Channels channels);

std::vector<RawChannel> Copy(const MemoryImage& image, const Channels& channels);

// Empties the channels as a new document's channels are empty.
void Clear(MemoryImage& image, const Channels& channels);

// Channels from at onward move down by one, as far as the next empty channel,
// which they fill; at becomes empty and the channels after that empty one stay
// where they are. Refused (false, nothing changes) when no channel from at on
// is empty: the last one would be lost.
bool InsertEmpty(MemoryImage& image, int at);

// Removes the channels; those below move up and empty channels fill the end.
void Delete(MemoryImage& image, const Channels& channels);

// Moves the channels one place up (delta -1) or down (+1); each channel they
// pass moves the other way around the block. Returns where the channels are
// now, or nothing (and changes nothing) when one of them is already at the edge.
std::optional<Channels> Move(MemoryImage& image, const Channels& channels, int delta);

// Sorts the channels among their own places by receive frequency, or all 128
// when fewer than two are given. Channels without a receive frequency follow
// in their order (those with only a transmit frequency or a name first), empty
// channels go last; equal frequencies keep their order.
void SortByRxFrequency(MemoryImage& image, const Channels& channels);

// Writes the records from channel first onward, over what is there. Refused
// (false, nothing changes) when they would run past channel 128.
bool Paste(MemoryImage& image, int first, const std::vector<RawChannel>& channels);
// The same with rows of channel texts, taken by the channel rules for data.
bool Paste(MemoryImage& image, int first, const std::vector<ChannelRecord>& records);

// The channels whose receive or transmit frequency lies outside the band
// edges (both edges inside), as after the edges were narrowed.
Channels OutsideBand(const MemoryImage& image, const BandEdges& band);

// True when the grid shows a receive or a transmit frequency for the channel.
bool HasFrequency(const MemoryImage& image, int n);

// Writes text into column (3-12) of every channel that has a frequency, as if
// chosen in that column's list on each (the texts of either language);
// returns how many channels took it.
int SetColumnText(MemoryImage& image, const Channels& channels, int column, std::string_view text,
                  Lang lang);

struct RefusedFrequency {
    int channel = 0; // 0-127
    FrequencyVerdict verdict = FrequencyVerdict::Format;
};

struct TxFromRxResult {
    int written = 0;                       // channels whose Tx frequency was set
    std::vector<RefusedFrequency> refused; // when not empty, nothing changed
};

// Types each channel's receive frequency into its transmit frequency, with the
// checks a typed frequency goes through. Channels without a receive frequency
// are left alone; if any receive frequency fails a check, nothing changes.
TxFromRxResult SetTxToRx(MemoryImage& image, const Channels& channels, const BandEdges& band);

} // namespace ChannelOps
