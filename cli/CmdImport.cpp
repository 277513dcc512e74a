#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "formats/ChannelCsv.h"
#include "formats/ChirpImport.h"
#include "formats/Csv.h"
#include "image/BandLimits.h"
#include "image/ChannelFile.h"
#include "image/FileContents.h"
#include "image/Utf8.h"

namespace {

constexpr const char* Usage =
    "usage: orinctl import IN.csv -o OUT.sin [--base BASE.sin] [--format orin|chirp]\n"
    "       [--no-check] [--start N | --by-location] [--empty-others] [--lang en|zh]\n";
constexpr const char* Help =
    "usage: orinctl import IN.csv -o OUT.sin [--base BASE.sin] [--format orin|chirp]\n"
    "       [--no-check] [--start N | --by-location] [--empty-others] [--lang en|zh]\n"
    "\n"
    "Builds a channel file from a CSV channel list: our own CSV (the format of\n"
    "'orinctl dump') or the CSV of CHIRP, which repeater directories export.\n"
    "Without --format the format is recognised from the header: a header naming a\n"
    "Location column is CHIRP's.\n"
    "\n"
    "  -o OUT.sin       the file to write (replaced whole if it exists)\n"
    "  --base BASE.sin  start from this channel file instead of a new document; its\n"
    "                   band edges decide which frequencies can be stored\n"
    "  --format F       orin or chirp\n"
    "\n"
    "Our own CSV: each row names its channel in the CH column; channels the CSV\n"
    "does not list keep the bytes of the base image. A header line is optional;\n"
    "when present it must name the columns in dump's order (or by the grid's\n"
    "Chinese titles). Unless --no-check is given, every frequency must lie in\n"
    "67-521 MHz, inside the band edges of the base image and on a 6.25, 5 or 2.5 kHz\n"
    "step (it is then written with five decimals); every option cell must be empty\n"
    "or a text of its column's list; every tone OFF, empty or a tone of the tone\n"
    "table (67, 088.5 and d23n name 67.0, 88.5 and D023N); every name at most 8\n"
    "characters of 0-9, A-Z, \"-\" and space. Any failure lists each bad cell and\n"
    "writes nothing. A row for an empty channel that gives only its Rx frequency\n"
    "(and perhaps a name) makes the channel typing that frequency makes: Tx = Rx and\n"
    "the new-channel options; a blank option takes the new-channel value on an\n"
    "empty channel and keeps the channel's own on one that holds data.\n"
    "\n"
    "  --no-check       encode the texts exactly as given, without the checks; a\n"
    "                   name the radio cannot hold is listed with what was stored,\n"
    "                   and a frequency it cannot store (9999.99999, inf) fails\n"
    "\n"
    "CHIRP CSV: every row that can be stored goes into one channel; a row that\n"
    "cannot (a mode other than FM, NFM or Auto, reverse tone squelch, a tone the\n"
    "radio lacks, a frequency outside the rules above) is skipped. Names are\n"
    "upper-cased and keep up to the 8 characters the radio holds; 3 W and more is\n"
    "High power. Opt Signal, PTTID, BusyLock, Repeat Invert and Scram, which CHIRP\n"
    "does not carry, keep what a channel holds. Each\n"
    "skipped, changed or unplaced row is listed on stderr with its line, e.g.\n"
    "'line 12: skipped: mode AM cannot be stored'.\n"
    "\n"
    "  --start N        fill channels in file order from channel N (default 1)\n"
    "  --by-location    put each row into channel Location (Location + 1 when the\n"
    "                   file counts from 0); a later row with the same Location wins\n"
    "  --empty-others   empty every channel the import does not fill (otherwise\n"
    "                   they keep what the base image had)\n"
    "  --lang en|zh     language of the listed rows (default en)\n"
    "\n"
    "IN.csv must be a regular file of at most 4 MB.\n"
    "\n"
    "Exit status: 0 written, 1 bad input, nothing could be imported or a file\n"
    "error (nothing written), 2 usage error.\n";

// A channel CSV is a few kilobytes; a file of megabytes is some other file,
// and reading it whole would only cost memory.

std::string CsvReadFailure(const std::string& path, const FileContents& csv) {
    const std::string quoted = "\"" + Utf8::ShownPath(path) + "\"";
    switch (csv.failure) {
    case FileContents::Failure::NotRegular:
        return quoted + " is a folder, a device or a pipe, not a CSV file; nothing was written";
    case FileContents::Failure::TooLarge:
        return quoted + " is larger than " + std::to_string(Csv::MaxFileBytes >> 20) +
               " MB, too large for a channel CSV; nothing was written";
    case FileContents::Failure::Missing:
    case FileContents::Failure::ReadError:
    case FileContents::Failure::None:
        break;
    }
    return "cannot read the file " + quoted + " (" + csv.reason + "); nothing was written";
}

// "FILE:LINE: ", or "FILE: " for what concerns the whole file.
std::string At(const std::string& path, int line) {
    return Utf8::ShownPath(path) + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": ";
}

int UsageError(const std::string& message) {
    std::cerr << "orinctl import: " << message << '\n' << Usage;
    return ExitUsage;
}

int Fail(const std::string& message) {
    std::cerr << "orinctl import: " << message << '\n';
    return ExitFailure;
}

// The CHIRP options, checked; an empty error when they are sound.
std::string PlacementFromArgs(const CliArgs& args, ChannelImport::Placement& placement) {
    placement.byLocation = args.Has("--by-location");
    if (const auto start = args.Value("--start")) {
        if (placement.byLocation) {
            return "--start and --by-location exclude each other";
        }
        const std::optional<int> channel = ChannelNumberArg(*start);
        if (!channel) {
            return "--start takes a channel 1-128, not " + *start;
        }
        placement.start = *channel;
    }
    return {};
}

int ImportChirp(const std::string& csv, const std::string& csvPath,
                const ChannelImport::Placement& placement, bool emptyOthers, Lang lang,
                ChannelFile& doc) {
    ChirpImport::ReadResult read = ChirpImport::Read(csv, DecodeBandLimits(doc.Image()));
    if (!read.ok) {
        return Fail(At(csvPath, read.errorLine) + read.error.In(lang) + "; nothing was written");
    }
    const std::vector<ChannelImport::Row> rows = ChirpImport::Place(std::move(read), placement);
    for (const ChannelImport::Row& row : rows) {
        if (const std::string line = ChannelImport::ReportLine(row, lang); !line.empty()) {
            std::cerr << line << '\n';
        }
    }
    const int placed = ChannelImport::PlacedCount(rows);
    if (placed == 0) {
        return Fail("no row of " + Utf8::ShownPath(csvPath) +
                    " could be imported; nothing was written");
    }
    ChannelImport::Apply(rows, emptyOthers, doc.Image());
    std::cerr << "orinctl import: " << placed << " channel(s) imported\n";
    return ExitOk;
}

} // namespace

int RunImport(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = ParseCliArgs(args, {"-o", "--base", "--format", "--start", "--lang"},
                                     {"--no-check", "--by-location", "--empty-others"}, error);
    if (parsed && parsed->help) {
        std::cout << Help;
        return ExitOk;
    }
    ChannelImport::Placement placement;
    std::string format;
    if (parsed) {
        format = parsed->Value("--format").value_or("");
        if (parsed->positional.size() != 1) {
            error = parsed->positional.empty() ? "missing IN.csv" : "more than one CSV file given";
        } else if (!parsed->Value("-o")) {
            error = "missing -o OUT.sin";
        } else if (!format.empty() && format != "orin" && format != "chirp") {
            error = "--format takes orin or chirp, not " + format;
        } else if (const std::string l = parsed->Value("--lang").value_or("en");
                   l != "en" && l != "zh") {
            error = "--lang takes en or zh, not " + l;
        } else {
            error = PlacementFromArgs(*parsed, placement);
        }
    }
    if (!parsed || !error.empty()) {
        return UsageError(error);
    }
    const std::string& csvPath = parsed->positional[0];
    ChannelFile doc;
    doc.MakeNew();
    if (const auto base = parsed->Value("--base")) {
        const FileOutcome loaded = doc.LoadFile(*base);
        if (!loaded.ok) {
            return Fail(loaded.Message(Lang::English));
        }
    }
    const FileContents file =
        FileContents::Read(csvPath, Csv::MaxFileBytes, FileContents::Excess::Refuse);
    if (!file.Ok()) {
        return Fail(CsvReadFailure(csvPath, file));
    }
    // Checked before the input is worked on, so no effort is spent for an
    // output that cannot be written.
    const std::string outPath = *parsed->Value("-o");
    if (const FileOutcome writable = ChannelFile::CheckSavable(outPath); !writable.ok) {
        return Fail(writable.Message(Lang::English));
    }
    const std::string& csv = file.data;
    if (format.empty()) {
        format = ChirpImport::LooksLikeChirp(csv) ? "chirp" : "orin";
    }
    const bool chirpOptions =
        parsed->Has("--start") || parsed->Has("--by-location") || parsed->Has("--empty-others");
    if (format == "chirp" && parsed->Has("--no-check")) {
        return UsageError(Utf8::ShownPath(csvPath) +
                          " is read as CHIRP CSV: --no-check is for our own CSV");
    }
    if (format == "orin" && (chirpOptions || parsed->Has("--lang"))) {
        return UsageError(Utf8::ShownPath(csvPath) +
                          " is read as our own CSV, whose rows name their channels: " +
                          "--start, --by-location, --empty-others and --lang are for CHIRP CSV");
    }
    if (format == "chirp") {
        const Lang lang = parsed->Value("--lang") == "zh" ? Lang::Chinese : Lang::English;
        const int status =
            ImportChirp(csv, csvPath, placement, parsed->Has("--empty-others"), lang, doc);
        if (status != ExitOk) {
            return status;
        }
    } else {
        const ChannelCsv::ImportResult result =
            ChannelCsv::Import(csv, doc.Image(), !parsed->Has("--no-check"));
        for (const ChannelCsv::Problem& p : result.notices) {
            std::cerr << At(csvPath, p.line) << p.column << ": " << p.reason << '\n';
        }
        if (!result.ok) {
            for (const ChannelCsv::Problem& p : result.problems) {
                std::cerr << At(csvPath, p.line) << (p.column.empty() ? "" : p.column + ": ")
                          << p.reason << '\n';
            }
            if (result.unlisted > 0) {
                std::cerr << Utf8::ShownPath(csvPath) << ": and " << result.unlisted
                          << " more problem(s)\n";
            }
            return Fail(std::to_string(result.problems.size() + result.unlisted) +
                        " problem(s) in the CSV; nothing was written");
        }
    }
    const FileOutcome saved = doc.SaveFile(outPath);
    if (!saved.ok) {
        return Fail(saved.Message(Lang::English));
    }
    return ExitOk;
}
