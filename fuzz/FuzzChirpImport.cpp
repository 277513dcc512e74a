// Any text as a CHIRP CSV file: reading, placing and applying never fail,
// every placed row gets a channel of its own, applying touches channel bytes
// only, and what the import wrote exports to a CHIRP file that imports back
// row for row, each into its own channel with the same frequency and nothing
// changed or skipped.
#include <cstdint>
#include <set>
#include <string_view>

#include "formats/ChirpExport.h"
#include "formats/ChirpImport.h"
#include "image/BandLimits.h"
#include "image/ImageMap.h"

namespace {

bool OnlyChannelBytesDiffer(const MemoryImage& a, const MemoryImage& b) {
    for (std::size_t address = 0; address < MemoryImage::Size; ++address) {
        const bool channelByte = address < ImageMap::SlotAddress(ImageMap::ChannelCount) ||
                                 (address >= ImageMap::ChannelNameBase &&
                                  address < ImageMap::NameAddress(ImageMap::ChannelCount)) ||
                                 (address >= ImageMap::ScanBitmap &&
                                  address < ImageMap::ScanBitmap + ImageMap::ScanBitmapSize);
        if (!channelByte && a[address] != b[address]) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view csv(reinterpret_cast<const char*>(data), size);
    ChirpImport::LooksLikeChirp(csv);
    MemoryImage image = ImageMap::NewDocumentImage();
    const ChirpImport::ReadResult read = ChirpImport::Read(csv, DecodeBandLimits(image));
    if (!read.ok) {
        return 0;
    }
    for (const bool byLocation : {false, true}) {
        ChannelImport::Placement placement;
        placement.byLocation = byLocation;
        placement.start = static_cast<int>(size % 128) + 1;
        const std::vector<ChannelImport::Row> rows = ChirpImport::Place(read, placement);
        std::set<int> channels;
        for (const ChannelImport::Row& row : rows) {
            if (row.channel == 0) {
                continue;
            }
            if (row.channel < 1 || row.channel > 128 || !row.Storable() ||
                !channels.insert(row.channel).second) {
                __builtin_trap();
            }
        }
        MemoryImage placed = image;
        ChannelImport::Apply(rows, byLocation, placed);
        if (!OnlyChannelBytesDiffer(image, placed)) {
            __builtin_trap();
        }
        const ChirpExport::ExportResult exported = ChirpExport::Export(placed);
        const ChirpImport::ReadResult again =
            ChirpImport::Read(exported.csv, DecodeBandLimits(placed));
        // An export of no channel is a header alone, which is no list to import.
        if (again.ok != !channels.empty() || again.rows.size() != channels.size()) {
            __builtin_trap();
        }
        for (const ChannelImport::Row& row : ChirpImport::Place(again, {true, 1})) {
            if (row.status != ChannelImport::Status::Imported || !channels.count(row.channel) ||
                DecodeChannel(placed, row.channel - 1, Lang::English)[ColRxFrequency] !=
                    row.record[ColRxFrequency]) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
