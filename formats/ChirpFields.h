#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The values of CHIRP's CSV columns, read exactly (no floating point where a
// frequency is concerned) and written the way CHIRP writes them.
namespace ChirpFields {

struct Frequency {
    enum class Kind { Ok, Empty, Negative, Bad } kind = Kind::Empty;
    std::int64_t hz = 0;
};
// MHz with up to six decimals ("145", "146.52", "146.520000"), or with a
// " MHz" or " kHz" unit. Seven decimals or more, or anything else, is Bad.
Frequency ParseFrequency(std::string_view text);

// hz as MHz with six decimals, as CHIRP writes it ("146.520000").
std::string MegahertzText(std::int64_t hz);
// hz as MHz without trailing zeros, for messages ("146.52").
std::string ShortMegahertz(std::int64_t hz);

// A CTCSS tone in Hz as the tone table writes it ("67" and "67.00" give
// "67.0"); nullopt when text is not a number with one significant decimal.
std::optional<std::string> ToneText(std::string_view text);

// A DCS code as three octal digits ("23" and "023" give "023"); nullopt when
// text is not an octal number up to 777.
std::optional<std::string> DcsCode(std::string_view text);

struct Power {
    bool ok = false;
    bool high = true;
    bool exact = true; // the text meant 5 W for High or 1 W for Low (or said so)
};
// Watts ("5.0W", "50W", "4", "0.5 w"), or the words High and Low; an empty
// cell is High. 3 W and more is High.
Power ParsePower(std::string_view text);

// A name the radio can store: letters upper-cased, characters outside 0-9,
// A-Z, "-" and space dropped, at most the 8 characters the radio holds, no
// spaces at either end.
std::string RadioName(std::string_view text);

} // namespace ChirpFields
