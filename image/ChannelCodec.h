#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/Lang.h"
#include "image/ChannelTexts.h"
#include "image/MemoryImage.h"

// The 13 texts of one channel row, as the grid shows them (UTF-8).
struct ChannelRecord {
    std::array<std::string, RecordTextCount> texts;

    // column is a grid column, 1-13
    std::string& operator[](int column) { return texts.at(column - 1); }
    const std::string& operator[](int column) const { return texts.at(column - 1); }
    bool operator==(const ChannelRecord&) const = default;
};

// Reads slot n and name n (channel n = 0-127) into texts of the given language.
ChannelRecord DecodeChannel(const MemoryImage& image, int n, Lang lang);

// Writes slot n (all but the bits the radio keeps), name n and scan bit n from
// the texts; accepts the texts of both languages and rejects nothing. Never
// touches any other byte of the image.
void EncodeChannel(const ChannelRecord& record, int n, MemoryImage& image);

// Name alphabet: 0-9, A-Z, '-', ' '.
char32_t NameCodeToChar(std::uint8_t code); // U'\0' for a code with no character
std::uint8_t NameCharToCode(char32_t ch);   // 0xFF for a character outside the alphabet

// A frequency in 10 Hz units as the grid shows it: MHz with five decimals, the
// "%3.5f" form, independent of the C locale.
std::string FrequencyText(std::uint64_t units);

// x times factor in exact base-10 arithmetic (x taken with the 15 significant
// digits of its double value), returned as a double.
double DecimalScale(double x, double factor);
