#include "compare/ImageCompare.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <span>

#include "image/BandLimits.h"
#include "image/Channel.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "settings/SettingsListing.h"

namespace {

using ImageMap::Address;

// The bits of the image a field shows; after a comparison, the differing bits
// left over are the ones no field explains.
using BitMask = std::array<std::uint8_t, MemoryImage::Size>;

constexpr BiText EmptyChannel{"empty", "空"};
constexpr BiText NoText{"(none)", "（无）"};
constexpr BiText TypeSettingTitle{"Type Setting", "整机设置"};
constexpr BiText TypeLabel{"Type", "机型"};
constexpr BiText TypeEntry{"Orin-6140D", "Orin-6140D"};
constexpr BiText ManualLabel{"Manul Setting", "手动设置"};
constexpr BiText ManualEntries[] = {{"Open", "打开"}, {"Close", "关闭"}};
constexpr BiText FieldLabel{"Field", "频段"};

// The bytes (offset in the slot) and bits of one grid column.
struct SlotBits {
    int offset;
    int length;
    std::uint8_t mask;
};

std::span<const SlotBits> ColumnBits(int column) {
    using namespace ImageMap::Slot;
    static constexpr SlotBits rx[] = {{RxFrequencyByte, 4, 0xFF}};
    static constexpr SlotBits tx[] = {{TxFrequencyByte, 4, 0xFF}};
    static constexpr SlotBits rxTone[] = {{RxToneByte, 2, 0xFF}};
    static constexpr SlotBits txTone[] = {{TxToneByte, 2, 0xFF}};
    static constexpr SlotBits width[] = {{FlagsByte, 1, WideBit}};
    static constexpr SlotBits scan[] = {{FlagsByte, 1, ScanAddBit}};
    static constexpr SlotBits power[] = {{FlagsByte, 1, HighPowerBit}};
    static constexpr SlotBits optSignal[] = {{SignalByte, 1, 0x0F}};
    static constexpr SlotBits pttId[] = {{PttIdByte, 1, PttIdBit}};
    static constexpr SlotBits busyLock[] = {{FlagsByte, 1, BusyLockMask}};
    static constexpr SlotBits repeat[] = {{FlagsByte, 1, RepeatForwardBit}};
    static constexpr SlotBits scram[] = {{SignalByte, 1, 0xF0}};
    switch (column) {
    case ColRxFrequency:
        return rx;
    case ColTxFrequency:
        return tx;
    case ColRxTone:
        return rxTone;
    case ColTxTone:
        return txTone;
    case ColWidth:
        return width;
    case ColScan:
        return scan;
    case ColPower:
        return power;
    case ColOptSignal:
        return optSignal;
    case ColPttId:
        return pttId;
    case ColBusyLock:
        return busyLock;
    case ColRepeat:
        return repeat;
    case ColScram:
        return scram;
    default:
        return {};
    }
}

void Explain(BitMask& explained, int address, int length, std::uint8_t mask) {
    for (int a = address; a < address + length; ++a) {
        explained[a] |= mask;
    }
}

std::uint8_t ScanBitMask(int channel) {
    return static_cast<std::uint8_t>(1u << (channel % 8));
}

// The bits of channel n that column shows (the name for ColName).
void ExplainColumn(BitMask& explained, int n, int column) {
    if (column == ColName) {
        Explain(explained, ImageMap::NameAddress(n), ImageMap::ChannelNameSize, 0xFF);
        return;
    }
    for (const SlotBits& bits : ColumnBits(column)) {
        Explain(explained, ImageMap::SlotAddress(n) + bits.offset, bits.length, bits.mask);
    }
    if (column == ColScan) {
        // A commit writes the scan list bit together with the slot's.
        Explain(explained, ImageMap::ScanBitmap + n / 8, 1, ScanBitMask(n));
    }
}

void ExplainWholeChannel(BitMask& explained, int n) {
    Explain(explained, ImageMap::SlotAddress(n), ImageMap::ChannelSlotSize, 0xFF);
    Explain(explained, ImageMap::NameAddress(n), ImageMap::ChannelNameSize, 0xFF);
    Explain(explained, ImageMap::ScanBitmap + n / 8, 1, ScanBitMask(n));
}

std::string Shown(const std::string& text, Lang lang) {
    return text.empty() ? NoText.In(lang) : text;
}

std::string ColumnTitle(int column, Lang lang) {
    // The grid pads two titles with blanks; a line has no use for them.
    std::string title = ChannelTexts::ColumnTitles[column].In(lang);
    const auto first = title.find_first_not_of(' ');
    const auto last = title.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : title.substr(first, last - first + 1);
}

// A whole channel in one line: its texts, the empty ones left out.
std::string ChannelSummary(const ChannelRecord& record) {
    std::string out;
    for (const std::string& text : record.texts) {
        if (!text.empty()) {
            out += (out.empty() ? "" : ", ") + text;
        }
    }
    return out;
}

void CompareChannels(const MemoryImage& a, const MemoryImage& b, Lang lang, BitMask& explained,
                     std::vector<Difference>& out) {
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        const Channel channelBefore = ReadChannel(a, n);
        const Channel channelAfter = ReadChannel(b, n);
        if (channelBefore.SameFields(channelAfter)) {
            continue;
        }
        // The texts the grid shows, from the one place that makes them.
        const ChannelRecord before = ChannelTextsOf(channelBefore, lang);
        const ChannelRecord after = ChannelTextsOf(channelAfter, lang);
        const bool bUsedBefore = channelBefore.HasFrequency();
        const bool bUsedAfter = channelAfter.HasFrequency();
        if (bUsedBefore != bUsedAfter) {
            out.push_back({DifferenceKind::Channel,
                           n + 1,
                           {},
                           bUsedBefore ? ChannelSummary(before) : EmptyChannel.In(lang),
                           bUsedAfter ? ChannelSummary(after) : EmptyChannel.In(lang)});
            ExplainWholeChannel(explained, n);
            continue;
        }
        for (int column = ColRxFrequency; column <= ColName; ++column) {
            if (before[column] != after[column]) {
                out.push_back({DifferenceKind::Channel, n + 1, ColumnTitle(column, lang),
                               Shown(before[column], lang), Shown(after[column], lang)});
                ExplainColumn(explained, n, column);
            }
        }
    }
}

std::string TypeText(const MemoryImage& image, Lang lang) {
    return ImageMap::IsKnownRadioType(image[ImageMap::RadioTypeCode]) ? TypeEntry.In(lang) : "";
}

std::string ManualText(const MemoryImage& image, Lang lang) {
    const bool open = (image[ImageMap::ManualSettingByte] & ImageMap::ManualSettingFlag) != 0;
    return ManualEntries[open ? 0 : 1].In(lang);
}

std::string BandText(const MemoryImage& image) {
    const BandEdges edges = DecodeBandLimits(image);
    return std::to_string(edges.lower) + "-" + std::to_string(edges.upper) + " MHz";
}

void CompareTypeBar(const MemoryImage& a, const MemoryImage& b, Lang lang, BitMask& explained,
                    std::vector<Difference>& out) {
    struct Field {
        BiText label;
        std::string before;
        std::string after;
        Address address;
        int length;
        std::uint8_t mask;
    };
    const Field fields[] = {
        {TypeLabel, TypeText(a, lang), TypeText(b, lang), ImageMap::RadioTypeCode, 1, 0xFF},
        {ManualLabel, ManualText(a, lang), ManualText(b, lang), ImageMap::ManualSettingByte, 1,
         ImageMap::ManualSettingFlag},
        {FieldLabel, BandText(a), BandText(b), ImageMap::BandLimits, ImageMap::BandLimitsSize,
         0xFF},
    };
    for (const Field& f : fields) {
        if (f.before != f.after) {
            out.push_back({DifferenceKind::TypeSetting, 0, f.label.In(lang), Shown(f.before, lang),
                           Shown(f.after, lang)});
            Explain(explained, f.address, f.length, f.mask);
        }
    }
}

void CompareSettings(const MemoryImage& a, const MemoryImage& b, Lang lang, BitMask& explained,
                     std::vector<Difference>& out) {
    const std::vector<SettingField> before = ListSettingFields(a, lang);
    const std::vector<SettingField> after = ListSettingFields(b, lang);
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].value == after[i].value) {
            continue;
        }
        const SettingField& f = before[i];
        out.push_back({f.dialog == SettingsDialogKind::SideKey ? DifferenceKind::SideKey
                                                               : DifferenceKind::OptionalFeatures,
                       0, f.label.In(lang), Shown(f.value, lang), Shown(after[i].value, lang)});
        Explain(explained, f.address, f.length, f.mask);
    }
}

std::string Hex(int value, int digits) {
    char text[8];
    std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return text;
}

constexpr int ShownByteLimit = 8;

std::string BytesText(const MemoryImage& image, int first, int last) {
    std::string out;
    for (int a = first; a <= last; ++a) {
        out += (out.empty() ? "" : " ") + Hex(image[a], 2);
    }
    return out;
}

void CompareLeftoverBytes(const MemoryImage& a, const MemoryImage& b, CompareScope scope,
                          const BitMask& explained, std::vector<Difference>& out) {
    const auto unexplained = [&](int address) {
        if (scope == CompareScope::Transferred && !IsTransferredAddress(address)) {
            return false;
        }
        return ((a[address] ^ b[address]) & ~explained[address]) != 0;
    };
    for (int address = 0; address < static_cast<int>(MemoryImage::Size); ++address) {
        if (!unexplained(address)) {
            continue;
        }
        int last = address;
        while (last + 1 < static_cast<int>(MemoryImage::Size) && unexplained(last + 1)) {
            ++last;
        }
        Difference d;
        d.kind = DifferenceKind::Bytes;
        d.firstAddress = address;
        d.lastAddress = last;
        d.field = "0x" + Hex(address, 4) + (last > address ? "-0x" + Hex(last, 4) : "");
        if (last - address < ShownByteLimit) {
            d.before = BytesText(a, address, last);
            d.after = BytesText(b, address, last);
        }
        out.push_back(d);
        address = last;
    }
}

int CountKind(const std::vector<Difference>& differences, bool (*counts)(DifferenceKind)) {
    int count = 0;
    for (const Difference& d : differences) {
        count += counts(d.kind) ? 1 : 0;
    }
    return count;
}

} // namespace

MemoryImage AsCommitted(const MemoryImage& image) {
    // The window keeps every byte of what it shows but the commit marker.
    MemoryImage out = image;
    out[ImageMap::CommitMarker] = ImageMap::CommitMarkerValue;
    return out;
}

bool IsTransferredAddress(int address) {
    return (address >= 0 && address <= ImageMap::TransferEnd) ||
           (address >= ImageMap::BandLimits &&
            address < ImageMap::BandLimits + ImageMap::BandLimitsSize);
}

ImageComparison CompareImages(const MemoryImage& before, const MemoryImage& after,
                              CompareScope scope, Lang lang) {
    // Every field the comparison shows lies in the transferred ranges, so the
    // scope only decides which of the leftover bytes count.
    ImageComparison result;
    BitMask explained{};
    CompareChannels(before, after, lang, explained, result.differences);
    CompareTypeBar(before, after, lang, explained, result.differences);
    CompareSettings(before, after, lang, explained, result.differences);
    CompareLeftoverBytes(before, after, scope, explained, result.differences);
    return result;
}

int ImageComparison::ChannelCount() const {
    int count = 0;
    int last = 0;
    for (const Difference& d : differences) {
        if (d.kind == DifferenceKind::Channel && d.channel != last) {
            ++count;
            last = d.channel;
        }
    }
    return count;
}

int ImageComparison::SettingCount() const {
    return CountKind(differences, [](DifferenceKind kind) {
        return kind == DifferenceKind::TypeSetting || kind == DifferenceKind::OptionalFeatures ||
               kind == DifferenceKind::SideKey;
    });
}

int ImageComparison::ByteRangeCount() const {
    return CountKind(differences,
                     [](DifferenceKind kind) { return kind == DifferenceKind::Bytes; });
}

std::string DifferencePlace(const Difference& d, Lang lang) {
    switch (d.kind) {
    case DifferenceKind::Channel:
        return BiText{"channel ", "频道 "}.In(lang) + std::to_string(d.channel);
    case DifferenceKind::TypeSetting:
        return TypeSettingTitle.In(lang);
    case DifferenceKind::OptionalFeatures:
        return SettingsDialogTitle(SettingsDialogKind::OptionalFeatures).In(lang);
    case DifferenceKind::SideKey:
        return SettingsDialogTitle(SettingsDialogKind::SideKey).In(lang);
    case DifferenceKind::Bytes:
        return BiText{"bytes", "字节"}.In(lang);
    }
    return {};
}

std::string DifferenceLine(const Difference& d, Lang lang) {
    std::string line = DifferencePlace(d, lang) + ": ";
    if (d.kind == DifferenceKind::Bytes) {
        line = DifferencePlace(d, lang) + " " + d.field + ": ";
        if (d.before.empty()) {
            return line + std::to_string(d.lastAddress - d.firstAddress + 1) +
                   BiText{" bytes differ", " 个字节不同"}.In(lang);
        }
        return line + d.before + " -> " + d.after;
    }
    if (!d.field.empty()) {
        line += d.field + ": ";
    }
    return line + d.before + " -> " + d.after;
}

std::string ComparisonSummary(const ImageComparison& c, Lang lang) {
    if (c.Same()) {
        return BiText{"No differences", "没有差异"}.In(lang);
    }
    struct Part {
        int count;
        BiText one;
        BiText many;
    };
    const Part parts[] = {
        {c.ChannelCount(), {" channel", " 个频道"}, {" channels", " 个频道"}},
        {c.SettingCount(), {" setting", " 项设置"}, {" settings", " 项设置"}},
        {c.ByteRangeCount(),
         {" other byte range", " 段其他字节"},
         {" other byte ranges", " 段其他字节"}},
    };
    std::vector<std::string> named;
    int total = 0;
    for (const Part& p : parts) {
        if (p.count > 0) {
            named.push_back(std::to_string(p.count) + (p.count == 1 ? p.one : p.many).In(lang));
            total += p.count;
        }
    }
    std::string out;
    for (std::size_t i = 0; i < named.size(); ++i) {
        if (i > 0) {
            out += lang == Lang::Chinese ? "、" : i + 1 == named.size() ? " and " : ", ";
        }
        out += named[i];
    }
    if (lang == Lang::Chinese) {
        return out + "不同";
    }
    return out + (total == 1 ? " differs" : " differ");
}
