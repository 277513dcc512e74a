#include "image/Utf8.h"

#include <cstdio>

namespace {

// Decodes the character at text[i]; returns its length in bytes (at least 1).
std::size_t DecodeAt(std::string_view text, std::size_t i, char32_t& out) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        out = b0;
        return 1;
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        value = b0 & 0x1F;
        minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        value = b0 & 0x0F;
        minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        value = b0 & 0x07;
        minimum = 0x10000;
    } else {
        out = Utf8::Replacement;
        return 1;
    }
    if (i + length > text.size()) {
        out = Utf8::Replacement;
        return 1;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char b = byte(i + k);
        if ((b & 0xC0) != 0x80) {
            out = Utf8::Replacement;
            return 1;
        }
        value = (value << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        out = Utf8::Replacement;
        return 1;
    }
    out = value;
    return length;
}

} // namespace

namespace Utf8 {

std::u32string CodePoints(std::string_view text) {
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t c = 0;
        i += DecodeAt(text, i, c);
        out.push_back(c);
    }
    return out;
}

std::size_t FirstCharLength(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    char32_t c = 0;
    return DecodeAt(text, 0, c);
}

namespace {

// Characters that would change how a message looks rather than appear in it.
bool IsControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || (c >= 0x200E && c <= 0x200F) ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

std::string Escaped(std::string_view text, std::size_t maxChars) {
    std::string out;
    for (std::size_t chars = 0; !text.empty(); ++chars) {
        if (chars == maxChars) {
            out += "...";
            break;
        }
        const std::size_t n = FirstCharLength(text);
        const std::string_view one = text.substr(0, n);
        char32_t c = 0;
        DecodeAt(one, 0, c);
        const bool bNotUtf8 = c == Replacement && one != std::string_view("\xEF\xBF\xBD");
        char escape[16];
        if (c == '\n' || c == '\r' || c == '\t') {
            out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
        } else if (bNotUtf8 || (c < 0x80 && IsControl(c))) {
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(one[0]));
            out += escape;
        } else if (IsControl(c)) {
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += one;
        }
        text.remove_prefix(n);
    }
    return out;
}

std::filesystem::path Path(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace Utf8
