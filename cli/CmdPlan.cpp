#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "image/BandLimits.h"
#include "image/ChannelFile.h"
#include "plans/ChannelPlans.h"
#include "plans/PlanInsert.h"

namespace {

constexpr const char* Usage = "usage: orinctl plan KEY [--base IN.sin] -o OUT.sin [--at CH]\n"
                              "       orinctl plan --list [--lang en|zh]\n";
constexpr const char* Help =
    "usage: orinctl plan KEY [--base IN.sin] -o OUT.sin [--at CH]\n"
    "       orinctl plan --list [--lang en|zh]\n"
    "\n"
    "Inserts the channels of a licence-free channel plan (pmr446, frs, cn-public)\n"
    "into the empty channels from channel CH on, never over a channel that holds\n"
    "anything: Tx = Rx, narrow, scan on, no tones, low power, named PMR1..PMR16,\n"
    "FRS1..FRS22 or GZ1..GZ20.\n"
    "\n"
    "  --base IN.sin  start from this channel file instead of a new document; its\n"
    "                 band edges must hold every channel of the plan\n"
    "  -o OUT.sin     the file to write (replaced whole if it exists)\n"
    "  --at CH        the first channel to fill, 1-128 (default 1)\n"
    "  --list         print every plan and licence with what it holds and its source\n"
    "\n"
    "When the plan does not fit the band edges, or not all its channels fit into\n"
    "the empty channels from CH on, nothing is written and the message says why\n"
    "(how many fit).\n"
    "\n"
    "Exit status: 0 written or listed, 1 the plan does not fit or a file error\n"
    "(nothing written), 2 usage error (an unknown KEY lists the keys).\n";

int UsageError(const std::string& message) {
    std::cerr << "orinctl plan: " << message << '\n' << Usage;
    return ExitUsage;
}

int Fail(const std::string& message) {
    std::cerr << "orinctl plan: " << message << '\n';
    return ExitFailure;
}

int List(Lang lang) {
    for (const ChannelPlan& plan : AllPlans()) {
        std::cout << plan.key << ": " << plan.title.In(lang) << '\n'
                  << "    " << PlanSummary(plan, lang) << '\n'
                  << (lang == Lang::Chinese ? "    依据：" : "    source: ") << plan.source.In(lang)
                  << '\n';
    }
    return ExitOk;
}

} // namespace

int RunPlan(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = ParseCliArgs(args, {"-o", "--base", "--at", "--lang"}, {"--list"}, error);
    if (parsed && parsed->help) {
        std::cout << Help;
        return ExitOk;
    }
    if (!parsed) {
        return UsageError(error);
    }
    const std::string language = parsed->Value("--lang").value_or("en");
    if (language != "en" && language != "zh") {
        return UsageError("--lang takes en or zh, not " + language);
    }
    if (parsed->Has("--list")) {
        if (!parsed->positional.empty() || parsed->Has("-o") || parsed->Has("--base") ||
            parsed->Has("--at")) {
            return UsageError("--list takes no plan and writes no file");
        }
        return List(language == "zh" ? Lang::Chinese : Lang::English);
    }
    if (parsed->positional.size() != 1) {
        return UsageError(parsed->positional.empty() ? "missing KEY" : "more than one KEY given");
    }
    if (!parsed->Has("-o")) {
        return UsageError("missing -o OUT.sin");
    }
    const ChannelPlan* plan = FindPlan(parsed->positional[0]);
    if (!plan) {
        return UsageError("unknown plan " + parsed->positional[0] + "; the plans are " +
                          PlanKeys());
    }
    if (plan->IsBand()) {
        return UsageError(std::string(plan->key) + " is a band for 'orinctl check --licence', " +
                          "not a set of channels to insert");
    }
    const std::string atText = parsed->Value("--at").value_or("1");
    const std::optional<int> atChannel = ChannelNumberArg(atText);
    if (!atChannel) {
        return UsageError("--at takes a channel 1-128, not " + atText);
    }
    const int at = *atChannel;
    ChannelFile doc;
    doc.MakeNew();
    if (const auto base = parsed->Value("--base")) {
        if (const FileOutcome loaded = doc.LoadFile(*base); !loaded.ok) {
            return Fail(loaded.Message(Lang::English));
        }
    }
    if (const auto outside =
            PlanInsert::OutsideBandEdges(*plan, DecodeBandLimits(doc.Image()), Lang::English)) {
        return Fail(*outside);
    }
    const PlanInsert::Placement placement = PlanInsert::Place(doc.Image(), *plan, at - 1);
    if (!placement.Complete()) {
        const std::string room = PlanInsert::RoomText(placement, *plan, at - 1, Lang::English);
        return Fail(room + (placement.channels.empty() ? "" : " Nothing was written."));
    }
    PlanInsert::Insert(doc.Image(), *plan, placement.channels);
    if (const FileOutcome saved = doc.SaveFile(*parsed->Value("-o")); !saved.ok) {
        return Fail(saved.Message(Lang::English));
    }
    std::cerr << "orinctl plan: " << placement.channels.size() << " channels of "
              << plan->name.english << " in channels " << placement.channels.front() + 1 << "-"
              << placement.channels.back() + 1 << '\n';
    return ExitOk;
}
