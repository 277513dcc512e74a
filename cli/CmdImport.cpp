#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"

int RunImport(const std::vector<std::string>&) {
    std::cerr << "orinctl import: not available yet\n";
    return ExitFailure;
}
