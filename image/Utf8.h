#pragma once

#include <cstddef>
#include <filesystem>
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

// Paths are UTF-8 strings too. A std::filesystem::path made from a narrow
// string, and its string(), read and write the ANSI code page on Windows,
// which turns a name with Chinese in it into another name: every conversion
// between the two goes through these.
std::filesystem::path Path(std::string_view utf8);
std::string PathText(const std::filesystem::path& path);

} // namespace Utf8
