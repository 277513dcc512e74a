#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"

int RunSimulate(const std::vector<std::string>&) {
    std::cerr << "orinctl simulate: not available yet\n";
    return ExitFailure;
}
