#pragma once

#include <string>
#include <string_view>

#include "image/MemoryImage.h"
#include "settings/SettingsMap.h"

// The six ID texts of the settings area. Each text position is one byte of
// the field; callers hand over one char per character the user sees.
namespace IdField {

// Call ID, ID, Check ID, Kill ID, Listen ID: up to eight digits and upper-case
// letters. Lower-case letters are stored upper-case; any other character is
// stored as '0'. Positions past the text (and past eight) become 0xFF.
void EncodeId(std::string_view text, MemoryImage& image, SettingsMap::Address field);

// Digits and letters closed up in field order; any other byte is skipped.
std::string DecodeId(const MemoryImage& image, SettingsMap::Address field);

// Group ID: up to four digits, a non-digit stored as '0'. The radio knows
// four-digit groups up to 1999 only, so a four-digit text starting above 1
// starts with '1'. Bytes 0x824-0x827 are always 0xFF.
void EncodeGroupId(std::string_view text, MemoryImage& image);

// The digits among the first four bytes.
std::string DecodeGroupId(const MemoryImage& image);

} // namespace IdField
