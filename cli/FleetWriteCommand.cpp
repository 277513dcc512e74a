#include "cli/FleetWriteCommand.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <set>

#include "fleet/FleetWriter.h"
#include "image/ChannelFile.h"
#include "link/SystemSerialLink.h"

const char* const FleetWriteHelp =
    "Several radios: each --port is one cable; the radios are written at the same\n"
    "time, one line per radio on stdout as it finishes:\n"
    "  COM3  ID 1001  verified  23.4 s\n"
    "--number FIELD=FIRST gives every radio its own ID in FIELD (id or\n"
    "call-id): FIRST for the first port, then its trailing digits counting up with\n"
    "their width kept (A009, A010). IN.sin itself is never changed. --verify reads\n"
    "every radio back and counts it only when it holds exactly what was written.\n"
    "--log appends one CSV line per radio to RECORD.csv: date and time, port, ID,\n"
    "model, version, result, seconds. --next (one port): radio after radio, asking\n"
    "on stderr for the next one; Enter writes it, q or the end of input stops; a\n"
    "radio that failed is tried again with the same ID.\n"
    "Exit status: 0 every radio written (and verified), 1 any failed (the others\n"
    "still finish), 2 a usage error (bad field or first ID, a port given twice, a\n"
    "port that cannot be opened, a record that cannot be written), and then no\n"
    "radio is touched.\n";

namespace {

FleetWriter* g_Writer = nullptr;

void OnInterrupt(int) {
    if (g_Writer) {
        g_Writer->Cancel();
    }
}

// "COM3  ID 1001  verified  23.4 s"
std::string Line(const FleetResult& result, Lang lang) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f s", result.seconds);
    std::string line = result.port + "  ";
    if (!result.id.empty()) {
        line += "ID " + result.id + "  ";
    }
    return line + result.result.In(lang) + "  " + seconds;
}

// What is wrong with the ports, before any radio is touched: the same port
// twice, or one that cannot be opened.
std::string CheckPorts(const std::vector<std::string>& ports) {
    std::set<std::string> devices;
    for (const std::string& port : ports) {
        if (!devices.insert(SystemSerialLink::DeviceFor(port)).second) {
            return "port " + port + " given twice";
        }
        SystemSerialLink link;
        if (!link.Open(port)) {
            return "port " + port + " cannot be opened: " + link.OpenError();
        }
        link.Close();
    }
    return {};
}

} // namespace

int RunFleetWrite(const CliArgs& args, const std::vector<std::string>& ports, int retries,
                  Lang lang, void (*usage)(std::ostream&)) {
    auto refuse = [&](const std::string& why) {
        std::cerr << "orinctl write: " << why << '\n';
        usage(std::cerr);
        return ExitUsage;
    };
    const bool bNext = args.Has("--next");
    if (bNext && ports.size() > 1) {
        return refuse("--next writes radio after radio on one port; give one --port");
    }
    FleetOptions options;
    options.bVerify = args.Has("--verify");
    options.retries = retries;
    std::vector<std::string> ids(ports.size());
    if (const auto number = args.Value("--number")) {
        const std::size_t eq = number->find('=');
        const auto field = FleetNumbering::ParseField(number->substr(0, eq));
        if (!field || eq == std::string::npos) {
            return refuse("--number takes id=FIRST or call-id=FIRST, not \"" + *number + "\"");
        }
        const FleetNumbering::Sequence sequence =
            FleetNumbering::Ids(number->substr(eq + 1), ports.size());
        if (sequence.error) {
            return refuse(sequence.error->In(lang));
        }
        options.field = *field;
        ids = sequence.ids;
    }
    ChannelFile doc;
    const FileOutcome loaded = doc.LoadFile(args.positional[0]);
    if (!loaded.ok) {
        std::cerr << "orinctl write: " << loaded.englishMessage << '\n';
        return ExitUsage;
    }
    if (const std::string bad = CheckPorts(ports); !bad.empty()) {
        return refuse(bad);
    }
    const std::optional<std::string> log = args.Value("--log");
    if (FleetText error; log && !FleetRecord::Prepare(*log, lang, error)) {
        std::cerr << "orinctl write: " << error.In(lang) << '\n';
        return ExitUsage;
    }

    FleetWriter writer(doc.Image(), options,
                       [](const std::string&) { return std::make_unique<SystemSerialLink>(); });
    g_Writer = &writer;
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
    bool bAllOk = true;
    auto finished = [&](std::size_t, const FleetResult& result) {
        std::cout << Line(result, lang) << std::endl;
        bAllOk = bAllOk && result.bOk;
        FleetText error;
        if (log && !FleetRecord::Append(*log, result, lang, error)) {
            std::cerr << "orinctl write: " << error.In(lang) << '\n';
            bAllOk = false;
        }
    };
    if (!bNext) {
        std::vector<FleetRadio> radios;
        for (std::size_t i = 0; i < ports.size(); ++i) {
            radios.push_back({ports[i], ids[i]});
        }
        writer.Run(radios, {}, finished);
        return bAllOk ? ExitOk : ExitFailure;
    }
    // One cable: a radio that failed is tried again with the same ID.
    FleetRadio radio{ports.front(), ids.front()};
    for (;;) {
        const FleetResult result = writer.WriteOne(radio, 0, {});
        finished(0, result);
        if (writer.Cancelled()) {
            break;
        }
        if (result.bOk && !radio.id.empty()) {
            const std::optional<std::string> next = FleetNumbering::Next(radio.id);
            if (!next) {
                std::cerr << FleetNumbering::Ids(radio.id, 2).error->In(lang) << '\n';
                break;
            }
            radio.id = *next;
        }
        std::cerr << (radio.id.empty()
                          ? (lang == Lang::Chinese ? "连接下一台对讲机后按回车；输入 q 停止"
                                                   : "Connect the next radio and press Enter; q "
                                                     "to stop")
                          : (lang == Lang::Chinese
                                 ? "连接下一台对讲机（ID " + radio.id + "）后按回车；输入 q 停止"
                                 : "Connect the next radio (ID " + radio.id +
                                       ") and press Enter; q to stop"))
                  << std::endl;
        // Ctrl+C at the prompt ends the program as anywhere else.
        std::signal(SIGINT, SIG_DFL);
        std::string answer;
        if (!std::getline(std::cin, answer) || answer == "q") {
            break;
        }
        std::signal(SIGINT, OnInterrupt);
    }
    return bAllOk ? ExitOk : ExitFailure;
}
