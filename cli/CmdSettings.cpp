#include <fstream>
#include <iostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "image/MemoryImage.h"
#include "settings/SettingsListing.h"

namespace {

void SettingsUsage(std::ostream& out) {
    out << "usage: orinctl settings FILE.sin\n\n"
           "Prints the radio-wide settings of a channel file as the Optional Features\n"
           "and Side Key dialogs show them on opening, one Label=value line per control.\n";
}

} // namespace

int RunSettings(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = ParseCliArgs(args, {}, {}, error);
    if (!parsed) {
        std::cerr << "orinctl settings: " << error << '\n';
        SettingsUsage(std::cerr);
        return ExitUsage;
    }
    if (parsed->help) {
        SettingsUsage(std::cout);
        return ExitOk;
    }
    if (parsed->positional.size() != 1) {
        SettingsUsage(std::cerr);
        return ExitUsage;
    }
    const std::string& path = parsed->positional[0];
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "orinctl settings: cannot open " << path << '\n';
        return ExitFailure;
    }
    // Like the program itself: the first 4096 bytes are the image, a shorter
    // file is no channel file.
    MemoryImage image;
    file.read(reinterpret_cast<char*>(image.data()), MemoryImage::Size);
    if (file.gcount() != static_cast<std::streamsize>(MemoryImage::Size)) {
        std::cerr << "orinctl settings: " << path << " is not a channel file (shorter than "
                  << MemoryImage::Size << " bytes)\n";
        return ExitFailure;
    }
    for (const SettingLine& line : ListSettings(image)) {
        std::cout << line.label << '=' << line.value << '\n';
    }
    return std::cout.flush() ? ExitOk : ExitFailure;
}
