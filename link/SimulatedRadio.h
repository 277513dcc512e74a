#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/MemoryImage.h"

// Where a read reply's 4-byte header puts the block address (AH AL): radios
// differ, and the program must follow each of them.
enum class ReplyHeader {
    CommandAddressLength, // 57 AH AL 08
    CommandZeroAddress,   // 57 00 AH AL
    CommandLengthAddress, // 57 08 AH AL
};

// Every layout above, for tests that must not depend on one.
inline constexpr ReplyHeader AllReplyHeaders[] = {ReplyHeader::CommandAddressLength,
                                                  ReplyHeader::CommandZeroAddress,
                                                  ReplyHeader::CommandLengthAddress};

// How the simulated radio answers and misbehaves, for tests and for trying the program's
// error handling. Block numbers count from 0; -1 means never.
struct SimulatedRadioOptions {
    ReplyHeader replyHeader = ReplyHeader::CommandAddressLength;
    bool bNeverAnswer = false;
    int answerFromWakeUp = 1; // ignores the wake-up frames before this one
    bool bWrongModel = false;
    std::uint8_t version = 0x37;
    int shortReplyBlock = -1; // read: the reply to this block is cut short
    std::size_t shortReplyLength = 9;
    // read: the reply to this block has its byte at extraBytePosition twice,
    // as a noisy cable may double a byte
    int extraByteBlock = -1;
    std::size_t extraBytePosition = 4;
    // read: this block is answered with the header and data of the next one
    // (the last block with those of the one before)
    int wrongBlock = -1;
    int noAckBlock = -1;  // this block gets no acknowledgement
    int refuseBlock = -1; // this block is answered with 0x15 instead of 0x06
    // write: this block is acknowledged, but its first byte is stored with
    // the lowest bit flipped, as a radio with a bad memory cell would
    int corruptWriteBlock = -1;
    // Whether the transport should pace the bytes as a 9600-baud line would.
    bool bLineTiming = false;
    // The cable echoes: every byte sent comes back at once, before any answer.
    bool bEchoCable = false;
    // The pseudo-terminal goes away, as a cable pulled out, once this many
    // bytes arrived; -1: never.
    long vanishAfterBytes = -1;
    // How long the radio leaves before each byte of its answers (a slow
    // radio); the in-memory transport keeps it on its clock, the
    // pseudo-terminal on the real one.
    double byteGapMs = 0;
};

// A radio that answers the programming protocol: 4096 bytes of memory, the
// wake-up handshake, identity, acknowledgements, block reads and writes and
// the closing exchange. It only turns received bytes into reply bytes; a
// transport (in-memory link, pseudo-terminal) carries them.
class SimulatedRadio {
public:
    // One byte on a 9600-baud line: start bit, 8 data bits, stop bit.
    static constexpr double ByteTimeMs = 10.0 * 1000.0 / 9600.0;
    static constexpr char ModelId[] = "T426";
    static constexpr std::uint8_t Ack = 0x06;
    static constexpr std::uint8_t Nak = 0x15;

    explicit SimulatedRadio(const MemoryImage& memory = DemoMemory(),
                            const SimulatedRadioOptions& options = {});

    // Bytes from the PC in, the radio's answer out (often nothing yet).
    std::vector<std::uint8_t> Receive(const std::uint8_t* data, std::size_t n);
    std::vector<std::uint8_t> Receive(const std::vector<std::uint8_t>& data) {
        return Receive(data.data(), data.size());
    }
    // The line was quiet for long: a half-received frame is dropped, as a
    // radio does after its own timeout.
    void LineIdle() { m_Frame.clear(); }

    const MemoryImage& Memory() const { return m_Memory; }
    const SimulatedRadioOptions& Options() const { return m_Options; }
    int WakeUps() const { return m_WakeUps; }
    int CompletedReads() const { return m_CompletedReads; }
    // Writes that brought all 397 blocks and the closing frame.
    int CompletedWrites() const { return m_CompletedWrites; }

    // A plausible radio: a new document's memory with 16 channels, band
    // 400-480 MHz.
    static MemoryImage DemoMemory();

private:
    enum class State { Asleep, Identity, Confirm, Programming };

    void Take(std::uint8_t byte, std::vector<std::uint8_t>& out);
    bool TakeWakeUp(std::vector<std::uint8_t>& out);
    void TakeCommand(std::vector<std::uint8_t>& out);
    void AnswerRead(unsigned address, std::vector<std::uint8_t>& out);
    void AnswerWrite(unsigned address, std::size_t length, std::vector<std::uint8_t>& out);
    void Acknowledge(int block, std::vector<std::uint8_t>& out);

    MemoryImage m_Memory;
    SimulatedRadioOptions m_Options;
    State m_State = State::Asleep;
    std::vector<std::uint8_t> m_Frame;
    int m_WakeUps = 0;
    int m_LastReadBlock = -1; // the block whose acknowledgement is expected
    bool m_bClosingRead = false;
    int m_CompletedReads = 0;
    int m_CompletedWrites = 0;
    int m_BlocksWritten = 0; // of the write in progress; -1 once one failed
};
