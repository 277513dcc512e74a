#pragma once

#include <ostream>
#include <string>

#include "base/Lang.h"
#include "cli/CliArgs.h"
#include "compare/ImageCompare.h"

// How diff, verify and write --verify print a comparison.
struct CompareOutput {
    Lang lang = Lang::English;
    bool bCsv = false;
};

// --lang en|zh and --format text|csv; false with error set for other values.
bool ParseCompareOutput(const CliArgs& args, CompareOutput& output, std::string& error);

// Text: one line per difference. CSV: a header and one record per
// difference. Nothing at all when there is none. False, with the reason on
// stderr under the command's name, when the output could not be written.
bool PrintComparison(const ImageComparison& comparison, const CompareOutput& output,
                     std::ostream& out, const char* command);
