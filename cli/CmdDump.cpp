#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"

int RunDump(const std::vector<std::string>&) {
    std::cerr << "orinctl dump: not available yet\n";
    return ExitFailure;
}
