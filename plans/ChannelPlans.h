#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Lang.h"

// Ready-made licence-free channel sets and the bands of common licences. The
// data, with the rule each plan comes from, is in ChannelPlans.cpp and nowhere
// else. Frequencies are in 10 Hz units, as the image stores them.

// Consecutive channels of a plan: count channels from first, step apart.
struct PlanSegment {
    std::uint32_t first = 0;
    std::uint32_t step = 0;
    int count = 0;
    int maxMilliwatts = 0; // the most the channels may radiate; 0 = as the licence says
};

struct ChannelPlan {
    const char* key;                       // "pmr446", as orinctl and MAIN.ini name it
    BiText name;                           // short: "PMR446", in messages
    BiText title;                          // "PMR446, Europe", in lists
    const char* namePrefix;                // channel names: prefix + number; "" for a band
    std::span<const PlanSegment> segments; // empty for a band
    std::uint32_t bandLower;               // a band's edges, both inside; 0 for channels
    std::uint32_t bandUpper;
    bool narrowOnly;
    BiText power; // "0.5 W ERP", "by licence"
    BiText source;

    bool IsBand() const { return segments.empty(); }
};

// One channel of a plan.
struct PlanChannel {
    int number = 0;              // from 1, as the plan counts
    std::uint32_t frequency = 0; // Tx = Rx
    int maxMilliwatts = 0;
};

std::span<const ChannelPlan> AllPlans();
const ChannelPlan* FindPlan(std::string_view key);
// "pmr446, frs, ...", for a message about a key that names no plan.
std::string PlanKeys();

// The plan's channels in its own order; empty for a band.
std::vector<PlanChannel> PlanChannels(const ChannelPlan& plan);
// The channel of the plan on this frequency, if any.
std::optional<PlanChannel> FindPlanChannel(const ChannelPlan& plan, std::uint32_t frequency);
// Half the bandwidth of a channel, in 10 Hz units: 12.5 kHz either side of
// the centre for a wide (25 kHz) channel, 6.25 kHz for a narrow one.
inline constexpr std::uint32_t WideHalfBandwidth = 1250;
inline constexpr std::uint32_t NarrowHalfBandwidth = 625;

// Whether the plan lets a channel transmit on this frequency. A band holds a
// channel only when the whole bandwidth is inside it, halfBandwidth either side
// of the centre; a plan of channels names their centres.
bool PlanAllowsTx(const ChannelPlan& plan, std::uint32_t frequency, std::uint32_t halfBandwidth);

// The lowest and highest frequency of the plan (a band's edges).
std::pair<std::uint32_t, std::uint32_t> PlanRange(const ChannelPlan& plan);

// What the plan holds, in one line: "16 channels 446.00625-446.19375 MHz,
// narrow, 0.5 W ERP" or "band 430-440 MHz, any bandwidth, by licence".
std::string PlanSummary(const ChannelPlan& plan, Lang lang);
// "430-440" or "446.00625-446.19375": a range of MHz as short as it is exact.
std::string MegahertzRange(std::uint32_t lower, std::uint32_t upper);
