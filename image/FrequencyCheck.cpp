#include "image/FrequencyCheck.h"

#include <cmath>
#include <limits>

#include "image/ChannelCodec.h"
#include "image/TextNumbers.h"

namespace {

// The radio's fixed limits, in 10 Hz units: 67.00000 to 521.00000 MHz.
constexpr std::uint32_t LowestUnits = 6700000;
constexpr std::uint32_t HighestUnits = 52100000;
constexpr std::uint32_t UnitsPerMHz = 100000;
// Channel steps in 10 Hz units: 6.25 kHz, 5 kHz, 2.5 kHz.
constexpr std::uint32_t Steps[] = {625, 500, 250};

FrequencyCheckResult Fail(FrequencyVerdict verdict) {
    return {verdict, {}, 0};
}

} // namespace

FrequencyCheckResult CheckFrequency(std::string_view text, unsigned lowerBandEdge,
                                    unsigned upperBandEdge) {
    if (text.empty()) {
        return Fail(FrequencyVerdict::Empty);
    }
    const double scaled = DecimalScale(LeadingNumber(text), UnitsPerMHz);
    // Not a number, negative, or too large for the 32-bit units the radio
    // counts in: all fail the format check, like anything outside 67-521 MHz.
    if (!std::isfinite(scaled) || scaled < 0.0 ||
        scaled >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return Fail(FrequencyVerdict::Format);
    }
    const auto units = static_cast<std::uint32_t>(scaled); // truncates toward zero
    if (units < LowestUnits || units > HighestUnits) {
        return Fail(FrequencyVerdict::Format);
    }
    // The band edges are whole MHz; the products wrap like the radio's own
    // 32-bit arithmetic would.
    const std::uint32_t lower = static_cast<std::uint32_t>(lowerBandEdge) * UnitsPerMHz;
    const std::uint32_t upper = static_cast<std::uint32_t>(upperBandEdge) * UnitsPerMHz;
    if (units < lower || units > upper) {
        return Fail(FrequencyVerdict::Range);
    }
    bool onStep = false;
    for (std::uint32_t step : Steps) {
        onStep = onStep || units % step == 0;
    }
    if (!onStep) {
        return Fail(FrequencyVerdict::Step);
    }
    // The text is made from the checked units, so extra decimals are cut off
    // exactly as they are when the channel is stored; rounding them instead
    // could show (and later store) a frequency that is off the step.
    return {FrequencyVerdict::Accepted, FrequencyText(units), units};
}
