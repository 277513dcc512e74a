#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts are UTF-8 everywhere. Names and their limits count characters, not
// bytes, and user files may hold bytes that are not UTF-8 at all.
namespace Utf8 {

// Each byte that does not begin a well-formed sequence counts as one
// character, U+FFFD, so that no input can make a loop stall or skip text.
inline constexpr char32_t Replacement = 0xFFFD;

// The code points of text, in order.
std::u32string CodePoints(std::string_view text);

// Byte length of the first character of text (0 for an empty text).
std::size_t FirstCharLength(std::string_view text);

} // namespace Utf8
