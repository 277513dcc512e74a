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

// text as a message may show it: line breaks and tabs as \n, \r, \t, other
// control characters (and the marks that reorder text) as \xNN or \uNNNN,
// bytes that are no UTF-8 as \xNN; at most maxChars characters, then "...".
std::string Escaped(std::string_view text, std::size_t maxChars = std::string_view::npos);

// A file's name or path wherever the program shows one (messages, the window's
// title, the recent-file menu), so that a name holding a line break or other
// control bytes cannot break the text it sits in.
inline std::string ShownPath(std::string_view path) {
    return Escaped(path);
}

// Paths are UTF-8 strings too. A std::filesystem::path made from a narrow
// string, and its string(), read and write the ANSI code page on Windows,
// which turns a name with Chinese in it into another name: every conversion
// between the two goes through these.
std::filesystem::path Path(std::string_view utf8);
std::string PathText(const std::filesystem::path& path);

} // namespace Utf8
