#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"

int RunSettings(const std::vector<std::string>&) {
    std::cerr << "orinctl settings: not available yet\n";
    return ExitFailure;
}
