#pragma once

#include <cstdint>

// The radio's alphabet of channel names, one code per character: 0-9, A-Z,
// '-' and ' '. Code 0xFF ends a name.
char32_t NameCodeToChar(std::uint8_t code); // U'\0' for a code with no character
std::uint8_t NameCharToCode(char32_t ch);   // 0xFF for a character outside the alphabet
