#pragma once

#include <array>
#include <cstdint>

#include "image/MemoryImage.h"

// Everything the image stores for one channel, byte for byte: its 16-byte
// slot, its 8-byte name and its bit of the scan list. Moving and copying
// channels as raw records keeps every bit, those the tool does not interpret
// included.
struct RawChannel {
    std::array<std::uint8_t, 16> slot{};
    std::array<std::uint8_t, 8> name{};
    bool scan = false;

    bool operator==(const RawChannel&) const = default;
};

// Channel n = 0-127.
RawChannel ReadRawChannel(const MemoryImage& image, int n);
void WriteRawChannel(MemoryImage& image, int n, const RawChannel& channel);

// An empty channel as a new file holds it and as Clear, Cut, Delete Channel
// and an emptied row leave it: sixteen 0xFF, name 0xFF, and its bit of the
// scan list set, so that comparing it with a new file shows no difference.
RawChannel EmptyRawChannel();

