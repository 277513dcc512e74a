// Full read and full write over a pseudo-terminal against the simulated radio
// with 9600-baud line timing. Prints the measured time, the floor (line time
// of every byte that crossed plus the sleeps the protocol requires) and their
// ratio; the target is a ratio of at most 1.10.
#include <chrono>
#include <cstdio>
#include <thread>

#include "link/LoggingLink.h"
#include "link/PtyRadioServer.h"
#include "link/SerialLink.h"
#include "link/SimulatedRadio.h"
#include "link/TransferSession.h"

namespace {

class BenchHost final : public TransferHost {
public:
    double sleptMs = 0;
    int progress = 0;
    void SetStatusText(const std::string&) override {}
    int ProgressPosition() override { return progress; }
    void StepProgress() override { ++progress; }
    void SetProgress(int position) override { progress = position; }
    void EnableStart() override {}
    bool CancelRequested() override { return false; }
    void Sleep(int ms) override {
        sleptMs += ms;
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    void Pump() override {}
    void ShowMessage(const HostMessage& m) override {
        std::fprintf(stderr, "%s\n", m.text.english);
    }
    bool AskRetryCancel(const BiText& t) override {
        std::fprintf(stderr, "%s\n", t.english);
        return false;
    }
    void DestroyDialog() override {}
};

bool Measure(const char* name, TransferDirection direction, const std::string& port) {
    SerialLink serial;
    LoggingLink link(serial);
    BenchHost host;
    MemoryImage image = SimulatedRadio::DemoMemory();
    TransferSession session(link, host);
    const auto start = std::chrono::steady_clock::now();
    const TransferOutcome outcome = session.Run(direction, port, image);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::size_t bytes = 0;
    for (const LoggingLink::Entry& e : link.Entries()) {
        bytes += e.bytes.size();
    }
    const double floor = host.sleptMs + static_cast<double>(bytes) * SimulatedRadio::ByteTimeMs;
    std::printf(
        "%-6s measured %8.1f ms  floor %8.1f ms (%zu bytes, %.0f ms sleeps)  ratio %.3f%s\n", name,
        ms, floor, bytes, host.sleptMs, ms / floor,
        outcome == TransferOutcome::Completed ? "" : "  (transfer FAILED)");
    return outcome == TransferOutcome::Completed && ms / floor <= 1.10;
}

} // namespace

int main() {
    SimulatedRadio radio(SimulatedRadio::DemoMemory(), {.bLineTiming = true});
    PtyRadioServer server(radio);
    std::string error;
    if (!server.Start(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::thread serving([&server] { server.Serve(); });
    const bool readOk = Measure("read", TransferDirection::Read, server.SlavePath());
    const bool writeOk = Measure("write", TransferDirection::Write, server.SlavePath());
    server.Stop();
    serving.join();
    std::printf("target ratio <= 1.10: %s\n", readOk && writeOk ? "met" : "NOT met");
    return readOk && writeOk ? 0 : 1;
}
