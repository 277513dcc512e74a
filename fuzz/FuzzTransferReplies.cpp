// A read from a radio whose replies the input cuts short: each byte below 12
// cuts the next block or closing reply to that many bytes. Whatever is cut,
// a read either brings every byte the radio holds or leaves the image as it
// was; a cut reply never passes as data.
#include <cstdint>
#include <cstring>

#include "image/ImageMap.h"
#include "link/InMemoryLink.h"
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
    std::size_t next = 1;
    InMemoryLink link(
        [&](const InMemoryLink::Bytes& written) {
            InMemoryLink::Bytes reply = radio.Receive(written);
            const bool bRequest = written.size() == 4 && written[0] == 'R';
            if (bRequest && next < size) {
                const std::uint8_t cut = data[next++];
                if (cut < 12 && cut < reply.size()) {
                    reply.resize(cut);
                }
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
    if (std::memcmp(image.data(), memory.data(), ImageMap::TransferEnd + 1) != 0 ||
        std::memcmp(image.data() + ImageMap::BandLimits, memory.data() + ImageMap::BandLimits,
                    ImageMap::BandLimitsSize) != 0) {
        __builtin_trap(); // a completed read that does not hold the radio's bytes
    }
    return 0;
}
