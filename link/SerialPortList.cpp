#include "link/SerialPortList.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// COM names by their number, other names after them in text order.
bool PortOrder(const SerialPortEntry& a, const SerialPortEntry& b) {
    auto number = [](const std::string& name) -> long {
        if (name.size() > 3 && name.size() < 12 && Upper(name.substr(0, 3)) == "COM" &&
            name.find_first_not_of("0123456789", 3) == std::string::npos) {
            return std::stol(name.substr(3));
        }
        return -1;
    };
    const long na = number(a.name), nb = number(b.name);
    if ((na < 0) != (nb < 0)) {
        return na >= 0;
    }
    return na != nb ? na < nb : a.name < b.name;
}

} // namespace

std::vector<SerialPortEntry> MergeComPorts(const std::vector<std::string>& mapped,
                                           const std::vector<SerialPortEntry>& friendly) {
    std::vector<SerialPortEntry> ports;
    auto find = [&ports](const std::string& name) {
        return std::find_if(ports.begin(), ports.end(), [&name](const SerialPortEntry& p) {
            return Upper(p.name) == Upper(name);
        });
    };
    for (const std::string& name : mapped) {
        if (!name.empty() && find(name) == ports.end()) {
            ports.push_back({name, name});
        }
    }
    for (const SerialPortEntry& device : friendly) {
        if (device.name.empty()) {
            continue;
        }
        std::string label = device.label;
        if (label.empty()) {
            label = device.name;
        } else if (Upper(label).find("(" + Upper(device.name) + ")") == std::string::npos) {
            label += " (" + device.name + ")";
        }
        auto it = find(device.name);
        if (it == ports.end()) {
            ports.push_back({device.name, label, device.usb});
        } else {
            it->label = label;
            it->usb = device.usb;
        }
    }
    std::sort(ports.begin(), ports.end(), PortOrder);
    return ports;
}
