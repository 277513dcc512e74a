// The start of a transfer: opening the port, wake-up, identity check and the
// acknowledgement exchange, with the messages and retries around them.
#include <algorithm>
#include <gtest/gtest.h>

#include "TransferRig.h"
#include "image/ImageMap.h"
#include "link/TransferTexts.h"

namespace {

using Bytes = TransferRig::Bytes;
constexpr auto Read = TransferDirection::Read;
constexpr auto Write = TransferDirection::Write;

MemoryImage Pattern() {
    MemoryImage image;
    for (std::size_t i = 0; i < MemoryImage::Size; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return image;
}

TEST(PortOpening, FailedOpenShowsTheMessageWithTheSystemReasonAndSendsNothing) {
    TransferRig rig;
    rig.link.SetOpenFailure("Permission denied");
    MemoryImage image = Pattern();
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::PortNotOpened);
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_STREQ(rig.host.messages[0].text.english, TransferTexts::PortNotOpened.english);
    EXPECT_EQ(rig.host.messages[0].details, "Permission denied");
    EXPECT_EQ(rig.host.destroys, 1);
    EXPECT_TRUE(rig.link.Written().empty());
    EXPECT_EQ(rig.link.Closes(), 0);
    EXPECT_EQ(image, Pattern());
}

TEST(PortOpening, PortNameIsPassedUnchangedAndConfiguredOnce) {
    TransferRig rig;
    MemoryImage image;
    TransferSession session(rig.link, rig.host);
    session.Run(Read, "COM3", image);
    EXPECT_EQ(rig.link.PortName(), "COM3");
    EXPECT_EQ(rig.link.Configures(), 1);
    ASSERT_GE(rig.host.statuses.size(), 2u);
    EXPECT_EQ(rig.host.statuses[0], TransferTexts::StatusDetecting);
    EXPECT_EQ(rig.host.statuses[1], TransferTexts::StatusWaiting);
}

TEST(WakeUp, SilentRadioGetsFourFramesEndingBABAThenSynchronizationError) {
    TransferRig rig({.bNeverAnswer = true});
    MemoryImage image = Pattern();
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::SyncFailed);
    EXPECT_EQ(rig.WakeUpEndings(), "BABA");
    EXPECT_EQ(rig.link.Written().size(), 28u); // seven single-byte writes per frame
    EXPECT_EQ(rig.link.AbortPurges(), 1);
    EXPECT_EQ(rig.host.MessageTexts(), std::vector<std::string>{TransferTexts::SyncFailed.english});
    EXPECT_EQ(rig.host.statuses.back(), TransferTexts::StatusNotStarted);
    EXPECT_TRUE(rig.host.bStartEnabled);
    EXPECT_EQ(rig.host.destroys, 0); // the dialog stays for another Start
    EXPECT_EQ(rig.link.Closes(), 1);
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_EQ(image, Pattern());
}

TEST(WakeUp, StartAfterSynchronizationErrorOpensThePortAgain) {
    TransferRig rig({.answerFromWakeUp = 5});
    MemoryImage image = Pattern();
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::SyncFailed);
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::Completed);
    EXPECT_EQ(rig.link.Opens(), 2);
    EXPECT_EQ(rig.link.Closes(), 2);
    EXPECT_EQ(rig.WakeUpEndings(), "BABAB");
}

TEST(WakeUp, AcknowledgedThirdFrameIsFollowedAtOnceByTheIdentityRequest) {
    TransferRig rig({.answerFromWakeUp = 3});
    MemoryImage image;
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::Completed);
    EXPECT_EQ(rig.WakeUpEndings(), "BAB");
    const auto& w = rig.link.Written();
    EXPECT_EQ(w[21], Bytes{0x4D});
    EXPECT_EQ(w[22], Bytes{0x02});
}

TEST(WakeUp, SevenPumpsWithOneMillisecondSleepsComeBeforeTheFirstFrame) {
    TransferRig rig({.bNeverAnswer = true});
    MemoryImage image;
    rig.Run(Read, image);
    EXPECT_EQ(rig.host.pumps, 7);
    // 7 pumps x 1 ms, then per frame 7 x 1 ms + 2 ms and a 590 ms read timeout.
    EXPECT_DOUBLE_EQ(rig.host.clockMs, 7 + 4 * (7 + 2 + 590));
}

TEST(WakeUp, CancelDuringTheFirstPumpsEndsBeforeAnyByteIsSent) {
    TransferRig rig;
    rig.host.cancelAtPump = 3;
    MemoryImage image = Pattern();
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::Cancelled);
    EXPECT_TRUE(rig.link.Written().empty());
    EXPECT_EQ(rig.host.destroys, 1);
    EXPECT_EQ(rig.link.Closes(), 1);
    EXPECT_EQ(image, Pattern());
}

TEST(Identity, Versions37AndFFAreAccepted) {
    for (std::uint8_t version : {0x37, 0xFF}) {
        TransferRig rig({.version = version});
        MemoryImage image;
        EXPECT_EQ(rig.Run(Read, image), TransferOutcome::Completed) << int(version);
        EXPECT_TRUE(rig.host.messages.empty());
    }
}

TEST(Identity, Version38IsAModelMismatchAndNothingIsTransferred) {
    TransferRig rig({.version = 0x38});
    MemoryImage image = Pattern();
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::ModelMismatch);
    EXPECT_EQ(rig.host.MessageTexts(),
              std::vector<std::string>{TransferTexts::ModelMismatch.english});
    EXPECT_TRUE(rig.Requests().empty());
    EXPECT_EQ(rig.FirstWrite({0x06}), -1);
    EXPECT_EQ(rig.host.destroys, 1);
    EXPECT_EQ(rig.link.Closes(), 1);
    EXPECT_EQ(image, Pattern());
}

TEST(Identity, WrongModelIdentifierIsAModelMismatch) {
    TransferRig rig({.bWrongModel = true});
    MemoryImage image;
    EXPECT_EQ(rig.Run(Write, image), TransferOutcome::ModelMismatch);
    EXPECT_EQ(rig.radio.CompletedWrites(), 0);
}

TEST(Identity, AWrongModelIsNamedOnlyWhenTheModelBytesDiffer) {
    // A slow radio within the timeouts is read; a reply that never brought
    // its model bytes is a communication error, not a wrong model.
    struct Case {
        const char* what;
        SimulatedRadioOptions options;
        std::size_t identityLength; // of the radio's 8-byte reply
        TransferOutcome outcome;
    };
    const Case cases[] = {
        {"40 ms between bytes", {.byteGapMs = 40}, 8, TransferOutcome::Completed},
        {"400 ms between bytes", {.byteGapMs = 400}, 8, TransferOutcome::Completed},
        {"slow and the wrong model",
         {.bWrongModel = true, .byteGapMs = 40},
         8,
         TransferOutcome::ModelMismatch},
        {"slow and version 38",
         {.version = 0x38, .byteGapMs = 40},
         8,
         TransferOutcome::ModelMismatch},
        {"no identity reply", {}, 0, TransferOutcome::CommunicationFailed},
        {"model bytes only", {}, 4, TransferOutcome::CommunicationFailed},
        {"slower than the timeouts: a late acknowledgement in front of the model",
         {.byteGapMs = 700},
         8,
         TransferOutcome::CommunicationFailed},
        {"far slower than the timeouts", {.byteGapMs = 5000}, 8, TransferOutcome::SyncFailed},
    };
    for (const Case& c : cases) {
        for (const ReplyHeader layout : AllReplyHeaders) {
            for (const auto direction : {Read, Write}) {
                SimulatedRadioOptions options = c.options;
                options.replyHeader = layout;
                TransferRig rig(options, Pattern());
                rig.filter = [&](const Bytes& written, Bytes reply) {
                    if (written == Bytes{0x02} && reply.size() == 8) {
                        reply.resize(c.identityLength);
                    }
                    return reply;
                };
                MemoryImage image = SimulatedRadio::DemoMemory();
                const MemoryImage sent = image;
                EXPECT_EQ(rig.Run(direction, image), c.outcome) << c.what;
                const std::vector<std::string> named = rig.host.MessageTexts();
                const bool bNamed =
                    !named.empty() && named[0] == TransferTexts::ModelMismatch.english;
                EXPECT_EQ(bNamed, c.outcome == TransferOutcome::ModelMismatch) << c.what;
                if (c.outcome == TransferOutcome::Completed) {
                    // What the radio now holds, or what the read brought.
                    const MemoryImage& got = direction == Read ? image : rig.radio.Memory();
                    const MemoryImage& want = direction == Read ? Pattern() : sent;
                    EXPECT_TRUE(
                        std::equal(got.data(), got.data() + ImageMap::TransferEnd + 1, want.data()))
                        << c.what;
                }
                EXPECT_EQ(rig.link.Closes(), 1);
            }
        }
    }
}

TEST(Identity, EarlierVersionWarnsThenDetectsAgainWithoutCheckingTheSecondReply) {
    TransferRig rig({.version = 0x36});
    MemoryImage image;
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::Completed);
    EXPECT_EQ(rig.host.MessageTexts(),
              std::vector<std::string>{TransferTexts::EarlierVersion.english});
    EXPECT_EQ(rig.WakeUpEndings(), "BB");
    const std::vector<std::string> waiting(rig.host.statuses.begin(),
                                           rig.host.statuses.begin() + 3);
    EXPECT_EQ(waiting, (std::vector<std::string>{TransferTexts::StatusDetecting,
                                                 TransferTexts::StatusWaiting,
                                                 TransferTexts::StatusWaiting}));
    EXPECT_EQ(rig.link.AbortPurges(), 2);
    // Two rounds of seven pumps before the blocks, then 19 per block.
    EXPECT_EQ(rig.host.pumps, 14 + 19 * ImageMap::BlockCount);
}

TEST(Identity, RepeatedDetectAfterEarlierVersionKeepsTheFailureCount) {
    // The radio needs two frames, then answers once as an earlier version and
    // falls silent: the repeated wake-up may only try three more frames.
    TransferRig rig({.answerFromWakeUp = 2, .version = 0x36});
    bool bIdentified = false;
    rig.filter = [&bIdentified](const Bytes&, Bytes reply) {
        if (bIdentified) {
            return Bytes{};
        }
        bIdentified = reply.size() == 8;
        return reply;
    };
    MemoryImage image;
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::SyncFailed);
    EXPECT_EQ(rig.WakeUpEndings(), "BABAB");
    EXPECT_EQ(rig.host.MessageTexts(),
              (std::vector<std::string>{TransferTexts::EarlierVersion.english,
                                        TransferTexts::SyncFailed.english}));
}

TEST(CommunicationPrompt, IdentityPortErrorAsksAndCancelClosesThePort) {
    TransferRig rig;
    rig.link.SetReadFailure([](std::size_t n) { return n == 8; });
    MemoryImage image = Pattern();
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::CommunicationFailed);
    EXPECT_EQ(rig.host.asked, std::vector<std::string>{TransferTexts::CommunicationFailed.english});
    EXPECT_EQ(rig.host.destroys, 1);
    EXPECT_EQ(rig.link.Closes(), 1);
    EXPECT_EQ(image, Pattern());
}

TEST(CommunicationPrompt, RetryStartsTheWakeUpAgainWithAFreshFailureCount) {
    TransferRig rig;
    int identityReads = 0;
    rig.link.SetReadFailure(
        [&identityReads](std::size_t n) { return n == 8 && ++identityReads == 1; });
    bool bFailedOnce = false;
    rig.filter = [&bFailedOnce, &identityReads](const Bytes&, Bytes reply) {
        // After the port error the radio stays silent.
        bFailedOnce = bFailedOnce || identityReads > 0;
        return bFailedOnce ? Bytes{} : reply;
    };
    rig.host.retryAnswers = {true};
    MemoryImage image;
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::SyncFailed);
    EXPECT_EQ(rig.WakeUpEndings(), "BBABA");
    EXPECT_EQ(rig.host.asked.size(), 1u);
    EXPECT_EQ(rig.link.Opens(), 1);
    EXPECT_EQ(rig.link.Closes(), 1);
}

TEST(Confirm, FailedAcknowledgementWriteIsReportedAndSentAgain) {
    TransferRig rig;
    int failures = 0;
    rig.link.SetWriteFailure(
        [&failures](const Bytes& b) { return b == Bytes{0x06} && ++failures == 1; });
    MemoryImage image;
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::Completed);
    EXPECT_EQ(rig.host.MessageTexts(),
              std::vector<std::string>{TransferTexts::SendOrderError.english});
}

TEST(Confirm, AcknowledgementThatNeverGoesOutEndsInTheCommunicationPrompt) {
    TransferRig rig;
    rig.link.SetWriteFailure([](const Bytes& b) { return b == Bytes{0x06}; });
    MemoryImage image = Pattern();
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::CommunicationFailed);
    EXPECT_EQ(rig.host.messages.size(), std::size_t(TransferSession::MaxAckSends - 1));
    EXPECT_EQ(rig.host.asked.size(), 1u);
    EXPECT_EQ(rig.link.Closes(), 1);
    EXPECT_EQ(image, Pattern());
}

TEST(Confirm, UnansweredAcknowledgementWaits601PumpsBeforeThePrompt) {
    TransferRig rig;
    rig.filter = [](const Bytes& written, Bytes reply) {
        return written == Bytes{0x06} ? Bytes{} : reply;
    };
    MemoryImage image;
    EXPECT_EQ(rig.Run(Read, image), TransferOutcome::CommunicationFailed);
    ASSERT_EQ(rig.host.pumpsAtAsk.size(), 1u);
    EXPECT_EQ(rig.host.pumpsAtAsk[0], 7 + 601);
    EXPECT_TRUE(rig.Requests().empty());
}

TEST(Confirm, ALeftoverAcknowledgementInTheBufferDoesNotCountAsAReply) {
    // Earlier version, then the second identity reply and the confirmation
    // never come: byte 0 of the buffer still holds the wake-up 0x06.
    TransferRig rig({.version = 0x36});
    int identities = 0;
    rig.filter = [&identities](const Bytes& written, Bytes reply) {
        if (written == Bytes{0x02} && reply.size() == 8 && ++identities == 2) {
            return Bytes{};
        }
        return identities >= 2 && written == Bytes{0x06} ? Bytes{} : reply;
    };
    MemoryImage image;
    EXPECT_EQ(rig.Run(Write, image), TransferOutcome::CommunicationFailed);
    EXPECT_TRUE(rig.Requests().empty());
}

TEST(Confirm, CancelDuringTheWaitEndsWithoutThePrompt) {
    TransferRig rig;
    rig.filter = [](const Bytes& written, Bytes reply) {
        return written == Bytes{0x06} ? Bytes{} : reply;
    };
    rig.host.cancelAtPump = 100;
    MemoryImage image;
    EXPECT_EQ(rig.Run(Write, image), TransferOutcome::Cancelled);
    EXPECT_TRUE(rig.host.asked.empty());
    EXPECT_EQ(rig.link.Closes(), 1);
}

} // namespace
