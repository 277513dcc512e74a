#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "base/Lang.h"
#include "cli/CliArgs.h"

// The help of orinctl write for several radios.
extern const char* const FleetWriteHelp;

// orinctl write with several --port, --number, --log or --next: one file into
// many radios, each with its own ID, a line per radio as it finishes.
int RunFleetWrite(const CliArgs& args, const std::vector<std::string>& ports, int retries,
                  Lang lang, void (*usage)(std::ostream&));
