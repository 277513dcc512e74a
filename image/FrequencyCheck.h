#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Lang.h"

// The check a frequency typed into the channel grid goes through.
enum class FrequencyVerdict {
    Accepted, // text holds the normalised "%3.5f" form
    Empty,    // nothing was typed: not an error
    Format,   // not a number, or outside 67-521 MHz
    Range,    // outside the band edges
    Step,     // not a multiple of 6.25, 5 or 2.5 kHz
};

struct FrequencyCheckResult {
    FrequencyVerdict verdict = FrequencyVerdict::Empty;
    std::string text;         // normalised text when accepted, else empty
    std::uint32_t units = 0;  // frequency in 10 Hz units when accepted
};

// Checks a typed frequency against the fixed limits, the band edges (whole
// MHz, both edges inside) and the channel step, in that order.
FrequencyCheckResult CheckFrequency(std::string_view text, unsigned lowerBandEdge,
                                    unsigned upperBandEdge);

namespace FrequencyMessages {
inline constexpr BiText Format{"Error Data Format，Please input again",
                               "输入数据错误，请按正确的格式及大小重新输入"};
inline constexpr BiText Range{"Out Of Range", "超出范围"};
// The step message: the Chinese text differs by one letter between leaving the
// cell and pressing Enter.
inline constexpr BiText StepOnLeave{
    "Error data Value，Please input according the step value(6.25K/5k/2.5k)",
    "输入数据错误，请按6.25K/5k/2.5k的倍数重新输入"};
inline constexpr BiText StepOnEnter{
    "Error data Value，Please input according the step value(6.25K/5k/2.5k)",
    "输入数据错误，请按6.25K/5k/2.5K的倍数重新输入"};
} // namespace FrequencyMessages
