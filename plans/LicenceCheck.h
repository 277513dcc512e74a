#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Lang.h"
#include "image/MemoryImage.h"
#include "plans/ChannelPlans.h"

// Whether the channels of an image transmit only where a licence (a plan)
// allows. A help for the user, not a legal judgement: the radio's watts, its
// antenna and its approval are not in its memory.
namespace LicenceCheck {

enum class Kind {
    TxOutside, // a Tx frequency that is none of the plan's channels, or outside its band
    Wide,      // Wide where the plan needs narrow
    HighPower, // a note: High where the plan limits the power
};

struct Finding {
    int channel = 0; // 1-128
    Kind kind = Kind::TxOutside;
    std::uint32_t tx = 0;            // the channel's Tx frequency, 10 Hz units
    int maxMilliwatts = 0;           // for HighPower: the plan's limit on that channel
    std::uint32_t halfBandwidth = 0; // for TxOutside: the channel's, 10 Hz units
    bool IsNote() const { return kind == Kind::HighPower; }
    bool operator==(const Finding&) const = default;
};

// Every finding, by channel. Channels without a Tx frequency (receive only)
// are fine anywhere.
std::vector<Finding> Check(const MemoryImage& image, const ChannelPlan& plan);

// The channels (1-128) with a finding that is not a note, each once.
std::vector<int> ChannelsOutside(const std::vector<Finding>& findings);
// The same channels that are Wide, or that transmit outside (what the two
// repairs work on).
std::vector<int> ChannelsOf(const std::vector<Finding>& findings, Kind kind);

// "Tx 446.10000 MHz is not a PMR446 channel", "Tx 440.00000 MHz ±12.5 kHz
// reaches outside the 70 cm amateur band 430-440 MHz", "Wide; PMR446 needs narrow",
// "note: High power; PMR446 allows at most 0.5 W ERP".
std::string FindingText(const Finding& finding, const ChannelPlan& plan, Lang lang);
// "3 channels would transmit outside PMR446: 5, 9, 12." or that none would.
std::string OutsideText(const std::vector<int>& channels, const ChannelPlan& plan, Lang lang);

// The whole list as orinctl prints it: one line per finding ("CH 5: ...")
// and the summary line.
std::string Report(const std::vector<Finding>& findings, const ChannelPlan& plan, Lang lang);
// The same as CSV: a header, then CH, level (error or note) and text.
std::string ReportCsv(const std::vector<Finding>& findings, const ChannelPlan& plan, Lang lang);

// The repairs: channels (1-128) lose their Tx frequency (a channel left with no
// frequency at all is emptied as a cleared row is), or become narrow.
void MakeReceiveOnly(MemoryImage& image, const std::vector<int>& channels);
void SetNarrow(MemoryImage& image, const std::vector<int>& channels);

} // namespace LicenceCheck
