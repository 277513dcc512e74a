// The simulated radio on its own: its memory, its handshake and how it
// resynchronises on noise.
#include <gtest/gtest.h>

#include "TransferRig.h"
#include "formats/ChannelCsv.h"
#include "image/ImageMap.h"
#include "link/InMemoryLink.h"
#include "link/LoggingLink.h"
#include "link/SimulatedRadio.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Frame(char last) {
    return {0x02, 'P', 'R', 'O', 'G', 'R', std::uint8_t(last)};
}

TEST(SimulatedRadioMemory, DemoHoldsSixteenChannelsInTheBandAndNewDocumentSettings) {
    const MemoryImage m = SimulatedRadio::DemoMemory();
    EXPECT_EQ(m[0xFF0], 0x40);
    EXPECT_EQ(m[0xFF1], 0x48);
    EXPECT_EQ(m[ImageMap::RadioTypeCode], 0x38);
    // Channel 0: 446.00625 MHz, least significant pair first; named "PMR 1".
    EXPECT_EQ((Bytes{m[0], m[1], m[2], m[3]}), (Bytes{0x25, 0x06, 0x60, 0x44}));
    EXPECT_EQ((Bytes(m.data() + 0x850, m.data() + 0x858)),
              (Bytes{25, 22, 27, 37, 1, 0xFF, 0xFF, 0xFF}));
    for (int n = 0; n < 128; ++n) {
        const std::uint8_t top = m[ImageMap::SlotAddress(n) + 3];
        const bool bPresent = top != 0x00 && top != 0xFF;
        EXPECT_EQ(bPresent, n < 16) << n;
        EXPECT_EQ(bool(m[ImageMap::ScanBitmap + n / 8] >> (n % 8) & 1), n < 16) << n;
        if (bPresent) {
            EXPECT_GE(top, 0x40) << n;
            EXPECT_LT(top, 0x48) << n;
        }
    }
}

TEST(SimulatedRadioHandshake, AnswersWakeUpIdentityAndConfirmation) {
    SimulatedRadio radio;
    EXPECT_EQ(radio.Receive(Frame('B')), Bytes{0x06});
    EXPECT_EQ(radio.Receive(Bytes{0x4D, 0x02}), (Bytes{'T', '4', '2', '6', 0x37, 0, 0, 0}));
    EXPECT_EQ(radio.Receive(Bytes{0x06}), Bytes{0x06});
    const Bytes reply = radio.Receive(Bytes{'R', 0x0F, 0xF0, 0x08});
    ASSERT_EQ(reply.size(), 12u);
    EXPECT_EQ(reply[4], 0x40);
}

TEST(SimulatedRadioHandshake, IgnoresBrokenWakeUpFramesAndNoise) {
    SimulatedRadio radio;
    EXPECT_TRUE(radio.Receive(Bytes{0x02, 'P', 'X', 'O', 'G', 'R', 'B'}).empty());
    EXPECT_TRUE(radio.Receive(Bytes{0x4D, 0x02, 0x06, 'R', 0, 0, 8}).empty());
    EXPECT_TRUE(radio.Receive(Bytes{0x02, 'P', 'R', 'O', 'G', 'R', 'C'}).empty());
    EXPECT_EQ(radio.Receive(Bytes{0x02, 0x02, 'P', 'R', 'O', 'G', 'R', 'A'}), Bytes{0x06});
}

TEST(SimulatedRadioHandshake, HalfFrameIsDroppedWhenTheLineGoesQuiet) {
    SimulatedRadio radio;
    radio.Receive(Frame('B'));
    radio.Receive(Bytes{0x4D, 0x02, 0x06});
    EXPECT_TRUE(radio.Receive(Bytes{'W', 0x00, 0x00, 0x08, 1, 2}).empty());
    radio.LineIdle();
    EXPECT_EQ(radio.Receive(Frame('B')), Bytes{0x06});
}

TEST(SimulatedRadioHandshake, AnswersOnlyFromTheChosenWakeUp) {
    SimulatedRadio radio(SimulatedRadio::DemoMemory(), {.answerFromWakeUp = 3});
    EXPECT_TRUE(radio.Receive(Frame('B')).empty());
    EXPECT_TRUE(radio.Receive(Frame('A')).empty());
    EXPECT_EQ(radio.Receive(Frame('B')), Bytes{0x06});
    EXPECT_EQ(radio.WakeUps(), 3);
}

TEST(TransferLog, NotesEveryFrameWithTimeDirectionAndBytes) {
    SimulatedRadio radio;
    InMemoryLink inner(InMemoryLink::Over(radio), [](double) {});
    LoggingLink link(inner);
    ASSERT_TRUE(link.Open("COM2"));
    link.Purge(true);
    const Bytes frame = Frame('B');
    link.Write(frame.data(), frame.size());
    std::uint8_t buffer[4] = {};
    link.Read(buffer, 4);
    link.Close();
    ASSERT_EQ(link.Entries().size(), 5u);
    const std::string text = link.Text();
    EXPECT_NE(text.find("open      (COM2)"), std::string::npos) << text;
    EXPECT_NE(text.find("sent      02 50 52 4F 47 52 42"), std::string::npos) << text;
    EXPECT_NE(text.find("received  06  (1 of 4)"), std::string::npos) << text;
    EXPECT_NE(text.find("close"), std::string::npos) << text;
}

} // namespace

TEST(SimulatedRadioMemory, DemoChannelsPassTheImportChecks) {
    // Every tone of the demo must be in the tone table, or the radio's own
    // data would be refused by orinctl import.
    const MemoryImage demo = SimulatedRadio::DemoMemory();
    MemoryImage image = ImageMap::NewDocumentImage();
    const ChannelCsv::ImportResult result =
        ChannelCsv::Import(ChannelCsv::Dump(demo, Lang::English), image, true);
    EXPECT_TRUE(result.ok);
    for (const ChannelCsv::Problem& p : result.problems) {
        ADD_FAILURE() << p.line << ": " << p.column << ": " << p.reason;
    }
}

TEST(SimulatedRadioWrites, OnlyAWriteOfEveryBlockCountsAsCompleted) {
    // A refused block still ends with the closing exchange; that is no
    // completed write, so orinctl simulate --save-to must not save it.
    TransferRig rig({.refuseBlock = 5});
    MemoryImage image = ImageMap::NewDocumentImage();
    ASSERT_EQ(rig.Run(TransferDirection::Write, image), TransferOutcome::BlockRefused);
    EXPECT_EQ(rig.radio.CompletedWrites(), 0);
    TransferRig silent({.noAckBlock = 396});
    ASSERT_EQ(silent.Run(TransferDirection::Write, image), TransferOutcome::BlockRefused);
    EXPECT_EQ(silent.radio.CompletedWrites(), 0);
    TransferRig good;
    ASSERT_EQ(good.Run(TransferDirection::Write, image), TransferOutcome::Completed);
    ASSERT_EQ(good.Run(TransferDirection::Write, image), TransferOutcome::Completed);
    EXPECT_EQ(good.radio.CompletedWrites(), 2);
}
