#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "image/MemoryImage.h"
#include "link/RadioLink.h"
#include "link/ReplyGuard.h"
#include "link/TransferHost.h"

enum class TransferDirection { Read, Write };

// What the radio said about itself in its identity reply.
struct RadioIdentity {
    std::string model;        // bytes 0-3, anything unprintable as '?'
    std::uint8_t version = 0; // byte 4
};

// How a transfer ended.
enum class TransferOutcome {
    Completed,
    PortNotOpened,
    SyncFailed, // the dialog stays for another Start
    ModelMismatch,
    CommunicationFailed, // the user answered Cancel to the communication prompt
    ShortReply,          // read: a reply cut short, and the user answered Cancel
    OutOfStep,       // read: a reply too long or for another block, and the user answered Cancel
    AcknowledgeLost, // read: no acknowledgement after a block
    BlockRefused,    // write: a block was not acknowledged
    Cancelled,
};

// How a transfer ended, in a few English words for logs and orinctl.
const char* OutcomeName(TransferOutcome outcome);

// The programming protocol: wake-up, identity check, acknowledgement, 397
// blocks of 8 bytes and the closing exchange of the band edges. Every byte
// goes through the RadioLink, every wait and every word to the user through
// the TransferHost.
class TransferSession {
public:
    static constexpr char RadioModelId[] = "T426";
    static constexpr std::uint8_t Ack = 0x06;
    static constexpr std::uint8_t AcceptedVersion = 0x37;
    static constexpr std::uint8_t AnyVersion = 0xFF;
    static constexpr int WakeUpLimit = 5; // the failure counter starts at 1
    static constexpr int DetectPumps = 7;
    static constexpr int ConfirmFailurePumps = 601;
    static constexpr int ReadBlockPumps = 19;
    static constexpr int WriteBlockPumps = 21;
    // The acknowledgement of the identity reply is sent again after a failed
    // write, but not for ever: a port that cannot write is a communication
    // failure, which the user may retry.
    static constexpr int MaxAckSends = 4;
    static constexpr std::uint16_t ClosingAddress = 0x0FF0;

    TransferSession(RadioLink& link, TransferHost& host);

    // Runs one transfer on the named port. Read: the blocks go into a copy of
    // image, which replaces image only when the whole read succeeded, so the
    // bytes the radio does not carry keep their values and a failed read
    // changes nothing. Write: image is sent as it is at the call.
    TransferOutcome Run(TransferDirection direction, const std::string& portName,
                        MemoryImage& image);

    // The opening of a transfer (wake-up, identity check, acknowledgement) and
    // the closing exchange a read ends with, and no block between them: the
    // connection check. Nothing is written and nothing read is kept; the
    // radio is left as after a read. Completed, or how the opening failed
    // (ShortReply or OutOfStep: the closing reply).
    TransferOutcome Handshake(const std::string& portName);

    // The identity reply of the last Run, when a whole one arrived.
    const std::optional<RadioIdentity>& Identity() const { return m_Identity; }

private:
    enum class Step { Detect, Identify, Confirm, CommunicationPrompt, Blocks, Finished };

    TransferOutcome Exchange();
    Step Detect();
    Step Identify();
    Step Confirm();
    TransferOutcome ReadBlocks();
    TransferOutcome WriteBlocks();
    // Completed, ShortReply or OutOfStep: whether the reply to the read
    // request for address, reply.count bytes in the buffer, may be taken.
    TransferOutcome CheckReply(unsigned address, const RadioLink::ReadResult& reply);
    TransferOutcome CloseRead(); // Completed when the band edges arrived whole
    void CloseWrite();
    // A reply of n bytes: read on past a gap between bytes as long as the next
    // byte comes within the timeout of what is still missing.
    RadioLink::ReadResult ReadReply(std::size_t n);
    bool PumpWithSleep(int cycles); // false when Cancel was seen
    void AdvanceProgress();
    // The message text with what happened at the failing block said in it; the
    // returned text lives until the next call.
    BiText Told(const BiText& text);
    bool Send(std::initializer_list<std::uint8_t> bytes);
    bool Send(const std::uint8_t* data, std::size_t n);
    void Report(const BiText& text);
    TransferOutcome Finish(TransferOutcome outcome, MemoryImage& image);

    RadioLink& m_Link;
    TransferHost& m_Host;
    TransferDirection m_Direction = TransferDirection::Read;
    MemoryImage m_Start; // the image the transfer began with
    MemoryImage m_Stage;
    std::array<std::uint8_t, 20> m_Buffer{};
    int m_FailureCounter = 1;
    bool m_bCheckIdentity = true;
    bool m_bHandshakeOnly = false;
    std::optional<RadioIdentity> m_Identity;
    // Where this radio's replies echo the block address, as learnt from the
    // first blocks of a read.
    ReplyGuard m_Guard;
    TransferOutcome m_Outcome = TransferOutcome::Completed;
    // Where the block exchanges failed: the address, the bytes of a short
    // reply, the byte that came instead of an acknowledgement.
    struct Failure {
        unsigned address = 0;
        std::size_t received = 0;
        std::optional<std::uint8_t> answer;
    };
    Failure m_Failure;
    std::string m_ToldEnglish;
    std::string m_ToldChinese;
};
