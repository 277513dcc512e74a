// The Windows serial link: port names, the system's reason for a failed open,
// and, over two COM ports joined by a null-modem cable (ORIN_TEST_COM_PAIR,
// e.g. "COM6,COM7"; scripts/test-windows.sh joins two under Wine), exclusive
// open, raw bytes and the read timeouts that the protocol relies on.
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

#include "link/WinSerialLink.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// Both ends of the cable, open and configured.
class WinSerialCable : public ::testing::Test {
protected:
    void SetUp() override {
        const char* pair = std::getenv("ORIN_TEST_COM_PAIR");
        const std::string names = pair ? pair : "";
        const std::size_t comma = names.find(',');
        if (comma == std::string::npos) {
            GTEST_SKIP() << "ORIN_TEST_COM_PAIR names no two joined COM ports";
        }
        m_NameA = names.substr(0, comma);
        m_NameB = names.substr(comma + 1);
        ASSERT_TRUE(a.Open(m_NameA)) << a.OpenError();
        ASSERT_TRUE(b.Open(m_NameB)) << b.OpenError();
        a.Configure();
        b.Configure();
    }

    std::string m_NameA;
    std::string m_NameB;
    WinSerialLink a;
    WinSerialLink b;
};

TEST(WinSerialLinkNames, ComNamesGetTheDevicePrefixSoComTenAndUpOpen) {
    EXPECT_EQ(WinSerialLink::DeviceFor("COM1"), "\\\\.\\COM1");
    EXPECT_EQ(WinSerialLink::DeviceFor("COM10"), "\\\\.\\COM10");
    EXPECT_EQ(WinSerialLink::DeviceFor("com3"), "\\\\.\\com3");
    EXPECT_EQ(WinSerialLink::DeviceFor("COM2147483648"), "\\\\.\\COM2147483648");
    EXPECT_EQ(WinSerialLink::DeviceFor("\\\\.\\COM4"), "\\\\.\\COM4");
    EXPECT_EQ(WinSerialLink::DeviceFor("COMX"), "COMX");
    EXPECT_EQ(WinSerialLink::DeviceFor("COM"), "COM");
}

TEST(WinSerialLinkOpen, MissingPortNamesItAndTheSystemReason) {
    WinSerialLink link;
    EXPECT_FALSE(link.Open("COM99"));
    const std::string error = link.OpenError();
    EXPECT_EQ(error.rfind("COM99: ", 0), 0u) << error;
    EXPECT_GT(error.find('\n'), 8u) << error; // some system text before the hint
    EXPECT_NE(error.find("does not exist"), std::string::npos) << error;
}

TEST(WinSerialLinkOpen, AFileIsNotASerialPort) {
    WinSerialLink link;
    EXPECT_FALSE(link.Open("C:\\windows\\win.ini"));
    EXPECT_NE(link.OpenError().find("not a serial port"), std::string::npos) << link.OpenError();
}

TEST_F(WinSerialCable, SecondOpenOfTheSamePortFailsUntilTheFirstCloses) {
    if (UnderWine()) {
        // Wine opens the Unix device again without any share check.
        GTEST_SKIP() << "Wine does not keep a serial port to its first opener";
    }
    WinSerialLink second;
    EXPECT_FALSE(second.Open(m_NameA));
    EXPECT_NE(second.OpenError().find("Another program"), std::string::npos) << second.OpenError();
    a.Close();
    EXPECT_TRUE(second.Open(m_NameA)) << second.OpenError();
}

TEST_F(WinSerialCable, ConfiguredLineCarriesEveryByteValueUnchangedBothWays) {
    std::vector<std::uint8_t> all(256);
    std::iota(all.begin(), all.end(), std::uint8_t{0});
    ASSERT_TRUE(a.Write(all.data(), all.size()));
    a.Purge(true); // must not drop what was written
    std::vector<std::uint8_t> got(256);
    RadioLink::ReadResult r = b.Read(got.data(), got.size());
    EXPECT_TRUE(r.ok);
    ASSERT_EQ(r.count, 256u);
    EXPECT_EQ(got, all);

    ASSERT_TRUE(b.Write(all.data(), all.size()));
    std::fill(got.begin(), got.end(), 0);
    r = a.Read(got.data(), got.size());
    ASSERT_EQ(r.count, 256u);
    EXPECT_EQ(got, all);
    // Nothing came back to the sender: no echo on either side.
    std::uint8_t extra = 0;
    EXPECT_EQ(b.Read(&extra, 1).count, 0u);
}

TEST_F(WinSerialCable, ShortReplyEndsAfterTheGapNotTheTotalTimeout) {
    const auto three = Bytes("\x01\x02\x03");
    ASSERT_TRUE(b.Write(three.data(), three.size()));
    std::uint8_t buffer[12] = {};
    const Clock::time_point start = Clock::now();
    const RadioLink::ReadResult r = a.Read(buffer, 12);
    const double ms = MsSince(start);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.count, 3u);
    EXPECT_LT(ms, 1000.0); // the total timeout would be 6090 ms
}

TEST_F(WinSerialCable, SilentLineEndsAfterTheTotalTimeoutWithNothing) {
    std::uint8_t byte = 0;
    const Clock::time_point start = Clock::now();
    const RadioLink::ReadResult r = a.Read(&byte, 1);
    const double ms = MsSince(start);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.count, 0u);
    EXPECT_GE(ms, 580.0);
    EXPECT_LT(ms, 1500.0);
}

TEST_F(WinSerialCable, PurgeDiscardsWhatArrivedEarlier) {
    const auto stale = Bytes("stale");
    ASSERT_TRUE(b.Write(stale.data(), stale.size()));
    // The first byte proves the rest, written with it, has arrived too.
    std::uint8_t buffer[8] = {};
    ASSERT_EQ(a.Read(buffer, 1).count, 1u);
    a.Purge(false);
    const auto fresh = Bytes("fresh");
    ASSERT_TRUE(b.Write(fresh.data(), fresh.size()));
    const RadioLink::ReadResult r = a.Read(buffer, 5);
    ASSERT_EQ(r.count, 5u);
    EXPECT_EQ(std::string(buffer, buffer + 5), "fresh");
}

} // namespace
