// What the page's feature calls hand back: JSON built by hand (the page
// reads it with JSON.parse), a text kept until the next call, and the image
// the page passes in, copied so that a change lands only when it is whole.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "base/Lang.h"
#include "image/MemoryImage.h"

namespace WebOut {

inline Lang LangOf(int lang) {
    return lang == 1 ? Lang::Chinese : Lang::English;
}

// A JSON string literal.
inline std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static const char* const Hex = "0123456789abcdef";
            out += "\\u00";
            out += Hex[u >> 4];
            out += Hex[u & 15];
        } else {
            out += c;
        }
    }
    return out + '"';
}

inline std::string List(const std::vector<std::string>& items) {
    std::string out = "[";
    for (const std::string& item : items) {
        out += (out.size() > 1 ? "," : "") + Quoted(item);
    }
    return out + ']';
}

// The text handed to the page; valid until the next call.
inline const char* Out(std::string text) {
    static std::string kept;
    kept = std::move(text);
    return kept.c_str();
}

inline MemoryImage Copy(const std::uint8_t* bytes) {
    MemoryImage image;
    std::memcpy(image.data(), bytes, MemoryImage::Size);
    return image;
}

// Puts image into the page's bytes; whether a byte changed.
inline bool Store(const MemoryImage& image, std::uint8_t* bytes) {
    if (std::memcmp(image.data(), bytes, MemoryImage::Size) == 0) {
        return false;
    }
    std::memcpy(bytes, image.data(), MemoryImage::Size);
    return true;
}

// Splits text at sep.
inline std::vector<std::string> Split(std::string_view text, char sep) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(sep, from);
        parts.emplace_back(text.substr(from, at == std::string_view::npos ? at : at - from));
        if (at == std::string_view::npos) {
            return parts;
        }
        from = at + 1;
    }
}

// "3,4,5" as numbers.
inline std::vector<int> Numbers(std::string_view text) {
    std::vector<int> numbers;
    if (text.empty()) {
        return numbers;
    }
    for (const std::string& part : Split(text, ',')) {
        numbers.push_back(std::atoi(part.c_str()));
    }
    return numbers;
}

} // namespace WebOut
