#include "image/RawChannel.h"

#include <algorithm>

#include "image/ImageMap.h"

namespace {

using ImageMap::ScanBitmap;

int ScanByte(int n) {
    return ScanBitmap + n / 8;
}

std::uint8_t ScanMask(int n) {
    return static_cast<std::uint8_t>(1u << (n % 8));
}

} // namespace

RawChannel ReadRawChannel(const MemoryImage& image, int n) {
    RawChannel channel;
    std::copy_n(image.data() + ImageMap::SlotAddress(n), channel.slot.size(), channel.slot.begin());
    std::copy_n(image.data() + ImageMap::NameAddress(n), channel.name.size(), channel.name.begin());
    channel.scan = (image[ScanByte(n)] & ScanMask(n)) != 0;
    return channel;
}

void WriteRawChannel(MemoryImage& image, int n, const RawChannel& channel) {
    std::copy(channel.slot.begin(), channel.slot.end(), image.data() + ImageMap::SlotAddress(n));
    std::copy(channel.name.begin(), channel.name.end(), image.data() + ImageMap::NameAddress(n));
    if (channel.scan) {
        image[ScanByte(n)] |= ScanMask(n);
    } else {
        image[ScanByte(n)] &= static_cast<std::uint8_t>(~ScanMask(n));
    }
}

RawChannel EmptyRawChannel() {
    RawChannel empty;
    empty.slot.fill(0xFF);
    empty.name.fill(ImageMap::NameEnd);
    empty.scan = true; // the scan list of a new file is all ones
    return empty;
}

