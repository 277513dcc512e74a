// The order of the calls on the line: every purge, write, read and sleep of a
// transfer where the radio depends on it. Adding up the time alone would not
// notice a sleep moved past an acknowledgement or a purge left out.
#include <gtest/gtest.h>

#include <algorithm>

#include "TransferRig.h"
#include "image/ImageMap.h"

namespace {

using Trace = std::vector<std::string>;
constexpr auto Read = TransferDirection::Read;
constexpr auto Write = TransferDirection::Write;

std::string Hex(const std::uint8_t* data, std::size_t n) {
    static const char Digits[] = "0123456789abcdef";
    std::string text = "write";
    for (std::size_t i = 0; i < n; ++i) {
        text += {' ', Digits[data[i] >> 4], Digits[data[i] & 15]};
    }
    return text;
}

// Index of the first entry equal to text, or the trace's size.
std::size_t Find(const Trace& trace, const std::string& text, std::size_t from = 0) {
    return static_cast<std::size_t>(std::find(trace.begin() + long(from), trace.end(), text) -
                                    trace.begin());
}

Trace Slice(const Trace& trace, std::size_t from, std::size_t count) {
    from = std::min(from, trace.size());
    return Trace(trace.begin() + long(from),
                 trace.begin() + long(std::min(trace.size(), from + count)));
}

TEST(TransferSequence, WakeUpIdentityAndConfirmPurgeAndSleepBeforeEveryByte) {
    TransferRig rig;
    MemoryImage image;
    ASSERT_EQ(rig.Run(Read, image), TransferOutcome::Completed);
    Trace expected(7, "sleep 1"); // the pump cycles before the wake-up
    expected.push_back("abort purge");
    for (const char* byte : {"02", "50", "52", "4f", "47", "52", "42"}) {
        expected.insert(expected.end(), {"sleep 1", "purge", std::string("write ") + byte});
    }
    expected.insert(expected.end(), {"sleep 2", "read 1"});
    // Identity request, each byte after a sleep and a purge, then its reply.
    expected.insert(expected.end(),
                    {"sleep 1", "purge", "write 4d", "sleep 1", "purge", "write 02", "read 8"});
    // The acknowledgement: purge first, then the radio's answer.
    expected.insert(expected.end(), {"purge", "write 06", "read 1"});
    EXPECT_EQ(Slice(rig.trace, 0, expected.size()), expected);
}

TEST(TransferSequence, ReadBlockAcknowledgesAfterTheFifteenMillisecondPause) {
    TransferRig rig;
    MemoryImage image;
    ASSERT_EQ(rig.Run(Read, image), TransferOutcome::Completed);
    const std::size_t first = Find(rig.trace, "write 52 00 00 08");
    ASSERT_GT(first, 0u);
    EXPECT_EQ(Slice(rig.trace, first - 1, 10),
              (Trace{"purge", "write 52 00 00 08", "read 12", "sleep 15", "purge", "write 06",
                     "read 1", "sleep 5", "purge", "write 52 00 08 08"}));
    // The closing request follows the last block's pause without a purge.
    const std::size_t last = Find(rig.trace, "write 52 0c 60 08");
    EXPECT_EQ(Slice(rig.trace, last, 12),
              (Trace{"write 52 0c 60 08", "read 12", "sleep 15", "purge", "write 06", "read 1",
                     "sleep 5", "write 52 0f f0 08", "read 12", "write 06", "read 1"}));
}

TEST(TransferSequence, WriteBlockSendsItsDataAfterAPauseAndAPurge) {
    TransferRig rig;
    MemoryImage image = SimulatedRadio::DemoMemory();
    image[0] = 0x12;
    ASSERT_EQ(rig.Run(Write, image), TransferOutcome::Completed);
    const std::size_t first = Find(rig.trace, "write 57 00 00 08");
    ASSERT_GT(first, 0u);
    EXPECT_EQ(Slice(rig.trace, first - 1, 9),
              (Trace{"purge", "write 57 00 00 08", "sleep 1", "purge", Hex(image.data(), 8),
                     "read 1", "sleep 1", "purge", "write 57 00 08 08"}));
    const std::size_t last = Find(rig.trace, "write 57 0c 60 08");
    EXPECT_EQ(
        Slice(rig.trace, last, 9),
        (Trace{"write 57 0c 60 08", "sleep 1", "purge", Hex(image.data() + 0xC60, 8), "read 1",
               "sleep 1", "write 57 0f f0 03", Hex(image.data() + 0xFF0, 3), "read 1"}));
    EXPECT_EQ(last + 9, rig.trace.size());
}

} // namespace
