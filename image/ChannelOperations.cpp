#include "image/ChannelOperations.h"

#include <algorithm>
#include <cstdint>

#include "image/Channel.h"
#include "image/ChannelRules.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"

namespace ChannelOps {
namespace {

constexpr int Count = ImageMap::ChannelCount;

std::vector<RawChannel> All(const MemoryImage& image) {
    std::vector<RawChannel> all;
    all.reserve(Count);
    for (int n = 0; n < Count; ++n) {
        all.push_back(ReadRawChannel(image, n));
    }
    return all;
}

void WriteAll(MemoryImage& image, const std::vector<RawChannel>& all) {
    for (int n = 0; n < Count; ++n) {
        WriteRawChannel(image, n, all[n]);
    }
}

// The receive frequency in 10 Hz units, read as the grid shows it.
std::optional<std::uint32_t> RxUnits(const RawChannel& channel) {
    const std::uint8_t top = channel.slot[3];
    if (top == 0x00 || top == 0xFF) {
        return std::nullopt;
    }
    std::uint32_t units = 0;
    for (int k = 3; k >= 0; --k) {
        units = units * 100 + (channel.slot[k] >> 4) * 10 + (channel.slot[k] & 0x0F);
    }
    return units;
}

// Sort groups: a receive frequency first, then other channels that show
// something, then empty ones.
int SortGroup(const RawChannel& channel) {
    if (RxUnits(channel)) {
        return 0;
    }
    return IsEmptyChannel(channel) ? 2 : 1;
}

} // namespace

Channels Normalised(Channels channels) {
    std::erase_if(channels, [](int n) { return n < 0 || n >= Count; });
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    return channels;
}

std::vector<RawChannel> Copy(const MemoryImage& image, const Channels& channels) {
    std::vector<RawChannel> copied;
    for (int n : Normalised(channels)) {
        copied.push_back(ReadRawChannel(image, n));
    }
    return copied;
}

void Clear(MemoryImage& image, const Channels& channels) {
    const RawChannel empty = EmptyRawChannel();
    for (int n : Normalised(channels)) {
        WriteRawChannel(image, n, empty);
    }
}

Channels OutsideBand(const MemoryImage& image, const BandEdges& band) {
    constexpr std::uint64_t UnitsPerMHz = 100000; // frequencies are kept in 10 Hz units
    const std::uint64_t lower = band.lower * UnitsPerMHz;
    const std::uint64_t upper = band.upper * UnitsPerMHz;
    Channels outside;
    for (int n = 0; n < Count; ++n) {
        const Channel channel = ReadChannel(image, n);
        for (const std::optional<std::uint32_t>& f : {channel.rxFrequency, channel.txFrequency}) {
            if (f && (*f < lower || *f > upper)) {
                outside.push_back(n);
                break;
            }
        }
    }
    return outside;
}

bool InsertEmpty(MemoryImage& image, int at) {
    if (at < 0 || at >= Count) {
        return false;
    }
    int gap = at;
    while (gap < Count && !IsEmptyChannel(image, gap)) {
        ++gap;
    }
    if (gap == Count) {
        return false;
    }
    if (gap == at) {
        return true; // already empty: its bytes stay as they are
    }
    for (int n = gap; n > at; --n) {
        WriteRawChannel(image, n, ReadRawChannel(image, n - 1));
    }
    WriteRawChannel(image, at, EmptyRawChannel());
    return true;
}

void Delete(MemoryImage& image, const Channels& channels) {
    const Channels gone = Normalised(channels);
    std::vector<RawChannel> kept;
    for (int n = 0; n < Count; ++n) {
        if (!std::binary_search(gone.begin(), gone.end(), n)) {
            kept.push_back(ReadRawChannel(image, n));
        }
    }
    kept.resize(Count, EmptyRawChannel());
    WriteAll(image, kept);
}

std::optional<Channels> Move(MemoryImage& image, const Channels& channels, int delta) {
    const Channels moving = Normalised(channels);
    if (moving.empty() || (delta != -1 && delta != 1) || (delta < 0 && moving.front() == 0) ||
        (delta > 0 && moving.back() == Count - 1)) {
        return std::nullopt;
    }
    std::vector<RawChannel> all = All(image);
    // Swapping each channel with its neighbour, nearest to the edge first,
    // carries a block along and lets the passed channel drop to its far side.
    if (delta < 0) {
        for (int n : moving) {
            std::swap(all[n], all[n - 1]);
        }
    } else {
        for (auto it = moving.rbegin(); it != moving.rend(); ++it) {
            std::swap(all[*it], all[*it + 1]);
        }
    }
    WriteAll(image, all);
    Channels moved;
    for (int n : moving) {
        moved.push_back(n + delta);
    }
    return moved;
}

void SortByRxFrequency(MemoryImage& image, const Channels& channels) {
    Channels places = Normalised(channels);
    if (places.size() < 2) {
        places.clear();
        for (int n = 0; n < Count; ++n) {
            places.push_back(n);
        }
    }
    std::vector<RawChannel> sorted = Copy(image, places);
    std::stable_sort(sorted.begin(), sorted.end(), [](const RawChannel& a, const RawChannel& b) {
        const int ga = SortGroup(a);
        const int gb = SortGroup(b);
        if (ga != gb) {
            return ga < gb;
        }
        return ga == 0 && *RxUnits(a) < *RxUnits(b);
    });
    for (std::size_t i = 0; i < places.size(); ++i) {
        WriteRawChannel(image, places[i], sorted[i]);
    }
}

bool Paste(MemoryImage& image, int first, const std::vector<RawChannel>& channels) {
    if (first < 0 || first + static_cast<long long>(channels.size()) > Count) {
        return false;
    }
    for (std::size_t i = 0; i < channels.size(); ++i) {
        WriteRawChannel(image, first + static_cast<int>(i), channels[i]);
    }
    return true;
}

bool Paste(MemoryImage& image, int first, const std::vector<ChannelRecord>& records) {
    if (first < 0 || first + static_cast<long long>(records.size()) > Count) {
        return false;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        ChannelRules::ApplyRow(records[i], first + static_cast<int>(i), image);
    }
    return true;
}

bool HasFrequency(const MemoryImage& image, int n) {
    return ReadChannel(image, n).HasFrequency();
}

int SetColumnText(MemoryImage& image, const Channels& channels, int column, std::string_view text,
                  Lang) {
    if (column < ColRxTone || column > ColScram) {
        return 0;
    }
    int written = 0;
    for (int n : Normalised(channels)) {
        Channel c = ReadChannel(image, n);
        if (!c.HasFrequency()) {
            continue; // a list value on a row without a frequency stays empty
        }
        if (ChannelRules::Type(c, column, text, ChannelRules::Way::Leave, {}).changed) {
            WriteChannel(c, n, image);
        }
        ++written;
    }
    return written;
}

TxFromRxResult SetTxToRx(MemoryImage& image, const Channels& channels, const BandEdges& band) {
    TxFromRxResult result;
    MemoryImage staged = image;
    for (int n : Normalised(channels)) {
        Channel c = ReadChannel(staged, n);
        const ChannelRules::Outcome outcome = ChannelRules::TxFromRx(c, band);
        if (outcome.Refused()) {
            result.refused.push_back(
                {n, outcome.refusal == ChannelRules::Refusal::Range  ? FrequencyVerdict::Range
                    : outcome.refusal == ChannelRules::Refusal::Step ? FrequencyVerdict::Step
                                                                     : FrequencyVerdict::Format});
            continue;
        }
        if (c.rxFrequency) {
            WriteChannel(c, n, staged);
            ++result.written;
        }
    }
    if (result.refused.empty()) {
        image = staged;
    } else {
        result.written = 0;
    }
    return result;
}

} // namespace ChannelOps
