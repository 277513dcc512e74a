#include "plans/LicenceCheck.h"

#include <algorithm>

#include "formats/Csv.h"
#include "image/Channel.h"
#include "image/ChannelCodec.h"
#include "image/ChannelRules.h"
#include "image/ImageMap.h"

namespace LicenceCheck {

namespace {

std::string Watts(int milliwatts) {
    const std::string whole = std::to_string(milliwatts / 1000);
    const int tenths = milliwatts % 1000 / 100;
    return (tenths ? whole + "." + std::to_string(tenths) : whole) + " W";
}

// 1250 -> "12.5", 625 -> "6.25": 10 Hz units as kHz.
std::string Kilohertz(std::uint32_t units) {
    std::string text = std::to_string(units / 100);
    if (const std::uint32_t rest = units % 100) {
        text += "." + std::to_string(rest / 10) + (rest % 10 ? std::to_string(rest % 10) : "");
    }
    return text;
}

std::string NumberList(const std::vector<int>& channels) {
    std::string list;
    for (const int n : channels) {
        list += (list.empty() ? "" : ", ") + std::to_string(n);
    }
    return list;
}

std::vector<int> Unique(std::vector<int> channels) {
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    return channels;
}

// Reads channel n (1-128), lets change alter it and writes it back.
template <typename Change> void Rewrite(MemoryImage& image, int n, Change change) {
    if (n < 1 || n > ImageMap::ChannelCount) {
        return;
    }
    Channel c = ReadChannel(image, n - 1);
    change(c);
    WriteChannel(c, n - 1, image);
}

} // namespace

std::vector<Finding> Check(const MemoryImage& image, const ChannelPlan& plan) {
    std::vector<Finding> findings;
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        const Channel c = ReadChannel(image, n);
        if (!c.txFrequency) {
            continue;
        }
        const std::uint32_t tx = *c.txFrequency;
        const std::uint32_t half = c.width == Width::Wide ? WideHalfBandwidth : NarrowHalfBandwidth;
        if (!PlanAllowsTx(plan, tx, half)) {
            findings.push_back({n + 1, Kind::TxOutside, tx, 0, half});
        }
        if (plan.narrowOnly && c.width == Width::Wide) {
            findings.push_back({n + 1, Kind::Wide, tx, 0});
        }
        if (c.power == Power::High) {
            if (const auto channel = FindPlanChannel(plan, tx); channel && channel->maxMilliwatts) {
                findings.push_back({n + 1, Kind::HighPower, tx, channel->maxMilliwatts});
            }
        }
    }
    return findings;
}

std::vector<int> ChannelsOutside(const std::vector<Finding>& findings) {
    std::vector<int> channels;
    for (const Finding& f : findings) {
        if (!f.IsNote()) {
            channels.push_back(f.channel);
        }
    }
    return Unique(std::move(channels));
}

std::vector<int> ChannelsOf(const std::vector<Finding>& findings, Kind kind) {
    std::vector<int> channels;
    for (const Finding& f : findings) {
        if (f.kind == kind) {
            channels.push_back(f.channel);
        }
    }
    return Unique(std::move(channels));
}

std::string FindingText(const Finding& finding, const ChannelPlan& plan, Lang lang) {
    const bool zh = lang == Lang::Chinese;
    const std::string name = plan.name.In(lang);
    switch (finding.kind) {
    case Kind::TxOutside: {
        const std::string tx = FrequencyText(finding.tx) + " MHz";
        if (plan.IsBand()) {
            const std::string band = MegahertzRange(plan.bandLower, plan.bandUpper) + " MHz";
            if (finding.tx >= plan.bandLower && finding.tx <= plan.bandUpper) {
                // The centre is inside, the channel's edge is not.
                const std::string width = " ±" + Kilohertz(finding.halfBandwidth) + " kHz";
                return zh ? "发射频率 " + tx + width + " 超出" + name + " " + band
                          : "Tx " + tx + width + " reaches outside " + name + " " + band;
            }
            return zh ? "发射频率 " + tx + " 不在" + name + " " + band + " 之内"
                      : "Tx " + tx + " is outside " + name + " " + band;
        }
        return zh ? "发射频率 " + tx + " 不是" + name + "的频道"
                  : "Tx " + tx + " is not a channel of " + name;
    }
    case Kind::Wide:
        return zh ? "宽带；" + name + "只允许窄带" : "Wide; " + name + " allows only narrow";
    case Kind::HighPower:
        return zh ? "提示：高功率；" + name + "最多允许 " + Watts(finding.maxMilliwatts)
                  : "note: High power; " + name + " allows at most " + Watts(finding.maxMilliwatts);
    }
    return {};
}

std::string OutsideText(const std::vector<int>& channels, const ChannelPlan& plan, Lang lang) {
    const std::string name = plan.name.In(lang);
    if (lang == Lang::Chinese) {
        return channels.empty() ? "没有频道会在" + name + "之外发射。"
                                : std::to_string(channels.size()) + " 个频道会在" + name +
                                      "之外发射：" + NumberList(channels) + "。";
    }
    if (channels.empty()) {
        return "No channel would transmit outside " + name + ".";
    }
    return std::to_string(channels.size()) + (channels.size() == 1 ? " channel" : " channels") +
           " would transmit outside " + name + ": " + NumberList(channels) + ".";
}

std::string Report(const std::vector<Finding>& findings, const ChannelPlan& plan, Lang lang) {
    std::string text;
    for (const Finding& f : findings) {
        text += (lang == Lang::Chinese ? "频道 " : "CH ") + std::to_string(f.channel) +
                (lang == Lang::Chinese ? "：" : ": ") + FindingText(f, plan, lang) + "\n";
    }
    return text + OutsideText(ChannelsOutside(findings), plan, lang) + "\n";
}

std::string ReportCsv(const std::vector<Finding>& findings, const ChannelPlan& plan, Lang lang) {
    const bool zh = lang == Lang::Chinese;
    std::string csv =
        Csv::Line({zh ? "频道" : "CH", zh ? "级别" : "Level", zh ? "说明" : "Finding"});
    for (const Finding& f : findings) {
        const char* level = f.IsNote() ? (zh ? "提示" : "note") : (zh ? "错误" : "error");
        csv += Csv::Line({std::to_string(f.channel), level, FindingText(f, plan, lang)});
    }
    return csv;
}

void MakeReceiveOnly(MemoryImage& image, const std::vector<int>& channels) {
    for (const int n : channels) {
        // As if the user emptied the Tx cell: its tone goes along, and a
        // channel left with nothing is a new file's empty channel.
        Rewrite(image, n, [](Channel& c) {
            ChannelRules::Type(c, ColTxFrequency, "", ChannelRules::Way::Enter, {});
        });
    }
}

void SetNarrow(MemoryImage& image, const std::vector<int>& channels) {
    for (const int n : channels) {
        Rewrite(image, n, [](Channel& c) { c.width = Width::Narrow; });
    }
}

} // namespace LicenceCheck
