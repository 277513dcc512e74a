#include <iostream>

#include "cli/CommandPreamble.h"
#include "cli/Commands.h"
#include "image/ChannelFile.h"
#include "settings/SettingsListing.h"

namespace {

void SettingsUsage(std::ostream& out) {
    out << "usage: orinctl settings FILE.sin\n\n"
           "Prints the radio-wide settings of a channel file as the Optional Features\n"
           "and Side Key dialogs show them on opening, one Label=value line per control.\n";
}

} // namespace

int RunSettings(const std::vector<std::string>& args) {
    int exit = ExitOk;
    const auto parsed = ParseCommand("settings", SettingsUsage, args, {}, {}, exit);
    if (!parsed) {
        return exit;
    }
    if (parsed->positional.size() != 1) {
        return UsageError("settings", parsed->positional.empty() ? "missing FILE.sin"
                                                                 : "more than one file given");
    }
    // Read as the program reads a channel file: a regular file of exactly
    // 4096 bytes.
    ChannelFile doc;
    const FileOutcome loaded = doc.LoadFile(parsed->positional[0]);
    if (!loaded.ok) {
        std::cerr << "orinctl settings: " << loaded.englishMessage << '\n';
        return ExitFailure;
    }
    const MemoryImage& image = doc.Image();
    for (const SettingLine& line : ListSettings(image)) {
        std::cout << line.label << '=' << line.value << '\n';
    }
    if (!std::cout.flush()) {
        std::cerr << "orinctl settings: cannot write to standard output\n";
        return ExitFailure;
    }
    return ExitOk;
}
