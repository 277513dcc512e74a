// One port under two names is one port: the same file reached another way, or
// a COM port as Windows reads its names.
#include <gtest/gtest.h>

#include <filesystem>

#include "fleet/FleetPorts.h"
#include "support/ScratchDir.h"

namespace {

TEST(FleetPorts, TheSamePortUnderAnyOfItsNamesIsFoundAsRepeated) {
    ScratchDir dir;
    const std::string pts = dir.Write("3", "");
    dir.Write("30", "");
    std::filesystem::create_directory(dir.Path() / "sub");
#ifndef _WIN32
    std::filesystem::create_symlink(pts, dir.Path() / "link");
#endif
    const struct {
        std::string a;
        std::string b;
        bool bSame;
    } cases[] = {
        {"COM3", "COM3", true},
        {"COM3", "\\\\.\\COM3", true},
        {"com3", "\\\\.\\COM3", true},
        {"COM3", "COM30", false},
        {"COM3", "/dev/ttyS2", false},
        {"\\\\.\\COMX", "COMX", false},
        {pts, dir.File("30"), false},
        {pts, dir.Text() + "//3", true},
        {pts, dir.Text() + "/sub/../3", true},
#ifndef _WIN32
        {pts, dir.File("link"), true},
        {"/dev/null", "/dev//null", true}, // a device, as a serial port is
        {"/dev/null", "/dev/zero", false},
#endif
        {dir.File("missing"), dir.Text() + "//missing", false}, // not opened, so not written
    };
    for (const auto& c : cases) {
        const std::vector<std::string> ports = {dir.File("other"), c.a, c.b};
        const auto repeat = FleetPorts::FindRepeat(ports);
        EXPECT_EQ(repeat.has_value(), c.bSame) << c.a << " and " << c.b;
        if (repeat) {
            EXPECT_EQ(repeat->first, 1u);
            EXPECT_EQ(repeat->again, 2u);
        }
    }
}

} // namespace
