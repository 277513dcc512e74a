// Any text as a channel CSV, imported with and without the checks; whatever
// was accepted dumps to a CSV that, after one more round (scrambler "1关"
// becomes "1"), imports and dumps to itself.
#include <cstdint>
#include <string_view>

#include "formats/ChannelCsv.h"
#include "image/ImageMap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view csv(reinterpret_cast<const char*>(data), size);
    for (bool check : {true, false}) {
        MemoryImage image = ImageMap::NewDocumentImage();
        const MemoryImage before = image;
        const ChannelCsv::ImportResult result = ChannelCsv::Import(csv, image, check);
        if (!result.ok) {
            if (check && image != before) {
                __builtin_trap(); // a refused import writes nothing
            }
            continue;
        }
        for (Lang lang : {Lang::English, Lang::Chinese}) {
            MemoryImage once = ImageMap::NewDocumentImage();
            if (!ChannelCsv::Import(ChannelCsv::Dump(image, lang), once, false).ok) {
                __builtin_trap();
            }
            const std::string settled = ChannelCsv::Dump(once, lang);
            MemoryImage twice = ImageMap::NewDocumentImage();
            if (!ChannelCsv::Import(settled, twice, false).ok ||
                ChannelCsv::Dump(twice, lang) != settled) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
