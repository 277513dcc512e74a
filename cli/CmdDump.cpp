#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "formats/ChannelCsv.h"
#include "formats/ChirpExport.h"
#include "image/ChannelFile.h"

namespace {

constexpr const char* Usage = "usage: orinctl dump FILE.sin [--lang en|zh | --format chirp]\n";
constexpr const char* Help =
    "usage: orinctl dump FILE.sin [--lang en|zh | --format chirp]\n"
    "\n"
    "Prints the 128 channels of a channel file as CSV (UTF-8, fields quoted when\n"
    "they hold a comma, a quote or a line break): a header line, then one line per\n"
    "channel with its number and the 13 texts the channel grid shows.\n"
    "\n"
    "  --lang en|zh     language of the option texts (default en)\n"
    "  --format chirp   print CHIRP's CSV instead, for other programming tools: one\n"
    "                   row per channel with an Rx frequency, Location = channel,\n"
    "                   CRLF line ends; High power is written 5.0W, Low 1.0W\n"
    "  --format orin    our own CSV (the default)\n"
    "\n"
    "Exit status: 0 printed, 1 the file could not be loaded, 2 usage error.\n";

} // namespace

int RunDump(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = ParseCliArgs(args, {"--lang", "--format"}, {}, error);
    if (parsed && parsed->help) {
        std::cout << Help;
        return ExitOk;
    }
    Lang lang = Lang::English;
    if (parsed) {
        const std::string language = parsed->Value("--lang").value_or("en");
        if (language == "zh") {
            lang = Lang::Chinese;
        } else if (language != "en") {
            error = "--lang takes en or zh, not " + language;
        }
        const std::string format = parsed->Value("--format").value_or("orin");
        if (format != "orin" && format != "chirp") {
            error = "--format takes orin or chirp, not " + format;
        } else if (format == "chirp" && parsed->Has("--lang")) {
            error = "--lang does not apply to --format chirp";
        }
        if (error.empty() && parsed->positional.size() != 1) {
            error = parsed->positional.empty() ? "missing FILE.sin" : "more than one file given";
        }
    }
    if (!parsed || !error.empty()) {
        std::cerr << "orinctl dump: " << error << '\n' << Usage;
        return ExitUsage;
    }
    ChannelFile doc;
    const FileOutcome loaded = doc.LoadFile(parsed->positional[0]);
    if (!loaded.ok) {
        std::cerr << "orinctl dump: " << loaded.Message(Lang::English) << '\n';
        return ExitFailure;
    }
    if (parsed->Value("--format") == "chirp") {
        const ChirpExport::ExportResult exported = ChirpExport::Export(doc.Image());
        for (const ChannelImport::Row& note : exported.notes) {
            std::cerr << "orinctl dump: " << ChannelImport::NotesText(note, Lang::English) << '\n';
        }
        std::cout << exported.csv << std::flush;
    } else {
        std::cout << ChannelCsv::Dump(doc.Image(), lang) << std::flush;
    }
    if (!std::cout) {
        std::cerr << "orinctl dump: cannot write to standard output\n";
        return ExitFailure;
    }
    return ExitOk;
}
