#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Whether two port names of a fleet lead to the same port, so that one radio
// is never written as two: the system's device names of the ports
// (SystemSerialLink::DeviceFor) are the same port when they name the same
// file (/dev/pts/3, /dev/pts//3, /dev/../dev/pts/3 and a link to it: one device
// and inode), or, as Windows reads them, the same COM port ("COM3", "com3",
// "\\.\COM3").
namespace FleetPorts {

bool Same(const std::string& a, const std::string& b);
// The first port that is the same as one before it, and that one.
struct Repeat {
    std::size_t first = 0;
    std::size_t again = 0;
};
std::optional<Repeat> FindRepeat(const std::vector<std::string>& devices);

} // namespace FleetPorts
