#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#ifdef _WIN32
#include "base/WinText.h"
#endif

namespace {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>&);
    const char* summary;
};

const Command kCommands[] = {
    {"new", RunNew, "write a new channel file"},
    {"dump", RunDump, "print the channels of a channel file as CSV"},
    {"import", RunImport, "build a channel file from CSV"},
    {"settings", RunSettings, "print the radio-wide settings of a channel file"},
    {"diff", RunDiff, "compare two channel files field by field"},
    {"read", RunRead, "read a radio into a channel file"},
    {"write", RunWrite, "write a channel file into a radio"},
    {"verify", RunVerify, "compare a radio with a channel file"},
    {"plan", RunPlan, "insert a licence-free channel plan, or list the plans"},
    {"check", RunCheck, "check the channels of a channel file against a licence"},
    {"probe", RunProbe, "check the connection to a radio, step by step"},
    {"simulate", RunSimulate, "run a simulated radio on a pseudo-terminal"},
};

void Usage(std::ostream& out) {
    out << "usage: orinctl COMMAND [ARGS...]\n\ncommands:\n";
    for (const Command& c : kCommands) {
        out << "  " << c.name << std::string(10 - std::strlen(c.name), ' ') << c.summary << '\n';
    }
    out << "\n'orinctl COMMAND --help' tells more about one command.\n";
}

} // namespace

int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
    WinText::UseUtf8Console();
    std::vector<std::string> args = WinText::Arguments();
#else
    std::vector<std::string> args(argv + 1, argv + argc);
#endif
    if (args.empty()) {
        Usage(std::cerr);
        return ExitUsage;
    }
    const std::string name = args.front();
    args.erase(args.begin());
    if (name == "--help" || name == "-h" || name == "help") {
        Usage(std::cout);
        return ExitOk;
    }
    for (const Command& c : kCommands) {
        if (name == c.name) {
            return c.run(args);
        }
    }
    std::cerr << "orinctl: unknown command '" << name << "'\n";
    Usage(std::cerr);
    return ExitUsage;
}
