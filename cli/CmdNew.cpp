#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "image/ChannelFile.h"

namespace {

constexpr const char* Usage = "usage: orinctl new -o OUT.sin\n";
constexpr const char* Help =
    "usage: orinctl new -o OUT.sin\n"
    "\n"
    "Writes a channel file holding the image of a new document: no channels,\n"
    "the radio-wide defaults and the band 400-480 MHz.\n"
    "\n"
    "  -o OUT.sin   the file to write (replaced whole if it exists)\n"
    "\n"
    "Exit status: 0 written, 1 the file could not be written, 2 usage error.\n";

} // namespace

int RunNew(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = ParseCliArgs(args, {"-o"}, {}, error);
    if (parsed && parsed->help) {
        std::cout << Help;
        return ExitOk;
    }
    if (parsed && (!parsed->positional.empty() || !parsed->Value("-o"))) {
        error = parsed->positional.empty() ? "missing -o OUT.sin"
                                           : "unexpected argument " + parsed->positional[0];
    }
    if (!parsed || !error.empty()) {
        std::cerr << "orinctl new: " << error << '\n' << Usage;
        return ExitUsage;
    }
    ChannelFile doc;
    doc.MakeNew();
    const FileOutcome saved = doc.SaveFile(*parsed->Value("-o"));
    if (!saved.ok) {
        std::cerr << "orinctl new: " << saved.Message(Lang::English) << '\n';
        return ExitFailure;
    }
    return ExitOk;
}
