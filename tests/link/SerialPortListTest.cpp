// How the Port menu's list of Windows ports is put together from the
// registry's map and the devices' friendly names.
#include <gtest/gtest.h>

#include "link/SerialPortList.h"

namespace {

struct MergeCase {
    const char* what;
    std::vector<std::string> mapped;
    std::vector<SerialPortEntry> friendly;
    std::vector<SerialPortEntry> expected;
};

std::string Describe(const std::vector<SerialPortEntry>& ports) {
    std::string text;
    for (const SerialPortEntry& p : ports) {
        text += p.name + "=" + p.label + "; ";
    }
    return text;
}

TEST(SerialPortList, MergesMapAndFriendlyNames) {
    const MergeCase cases[] = {
        {"no ports", {}, {}, {}},
        {"mapped only: the name is the label", {"COM3"}, {}, {{"COM3", "COM3"}}},
        {"a friendly name that names its port is kept as it is",
         {"COM7"},
         {{"COM7", "USB-SERIAL CH340 (COM7)"}},
         {{"COM7", "USB-SERIAL CH340 (COM7)"}}},
        {"a friendly name without the port gets it added",
         {},
         {{"COM4", "Prolific USB-to-Serial"}},
         {{"COM4", "Prolific USB-to-Serial (COM4)"}}},
        {"one entry per port, whatever the letter case",
         {"COM5", "com5"},
         {{"Com5", "FTDI (COM5)"}},
         {{"COM5", "FTDI (COM5)"}}},
        {"ports in number order, not text order",
         {"COM10", "COM2", "COM1"},
         {},
         {{"COM1", "COM1"}, {"COM2", "COM2"}, {"COM10", "COM10"}}},
        {"odd names after the COM ports",
         {"\\\\.\\CNCA0", "COM9"},
         {},
         {{"COM9", "COM9"}, {"\\\\.\\CNCA0", "\\\\.\\CNCA0"}}},
        {"a device without a port name is left out", {}, {{"", "Modem"}}, {}},
        {"an empty friendly name leaves the port's name", {}, {{"COM6", ""}}, {{"COM6", "COM6"}}},
    };
    for (const MergeCase& c : cases) {
        const auto merged = MergeComPorts(c.mapped, c.friendly);
        EXPECT_EQ(Describe(merged), Describe(c.expected)) << c.what;
    }
}

} // namespace
