#include "settings/IdField.h"

#include <cstddef>
#include <cstdint>

namespace IdField {
namespace {

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool IsUpper(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsLower(unsigned char c) {
    return c >= 'a' && c <= 'z';
}

// A character that is not a digit reads as the digit 0.
std::uint8_t DigitByte(unsigned char c) {
    return IsDigit(c) ? c : '0';
}

} // namespace

void EncodeId(std::string_view text, MemoryImage& image, SettingsMap::Address field) {
    for (std::size_t i = 0; i < SettingsMap::IdFieldSize; ++i) {
        std::uint8_t byte = 0xFF;
        if (i < text.size()) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (IsUpper(c)) {
                byte = c;
            } else if (IsLower(c)) {
                byte = static_cast<std::uint8_t>(c - 'a' + 'A');
            } else {
                byte = DigitByte(c);
            }
        }
        image[field + i] = byte;
    }
}

std::string DecodeId(const MemoryImage& image, SettingsMap::Address field) {
    std::string text;
    for (std::size_t i = 0; i < SettingsMap::IdFieldSize; ++i) {
        const std::uint8_t b = image[field + i];
        if (IsDigit(b) || IsUpper(b)) {
            text += static_cast<char>(b);
        } else if (IsLower(b)) {
            text += static_cast<char>(b - 'a' + 'A');
        }
    }
    return text;
}

void EncodeGroupId(std::string_view text, MemoryImage& image) {
    const std::size_t length =
        text.size() < SettingsMap::GroupIdMaxLength ? text.size() : SettingsMap::GroupIdMaxLength;
    for (std::size_t i = 0; i < SettingsMap::IdFieldSize; ++i) {
        std::uint8_t byte = 0xFF;
        if (i < length) {
            byte = DigitByte(static_cast<unsigned char>(text[i]));
            if (length == SettingsMap::GroupIdMaxLength && i == 0 && byte > '1') {
                byte = '1';
            }
        }
        image[SettingsMap::GroupId + i] = byte;
    }
}

std::string DecodeGroupId(const MemoryImage& image) {
    std::string text;
    for (std::size_t i = 0; i < SettingsMap::GroupIdMaxLength; ++i) {
        const std::uint8_t b = image[SettingsMap::GroupId + i];
        if (IsDigit(b)) {
            text += static_cast<char>(b);
        }
    }
    return text;
}

} // namespace IdField
