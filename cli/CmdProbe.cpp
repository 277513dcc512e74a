#include <chrono>
#include <iostream>
#include <thread>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/ConsoleTransferHost.h"
#include "link/ConnectionCheck.h"
#include "link/PortFacts.h"
#include "link/SystemSerialLink.h"

namespace {

void ProbeUsage(std::ostream& out) {
    out << "usage: orinctl probe --port PORT [--lang en|zh]\n\n"
           "Tells why the radio on PORT does not answer, step by step, one line each,\n"
           "with a check mark or a cross and the reason: the port (it exists, the USB\n"
           "device behind it, it opens), the cable (does it echo what is sent), the radio\n"
           "(it answers the wake-up, names this model and its version, acknowledges) and\n"
           "the line (how fast the radio answers). It stops at the first step that fails.\n"
           "Nothing is written into the radio. Exit status 0 when the radio answered, 1\n"
           "when a step failed.\n\n"
           "  --lang en|zh   language of the lines (default en)\n\n"
        << PortNamesHelp;
}

} // namespace

int RunProbe(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = ParseCliArgs(args, {"--port", "--lang"}, {}, error);
    if (!parsed) {
        std::cerr << "orinctl probe: " << error << '\n';
        ProbeUsage(std::cerr);
        return ExitUsage;
    }
    if (parsed->help) {
        ProbeUsage(std::cout);
        return ExitOk;
    }
    const std::string language = parsed->Value("--lang").value_or("en");
    if (!parsed->Value("--port") || !parsed->positional.empty() ||
        (language != "en" && language != "zh")) {
        std::cerr << "orinctl probe: "
                  << (!parsed->Value("--port")      ? "missing --port PORT"
                      : !parsed->positional.empty() ? "unexpected argument " + parsed->positional[0]
                                                    : "--lang takes en or zh, not " + language)
                  << '\n';
        ProbeUsage(std::cerr);
        return ExitUsage;
    }
    const Lang lang = language == "zh" ? Lang::Chinese : Lang::English;
    const std::string port = *parsed->Value("--port");

    ConsoleTransferHost::CatchInterrupts();
    ConsoleTransferHost interrupts(0, lang);
    SystemSerialLink link;
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    ConnectionCheck check(
        link, [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); },
        [start] { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); },
        [&interrupts] { return interrupts.CancelRequested(); });
    const ConnectionReport report = check.Run(port, PortFacts::Inspect(port));
    std::cout << report.Text(lang) << std::flush;
    if (report.bCancelled) {
        std::cerr << BiText{"cancelled", "已取消"}.In(lang) << '\n';
    }
    return report.RadioAnswered() ? ExitOk : ExitFailure;
}
