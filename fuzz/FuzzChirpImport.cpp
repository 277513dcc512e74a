// Any text as a CHIRP CSV file: reading, placing and applying never fail,
// every placed row gets a channel of its own, and what the import wrote
// exports to a CHIRP file that reads again.
#include <cstdint>
#include <set>
#include <string_view>

#include "formats/ChirpExport.h"
#include "formats/ChirpImport.h"
#include "image/BandLimits.h"
#include "image/ImageMap.h"

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
        const ChirpExport::ExportResult exported = ChirpExport::Export(placed);
        if (!ChirpImport::Read(exported.csv, DecodeBandLimits(placed)).ok) {
            __builtin_trap();
        }
    }
    return 0;
}
