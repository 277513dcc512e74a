#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliArgs.h"
#include "cli/Commands.h"

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
    {"read", RunRead, "read a radio into a channel file"},
    {"write", RunWrite, "write a channel file into a radio"},
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

int main(int argc, char** argv) {
    if (argc < 2) {
        Usage(std::cerr);
        return ExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        Usage(std::cout);
        return ExitOk;
    }
    for (const Command& c : kCommands) {
        if (name == c.name) {
            return c.run(std::vector<std::string>(argv + 2, argv + argc));
        }
    }
    std::cerr << "orinctl: unknown command '" << name << "'\n";
    Usage(std::cerr);
    return ExitUsage;
}
