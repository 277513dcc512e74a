// The channel codec on random images: decoding never fails, encoding what was
// decoded touches only the channel's own bytes, and after one such cycle the
// texts stay as they are. (One cycle may change them: scrambler 0 shows as
// "1关", which stores 1, as the radio's own program does.)
#include <cstdint>
#include <cstring>

#include "image/ChannelCodec.h"
#include "image/ImageMap.h"

namespace {

// changed with the bytes that belong to channel n put back as in original:
// equal to original when the encoding touched nothing else.
MemoryImage WithoutChannel(MemoryImage changed, const MemoryImage& original, int n) {
    const std::size_t slot = ImageMap::SlotAddress(n);
    const std::size_t name = ImageMap::NameAddress(n);
    const std::size_t scan = ImageMap::ScanBitmap + static_cast<std::size_t>(n / 8);
    std::memcpy(changed.data() + slot, original.data() + slot, 16);
    std::memcpy(changed.data() + name, original.data() + name, ImageMap::ChannelNameSize);
    changed[scan] = original[scan];
    return changed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryImage image;
    std::memcpy(image.data(), data, size < MemoryImage::Size ? size : MemoryImage::Size);
    for (int n = 0; n < 128; ++n) {
        for (Lang lang : {Lang::English, Lang::Chinese}) {
            MemoryImage copy = image;
            EncodeChannel(DecodeChannel(image, n, lang), n, copy);
            if (WithoutChannel(copy, image, n) != image) {
                __builtin_trap();
            }
            const ChannelRecord settled = DecodeChannel(copy, n, lang);
            MemoryImage again = copy;
            EncodeChannel(settled, n, again);
            if (DecodeChannel(again, n, lang) != settled) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
