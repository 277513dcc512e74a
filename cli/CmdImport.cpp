#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "formats/ChannelCsv.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "image/CProgramDoc.h"

namespace {

constexpr const char* Usage =
    "usage: orinctl import IN.csv -o OUT.sin [--base BASE.sin] [--no-check]\n";
constexpr const char* Help =
    "usage: orinctl import IN.csv -o OUT.sin [--base BASE.sin] [--no-check]\n"
    "\n"
    "Builds a channel file from CSV in the format of 'orinctl dump' (English or\n"
    "Chinese texts). Each row names its channel in the CH column; channels the CSV\n"
    "does not list keep the bytes of the base image. A header line is optional;\n"
    "when present it must name the columns in dump's order (or by the grid's\n"
    "Chinese titles).\n"
    "\n"
    "  -o OUT.sin       the file to write (replaced whole if it exists)\n"
    "  --base BASE.sin  start from this channel file instead of a new document\n"
    "  --no-check       encode the texts exactly as given, without the checks\n"
    "\n"
    "Unless --no-check is given, every frequency must lie in 67-521 MHz, inside the\n"
    "band edges of the base image and on a 6.25, 5 or 2.5 kHz step (it is then\n"
    "written with five decimals); every option cell must be empty or a text of its\n"
    "column's list; every tone OFF, empty or a tone of the tone table; every name at\n"
    "most 8 characters of 0-9, A-Z, \"-\" and space. Any failure lists each bad cell\n"
    "and writes nothing.\n"
    "\n"
    "Exit status: 0 written, 1 bad input or a file error, 2 usage error.\n";

} // namespace

int RunImport(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = ParseCliArgs(args, {"-o", "--base"}, {"--no-check"}, error);
    if (parsed && parsed->help) {
        std::cout << Help;
        return ExitOk;
    }
    if (parsed) {
        if (parsed->positional.size() != 1) {
            error = parsed->positional.empty() ? "missing IN.csv" : "more than one CSV file given";
        } else if (!parsed->Value("-o")) {
            error = "missing -o OUT.sin";
        }
    }
    if (!parsed || !error.empty()) {
        std::cerr << "orinctl import: " << error << '\n' << Usage;
        return ExitUsage;
    }
    const std::string& csvPath = parsed->positional[0];
    CProgramDoc doc;
    doc.OnNewDocument();
    if (const auto base = parsed->Value("--base")) {
        const FileOutcome loaded = doc.LoadFile(*base);
        if (!loaded.ok) {
            std::cerr << "orinctl import: " << loaded.Message(Lang::English) << '\n';
            return ExitFailure;
        }
    }
    std::error_code ec;
    std::ifstream in;
    if (!std::filesystem::is_directory(csvPath, ec)) {
        in.open(csvPath, std::ios::binary);
    }
    std::string csv;
    if (in) {
        csv.assign(std::istreambuf_iterator<char>(in), {});
    }
    if (!in || in.bad()) {
        std::cerr << "orinctl import: cannot read the file \"" << csvPath << "\"\n";
        return ExitFailure;
    }
    const ChannelCsv::ImportResult result =
        ChannelCsv::Import(csv, doc.Image(), !parsed->Has("--no-check"));
    if (!result.ok) {
        for (const ChannelCsv::Problem& p : result.problems) {
            std::cerr << csvPath << ":" << p.line << ": "
                      << (p.column.empty() ? "" : p.column + ": ") << p.reason << '\n';
        }
        std::cerr << "orinctl import: " << result.problems.size()
                  << " problem(s) in the CSV; nothing was written\n";
        return ExitFailure;
    }
    const FileOutcome saved = doc.SaveFile(*parsed->Value("-o"));
    if (!saved.ok) {
        std::cerr << "orinctl import: " << saved.Message(Lang::English) << '\n';
        return ExitFailure;
    }
    return ExitOk;
}
