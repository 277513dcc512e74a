#include "formats/ChirpFields.h"

#include "formats/Csv.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "image/NameAlphabet.h"
#include "image/Utf8.h"

namespace ChirpFields {
namespace {

// A name that comes as data keeps the eight characters the radio holds.
constexpr std::size_t NameLength = ImageMap::ChannelNameSize;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// Digits with an optional decimal point and decimals: the integer part and
// the decimals as written. False for anything else.
bool SplitDecimal(std::string_view text, std::string_view& whole, std::string_view& decimals) {
    const std::size_t point = text.find('.');
    whole = text.substr(0, point);
    decimals = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && decimals.empty()) {
        return false;
    }
    for (std::string_view part : {whole, decimals}) {
        for (char c : part) {
            if (!IsDigit(c)) {
                return false;
            }
        }
    }
    return whole.size() <= 9;
}

std::string TrimTrailingSpaces(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

} // namespace

Frequency ParseFrequency(std::string_view raw) {
    std::string text = Csv::Trim(raw);
    if (text.empty()) {
        return {};
    }
    int decimalsAllowed = 6;
    std::int64_t unitHz = 1000000;
    struct Unit {
        const char* name;
        std::int64_t hz;
        int decimals; // down to whole Hz
    };
    for (const Unit unit : {Unit{"MHz", 1000000, 6}, Unit{"kHz", 1000, 3}}) {
        if (EndsWith(text, unit.name)) {
            text = Csv::Trim(std::string_view(text).substr(0, text.size() - 3));
            unitHz = unit.hz;
            decimalsAllowed = unit.decimals;
            break;
        }
    }
    Frequency result;
    if (!text.empty() && text[0] == '-') {
        result.kind = Frequency::Kind::Negative;
        return result;
    }
    std::string_view whole;
    std::string_view decimals;
    if (!SplitDecimal(text, whole, decimals) ||
        decimals.size() > static_cast<std::size_t>(decimalsAllowed)) {
        result.kind = Frequency::Kind::Bad;
        return result;
    }
    std::int64_t hz = 0;
    for (char c : whole) {
        hz = hz * 10 + (c - '0');
    }
    hz *= unitHz;
    std::int64_t place = unitHz;
    for (char c : decimals) {
        place /= 10;
        hz += (c - '0') * place;
    }
    result.kind = Frequency::Kind::Ok;
    result.hz = hz;
    return result;
}

std::string MegahertzText(std::int64_t hz) {
    if (hz < 0) {
        return "-" + MegahertzText(-hz);
    }
    std::string fraction = std::to_string(hz % 1000000);
    fraction.insert(0, 6 - fraction.size(), '0');
    return std::to_string(hz / 1000000) + "." + fraction;
}

std::string ShortMegahertz(std::int64_t hz) {
    std::string text = MegahertzText(hz);
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::optional<std::string> ToneText(std::string_view raw) {
    const std::string text = Csv::Trim(raw);
    std::string_view whole;
    std::string_view decimals;
    if (!SplitDecimal(text, whole, decimals) || whole.empty()) {
        return std::nullopt;
    }
    if (decimals.size() > 1 && decimals.substr(1).find_first_not_of('0') != std::string::npos) {
        return std::nullopt; // 67.05 is no tone of the table
    }
    const std::size_t firstDigit = std::min(whole.find_first_not_of('0'), whole.size() - 1);
    return std::string(whole.substr(firstDigit)) + "." +
           (decimals.empty() ? '0' : decimals.front());
}

std::optional<std::string> DcsCode(std::string_view raw) {
    std::string text = Csv::Trim(raw);
    if (text.empty() || text.find_first_not_of("01234567") != std::string::npos) {
        return std::nullopt;
    }
    text.erase(0, std::min(text.find_first_not_of('0'), text.size()));
    if (text.size() > 3) {
        return std::nullopt;
    }
    return std::string(3 - text.size(), '0') + text;
}

Power ParsePower(std::string_view raw) {
    std::string text = Csv::Trim(raw);
    Power power;
    if (text.empty()) {
        power.ok = true;
        return power;
    }
    std::string lower;
    for (char c : text) {
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    if (lower == "high" || lower == "low") {
        power.ok = true;
        power.high = lower == "high";
        return power;
    }
    if (lower.back() == 'w') {
        lower = Csv::Trim(std::string_view(lower).substr(0, lower.size() - 1));
    }
    std::string_view whole;
    std::string_view decimals;
    if (!SplitDecimal(lower, whole, decimals)) {
        return power;
    }
    // Tenths of a watt are enough to tell 3 W, 5 W and 1 W apart.
    long long tenths = 0;
    for (char c : whole) {
        tenths = tenths * 10 + (c - '0');
    }
    tenths = tenths * 10 + (decimals.empty() ? 0 : decimals.front() - '0');
    const bool moreDecimals =
        decimals.size() > 1 && decimals.substr(1).find_first_not_of('0') != std::string::npos;
    power.ok = true;
    power.high = tenths >= 30;
    power.exact = !moreDecimals && tenths == (power.high ? 50 : 10);
    return power;
}

std::string RadioName(std::string_view text) {
    std::string name;
    std::size_t count = 0;
    // Character by character: a name cell may be megabytes long.
    while (!text.empty()) {
        const std::size_t length = Utf8::FirstCharLength(text);
        char32_t c = Utf8::CodePoints(text.substr(0, length))[0];
        text.remove_prefix(length);
        if (c >= U'a' && c <= U'z') {
            c = c - U'a' + U'A';
        }
        if (NameCharToCode(c) == 0xFF) {
            continue;
        }
        if (count == NameLength) {
            break;
        }
        if (c == U' ' && name.empty()) {
            continue; // what was before it is dropped
        }
        name += static_cast<char>(c);
        ++count;
    }
    return TrimTrailingSpaces(std::move(name));
}

} // namespace ChirpFields
