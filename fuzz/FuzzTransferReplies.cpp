// A read from a radio whose block replies the input spoils: each request takes
// one byte that cuts the reply short, makes it run on with more bytes, doubles
// one of its bytes, or puts a reply of any length and content in its place.
// Whatever comes, a read either leaves the image as it was or completes with
// exactly the data bytes of twelve-byte replies that answered in step: a reply
// cut short, run on or shifted never passes as data, and once the first
// replies echo the block address, every one must.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>

#include "image/ImageMap.h"
#include "link/InMemoryLink.h"
#include "link/ReplyGuard.h"
#include "link/SimulatedRadio.h"
#include "link/TransferSession.h"

namespace {

// Answers Retry as often as the input allows, on a clock that never waits.
class FuzzHost final : public TransferHost {
public:
    explicit FuzzHost(int retries) : m_Retries(retries) {}
    void SetStatusText(const std::string&) override {}
    int ProgressPosition() override { return m_Progress; }
    void StepProgress() override { ++m_Progress; }
    void SetProgress(int position) override { m_Progress = position; }
    void EnableStart() override {}
    bool CancelRequested() override { return false; }
    void Sleep(int) override {}
    void Pump() override {}
    void ShowMessage(const HostMessage&) override {}
    bool AskRetryCancel(const BiText&) override { return m_Retries-- > 0; }
    void DestroyDialog() override {}

private:
    int m_Retries;
    int m_Progress = 0;
};

// The input, byte by byte; zeros once it has run out.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_Data(data), m_Size(size) {}
    std::uint8_t Next() { return m_At < m_Size ? m_Data[m_At++] : 0; }
    bool Left() const { return m_At < m_Size; }

private:
    const std::uint8_t* m_Data;
    std::size_t m_Size;
    std::size_t m_At = 0;
};

using Bytes = InMemoryLink::Bytes;

void Spoil(Bytes& reply, Input& input) {
    const std::uint8_t op = input.Next();
    if (op < 12) {
        reply.resize(std::min<std::size_t>(op, reply.size()));
    } else if (op < 0x40) {
        for (int i = 0; i < op - 11; ++i) {
            reply.push_back(input.Next());
        }
    } else if (op < 0x60) {
        if (!reply.empty()) {
            const auto at = reply.begin() + (op % reply.size());
            reply.insert(at, *at);
        }
    } else if (op < 0x80) {
        reply.assign(input.Next() % 24, 0);
        for (std::uint8_t& b : reply) {
            b = input.Next();
        }
    }
    // Anything else: the reply as the radio gave it.
}

bool Echoes(const Bytes& reply, unsigned address) {
    return reply.size() >= 3 && reply[1] == (address >> 8) && reply[2] == (address & 0xFF);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    MemoryImage memory = SimulatedRadio::DemoMemory();
    for (std::size_t i = 0; i < MemoryImage::Size; ++i) {
        memory[i] = static_cast<std::uint8_t>(memory[i] ^ (i * 31));
    }
    SimulatedRadio radio(memory);
    Input input(data + 1, size - 1);
    std::map<unsigned, Bytes> lastReply; // by address, of the latest attempt
    InMemoryLink link(
        [&](const InMemoryLink::Bytes& written) {
            Bytes reply = radio.Receive(written);
            if (written.size() == 4 && written[0] == 'R' && input.Left()) {
                Spoil(reply, input);
            }
            if (written.size() == 4 && written[0] == 'R') {
                lastReply[static_cast<unsigned>(written[1] << 8 | written[2])] = reply;
            }
            return reply;
        },
        [](double) {});
    FuzzHost host(data[0] % 3);
    TransferSession session(link, host);
    MemoryImage image;
    for (std::size_t i = 0; i < MemoryImage::Size; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7);
    }
    const MemoryImage before = image;
    const TransferOutcome outcome = session.Run(TransferDirection::Read, "COM1", image);
    if (outcome != TransferOutcome::Completed) {
        if (image != before) {
            __builtin_trap(); // a failed read changed the image
        }
        return 0;
    }
    int echoes = 0;
    for (unsigned a = 0; a < ReplyGuard::ProbeReplies * ImageMap::BlockLength; a += 8) {
        echoes += Echoes(lastReply[a], a) ? 1 : 0;
    }
    const bool bEchoes = echoes >= ReplyGuard::EchoesNeeded;
    auto taken = [&](unsigned address, unsigned to, std::size_t count) {
        const Bytes& reply = lastReply[address];
        if (reply.size() != 12 || (bEchoes && !Echoes(reply, address))) {
            __builtin_trap(); // a reply too long, too short or out of step was taken
        }
        if (std::memcmp(image.data() + to, reply.data() + 4, count) != 0) {
            __builtin_trap(); // the image does not hold the reply's data bytes
        }
    };
    for (unsigned a = 0; a <= ImageMap::TransferEnd; a += ImageMap::BlockLength) {
        taken(a, a, ImageMap::BlockLength);
    }
    taken(TransferSession::ClosingAddress, ImageMap::BandLimits, ImageMap::BandLimitsSize);
    return 0;
}
