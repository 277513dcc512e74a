#pragma once

#include <string>
#include <string_view>
#include <vector>

// The tone settings a channel can pick: "OFF", 50 CTCSS tones, 105 DCS codes in
// N polarity and the same 105 in I polarity; 261 texts in index order.
namespace ToneTable {
inline constexpr int Count = 261;
const std::vector<std::string>& Texts();
// Index of text in the table (exact comparison), or -1.
int IndexOf(std::string_view text);
// Index of the tone text names, read as a number rather than spelled: "off"
// in any case, a CTCSS tone with any number of leading zeros and trailing
// decimal zeros ("67", "067.00"), a DCS code with or without its leading
// zero and polarity, in either case ("d23n", "D023" for D023N). -1 when text
// names no tone of the table. Blanks around the text do not count.
int IndexOfNamed(std::string_view text);
} // namespace ToneTable
