#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"

int RunNew(const std::vector<std::string>&) {
    std::cerr << "orinctl new: not available yet\n";
    return ExitFailure;
}
