#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/TransferCommand.h"
#include "image/CProgramDoc.h"
#include "link/SystemSerialLink.h"

namespace {

void WriteUsage(std::ostream& out) {
    out << "usage: orinctl write --port PORT [--retries N] IN.sin\n\n"
           "Writes IN.sin, as stored, into the radio on PORT. The communication-error\n"
           "prompt is answered Retry N times (default 0), then Cancel. Progress and\n"
           "messages go to stderr.\n\n"
        << PortNamesHelp;
}

} // namespace

int RunWrite(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = ParseCliArgs(args, {"--port", "--retries"}, {}, error);
    if (!parsed) {
        std::cerr << "orinctl write: " << error << '\n';
        WriteUsage(std::cerr);
        return ExitUsage;
    }
    if (parsed->help) {
        WriteUsage(std::cout);
        return ExitOk;
    }
    const int retries = ParseRetries(parsed->Value("--retries").value_or("0"));
    if (retries < 0) {
        std::cerr << "orinctl write: --retries takes a count from 0 to 9999, not \""
                  << *parsed->Value("--retries") << "\"\n";
        WriteUsage(std::cerr);
        return ExitUsage;
    }
    if (!parsed->Value("--port") || parsed->positional.size() != 1) {
        std::cerr << "orinctl write: "
                  << (!parsed->Value("--port")     ? "missing --port PORT"
                      : parsed->positional.empty() ? "missing IN.sin"
                                                   : "more than one file given")
                  << '\n';
        WriteUsage(std::cerr);
        return ExitUsage;
    }
    CProgramDoc doc;
    const FileOutcome loaded = doc.LoadFile(parsed->positional[0]);
    if (!loaded.ok) {
        std::cerr << "orinctl write: " << loaded.englishMessage << '\n';
        return ExitFailure;
    }
    const TransferOutcome outcome = RunConsoleTransfer(
        TransferDirection::Write, *parsed->Value("--port"), retries, doc.Image());
    return outcome == TransferOutcome::Completed ? ExitOk : ExitFailure;
}
