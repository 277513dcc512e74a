#include <csignal>
#include <iostream>
#include <limits>
#include <sstream>
#include <unistd.h>

#include "cli/CommandPreamble.h"
#include "cli/Commands.h"
#include "image/ChannelFile.h"
#include "image/ImageMap.h"
#include "link/PtyRadioServer.h"
#include "link/SimulatedRadio.h"

namespace {

void SimulateUsage(std::ostream& out) {
    out << "usage: orinctl simulate [--image FILE.sin] [--save-to FILE.sin] [--fault LIST]\n"
           "                        [--line-timing] [--reply-header LAYOUT]\n\n"
           "Runs a simulated radio on a new pseudo-terminal and prints its device path as\n"
           "the first line. The radio starts with FILE.sin or a demo channel set, serves\n"
           "reads and writes until interrupted, and after every completed write saves its\n"
           "memory to --save-to. --line-timing paces every byte as a 9600-baud line would.\n"
           "--reply-header sets the 4 bytes before the data of a read reply, as radios\n"
           "differ: 57-AH-AL-08 (the default), 57-00-AH-AL or 57-08-AH-AL, where AH AL\n"
           "is the block's address.\n"
           "LIST is a comma-separated list of faults:\n"
           "  never-answer      no answer at all\n"
           "  answer-from=N     ignore the wake-up frames before the N-th (1-2147483647)\n"
           "  wrong-model       a model identifier other than T426\n"
           "  version=HEX       this version byte (37 and FF are accepted, e.g. 36, 38)\n"
           "  short-reply=K[:L] read: reply to block K (0-396) with L bytes (0-11, default 9)\n"
           "  extra-byte=K[:P]  read: send byte P (0-11, default 4) of block K's reply twice\n"
           "  wrong-block=K     read: answer block K with the next block's header and data\n"
           "  no-ack=K          no acknowledgement for block K\n"
           "  refuse=K          answer block K with 0x15 instead of 0x06\n"
           "  corrupt-write=K   write: acknowledge block K but store a wrong first byte\n"
           "  echo              the cable echoes every byte sent, before any answer\n"
           "  vanish-after=N    the pseudo-terminal goes away once N bytes arrived\n"
           "  byte-gap=MS       a slow radio: MS milliseconds (1-2000) before each byte it sends\n";
}

int g_StopFd = -1;

void OnSignal(int) {
    const char byte = 0;
    [[maybe_unused]] const ssize_t r = ::write(g_StopFd, &byte, 1);
}

bool ParseNumber(const std::string& text, int base, long& value) {
    if (text.empty()) {
        return false;
    }
    std::size_t used = 0;
    try {
        value = std::stol(text, &used, base);
    } catch (...) {
        return false;
    }
    return used == text.size() && value >= 0;
}

// A block number the radio is ever asked for: a fault on any other never fires.
bool ParseBlock(const std::string& text, long& block) {
    return ParseNumber(text, 10, block) && block < ImageMap::BlockCount;
}

// K or K:N, a block and a byte count or position in its 12-byte reply.
bool ParseBlockAndByte(const std::string& text, long& block, long& byte) {
    const std::size_t colon = text.find(':');
    return ParseBlock(text.substr(0, colon), block) &&
           (colon == std::string::npos ||
            (ParseNumber(text.substr(colon + 1), 10, byte) && byte < 12));
}

bool ParseFaults(const std::string& list, SimulatedRadioOptions& options, std::string& error) {
    std::stringstream items(list);
    std::string item;
    while (std::getline(items, item, ',')) {
        const std::size_t eq = item.find('=');
        const std::string name = item.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : item.substr(eq + 1);
        long number = 0;
        bool ok = true;
        if (name == "never-answer" && value.empty()) {
            options.bNeverAnswer = true;
        } else if (name == "echo" && value.empty()) {
            options.bEchoCable = true;
        } else if (name == "vanish-after") {
            ok = ParseNumber(value, 10, number);
            options.vanishAfterBytes = number;
        } else if (name == "byte-gap") {
            ok = ParseNumber(value, 10, number) && number >= 1 && number <= 2000;
            options.byteGapMs = static_cast<double>(number);
        } else if (name == "wrong-model" && value.empty()) {
            options.bWrongModel = true;
        } else if (name == "answer-from") {
            // The radio counts wake-ups in an int: a larger N would never come.
            ok = ParseNumber(value, 10, number) && number >= 1 &&
                 number <= std::numeric_limits<int>::max();
            options.answerFromWakeUp = static_cast<int>(number);
        } else if (name == "version") {
            ok = ParseNumber(value, 16, number) && number <= 0xFF;
            options.version = static_cast<std::uint8_t>(number);
        } else if (name == "short-reply") {
            long length = 9;
            ok = ParseBlockAndByte(value, number, length);
            options.shortReplyBlock = static_cast<int>(number);
            options.shortReplyLength = static_cast<std::size_t>(length);
        } else if (name == "extra-byte") {
            long position = 4;
            ok = ParseBlockAndByte(value, number, position);
            options.extraByteBlock = static_cast<int>(number);
            options.extraBytePosition = static_cast<std::size_t>(position);
        } else if (name == "wrong-block") {
            ok = ParseBlock(value, number);
            options.wrongBlock = static_cast<int>(number);
        } else if (name == "no-ack") {
            ok = ParseBlock(value, number);
            options.noAckBlock = static_cast<int>(number);
        } else if (name == "corrupt-write") {
            ok = ParseBlock(value, number);
            options.corruptWriteBlock = static_cast<int>(number);
        } else if (name == "refuse") {
            ok = ParseBlock(value, number);
            options.refuseBlock = static_cast<int>(number);
        } else {
            ok = false;
        }
        if (!ok) {
            error = "unknown or malformed fault '" + item +
                    "' (blocks are 0-396, a short reply 0-11 bytes, a byte position 0-11, "
                    "answer-from 1-2147483647, byte-gap 1-2000)";
            return false;
        }
    }
    return true;
}

bool ParseReplyHeader(const std::string& text, ReplyHeader& header) {
    const struct {
        const char* name;
        ReplyHeader header;
    } layouts[] = {
        {"57-AH-AL-08", ReplyHeader::CommandAddressLength},
        {"57-00-AH-AL", ReplyHeader::CommandZeroAddress},
        {"57-08-AH-AL", ReplyHeader::CommandLengthAddress},
    };
    for (const auto& layout : layouts) {
        if (text == layout.name) {
            header = layout.header;
            return true;
        }
    }
    return false;
}

} // namespace

int RunSimulate(const std::vector<std::string>& args) {
    int exit = ExitOk;
    SimulatedRadioOptions options;
    const auto parsed = ParseCommand(
        "simulate", SimulateUsage, args, {"--image", "--save-to", "--fault", "--reply-header"},
        {"--line-timing"}, exit, {}, [&](const CliArgs& a, std::string& error) {
            const auto faults = a.Value("--fault");
            const auto header = a.Value("--reply-header");
            if (header && !ParseReplyHeader(*header, options.replyHeader)) {
                error = "unknown --reply-header '" + *header +
                        "' (57-AH-AL-08, 57-00-AH-AL or 57-08-AH-AL)";
                return false;
            }
            return !faults || ParseFaults(*faults, options, error);
        });
    if (!parsed) {
        return exit;
    }
    if (!parsed->positional.empty()) {
        return UsageError("simulate", "unexpected argument " + parsed->positional[0]);
    }
    options.bLineTiming = parsed->Has("--line-timing");
    std::string error;
    ChannelFile doc;
    doc.Image() = SimulatedRadio::DemoMemory();
    if (const auto image = parsed->Value("--image")) {
        const FileOutcome loaded = doc.LoadFile(*image);
        if (!loaded.ok) {
            std::cerr << "orinctl simulate: " << loaded.englishMessage << '\n';
            return ExitFailure;
        }
    }
    const auto saveTo = parsed->Value("--save-to");
    // Found out now, not after the first write the radio took.
    if (saveTo) {
        if (const FileOutcome savable = ChannelFile::CheckSavable(*saveTo); !savable.ok) {
            std::cerr << "orinctl simulate: " << savable.englishMessage << '\n';
            return ExitFailure;
        }
    }
    SimulatedRadio radio(doc.Image(), options);
    PtyRadioServer server(radio);
    if (!server.Start(error)) {
        std::cerr << "orinctl simulate: " << error << '\n';
        return ExitFailure;
    }
    g_StopFd = server.StopFd();
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::cout << server.SlavePath() << std::endl;

    bool bSaveFailed = false;
    server.Serve([&] {
        std::cerr << "write " << radio.CompletedWrites() << " completed\n";
        if (saveTo) {
            doc.Image() = radio.Memory();
            const FileOutcome saved = doc.SaveFile(*saveTo);
            if (!saved.ok) {
                std::cerr << "orinctl simulate: " << saved.englishMessage << '\n';
                bSaveFailed = true;
            }
        }
    });
    std::cerr << "stopped after " << radio.CompletedReads() << " reads and "
              << radio.CompletedWrites() << " writes\n";
    return bSaveFailed ? ExitFailure : ExitOk;
}
