#include "plans/ChannelPlans.h"

#include <algorithm>
#include <iterator>

#include "image/ChannelCodec.h"

namespace {

// MHz in 10 Hz units.
constexpr std::uint32_t Mhz(double mhz) {
    return static_cast<std::uint32_t>(mhz * 100000 + 0.5);
}

// PMR446 (Europe). Source: ECC Decision (15)05 of the CEPT, the harmonised
// band 446.0-446.2 MHz for analogue PMR 446: 16 channels 12.5 kHz apart from
// 446.00625 MHz, 0.5 W ERP, integral antenna. Countries apply it by their own
// rules.
constexpr PlanSegment PmrSegments[] = {{Mhz(446.00625), Mhz(0.0125), 16, 500}};

// FRS (USA). Source: 47 CFR Part 95 Subpart B: channels in 95.563, power in
// 95.567 (2 W ERP on channels 1-7 and 15-22, 0.5 W ERP on 8-14), bandwidth
// 12.5 kHz in 95.573.
constexpr PlanSegment FrsSegments[] = {
    {Mhz(462.5625), Mhz(0.025), 7, 2000},
    {Mhz(467.5625), Mhz(0.025), 7, 500},
    {Mhz(462.5500), Mhz(0.025), 8, 2000},
};

// Public walkie-talkies (公众对讲机, China). Source: the rules of the Ministry
// of Industry and Information Technology for public walkie-talkies: 20
// channels 12.5 kHz apart from 409.7500 MHz, 0.5 W.
constexpr PlanSegment CnPublicSegments[] = {{Mhz(409.75), Mhz(0.0125), 20, 500}};

constexpr ChannelPlan Plans[] = {
    {"pmr446",
     {"PMR446", "PMR446"},
     {"PMR446, Europe", "PMR446（欧洲）"},
     "PMR",
     PmrSegments,
     0,
     0,
     true,
     {"0.5 W ERP", "0.5 W ERP"},
     {"CEPT ECC Decision (15)05 (PMR 446, 446.0-446.2 MHz), as each country applies it",
      "CEPT ECC 决定 (15)05（PMR 446，446.0-446.2 MHz），以各国的实施规定为准"}},
    {"frs",
     {"FRS", "FRS"},
     {"FRS, USA", "FRS（美国）"},
     "FRS",
     FrsSegments,
     0,
     0,
     true,
     {"2 W ERP (channels 1-7, 15-22), 0.5 W ERP (channels 8-14)",
      "2 W ERP（频道 1-7、15-22），0.5 W ERP（频道 8-14）"},
     {"FCC, 47 CFR Part 95 Subpart B (95.563 channels, 95.567 power, 95.573 bandwidth)",
      "美国 FCC，47 CFR 第 95 部分 B 子部分（95.563 频道，95.567 功率，95.573 带宽）"}},
    {"cn-public",
     {"the public band", "公众对讲机频段"},
     {"Public band, China (公众对讲机)", "公众对讲机（中国）"},
     "GZ",
     CnPublicSegments,
     0,
     0,
     true,
     {"0.5 W", "0.5 W"},
     {"the rules of China's Ministry of Industry and Information Technology (MIIT) for public "
      "walkie-talkies (公众对讲机)",
      "中华人民共和国工业和信息化部关于公众对讲机的规定"}},
    {"ham-70cm",
     {"the 70 cm amateur band", "70 厘米业余频段"},
     {"Amateur 70 cm, China / IARU Regions 1 and 3", "70 厘米业余频段（中国／IARU 第一、三区）"},
     "",
     {},
     Mhz(430),
     Mhz(440),
     false,
     {"by licence", "按执照"},
     {"ITU Radio Regulations Article 5 (430-440 MHz amateur in Regions 1 and 3); IARU Region 1 "
      "and 3 band plans; in China the MIIT's rules for amateur radio stations "
      "(业余无线电台管理办法)",
      "国际电联《无线电规则》第 5 条（第一、三区 430-440 MHz 业余业务）；IARU 第一、三区频率规划；"
      "中国：工业和信息化部《业余无线电台管理办法》"}},
    {"ham-70cm-us",
     {"the US 70 cm amateur band", "美国 70 厘米业余频段"},
     {"Amateur 70 cm, USA", "70 厘米业余频段（美国）"},
     "",
     {},
     Mhz(420),
     Mhz(450),
     false,
     {"by licence", "按执照"},
     {"FCC, 47 CFR Part 97, 97.301 (420-450 MHz)",
      "美国 FCC，47 CFR 第 97 部分，97.301（420-450 MHz）"}},
};

// A frequency in MHz without the zeros that say nothing ("430", "462.55").
std::string ShortMegahertz(std::uint32_t units) {
    std::string text = FrequencyText(units);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

} // namespace

std::span<const ChannelPlan> AllPlans() {
    return Plans;
}

const ChannelPlan* FindPlan(std::string_view key) {
    const auto* it = std::find_if(std::begin(Plans), std::end(Plans),
                                  [&](const ChannelPlan& p) { return key == p.key; });
    return it == std::end(Plans) ? nullptr : it;
}

std::string PlanKeys() {
    std::string keys;
    for (const ChannelPlan& plan : Plans) {
        keys += (keys.empty() ? "" : ", ") + std::string(plan.key);
    }
    return keys;
}

std::vector<PlanChannel> PlanChannels(const ChannelPlan& plan) {
    std::vector<PlanChannel> channels;
    for (const PlanSegment& segment : plan.segments) {
        for (int k = 0; k < segment.count; ++k) {
            channels.push_back({static_cast<int>(channels.size()) + 1,
                                segment.first + static_cast<std::uint32_t>(k) * segment.step,
                                segment.maxMilliwatts});
        }
    }
    return channels;
}

std::optional<PlanChannel> FindPlanChannel(const ChannelPlan& plan, std::uint32_t frequency) {
    int number = 0;
    for (const PlanSegment& segment : plan.segments) {
        const std::uint32_t last =
            segment.first + static_cast<std::uint32_t>(segment.count - 1) * segment.step;
        if (frequency >= segment.first && frequency <= last &&
            (frequency - segment.first) % segment.step == 0) {
            return PlanChannel{number +
                                   static_cast<int>((frequency - segment.first) / segment.step) + 1,
                               frequency, segment.maxMilliwatts};
        }
        number += segment.count;
    }
    return std::nullopt;
}

bool PlanAllowsTx(const ChannelPlan& plan, std::uint32_t frequency, std::uint32_t halfBandwidth) {
    if (plan.IsBand()) {
        return frequency >= plan.bandLower + halfBandwidth &&
               frequency <= plan.bandUpper - halfBandwidth;
    }
    return FindPlanChannel(plan, frequency).has_value();
}

std::pair<std::uint32_t, std::uint32_t> PlanRange(const ChannelPlan& plan) {
    if (plan.IsBand()) {
        return {plan.bandLower, plan.bandUpper};
    }
    const std::vector<PlanChannel> channels = PlanChannels(plan);
    const auto [low, high] = std::minmax_element(
        channels.begin(), channels.end(),
        [](const PlanChannel& a, const PlanChannel& b) { return a.frequency < b.frequency; });
    return {low->frequency, high->frequency};
}

std::string MegahertzRange(std::uint32_t lower, std::uint32_t upper) {
    return ShortMegahertz(lower) + "-" + ShortMegahertz(upper);
}

std::string PlanSummary(const ChannelPlan& plan, Lang lang) {
    const bool zh = lang == Lang::Chinese;
    const std::string range =
        MegahertzRange(PlanRange(plan).first, PlanRange(plan).second) + " MHz";
    std::string text;
    if (plan.IsBand()) {
        text = (zh ? "频段 " : "band ") + range;
    } else {
        const std::string count = std::to_string(PlanChannels(plan).size());
        text = zh ? count + " 个频道 " + range : count + " channels " + range;
    }
    const char* width =
        plan.narrowOnly ? (zh ? "窄带" : "narrow") : (zh ? "带宽不限" : "any bandwidth");
    return text + (zh ? "，" : ", ") + width + (zh ? "，" : ", ") + plan.power.In(lang);
}
