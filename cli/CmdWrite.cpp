#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/ComparePrint.h"
#include "cli/FleetWriteCommand.h"
#include "cli/TransferCommand.h"
#include "compare/CompareTexts.h"
#include "image/ChannelFile.h"
#include "link/SystemSerialLink.h"

namespace {

void WriteUsage(std::ostream& out) {
    out << "usage: orinctl write --port PORT [--retries N] [--verify [--lang en|zh]\n"
           "                     [--format text|csv]] IN.sin\n"
           "       orinctl write --port PORT [--port PORT ...] [--number FIELD=FIRST]\n"
           "                     [--verify] [--log RECORD.csv] [--next] [--retries N]\n"
           "                     [--lang en|zh] IN.sin\n\n"
           "Writes IN.sin, as stored, into the radio on PORT. The communication-error\n"
           "prompt is answered Retry N times (default 0), then Cancel. Progress and\n"
           "messages go to stderr.\n\n"
           "--verify reads the radio back after the write, a full read, and compares it\n"
           "with IN.sin over the bytes a transfer carries; every channel column and\n"
           "setting the radio holds differently is printed as orinctl diff prints it, and\n"
           "the command fails (exit status 1).\n\n"
        << FleetWriteHelp << '\n'
        << PortNamesHelp;
}

} // namespace

int RunWrite(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = ParseCliArgs(args, {"--retries", "--lang", "--format", "--number", "--log"},
                                     {"--verify", "--next"}, error, {"--port"});
    CompareOutput output;
    if (!parsed || !ParseCompareOutput(*parsed, output, error)) {
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
        std::cerr << "orinctl write: --retries takes a count from 0 to " << MaxRetries << ", not \""
                  << *parsed->Value("--retries") << "\"\n";
        WriteUsage(std::cerr);
        return ExitUsage;
    }
    const std::vector<std::string> ports =
        parsed->lists.count("--port") ? parsed->lists.at("--port") : std::vector<std::string>{};
    if (ports.empty() || parsed->positional.size() != 1) {
        std::cerr << "orinctl write: "
                  << (ports.empty()                ? "missing --port PORT"
                      : parsed->positional.empty() ? "missing IN.sin"
                                                   : "more than one file given")
                  << '\n';
        WriteUsage(std::cerr);
        return ExitUsage;
    }
    if (ports.size() > 1 || parsed->Has("--number") || parsed->Has("--log") ||
        parsed->Has("--next")) {
        return RunFleetWrite(*parsed, ports, retries, output.lang, WriteUsage);
    }
    ChannelFile doc;
    const FileOutcome loaded = doc.LoadFile(parsed->positional[0]);
    if (!loaded.ok) {
        std::cerr << "orinctl write: " << loaded.englishMessage << '\n';
        return ExitFailure;
    }
    const std::string port = ports.front();
    const TransferOutcome outcome =
        RunConsoleTransfer(TransferDirection::Write, port, retries, doc.Image(), output.lang);
    if (outcome != TransferOutcome::Completed) {
        return ExitFailure;
    }
    if (!parsed->Has("--verify")) {
        return ExitOk;
    }
    std::cerr << BiText{"reading the radio back to verify the write", "回读对讲机以校验写入"}.In(
                     output.lang)
              << '\n';
    std::optional<ImageComparison> comparison;
    if (const TransferOutcome readBack =
            ReadBackAndCompare(port, retries, doc.Image(), output.lang, comparison);
        readBack != TransferOutcome::Completed) {
        std::cerr << CompareTexts::ReadBackFailed.In(output.lang) << " (" << OutcomeName(readBack)
                  << ")\n";
        return ExitFailure;
    }
    if (!PrintComparison(*comparison, output, std::cout, "write")) {
        return ExitFailure;
    }
    std::cerr << (comparison->Same() ? std::string(CompareTexts::WriteVerified.In(output.lang))
                                     : CompareTexts::WriteNotVerified.In(output.lang) +
                                           ComparisonSummary(*comparison, output.lang))
              << '\n';
    return comparison->Same() ? ExitOk : ExitFailure;
}
