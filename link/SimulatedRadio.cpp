#include "link/SimulatedRadio.h"

#include <cstring>

#include "image/ImageMap.h"

namespace {

constexpr std::uint8_t WakeUpStart = 0x02;
constexpr std::uint8_t WakeUpLetters[] = {'P', 'R', 'O', 'G', 'R'};
constexpr std::size_t WakeUpLength = 7;
constexpr std::uint8_t IdentityFirst = 0x4D;
constexpr std::uint8_t IdentitySecond = 0x02;
constexpr std::uint8_t ReadCommand = 'R';
constexpr std::uint8_t WriteCommand = 'W';
constexpr std::size_t HeaderLength = 4;
constexpr unsigned ClosingAddress = 0x0FF0;

// Receive frequency and transmit frequency in 10 Hz units as 8 BCD digits, the
// least significant pair first.
void PutFrequency(MemoryImage& image, unsigned at, unsigned long units) {
    for (int i = 0; i < 4; ++i) {
        const unsigned pair = static_cast<unsigned>(units % 100);
        image[at + i] = static_cast<std::uint8_t>((pair / 10) << 4 | (pair % 10));
        units /= 100;
    }
}

struct DemoChannel {
    const char* name;
    unsigned long rxUnits;
    unsigned long txUnits;
    std::uint8_t toneHigh; // 0xFF: no tone
    std::uint8_t toneLow;
    bool bWide;
};

} // namespace

SimulatedRadio::SimulatedRadio(const MemoryImage& memory, const SimulatedRadioOptions& options)
    : m_Memory(memory), m_Options(options) {}

std::vector<std::uint8_t> SimulatedRadio::Receive(const std::uint8_t* data, std::size_t n) {
    std::vector<std::uint8_t> out;
    if (m_Options.bEchoCable) {
        out.assign(data, data + n);
    }
    if (m_Options.bNeverAnswer) {
        return out;
    }
    for (std::size_t i = 0; i < n; ++i) {
        Take(data[i], out);
    }
    return out;
}

void SimulatedRadio::Take(std::uint8_t byte, std::vector<std::uint8_t>& out) {
    m_Frame.push_back(byte);
    if (m_State == State::Identity && m_Frame[0] == IdentityFirst) {
        if (m_Frame.size() < 2) {
            return;
        }
        if (m_Frame[1] == IdentitySecond) {
            out.insert(out.end(), ModelId, ModelId + 4);
            if (m_Options.bWrongModel) {
                out[out.size() - 1] = '9';
            }
            out.insert(out.end(), {m_Options.version, 0x00, 0x00, 0x00});
            m_State = State::Confirm;
        }
        m_Frame.clear();
        return;
    }
    if (m_Frame[0] == WakeUpStart) {
        TakeWakeUp(out);
        return;
    }
    switch (m_State) {
    case State::Asleep:
    case State::Identity:
        m_Frame.clear(); // noise
        return;
    case State::Confirm:
        if (byte == Ack) {
            out.push_back(Ack);
            m_State = State::Programming;
            m_LastReadBlock = -1;
            m_bClosingRead = false;
        }
        m_Frame.clear();
        return;
    case State::Programming:
        TakeCommand(out);
        return;
    }
}

bool SimulatedRadio::TakeWakeUp(std::vector<std::uint8_t>& out) {
    const std::size_t at = m_Frame.size() - 1;
    if (at >= 1 && at <= sizeof WakeUpLetters && m_Frame[at] != WakeUpLetters[at - 1]) {
        // Not a wake-up after all; a new frame may start with this byte.
        const std::uint8_t last = m_Frame[at];
        m_Frame.clear();
        if (last == WakeUpStart) {
            m_Frame.push_back(last);
        }
        return false;
    }
    if (m_Frame.size() < WakeUpLength) {
        return false;
    }
    const std::uint8_t mode = m_Frame.back();
    m_Frame.clear();
    if (mode != 'A' && mode != 'B') {
        return false;
    }
    ++m_WakeUps;
    if (m_WakeUps < m_Options.answerFromWakeUp) {
        return false;
    }
    m_BlocksWritten = 0;
    out.push_back(Ack);
    m_State = State::Identity;
    return true;
}

void SimulatedRadio::TakeCommand(std::vector<std::uint8_t>& out) {
    const std::uint8_t command = m_Frame[0];
    if (command == Ack) {
        m_Frame.clear();
        Acknowledge(m_LastReadBlock, out);
        if (m_bClosingRead) {
            ++m_CompletedReads;
            m_State = State::Asleep;
        }
        return;
    }
    if (command != ReadCommand && command != WriteCommand) {
        m_Frame.clear();
        return;
    }
    if (m_Frame.size() < HeaderLength) {
        return;
    }
    const unsigned address = static_cast<unsigned>(m_Frame[1] << 8 | m_Frame[2]);
    const std::size_t length = m_Frame[3];
    if (command == ReadCommand) {
        m_Frame.clear();
        AnswerRead(address, out);
        return;
    }
    if (m_Frame.size() < HeaderLength + length) {
        return;
    }
    AnswerWrite(address, length, out);
    m_Frame.clear();
}

void SimulatedRadio::AnswerRead(unsigned address, std::vector<std::uint8_t>& out) {
    const int block = static_cast<int>(address / ImageMap::BlockLength);
    m_bClosingRead = address == ClosingAddress;
    m_LastReadBlock = m_bClosingRead ? -1 : block;
    unsigned from = address;
    if (!m_bClosingRead && block == m_Options.wrongBlock) {
        from = block + 1 < ImageMap::BlockCount ? address + ImageMap::BlockLength
                                                : address - ImageMap::BlockLength;
    }
    const auto high = static_cast<std::uint8_t>(from >> 8);
    const auto low = static_cast<std::uint8_t>(from & 0xFF);
    std::vector<std::uint8_t> reply;
    switch (m_Options.replyHeader) {
    case ReplyHeader::CommandAddressLength:
        reply = {WriteCommand, high, low, ImageMap::BlockLength};
        break;
    case ReplyHeader::CommandZeroAddress:
        reply = {WriteCommand, 0x00, high, low};
        break;
    case ReplyHeader::CommandLengthAddress:
        reply = {WriteCommand, ImageMap::BlockLength, high, low};
        break;
    }
    for (unsigned i = 0; i < ImageMap::BlockLength; ++i) {
        reply.push_back(m_Memory[(from + i) % MemoryImage::Size]);
    }
    if (!m_bClosingRead && block == m_Options.shortReplyBlock) {
        reply.resize(m_Options.shortReplyLength);
    }
    if (!m_bClosingRead && block == m_Options.extraByteBlock &&
        m_Options.extraBytePosition < reply.size()) {
        const auto at = reply.begin() + static_cast<long>(m_Options.extraBytePosition);
        reply.insert(at, *at);
    }
    out.insert(out.end(), reply.begin(), reply.end());
}

void SimulatedRadio::AnswerWrite(unsigned address, std::size_t length,
                                 std::vector<std::uint8_t>& out) {
    const int block = static_cast<int>(address / ImageMap::BlockLength);
    const bool bClosing = address == ClosingAddress;
    if (!bClosing && (block == m_Options.noAckBlock || block == m_Options.refuseBlock)) {
        m_BlocksWritten = -1;
        if (block == m_Options.refuseBlock) {
            out.push_back(Nak);
        }
        return;
    }
    for (std::size_t i = 0; i < length; ++i) {
        m_Memory[(address + i) % MemoryImage::Size] = m_Frame[HeaderLength + i];
    }
    if (!bClosing && block == m_Options.corruptWriteBlock) {
        m_Memory[address % MemoryImage::Size] ^= 0x01;
    }
    out.push_back(Ack);
    if (!bClosing) {
        // Blocks in order, each accepted: anything else is an interrupted write.
        m_BlocksWritten = block == m_BlocksWritten ? m_BlocksWritten + 1 : -1;
        return;
    }
    // The PC sends the closing frame after a failed block too; only a write
    // that brought every block counts as completed.
    if (m_BlocksWritten == ImageMap::BlockCount) {
        ++m_CompletedWrites;
    }
    m_BlocksWritten = 0;
    m_State = State::Asleep;
}

void SimulatedRadio::Acknowledge(int block, std::vector<std::uint8_t>& out) {
    if (block >= 0 && block == m_Options.noAckBlock) {
        return;
    }
    out.push_back(block >= 0 && block == m_Options.refuseBlock ? Nak : Ack);
}

MemoryImage SimulatedRadio::DemoMemory() {
    static const DemoChannel channels[] = {
        {"PMR 1", 44600625, 44600625, 0xFF, 0xFF, false},
        {"PMR 2", 44601875, 44601875, 0xFF, 0xFF, false},
        {"PMR 3", 44603125, 44603125, 0xFF, 0xFF, false},
        {"PMR 4", 44604375, 44604375, 0xFF, 0xFF, false},
        {"PMR 5", 44605625, 44605625, 0x06, 0x70, false},
        {"PMR 6", 44606875, 44606875, 0x06, 0x70, false},
        {"PMR 7", 44608125, 44608125, 0x08, 0x85, false},
        {"PMR 8", 44609375, 44609375, 0x08, 0x85, false},
        {"SITE A", 43500000, 43500000, 0x80, 0x23, true},
        {"SITE B", 43502500, 43502500, 0x80, 0x23, true},
        {"REP IN", 43800000, 43060000, 0x11, 0x88, true},
        {"REP OUT", 43060000, 43800000, 0x11, 0x88, true},
        {"EVENT", 45000000, 45000000, 0xC0, 0x71, true},
        {"CREW", 45012500, 45012500, 0x10, 0x00, false},
        {"SECURITY", 46000000, 46000000, 0x87, 0x54, true},
        {"SIMPLEX", 47900000, 47900000, 0xFF, 0xFF, false},
    };
    MemoryImage image = ImageMap::NewDocumentImage();
    for (int i = 0; i < ImageMap::ScanBitmapSize; ++i) {
        image[ImageMap::ScanBitmap + i] = 0x00;
    }
    int n = 0;
    for (const DemoChannel& c : channels) {
        using namespace ImageMap::Slot;
        const unsigned slot = ImageMap::SlotAddress(n);
        PutFrequency(image, slot + RxFrequencyByte, c.rxUnits);
        PutFrequency(image, slot + TxFrequencyByte, c.txUnits);
        for (unsigned tone : {slot + RxToneByte, slot + TxToneByte}) {
            image[tone] = c.toneLow;
            image[tone + 1] = c.toneHigh;
        }
        image[slot + SignalByte] = 0x01; // no optional signal, scrambler off
        // Forward, busy lock off, in the scan list, bandwidth, high power.
        image[slot + FlagsByte] = static_cast<std::uint8_t>(0xC0 | RepeatForwardBit | ScanAddBit |
                                                            (c.bWide ? WideBit : 0) | HighPowerBit);
        image[slot + PttIdByte] = 0xFE; // PTT ID off
        const unsigned name = ImageMap::NameAddress(n);
        const std::size_t length = std::strlen(c.name);
        for (std::size_t k = 0; k < ImageMap::ChannelNameSize; ++k) {
            std::uint8_t code = 0xFF;
            if (k < length) {
                const char ch = c.name[k];
                code = ch >= '0' && ch <= '9'   ? static_cast<std::uint8_t>(ch - '0')
                       : ch >= 'A' && ch <= 'Z' ? static_cast<std::uint8_t>(10 + ch - 'A')
                       : ch == '-'              ? 36
                                                : 37;
            }
            image[name + k] = code;
        }
        image[ImageMap::ScanBitmap + n / 8] |= static_cast<std::uint8_t>(1u << (n % 8));
        ++n;
    }
    return image;
}
