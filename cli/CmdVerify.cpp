#include <iostream>

#include "cli/CommandPreamble.h"
#include "cli/Commands.h"
#include "cli/ComparePrint.h"
#include "cli/TransferCommand.h"
#include "compare/CompareTexts.h"
#include "image/ChannelFile.h"
#include "link/SystemSerialLink.h"

namespace {

void VerifyUsage(std::ostream& out) {
    out << "usage: orinctl verify --port PORT [--retries N] [--lang en|zh] [--format text|csv]\n"
           "                      FILE.sin\n\n"
           "Reads the radio on PORT into memory (nothing is written to disk) and compares\n"
           "it with FILE.sin over the bytes a transfer carries. Differences are printed as\n"
           "orinctl diff prints them, radio on the right. The communication-error prompt is\n"
           "answered Retry N times (default 0), then Cancel. Progress and messages go to\n"
           "stderr, in the language of --lang.\n\n"
           "Exit status: 0 the same, 1 different, 2 trouble (the read failed, a file that\n"
           "cannot be read, a usage error).\n\n"
        << PortNamesHelp;
}

} // namespace

int RunVerify(const std::vector<std::string>& args) {
    int exit = ExitOk;
    CompareOutput output;
    const auto parsed = ParseCommand(
        "verify", VerifyUsage, args, {"--port", "--retries", "--lang", "--format"}, {}, exit, {},
        [&](const CliArgs& a, std::string& error) { return ParseCompareOutput(a, output, error); });
    if (!parsed) {
        return exit;
    }
    const std::optional<int> retries = RetriesOption("verify", *parsed);
    if (!retries) {
        return ExitUsage;
    }
    if (!parsed->Value("--port") || parsed->positional.size() != 1) {
        return UsageError("verify", !parsed->Value("--port")     ? "missing --port PORT"
                                    : parsed->positional.empty() ? "missing FILE.sin"
                                                                 : "more than one file given");
    }
    ChannelFile doc;
    const FileOutcome loaded = doc.LoadFile(parsed->positional[0]);
    if (!loaded.ok) {
        std::cerr << "orinctl verify: " << loaded.englishMessage << '\n';
        return ExitUsage;
    }
    std::optional<ImageComparison> comparison;
    // A read that failed compared nothing: trouble, never "the radio differs".
    if (const TransferOutcome outcome = ReadBackAndCompare(*parsed->Value("--port"), *retries,
                                                           doc.Image(), output.lang, comparison);
        outcome != TransferOutcome::Completed) {
        std::cerr << "orinctl verify: the read failed (" << OutcomeName(outcome) << ")\n";
        return ExitUsage;
    }
    if (!PrintComparison(*comparison, output, std::cout, "verify")) {
        return ExitUsage;
    }
    std::cerr << (comparison->Same() ? std::string(CompareTexts::RadioSameAsFile.In(output.lang))
                                     : CompareTexts::RadioDiffersFromFile.In(output.lang) +
                                           ComparisonSummary(*comparison, output.lang))
              << '\n';
    return comparison->Same() ? ExitOk : ExitFailure;
}
