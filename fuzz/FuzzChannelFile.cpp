// A channel file of any contents and size, loaded as the program loads one, then shown
// as the grid and the settings dialogs would show it.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "formats/ChannelCsv.h"
#include "image/ChannelFile.h"
#include "settings/SettingsListing.h"

namespace {

// The file each input is written to, removed when the fuzzer ends.
struct ScratchFile {
    std::string path = "/tmp/orin-fuzz-channel-" + std::to_string(::getpid()) + ".sin";
    ~ScratchFile() { std::remove(path.c_str()); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile scratch;
    const std::string& path = scratch.path;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    ChannelFile doc;
    const MemoryImage before = doc.Image();
    const FileOutcome loaded = doc.LoadFile(path);
    if (loaded.ok != (size == MemoryImage::Size)) {
        __builtin_trap(); // a channel file is exactly 4096 bytes
    }
    if (!loaded.ok) {
        if (doc.Image() != before || loaded.englishMessage.find(" " + std::to_string(size) +
                                                                " bytes") == std::string::npos) {
            __builtin_trap(); // a refused file changes nothing and says its size
        }
        return 0;
    }
    for (Lang lang : {Lang::English, Lang::Chinese}) {
        const std::string csv = ChannelCsv::Dump(doc.Image(), lang);
        if (csv.empty()) {
            __builtin_trap();
        }
    }
    ListSettings(doc.Image());
    return 0;
}
