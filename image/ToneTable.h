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
} // namespace ToneTable
