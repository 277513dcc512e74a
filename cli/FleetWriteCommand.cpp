#include "cli/FleetWriteCommand.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>

#include "fleet/FleetPorts.h"
#include "fleet/FleetWriter.h"
#include "image/ChannelFile.h"
#include "link/SystemSerialLink.h"

#ifdef _WIN32
#include <windows.h>
#endif

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
    "Ctrl+C, a hang-up, SIGTERM or a closed standard output stops every radio at\n"
    "its next block; each is recorded as \"incomplete: write it again\".\n"
    "Exit status: 0 every radio written (and verified), 1 any failed (the others\n"
    "still finish), 2 a usage error (bad field or first ID, a port given twice, a\n"
    "port that cannot be opened, a record that cannot be written), and then no\n"
    "radio is touched.\n";

namespace {

// The writer that a stop (Ctrl+C, a hang-up, SIGTERM, a closed pipe) cancels;
// none while the program waits at the --next prompt, where a stop ends it.
std::atomic<FleetWriter*> g_Writer{nullptr};

#ifdef _WIN32
std::atomic<bool> g_bRunEnded{false};

BOOL WINAPI OnConsoleEvent(DWORD event) {
    FleetWriter* writer = g_Writer;
    if (!writer) {
        return FALSE; // the system's own handling: the program ends
    }
    writer->Cancel();
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        // The system ends the program when this returns: wait, within the few
        // seconds it grants, until every stopped radio has its line.
        for (int i = 0; i < 40 && !g_bRunEnded; ++i) {
            ::Sleep(100);
        }
    }
    return TRUE;
}
#else
void OnStop(int) {
    if (FleetWriter* writer = g_Writer) {
        writer->Cancel();
    }
}
#endif

// While radios are written, every stop cancels them, so that each is
// recorded; without a writer, a stop ends the program at once.
void ListenForStops(FleetWriter* writer) {
    g_Writer = writer;
#ifdef _WIN32
    static const bool bInstalled = ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE) != 0;
    (void)bInstalled;
#else
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        std::signal(signal, writer ? OnStop : SIG_DFL);
    }
    // A closed standard output stops the radios; its write then fails instead.
    std::signal(SIGPIPE, OnStop);
#endif
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

// What is wrong with the ports, before any radio is touched: one port under
// two names, or one that cannot be opened.
std::string CheckPorts(const std::vector<std::string>& ports) {
    std::vector<std::string> devices;
    for (const std::string& port : ports) {
        devices.push_back(SystemSerialLink::DeviceFor(port));
    }
    if (const auto repeat = FleetPorts::FindRepeat(devices)) {
        return ports[repeat->first] == ports[repeat->again]
                   ? "port " + ports[repeat->again] + " given twice"
                   : "ports " + ports[repeat->first] + " and " + ports[repeat->again] +
                         " are the same port";
    }
    for (const std::string& port : ports) {
        SystemSerialLink link;
        if (!link.Open(port)) {
            return "port " + port + " cannot be opened: " + link.OpenError();
        }
        link.Close();
    }
    return {};
}

std::string Writing(const std::vector<FleetRadio>& radios, Lang lang) {
    if (radios.size() == 1) {
        const std::string id = radios.front().id.empty() ? "" : " (ID " + radios.front().id + ")";
        return lang == Lang::Chinese
                   ? "正在写入 " + radios.front().port + " 上的对讲机" + id + "；按 Ctrl+C 停止"
                   : "writing the radio on " + radios.front().port + id + "; Ctrl+C stops it";
    }
    const std::string count = std::to_string(radios.size());
    return lang == Lang::Chinese ? "正在同时写入 " + count + " 台对讲机；按 Ctrl+C 全部停止"
                                 : "writing " + count + " radios at once; Ctrl+C stops them all";
}

// The answer at the --next prompt, without the line end a terminal or a
// Windows program may leave ("q\r") and without blanks around it.
std::string Trimmed(const std::string& answer) {
    const std::size_t first = answer.find_first_not_of(" \t\r");
    const std::size_t last = answer.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : answer.substr(first, last - first + 1);
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
    // The record keeps the language of its header.
    const std::optional<std::string> log = args.Value("--log");
    Lang recordLang = lang;
    if (log) {
        FleetText error;
        const std::optional<Lang> kept =
            FleetRecord::Prepare(*log, lang, error, args.positional[0]);
        if (!kept) {
            std::cerr << "orinctl write: " << error.In(lang) << '\n';
            return ExitUsage;
        }
        recordLang = *kept;
    }

    FleetWriter writer(doc.Image(), options,
                       [](const std::string&) { return std::make_unique<SystemSerialLink>(); });
    bool bAllOk = true;
    bool bOutputFailed = false;
    // The record's line first: a closed standard output must not cost it.
    auto finished = [&](std::size_t, const FleetResult& result) {
        bAllOk = bAllOk && result.bOk;
        FleetText error;
        if (log && !FleetRecord::Append(*log, result, recordLang, error)) {
            std::cerr << "orinctl write: " << error.In(lang) << '\n';
            bAllOk = false;
        }
        std::cout << Line(result, lang) << std::endl;
        bOutputFailed = bOutputFailed || !std::cout;
    };
    auto ended = [&] {
        ListenForStops(nullptr);
#ifdef _WIN32
        g_bRunEnded = true;
#endif
        if (bOutputFailed) {
            std::cerr << "orinctl write: "
                      << BiText{"the standard output could not be written; the record and "
                                "the radios are as said above",
                                "无法写入标准输出；记录和对讲机的情况如上所述"}
                             .In(lang)
                      << '\n';
        }
        return bAllOk && !bOutputFailed && !writer.Cancelled() ? ExitOk : ExitFailure;
    };
    if (!bNext) {
        std::vector<FleetRadio> radios;
        for (std::size_t i = 0; i < ports.size(); ++i) {
            radios.push_back({ports[i], ids[i]});
        }
        ListenForStops(&writer);
        std::cerr << Writing(radios, lang) << std::endl;
        writer.Run(radios, {}, finished);
        return ended();
    }
    // One cable: a radio that failed is tried again with the same ID.
    FleetRadio radio{ports.front(), ids.front()};
    for (;;) {
        ListenForStops(&writer);
        std::cerr << Writing({radio}, lang) << std::endl;
        const FleetResult result = writer.WriteOne(radio, 0, {});
        finished(0, result);
        // At the prompt a stop ends the program at once: no radio is in the
        // middle of anything. One that came before is heard here.
        ListenForStops(nullptr);
        if (writer.Cancelled() || bOutputFailed) {
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
        std::string answer;
        if (!std::getline(std::cin, answer) || Trimmed(answer) == "q") {
            break;
        }
    }
    return ended();
}
