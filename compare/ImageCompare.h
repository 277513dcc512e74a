#pragma once

#include <string>
#include <vector>

#include "base/Lang.h"
#include "image/MemoryImage.h"

// What a comparison looks at.
enum class CompareScope {
    WholeImage,  // two channel files: all 4096 bytes
    Transferred, // a file or document and a radio: only the bytes a transfer carries
};

// Where a difference is.
enum class DifferenceKind { Channel, TypeSetting, OptionalFeatures, SideKey, Bytes };

// One field that differs, with its texts on both sides as the window shows
// them, or a range of bytes that no field explains.
struct Difference {
    DifferenceKind kind = DifferenceKind::Bytes;
    int channel = 0;      // 1-128 for a channel
    std::string field;    // column title or dialog label; empty when a whole channel
                          // is empty on one side; the address range for bytes
    std::string before;   // the first image's text ("empty" for an empty channel)
    std::string after;    // the second image's
    int firstAddress = 0; // bytes: the range, inclusive
    int lastAddress = 0;
    bool operator==(const Difference&) const = default;
};

struct ImageComparison {
    // Channels in order, then the type bar, Optional Features, Side Key and
    // last the byte ranges no field explains.
    std::vector<Difference> differences;

    bool Same() const { return differences.empty(); }
    int ChannelCount() const; // channels with at least one difference
    int SettingCount() const; // type bar, Optional Features and Side Key fields
    int ByteRangeCount() const;
};

// Compares two images field by field, texts in the given language.
ImageComparison CompareImages(const MemoryImage& before, const MemoryImage& after,
                              CompareScope scope, Lang lang);

// The image a save would write right after the window showed this one: every
// byte as it is but the commit marker. A document compared with a radio taken
// through here shows what the user changed, not the byte every save writes.
MemoryImage AsCommitted(const MemoryImage& image);

// True for an address that a read or a write carries.
bool IsTransferredAddress(int address);

// Where a difference is: "channel 12", "Optional Features", "bytes".
std::string DifferencePlace(const Difference& difference, Lang lang);
// One line: "channel 12: Rx Tone: 88.5 -> 100.0".
std::string DifferenceLine(const Difference& difference, Lang lang);
// "5 channels and 2 settings differ"; "No differences" when there are none.
std::string ComparisonSummary(const ImageComparison& comparison, Lang lang);
