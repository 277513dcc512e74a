#include "fleet/FleetPorts.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "image/Utf8.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace FleetPorts {

namespace {

// A name as Windows reads a COM port: without the device prefix, in capitals.
// Any other name stays as it is.
std::string ComName(const std::string& name) {
    std::string rest = name;
    for (const char* prefix : {"\\\\.\\", "\\\\?\\", "//./"}) {
        if (rest.rfind(prefix, 0) == 0) {
            rest.erase(0, 4);
            break;
        }
    }
    std::string upper = rest;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const bool bCom = upper.size() > 3 && upper.rfind("COM", 0) == 0 &&
                      upper.find_first_not_of("0123456789", 3) == std::string::npos;
    return bCom ? upper : name;
}

} // namespace

bool Same(const std::string& a, const std::string& b) {
    if (a == b || ComName(a) == ComName(b)) {
        return true;
    }
#ifdef _WIN32
    std::error_code error;
    return std::filesystem::equivalent(Utf8::Path(a), Utf8::Path(b), error) && !error;
#else
    // One file, whatever the path to it; or one device under two nodes.
    // (std::filesystem::equivalent refuses to compare devices.)
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0) {
        return false;
    }
    const bool bDevices = S_ISCHR(first.st_mode) && S_ISCHR(second.st_mode);
    return (first.st_dev == second.st_dev && first.st_ino == second.st_ino) ||
           (bDevices && first.st_rdev == second.st_rdev);
#endif
}

std::optional<Repeat> FindRepeat(const std::vector<std::string>& devices) {
    for (std::size_t again = 1; again < devices.size(); ++again) {
        for (std::size_t first = 0; first < again; ++first) {
            if (Same(devices[first], devices[again])) {
                return Repeat{first, again};
            }
        }
    }
    return std::nullopt;
}

} // namespace FleetPorts
