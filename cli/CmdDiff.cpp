#include <iostream>

#include "cli/CommandPreamble.h"
#include "cli/Commands.h"
#include "cli/ComparePrint.h"
#include "image/ChannelFile.h"

namespace {

void DiffUsage(std::ostream& out) {
    out << "usage: orinctl diff A.sin B.sin [--lang en|zh] [--format text|csv]\n\n"
           "Compares two channel files field by field and prints every channel column and\n"
           "every setting that differs, one line each (channel 12: Rx Tone: 88.5 -> 100.0),\n"
           "then the bytes no field explains as address ranges. Prints nothing when the\n"
           "files hold the same 4096 bytes.\n\n"
           "  --lang en|zh       language of the labels and option texts (default en)\n"
           "  --format text|csv  one line per difference (default), or CSV with a header\n\n"
           "Exit status: 0 the same, 1 different, 2 trouble (a file that cannot be read,\n"
           "a usage error).\n";
}

} // namespace

int RunDiff(const std::vector<std::string>& args) {
    int exit = ExitOk;
    CompareOutput output;
    const auto parsed = ParseCommand(
        "diff", DiffUsage, args, {"--lang", "--format"}, {}, exit, {},
        [&](const CliArgs& a, std::string& error) { return ParseCompareOutput(a, output, error); });
    if (!parsed) {
        return exit;
    }
    if (parsed->positional.size() != 2) {
        return UsageError("diff", "takes exactly two files, A.sin and B.sin");
    }
    ChannelFile files[2];
    for (int i = 0; i < 2; ++i) {
        const FileOutcome loaded = files[i].LoadFile(parsed->positional[i]);
        if (!loaded.ok) {
            std::cerr << "orinctl diff: " << loaded.englishMessage << '\n';
            return ExitUsage;
        }
    }
    const ImageComparison comparison =
        CompareImages(files[0].Image(), files[1].Image(), CompareScope::WholeImage, output.lang);
    if (!PrintComparison(comparison, output, std::cout, "diff")) {
        return ExitUsage;
    }
    return comparison.Same() ? ExitOk : ExitFailure;
}
