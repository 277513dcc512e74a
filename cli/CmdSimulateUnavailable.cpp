#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"

// The simulated radio answers on a pseudo-terminal, which Windows lacks. Run
// it on Linux and reach it through a serial cable or a Wine COM port instead.
int RunSimulate(const std::vector<std::string>&) {
    std::cerr << "orinctl simulate: not available on Windows\n";
    return ExitFailure;
}
