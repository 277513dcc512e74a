#include <iostream>

#include "cli/CommandPreamble.h"
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

void WriteSeeHelp(std::ostream& out) {
    out << "see orinctl write --help\n";
}

} // namespace

int RunWrite(const std::vector<std::string>& args) {
    int exit = ExitOk;
    CompareOutput output;
    const auto parsed = ParseCommand(
        "write", WriteUsage, args, {"--retries", "--lang", "--format", "--number", "--log"},
        {"--verify", "--next"}, exit, {"--port"},
        [&](const CliArgs& a, std::string& error) { return ParseCompareOutput(a, output, error); });
    if (!parsed) {
        return exit;
    }
    const std::optional<int> retries = RetriesOption("write", *parsed);
    if (!retries) {
        return ExitUsage;
    }
    const std::vector<std::string> ports =
        parsed->lists.count("--port") ? parsed->lists.at("--port") : std::vector<std::string>{};
    if (ports.empty() || parsed->positional.size() != 1) {
        return UsageError("write", ports.empty()                ? "missing --port PORT"
                                   : parsed->positional.empty() ? "missing IN.sin"
                                                                : "more than one file given");
    }
    if (ports.size() > 1 || parsed->Has("--number") || parsed->Has("--log") ||
        parsed->Has("--next")) {
        return RunFleetWrite(*parsed, ports, *retries, output.lang, WriteSeeHelp);
    }
    ChannelFile doc;
    const FileOutcome loaded = doc.LoadFile(parsed->positional[0]);
    if (!loaded.ok) {
        std::cerr << "orinctl write: " << loaded.englishMessage << '\n';
        return ExitFailure;
    }
    const std::string port = ports.front();
    const TransferOutcome outcome =
        RunConsoleTransfer(TransferDirection::Write, port, *retries, doc.Image(), output.lang);
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
            ReadBackAndCompare(port, *retries, doc.Image(), output.lang, comparison);
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
