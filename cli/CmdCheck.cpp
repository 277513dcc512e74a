#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "image/ChannelFile.h"
#include "plans/ChannelPlans.h"
#include "plans/LicenceCheck.h"

namespace {

constexpr const char* Usage =
    "usage: orinctl check --licence KEY IN.sin [--format text|csv] [--lang en|zh]\n";
constexpr const char* Help =
    "usage: orinctl check --licence KEY IN.sin [--format text|csv] [--lang en|zh]\n"
    "\n"
    "Lists every channel of a channel file that would transmit where the licence\n"
    "KEY does not allow (see 'orinctl plan --list' for the keys): a Tx frequency\n"
    "that is none of the plan's channels or outside its band, Wide where the plan\n"
    "allows only narrow, and, as a note, High power where the plan limits the power\n"
    "(the radio's watts are not in its memory). Receive-only channels are fine\n"
    "anywhere. The check is a help, not legal advice.\n"
    "\n"
    "  --licence KEY    the plan or band the channels must keep to\n"
    "  --format F       text (default) or csv (CH, level, finding)\n"
    "  --lang en|zh     language of the list (default en)\n"
    "\n"
    "Exit status: 0 nothing falls outside (notes aside), 1 something does,\n"
    "2 trouble: a usage error, an unknown KEY (the keys are listed) or a file\n"
    "that cannot be read.\n";

int Trouble(const std::string& message, bool withUsage) {
    std::cerr << "orinctl check: " << message << '\n' << (withUsage ? Usage : "");
    return ExitUsage;
}

} // namespace

int RunCheck(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = ParseCliArgs(args, {"--licence", "--format", "--lang"}, {}, error);
    if (parsed && parsed->help) {
        std::cout << Help;
        return ExitOk;
    }
    if (!parsed) {
        return Trouble(error, true);
    }
    const std::string format = parsed->Value("--format").value_or("text");
    const std::string language = parsed->Value("--lang").value_or("en");
    if (format != "text" && format != "csv") {
        return Trouble("--format takes text or csv, not " + format, true);
    }
    if (language != "en" && language != "zh") {
        return Trouble("--lang takes en or zh, not " + language, true);
    }
    if (parsed->positional.size() != 1) {
        return Trouble(parsed->positional.empty() ? "missing IN.sin" : "more than one file given",
                       true);
    }
    const auto key = parsed->Value("--licence");
    if (!key) {
        return Trouble("missing --licence KEY; the keys are " + PlanKeys(), true);
    }
    const ChannelPlan* plan = FindPlan(*key);
    if (!plan) {
        return Trouble("unknown licence " + *key + "; the keys are " + PlanKeys(), false);
    }
    ChannelFile doc;
    if (const FileOutcome loaded = doc.LoadFile(parsed->positional[0]); !loaded.ok) {
        return Trouble(loaded.Message(Lang::English), false);
    }
    const Lang lang = language == "zh" ? Lang::Chinese : Lang::English;
    const std::vector<LicenceCheck::Finding> findings = LicenceCheck::Check(doc.Image(), *plan);
    std::cout << (format == "csv" ? LicenceCheck::ReportCsv(findings, *plan, lang)
                                  : LicenceCheck::Report(findings, *plan, lang))
              << std::flush;
    if (!std::cout) {
        return Trouble("cannot write to standard output", false);
    }
    return LicenceCheck::ChannelsOutside(findings).empty() ? ExitOk : ExitFailure;
}
