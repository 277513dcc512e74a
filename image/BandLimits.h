#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/Lang.h"

#include "image/MemoryImage.h"

// The band edges kept at the end of the image: whole MHz, three BCD digits
// each (hundreds and tens in the edge's own byte, units in one nibble of the
// shared third byte). The grid, the frequency check and orinctl all read them
// through here, so a damaged byte means the same band everywhere.
struct BandEdges {
    unsigned lower = 0;
    unsigned upper = 0;
};

// The band edge for a band byte and its units nibble: the byte in hexadecimal
// followed by the nibble, read as a decimal number up to the first character
// that is not a digit (0x40 and 0 give 400, 0x4A gives 4).
unsigned BandEdgeFromBytes(std::uint8_t edge, std::uint8_t nibble);

BandEdges DecodeBandLimits(const MemoryImage& image);

// The three band bytes for two edges (136 and 174 give 0x13 0x17 0x64). Edges
// above 999 keep only what fits; nothing outside the three bytes is written.
void EncodeBandLimits(unsigned lower, unsigned upper, MemoryImage& image);

// The edges typed into the two band boxes: whole MHz within the radio's range
// 67-521, the lower not above the upper, blanks around the digits allowed.
// Nothing for anything else, which the boxes refuse with BandEdgesMessage.
std::optional<BandEdges> ParseBandEdges(std::string_view lower, std::string_view upper);

inline constexpr BiText BandEdgesMessage{
    "The band edges are whole MHz from 67 to 521, the lower edge not above the upper one.",
    "频段边界须为67至521之间的整数MHz，且下限不大于上限。"};
