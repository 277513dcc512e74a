#include "link/PortFacts.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>

#include "link/SerialLink.h"

namespace {

std::string FirstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

std::optional<std::uint16_t> HexId(const std::string& text) {
    if (text.size() != 4 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(std::stoul(text, nullptr, 16));
}

// The USB device of a tty: sysfs links /sys/class/tty/NAME/device to the
// interface (ttyACM) or the usb-serial port (ttyUSB) below the device, whose
// folder holds idVendor, idProduct and serial.
std::optional<UsbIdentity> UsbOf(const std::string& device) {
    char resolved[PATH_MAX];
    if (!::realpath(device.c_str(), resolved)) {
        return std::nullopt;
    }
    const std::string path = resolved;
    const std::string name = path.substr(path.find_last_of('/') + 1);
    char sys[PATH_MAX];
    if (!::realpath(("/sys/class/tty/" + name + "/device").c_str(), sys)) {
        return std::nullopt;
    }
    std::string folder = sys;
    for (int up = 0; up < 4 && folder.size() > 1; ++up) {
        const auto vendor = HexId(FirstLine(folder + "/idVendor"));
        const auto product = HexId(FirstLine(folder + "/idProduct"));
        if (vendor && product) {
            return UsbIdentity{*vendor, *product, FirstLine(folder + "/serial")};
        }
        folder = folder.substr(0, folder.find_last_of('/'));
    }
    return std::nullopt;
}

} // namespace

PortFacts PortFacts::Inspect(const std::string& portName) {
    PortFacts facts;
    const std::string device = SerialLink::DeviceFor(portName);
    struct stat status {};
    facts.bExists = ::stat(device.c_str(), &status) == 0;
    if (facts.bExists) {
        facts.usb = UsbOf(device);
    }
    return facts;
}
