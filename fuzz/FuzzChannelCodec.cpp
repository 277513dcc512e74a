// The channel codec on random images: decoding never fails, and encoding what
// was decoded gives back every byte as it was.
#include <cstdint>
#include <cstring>

#include "image/ChannelCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryImage image;
    std::memcpy(image.data(), data, size < MemoryImage::Size ? size : MemoryImage::Size);
    for (int n = 0; n < 128; ++n) {
        for (Lang lang : {Lang::English, Lang::Chinese}) {
            MemoryImage copy = image;
            EncodeChannel(DecodeChannel(image, n, lang), n, copy);
            if (copy != image) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
