// Any text as the settings file: lookups and changes never fail, and the file
// as written reads back to the same file.
#include <cstdint>
#include <string_view>

#include "formats/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ProfileFile profile;
    profile.LoadText(std::string_view(reinterpret_cast<const char*>(data), size));
    profile.GetValue("MAIN", "LANGUAGE", "English");
    profile.GetValue("MAIN", "LANGUAGE_FORCE", " 0 ");
    const std::string written = profile.Text();
    ProfileFile again;
    again.LoadText(written);
    if (again.Text() != written ||
        again.GetValue("MAIN", "LANGUAGE", "x") != profile.GetValue("MAIN", "LANGUAGE", "x")) {
        __builtin_trap();
    }
    return 0;
}
