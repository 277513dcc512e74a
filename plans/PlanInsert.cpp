#include "plans/PlanInsert.h"

#include <algorithm>

#include "image/Channel.h"
#include "image/ChannelCodec.h"
#include "image/ChannelRules.h"
#include "image/FrequencyCheck.h"
#include "image/ImageMap.h"

namespace PlanInsert {

Placement Place(const MemoryImage& image, const ChannelPlan& plan, int from) {
    Placement placement;
    placement.wanted = static_cast<int>(PlanChannels(plan).size());
    for (int n = std::max(from, 0); n < ImageMap::ChannelCount && !placement.Complete(); ++n) {
        if (IsEmptyChannel(image, n)) {
            placement.channels.push_back(n);
        }
    }
    return placement;
}

std::optional<std::string> OutsideBandEdges(const ChannelPlan& plan, const BandEdges& band,
                                            Lang lang) {
    for (const PlanChannel& channel : PlanChannels(plan)) {
        if (CheckFrequency(FrequencyText(channel.frequency), band.lower, band.upper).verdict !=
            FrequencyVerdict::Accepted) {
            const std::string needs = MegahertzRange(PlanRange(plan).first, PlanRange(plan).second);
            const std::string edges = std::to_string(band.lower) + "-" + std::to_string(band.upper);
            return lang == Lang::Chinese
                       ? plan.name.chinese + std::string(" 需要 ") + needs +
                             " MHz，超出本机的频段 " + edges + " MHz，未插入任何频道"
                       : plan.name.english + std::string(" needs ") + needs +
                             " MHz, outside the band edges " + edges +
                             " MHz of the type bar; nothing was inserted";
        }
    }
    return std::nullopt;
}

std::string RoomText(const Placement& placement, const ChannelPlan& plan, int from, Lang lang) {
    const std::string fit = std::to_string(placement.channels.size());
    const std::string wanted = std::to_string(placement.wanted);
    const std::string start = std::to_string(from + 1);
    const bool zh = lang == Lang::Chinese;
    if (placement.channels.empty()) {
        return zh ? "从频道 " + start + " 起没有空频道，" + wanted + " 个" + plan.name.chinese +
                        "频道一个也放不下，未插入任何频道"
                  : "No channel from channel " + start + " on is empty: none of the " + wanted +
                        " channels of " + plan.name.english + " fits; nothing was inserted";
    }
    return zh ? "从频道 " + start + " 起的空频道只能放下 " + wanted + " 个" + plan.name.chinese +
                    "频道中的 " + fit + " 个。"
              : "Only " + fit + " of the " + wanted + " channels of " + plan.name.english +
                    " fit into the empty channels from channel " + start + " on.";
}

Channel MakeChannel(const ChannelPlan& plan, const PlanChannel& channel, const RawChannel& stored) {
    Channel c = ReadChannel(stored);
    // What typing a frequency into an empty row gives, then what the plan needs
    // and what keeps other users of the channel undisturbed.
    ChannelRules::TakeNewChannelDefaults(c, ColScram);
    c.rxFrequency = channel.frequency;
    c.txFrequency = channel.frequency;
    c.rxTone = {};
    c.txTone = {};
    c.width = Width::Narrow;
    c.scanAdd = true;
    c.scanListed = true;
    c.power = Power::Low;
    c.pttId = PttId::Off;
    c.scrambler = 0;
    c.name = plan.namePrefix + std::to_string(channel.number);
    return c;
}

void Insert(MemoryImage& image, const ChannelPlan& plan, const std::vector<int>& channels) {
    const std::vector<PlanChannel> planChannels = PlanChannels(plan);
    for (std::size_t k = 0; k < channels.size() && k < planChannels.size(); ++k) {
        WriteChannel(MakeChannel(plan, planChannels[k], ReadRawChannel(image, channels[k])),
                     channels[k], image);
    }
}

} // namespace PlanInsert
