#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Lang.h"
#include "image/BandLimits.h"
#include "image/Channel.h"
#include "image/MemoryImage.h"
#include "image/RawChannel.h"
#include "plans/ChannelPlans.h"

// Putting a plan's channels into an image: into the empty channels from a
// given one on, never over a channel that holds anything.
namespace PlanInsert {

// Where the plan's channels would go.
struct Placement {
    std::vector<int> channels; // 0-127, ascending: the empty channels from the start on
    int wanted = 0;            // channels the plan has
    bool Complete() const { return static_cast<int>(channels.size()) == wanted; }
};

// The empty channels from channel from (0-127) on, as many as the plan has
// channels (fewer when the list has no more room).
Placement Place(const MemoryImage& image, const ChannelPlan& plan, int from);

// Why the plan cannot be stored with these band edges (its lowest and highest
// frequency and the edges named), or nothing when every channel of it passes
// the checks a typed frequency goes through.
std::optional<std::string> OutsideBandEdges(const ChannelPlan& plan, const BandEdges& band,
                                            Lang lang);

// "Only 5 of the 16 PMR446 channels fit into the empty channels from channel
// 120 on." (from is 0-127), or that none does.
std::string RoomText(const Placement& placement, const ChannelPlan& plan, int from, Lang lang);

// A channel of the plan as it is inserted over the bytes of an empty channel:
// Tx = Rx, narrow, scan on, no tones, low power, no PTT ID, no scrambler,
// named prefix + number; the other options as typing a frequency gives them.
Channel MakeChannel(const ChannelPlan& plan, const PlanChannel& channel, const RawChannel& stored);

// Writes the plan's first channels.size() channels into those channels.
void Insert(MemoryImage& image, const ChannelPlan& plan, const std::vector<int>& channels);

} // namespace PlanInsert
