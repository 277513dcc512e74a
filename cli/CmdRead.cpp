#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"

int RunRead(const std::vector<std::string>&) {
    std::cerr << "orinctl read: not available yet\n";
    return ExitFailure;
}
