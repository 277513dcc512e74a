#include "image/TextNumbers.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>
#include <version>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipSpace(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    return i;
}

} // namespace

double LeadingNumber(std::string_view text) {
    std::size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t intDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++intDigits;
    }
    std::size_t fracDigits = 0;
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && IsDigit(text[j])) {
            ++j;
            ++fracDigits;
        }
        if (intDigits > 0 || fracDigits > 0) {
            i = j;
        }
    }
    if (intDigits == 0 && fracDigits == 0) {
        return 0.0;
    }
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        std::size_t expDigits = 0;
        while (j < text.size() && IsDigit(text[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0) {
            end = j;
        }
    }
    double value = 0.0;
    const char* first = text.data() + mantissaStart;
    const char* last = text.data() + end;
#if defined(__cpp_lib_to_chars)
    auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow; follow strtod instead.
        value = std::numeric_limits<double>::infinity();
        std::string digits(first, last);
        if (digits.find_first_of("123456789") != std::string::npos) {
            auto e = digits.find_first_of("eE");
            if (e != std::string::npos && digits[e + 1] == '-') {
                value = 0.0;
            }
        } else {
            value = 0.0;
        }
    }
#else
    // A standard library without floating-point from_chars (Emscripten's):
    // strtod, which that library never localises, on the digits found above.
    value = std::strtod(std::string(first, last).c_str(), nullptr);
#endif
    return negative ? -value : value;
}

long long LeadingInteger(std::string_view text) {
    std::size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    constexpr long long limit = std::numeric_limits<long long>::max();
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        if (value > (limit - digit) / 10) {
            return negative ? std::numeric_limits<long long>::min() : limit;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}
