#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"

int RunWrite(const std::vector<std::string>&) {
    std::cerr << "orinctl write: not available yet\n";
    return ExitFailure;
}
