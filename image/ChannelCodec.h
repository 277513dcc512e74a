#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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

struct Channel;

// The one place where a channel's texts are made and read back: the grid,
// CSV, the clipboard, CHIRP export and printing all show these.
// The text of column 1-13 in lang; an unused channel (no frequency) shows
// empty option columns.
std::string ChannelText(const Channel& channel, int column, Lang lang);
ChannelRecord ChannelTextsOf(const Channel& channel, Lang lang);
// Reads the text of column 1-13 into its field, accepting the texts of both
// languages and rejecting nothing: a text that names no entry takes the
// field's fallback (the value an empty cell stands for).
void ParseChannelText(Channel& channel, int column, std::string_view text);
// "OFF", "关" and the forms earlier versions wrote for scrambler 0.
bool IsScramblerOffText(std::string_view text);

// Reads slot n and name n (channel n = 0-127) into texts of the given language.
ChannelRecord DecodeChannel(const MemoryImage& image, int n, Lang lang);

// Writes the texts into channel n: each text that differs from what the
// channel shows now (in either language) is read into its field, and only
// the fields that changed are written, so the texts DecodeChannel gave leave
// every byte as it was. A channel that comes into use takes all its texts.
// Never touches any byte of another channel.
void EncodeChannel(const ChannelRecord& record, int n, MemoryImage& image);


// A frequency in 10 Hz units as the grid shows it: MHz with five decimals, the
// "%3.5f" form, independent of the C locale.
std::string FrequencyText(std::uint64_t units);

// x times factor in exact base-10 arithmetic (x taken with the 15 significant
// digits of its double value), returned as a double.
double DecimalScale(double x, double factor);
