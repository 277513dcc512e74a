#include "image/BandLimits.h"

#include <cstdio>

#include "image/ImageMap.h"

unsigned BandEdgeFromBytes(std::uint8_t edge, std::uint8_t nibble) {
    char text[8];
    std::snprintf(text, sizeof text, "%X%X", static_cast<unsigned>(edge),
                  static_cast<unsigned>(nibble & 0x0F));
    unsigned value = 0;
    for (const char* p = text; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + static_cast<unsigned>(*p - '0');
    }
    return value;
}

BandEdges DecodeBandLimits(const MemoryImage& image) {
    const std::uint8_t units = image[ImageMap::BandLimits + 2];
    return {BandEdgeFromBytes(image[ImageMap::BandLimits], units >> 4),
            BandEdgeFromBytes(image[ImageMap::BandLimits + 1], units & 0x0F)};
}

void EncodeBandLimits(unsigned lower, unsigned upper, MemoryImage& image) {
    const auto bcd = [](unsigned tens) {
        const unsigned a = tens & 0xFF;
        return static_cast<std::uint8_t>(((a / 10) * 16 + a % 10) & 0xFF);
    };
    image[ImageMap::BandLimits] = bcd(lower / 10);
    image[ImageMap::BandLimits + 1] = bcd(upper / 10);
    image[ImageMap::BandLimits + 2] =
        static_cast<std::uint8_t>(((lower % 10) * 16 + upper % 10) & 0xFF);
}

std::optional<BandEdges> ParseBandEdges(std::string_view lower, std::string_view upper) {
    constexpr unsigned Lowest = 67;
    constexpr unsigned Highest = 521;
    const auto whole = [](std::string_view text) -> std::optional<unsigned> {
        while (!text.empty() && text.front() == ' ') {
            text.remove_prefix(1);
        }
        while (!text.empty() && text.back() == ' ') {
            text.remove_suffix(1);
        }
        if (text.empty() || text.size() > 3) {
            return std::nullopt;
        }
        unsigned value = 0;
        for (const char c : text) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
        return value;
    };
    const std::optional<unsigned> low = whole(lower);
    const std::optional<unsigned> high = whole(upper);
    if (!low || !high || *low < Lowest || *high > Highest || *low > *high) {
        return std::nullopt;
    }
    return BandEdges{*low, *high};
}
