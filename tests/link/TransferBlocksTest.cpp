// The block exchanges and the closing exchange of reads and writes: what goes
// over the line, what the image and the radio end up holding, and how
// failures, Cancel and timing come out.
#include <functional>
#include <gtest/gtest.h>

#include "TransferRig.h"
#include "image/ImageMap.h"
#include "link/TransferTexts.h"

namespace {

using Bytes = TransferRig::Bytes;
constexpr auto Read = TransferDirection::Read;
constexpr auto Write = TransferDirection::Write;

MemoryImage Pattern(int seed = 3) {
    MemoryImage image;
    for (std::size_t i = 0; i < MemoryImage::Size; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + seed);
    }
    return image;
}

std::vector<Bytes> ExpectedRequests(std::uint8_t command) {
    std::vector<Bytes> requests;
    for (unsigned a = 0; a <= ImageMap::TransferEnd; a += 8) {
        requests.push_back({command, std::uint8_t(a >> 8), std::uint8_t(a & 0xFF), 8});
    }
    return requests;
}

bool SameRange(const MemoryImage& a, const MemoryImage& b, unsigned from, unsigned to) {
    for (unsigned i = from; i <= to; ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

TEST(ReadBlocks, CompleteReadSendsEveryRequestInOrderThenTheClosingRequest) {
    TransferRig rig;
    MemoryImage image;
    ASSERT_EQ(rig.Run(Read, image), TransferOutcome::Completed);
    std::vector<Bytes> expected = ExpectedRequests('R');
    expected.push_back({0x52, 0x0F, 0xF0, 0x08});
    EXPECT_EQ(rig.Requests(), expected);
    EXPECT_EQ(rig.radio.CompletedReads(), 1);
    // After the closing request: an acknowledgement, nothing else.
    const auto& w = rig.link.Written();
    EXPECT_EQ(w[w.size() - 2], (Bytes{0x52, 0x0F, 0xF0, 0x08}));
    EXPECT_EQ(w.back(), Bytes{0x06});
}

TEST(ReadBlocks, CompleteReadFillsTheCarriedRangesAndLeavesTheRestUntouched) {
    const MemoryImage radioMemory = Pattern(11);
    TransferRig rig({}, radioMemory);
    const MemoryImage before = Pattern(5);
    MemoryImage image = before;
    ASSERT_EQ(rig.Run(Read, image), TransferOutcome::Completed);
    EXPECT_TRUE(SameRange(image, radioMemory, 0x000, ImageMap::TransferEnd));
    EXPECT_TRUE(SameRange(image, radioMemory, 0xFF0, 0xFF2));
    EXPECT_TRUE(SameRange(image, before, 0xC68, 0xFEF));
    EXPECT_TRUE(SameRange(image, before, 0xFF3, 0xFFF));
}

TEST(ReadBlocks, ProgressEndsAt397WithTheStatusShowingEveryBlock) {
    TransferRig rig;
    MemoryImage image;
    ASSERT_EQ(rig.Run(Read, image), TransferOutcome::Completed);
    EXPECT_EQ(rig.host.progress, 397);
    const auto& s = rig.host.statuses;
    ASSERT_EQ(s.size(), 2u + 397u);
    EXPECT_EQ(s[2], "1");
    EXPECT_EQ(s.back(), "397");
    EXPECT_EQ(rig.host.destroys, 1);
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_EQ(rig.link.Closes(), 1);
}

TEST(ReadBlocks, ReplyHeaderIsNotExamined) {
    TransferRig rig;
    rig.filter = [](const Bytes& written, Bytes reply) {
        if (written.size() == 4 && reply.size() == 12) {
            reply[0] = reply[1] = reply[2] = reply[3] = 0xA5;
        }
        return reply;
    };
    MemoryImage image;
    ASSERT_EQ(rig.Run(Read, image), TransferOutcome::Completed);
    EXPECT_TRUE(SameRange(image, rig.radio.Memory(), 0, ImageMap::TransferEnd));
}

TEST(ReadBlocks, AnyShortReplyStopsTheReadAndOffersRetry) {
    // Fewer than 12 bytes, in a block or in the closing reply: the read is not
    // taken and the image stays as it was.
    struct Case {
        std::size_t length;
        bool bClosing;
        std::size_t requests; // sent until the prompt: blocks 0-4 or 0-396, then closing
    };
    for (const Case c : {Case{0, false, 6}, Case{9, false, 6}, Case{10, false, 6},
                         Case{11, false, 6}, Case{6, true, 398}, Case{11, true, 398}}) {
        TransferRig rig({.shortReplyBlock = 4, .shortReplyLength = c.length});
        if (c.bClosing) {
            rig.radio = SimulatedRadio();
            rig.filter = [&](const Bytes& written, Bytes reply) {
                if (written == Bytes{0x52, 0x0F, 0xF0, 0x08}) {
                    reply.resize(c.length);
                }
                return reply;
            };
        }
        const MemoryImage before = Pattern();
        MemoryImage image = before;
        EXPECT_EQ(rig.Run(Read, image), TransferOutcome::ShortReply) << c.length;
        EXPECT_EQ(image, before);
        // The prompt says how many bytes came where; its other lines are as ever.
        const std::string said = "not received enough 12 byte (" + std::to_string(c.length) +
                                 " arrived for address " + (c.bClosing ? "0FF0" : "0020") + ")";
        const std::string prompt = TransferTexts::ShortReplyPrompt.english;
        EXPECT_EQ(rig.host.asked,
                  std::vector<std::string>{said + prompt.substr(prompt.find('\n'))});
        EXPECT_TRUE(rig.host.messages.empty());
        const auto requests = rig.Requests();
        ASSERT_EQ(requests.size(), c.requests) << c.length;
        EXPECT_EQ(requests.back(), (Bytes{0x52, 0x0F, 0xF0, 0x08}));
        EXPECT_EQ(rig.host.destroys, 1);
        EXPECT_EQ(rig.link.Closes(), 1);
    }
}

TEST(ReadBlocks, AReplyOutOfStepFailsTheReadAndOffersRetry) {
    // Whatever header the radio's replies carry, once their first blocks echo
    // the block address there: a reply that runs past its twelfth byte, one
    // for another block, or one whose header changed is not taken.
    const Bytes closing{0x52, 0x0F, 0xF0, 0x08};
    struct Layout {
        ReplyHeader header;
        std::size_t echoAt;
    };
    const Layout layouts[] = {{ReplyHeader::CommandAddressLength, 1},
                              {ReplyHeader::CommandZeroAddress, 2},
                              {ReplyHeader::CommandLengthAddress, 2}};
    struct Case {
        const char* what;
        SimulatedRadioOptions options;
        // Changes the reply to request at the layout's echo position.
        Bytes request;
        std::function<void(Bytes&, std::size_t echoAt)> change;
        TransferOutcome outcome;
    };
    const Case cases[] = {
        {"exact", {}, {}, nullptr, TransferOutcome::Completed},
        {"a data byte doubled",
         {.extraByteBlock = 4, .extraBytePosition = 7},
         {},
         nullptr,
         TransferOutcome::OutOfStep},
        {"a data byte doubled by a slow radio: taken for the acknowledgement",
         {.extraByteBlock = 4, .extraBytePosition = 7, .byteGapMs = 40},
         {},
         nullptr,
         TransferOutcome::AcknowledgeLost},
        {"a byte after the twelfth",
         {},
         {0x52, 0x01, 0x00, 0x08},
         [](Bytes& r, std::size_t) { r.push_back(0x06); },
         TransferOutcome::OutOfStep},
        {"a shifted header",
         {.extraByteBlock = 0, .extraBytePosition = 0},
         {},
         nullptr,
         TransferOutcome::OutOfStep},
        {"another block's reply", {.wrongBlock = 30}, {}, nullptr, TransferOutcome::OutOfStep},
        {"the first block answered as the second",
         {.wrongBlock = 0},
         {},
         nullptr,
         TransferOutcome::OutOfStep},
        {"another block's reply among the first",
         {.wrongBlock = 1},
         {},
         nullptr,
         TransferOutcome::OutOfStep},
        {"the last block answered as the one before",
         {.wrongBlock = 396},
         {},
         nullptr,
         TransferOutcome::OutOfStep},
        {"an echo broken in its low byte",
         {},
         {0x52, 0x03, 0x18, 0x08},
         [](Bytes& r, std::size_t at) { r[at + 1] ^= 0x08; },
         TransferOutcome::OutOfStep},
        {"a header byte that stayed the same changed",
         {},
         {0x52, 0x03, 0x18, 0x08},
         [](Bytes& r, std::size_t) { r[0] = 0x52; },
         TransferOutcome::OutOfStep},
        {"a closing reply too long",
         {},
         closing,
         [](Bytes& r, std::size_t) { r.push_back(0); },
         TransferOutcome::OutOfStep},
        {"a closing reply for another address",
         {},
         closing,
         [](Bytes& r, std::size_t at) { r[at] = 0x0C; },
         TransferOutcome::OutOfStep},
        {"a closing reply of 8 bytes",
         {},
         closing,
         [](Bytes& r, std::size_t) { r.resize(8); },
         TransferOutcome::ShortReply},
    };
    for (const Layout& layout : layouts) {
        for (const Case& c : cases) {
            const std::string what =
                std::string(c.what) + ", echo at byte " + std::to_string(layout.echoAt);
            SimulatedRadioOptions options = c.options;
            options.replyHeader = layout.header;
            TransferRig rig(options, Pattern(9));
            rig.filter = [&](const Bytes& written, Bytes reply) {
                if (c.change && written == c.request) {
                    c.change(reply, layout.echoAt);
                }
                return reply;
            };
            const MemoryImage before = Pattern();
            MemoryImage image = before;
            EXPECT_EQ(rig.Run(Read, image), c.outcome) << what;
            if (c.outcome == TransferOutcome::Completed) {
                EXPECT_TRUE(SameRange(image, rig.radio.Memory(), 0, ImageMap::TransferEnd));
                EXPECT_TRUE(SameRange(image, rig.radio.Memory(), 0xFF0, 0xFF2));
                EXPECT_TRUE(rig.host.asked.empty()) << what;
                continue;
            }
            EXPECT_EQ(image, before) << what;
            if (c.outcome == TransferOutcome::AcknowledgeLost) {
                continue; // told in a message, not offered again
            }
            const BiText& prompt = c.outcome == TransferOutcome::OutOfStep
                                       ? TransferTexts::OutOfStepPrompt
                                       : TransferTexts::ShortReplyPrompt;
            ASSERT_EQ(rig.host.asked.size(), 1u) << what;
            const std::string english = prompt.english;
            const std::string& asked = rig.host.asked[0];
            EXPECT_EQ(asked.substr(asked.find('\n')), english.substr(english.find('\n'))) << what;
            EXPECT_EQ(rig.Requests().back(), closing) << what;
            EXPECT_EQ(rig.link.Closes(), 1);
        }
    }
}

TEST(ReadBlocks, RetryAfterAShortReplyReadsEverythingAgain) {
    TransferRig rig;
    int cuts = 0;
    rig.filter = [&](const Bytes& written, Bytes reply) {
        if (written == Bytes{0x52, 0x00, 0x20, 0x08} && cuts++ == 0) {
            reply.resize(10);
        }
        return reply;
    };
    rig.host.retryAnswers = {true};
    MemoryImage image;
    ASSERT_EQ(rig.Run(Read, image), TransferOutcome::Completed);
    EXPECT_TRUE(SameRange(image, rig.radio.Memory(), 0, ImageMap::TransferEnd));
    EXPECT_EQ(rig.host.asked.size(), 1u);
    EXPECT_EQ(rig.Requests().size(), 6u + ImageMap::BlockCount + 1);
    EXPECT_EQ(rig.host.progress, ImageMap::BlockCount);
}

TEST(ReadBlocks, LostAcknowledgementStopsTheReadAndLeavesTheImageAsItWas) {
    TransferRig rig({.noAckBlock = 7});
    const MemoryImage before = Pattern();
    MemoryImage image = before;
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::AcknowledgeLost);
    EXPECT_EQ(image, before);
    EXPECT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.Requests().size(), 9u);
    EXPECT_EQ(rig.link.Closes(), 1);
}

TEST(ReadBlocks, RefusedAcknowledgementCountsAsLost) {
    TransferRig rig({.refuseBlock = 0});
    MemoryImage image;
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::AcknowledgeLost);
}

TEST(BlockFailures, NoAnswerAndARefusalAreToldApartInBothLanguages) {
    // The radio's own words first, then what happened at which block.
    const std::string at = " to the block at address 0038";
    for (const auto direction : {Read, Write}) {
        const BiText& text =
            direction == Read ? TransferTexts::AcknowledgeLost : TransferTexts::BlockRefused;
        for (const bool bRefuse : {false, true}) {
            TransferRig rig(bRefuse ? SimulatedRadioOptions{.refuseBlock = 7}
                                    : SimulatedRadioOptions{.noAckBlock = 7});
            MemoryImage image;
            rig.Run(direction, image);
            ASSERT_EQ(rig.host.messages.size(), 1u);
            EXPECT_EQ(rig.host.shownEnglish[0],
                      text.english + (bRefuse ? " (the radio answered 0x15 instead of 0x06" + at +
                                                    ": it refused the block)"
                                              : " (no answer from the radio" + at + ")"));
            const std::string& chinese = rig.host.shownChinese[0];
            EXPECT_EQ(chinese.rfind(text.chinese, 0), 0u) << chinese;
            EXPECT_NE(chinese.find("0038"), std::string::npos) << chinese;
            EXPECT_NE(chinese.find(bRefuse ? "拒收" : "没有应答"), std::string::npos) << chinese;
        }
    }
}

TEST(ReadBlocks, CancelAtTheLastPumpOfABlockStopsBeforeTheNextRequest) {
    TransferRig rig;
    rig.host.cancelAtPump = 7 + 19; // the 19th pump after block 0
    const MemoryImage before = Pattern();
    MemoryImage image = before;
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::Cancelled);
    EXPECT_EQ(rig.Requests().size(), 1u); // no closing request either
    EXPECT_EQ(image, before);
    EXPECT_TRUE(rig.host.MessageTexts().empty()); // the user knows they cancelled
    EXPECT_EQ(rig.host.destroys, 1);
    EXPECT_EQ(rig.link.Closes(), 1);
}

TEST(ReadBlocks, CancelOnePumpLaterLetsTheNextBlockStart) {
    TransferRig rig;
    rig.host.cancelAtPump = 7 + 19 + 1;
    MemoryImage image;
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::Cancelled);
    EXPECT_EQ(rig.Requests().size(), 2u);
}

TEST(ReadBlocks, ReadAtLineSpeedTakesTheLineTimePlusTheRequiredSleeps) {
    TransferRig rig({.bLineTiming = true});
    MemoryImage image;
    ASSERT_EQ(rig.Run(Read, image), TransferOutcome::Completed);
    // Sleeps: 7 pump sleeps, 7 + 2 around the wake-up frame, 2 before the
    // identity bytes, 15 + 5 per block.
    const double sleeps = 7 + 9 + 2 + 20.0 * 397;
    // Bytes: wake-up 7 + 1, identity 2 + 8, confirm 1 + 1, per block 4 + 12 + 1 + 1,
    // closing 4 + 12 + 1 + 1.
    const double bytes = 8 + 10 + 2 + 18.0 * 397 + 18;
    EXPECT_NEAR(rig.host.clockMs, sleeps + bytes * SimulatedRadio::ByteTimeMs, 1e-6);
}

TEST(WriteBlocks, CompleteWriteSendsEveryBlockAfterItsHeaderThenTheBandEdges) {
    TransferRig rig;
    const MemoryImage image = Pattern(9);
    MemoryImage sent = image;
    ASSERT_EQ(rig.Run(Write, sent), TransferOutcome::Completed);
    EXPECT_EQ(sent, image);
    const auto& w = rig.link.Written();
    const int first = rig.FirstWrite({0x57, 0x00, 0x00, 0x08});
    ASSERT_GE(first, 0);
    std::size_t at = std::size_t(first);
    for (unsigned a = 0; a <= ImageMap::TransferEnd; a += 8, at += 2) {
        ASSERT_EQ(w[at], (Bytes{0x57, std::uint8_t(a >> 8), std::uint8_t(a & 0xFF), 0x08}));
        ASSERT_EQ(w[at + 1], Bytes(image.data() + a, image.data() + a + 8));
    }
    EXPECT_EQ(w[at], (Bytes{0x57, 0x0F, 0xF0, 0x03}));
    EXPECT_EQ(w[at + 1], (Bytes{image[0xFF0], image[0xFF1], image[0xFF2]}));
    EXPECT_EQ(at + 2, w.size());
    EXPECT_EQ(rig.radio.CompletedWrites(), 1);
    EXPECT_EQ(rig.host.progress, 397);
    EXPECT_EQ(rig.host.destroys, 1);
    EXPECT_EQ(rig.link.Closes(), 1);
}

TEST(WriteBlocks, RadioHoldsTheImageAfterACompleteWrite) {
    const MemoryImage old = SimulatedRadio::DemoMemory();
    TransferRig rig({}, old);
    MemoryImage image = Pattern(9);
    ASSERT_EQ(rig.Run(Write, image), TransferOutcome::Completed);
    EXPECT_TRUE(SameRange(rig.radio.Memory(), image, 0, ImageMap::TransferEnd));
    EXPECT_TRUE(SameRange(rig.radio.Memory(), image, 0xFF0, 0xFF2));
    EXPECT_TRUE(SameRange(rig.radio.Memory(), old, 0xC68, 0xFEF));
}

TEST(WriteBlocks, ConfirmationAcknowledgementDoesNotCountForTheFirstBlock) {
    // The radio answers the confirmation twice and never acknowledges block 0.
    TransferRig rig({.noAckBlock = 0});
    rig.filter = [](const Bytes& written, Bytes reply) {
        if (written == Bytes{0x06} && reply == Bytes{0x06}) {
            reply.push_back(0x06);
        }
        return reply;
    };
    MemoryImage image;
    EXPECT_EQ(rig.Run(Write, image), TransferOutcome::BlockRefused);
    EXPECT_EQ(rig.radio.CompletedWrites(), 0); // the closing exchange alone is no write
}

TEST(WriteBlocks, AcknowledgementOfTheHeaderAloneDoesNotCount) {
    TransferRig rig({.noAckBlock = 2});
    rig.filter = [](const Bytes& written, Bytes reply) {
        if (written.size() == 4 && written[0] == 'W') {
            reply.push_back(0x06); // too early: before the data
        }
        return reply;
    };
    MemoryImage image;
    EXPECT_EQ(rig.Run(Write, image), TransferOutcome::BlockRefused);
    EXPECT_EQ(rig.Requests().size(), 4u); // blocks 0-2 and the closing header
}

TEST(WriteBlocks, RefusedBlockStillSendsTheBandEdgesAndEndsWithTheBarFull) {
    const MemoryImage old = SimulatedRadio::DemoMemory();
    TransferRig rig({.refuseBlock = 10}, old);
    MemoryImage image = Pattern(9);
    EXPECT_EQ(rig.Run(Write, image), TransferOutcome::BlockRefused);
    EXPECT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.Requests().back(), (Bytes{0x57, 0x0F, 0xF0, 0x03}));
    EXPECT_EQ(rig.link.Written().back(), (Bytes{image[0xFF0], image[0xFF1], image[0xFF2]}));
    EXPECT_TRUE(SameRange(rig.radio.Memory(), image, 0, 79));
    EXPECT_TRUE(SameRange(rig.radio.Memory(), old, 80, 87));
    EXPECT_EQ(rig.host.progress, 397);
    EXPECT_EQ(rig.host.destroys, 1);
    EXPECT_EQ(rig.link.Closes(), 1);
}

TEST(WriteBlocks, SilentBlockIsRefusedAfterTheReadTimeout) {
    TransferRig rig({.noAckBlock = 0});
    MemoryImage image;
    EXPECT_EQ(rig.Run(Write, image), TransferOutcome::BlockRefused);
    EXPECT_EQ(rig.Requests().size(), 2u);
}

TEST(WriteBlocks, CancelIsTestedBeforeEachOfTheTwentyOnePumps) {
    {
        TransferRig rig;
        rig.host.cancelAtPump = 7 + 21; // seen at the first test of block 1
        MemoryImage image;
        EXPECT_EQ(rig.Run(Write, image), TransferOutcome::Cancelled);
        EXPECT_EQ(rig.Requests().size(), 2u);
        EXPECT_TRUE(rig.host.messages.empty());
        EXPECT_EQ(rig.link.Closes(), 1);
    }
    {
        TransferRig rig;
        rig.host.cancelAtPump = 7 + 20; // seen at the last test of block 0
        MemoryImage image;
        EXPECT_EQ(rig.Run(Write, image), TransferOutcome::Cancelled);
        EXPECT_EQ(rig.Requests().size(), 1u);
    }
}

TEST(WriteBlocks, WriteAtLineSpeedTakesTheLineTimePlusTheRequiredSleeps) {
    TransferRig rig({.bLineTiming = true});
    MemoryImage image;
    ASSERT_EQ(rig.Run(Write, image), TransferOutcome::Completed);
    const double sleeps = 7 + 9 + 2 + 2.0 * 397;
    // Wake-up 7 + 1, identity 2 + 8, confirm 1 + 1, per block 4 + 8 + 1, closing 4 + 3 + 1.
    const double bytes = 8 + 10 + 2 + 13.0 * 397 + 8;
    EXPECT_NEAR(rig.host.clockMs, sleeps + bytes * SimulatedRadio::ByteTimeMs, 1e-6);
}

} // namespace
