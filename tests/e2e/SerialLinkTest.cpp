// The serial link on a pseudo-terminal: exclusive open, raw bytes, and the
// read timeouts that the protocol relies on.
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include "link/SerialLink.h"

namespace {

using Clock = std::chrono::steady_clock;

// A pseudo-terminal in its default cooked state; the test talks on the master.
struct Pty {
    int master = -1;
    int slave = -1;
    std::string path;
    Pty() {
        char name[256] = {};
        EXPECT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
        path = name;
    }
    ~Pty() {
        close(master);
        close(slave);
    }
    std::vector<std::uint8_t> Drain(std::size_t n) {
        std::vector<std::uint8_t> got;
        while (got.size() < n) {
            pollfd p{master, POLLIN, 0};
            if (poll(&p, 1, 2000) <= 0) {
                break;
            }
            std::uint8_t buffer[256];
            const ssize_t r = read(master, buffer, sizeof buffer);
            if (r <= 0) {
                break;
            }
            got.insert(got.end(), buffer, buffer + r);
        }
        return got;
    }
};

double MsSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

TEST(SerialLinkNames, ComNamesStandForTtySAndOtherNamesArePaths) {
    EXPECT_EQ(SerialLink::DeviceFor("COM1"), "/dev/ttyS0");
    EXPECT_EQ(SerialLink::DeviceFor("COM4"), "/dev/ttyS3");
    EXPECT_EQ(SerialLink::DeviceFor("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(SerialLink::DeviceFor("COMX"), "COMX");
    EXPECT_EQ(SerialLink::DeviceFor("com1"), "com1");
}

TEST(SerialLinkNames, AnyPortTextEndsInAFailedOpenNotACrash) {
    // Numbers beyond any int used to throw out of the transfer.
    for (const char* name : {"COM2147483648", "COM99999999999", "COM0", "COM-1", "COM1x", "COM+2",
                             "COM18446744073709551617", "", "COM"}) {
        EXPECT_EQ(SerialLink::DeviceFor(name), name);
        SerialLink link;
        EXPECT_FALSE(link.Open(name)) << name;
        EXPECT_FALSE(link.OpenError().empty()) << name;
    }
    EXPECT_EQ(SerialLink::DeviceFor("COM256"), "/dev/ttyS255");
}

TEST(SerialLinkSettings, LineIsSetTo9600Baud8N1RawWithFlowControlKept) {
    // The settings themselves, on a termios full of other choices: a
    // pseudo-terminal would silently force 8 data bits and no parity.
    termios tio{};
    tio.c_cflag = CS7 | PARENB | PARODD | CSTOPB | CRTSCTS | HUPCL;
    tio.c_iflag = ICRNL | IXON | IXOFF | ISTRIP | INPCK | IGNCR;
    tio.c_oflag = OPOST | ONLCR;
    tio.c_lflag = ECHO | ICANON | ISIG | IEXTEN;
    tio.c_cc[VMIN] = 5;
    tio.c_cc[VTIME] = 3;
    cfsetspeed(&tio, B4800);
    SerialLink::SetLineSettings(tio);
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB), 0u);
    EXPECT_EQ(tio.c_cflag & (CREAD | CLOCAL), tcflag_t(CREAD | CLOCAL));
    EXPECT_EQ(tio.c_cflag & CRTSCTS, tcflag_t(CRTSCTS)); // left as the port had it
    EXPECT_EQ(tio.c_iflag & (ICRNL | IXON | IXOFF | ISTRIP | INPCK | IGNCR), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_EQ(tio.c_lflag & (ECHO | ICANON | ISIG | IEXTEN), 0u);
    EXPECT_EQ(tio.c_cc[VMIN], 0);
    EXPECT_EQ(tio.c_cc[VTIME], 0);
    EXPECT_EQ(cfgetispeed(&tio), speed_t(B9600));
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B9600));
}

TEST(SerialLinkSettings, ConfigureLeavesTheSlaveAt9600Baud1StopBitRaw) {
    // Read back on the test's own slave descriptor of the same terminal.
    Pty pty;
    termios cooked{};
    ASSERT_EQ(tcgetattr(pty.slave, &cooked), 0);
    cfsetspeed(&cooked, B4800);
    cooked.c_cflag |= CSTOPB;
    ASSERT_EQ(tcsetattr(pty.slave, TCSANOW, &cooked), 0);
    SerialLink link;
    ASSERT_TRUE(link.Open(pty.path));
    link.Configure();
    termios tio{};
    ASSERT_EQ(tcgetattr(pty.slave, &tio), 0);
    EXPECT_EQ(cfgetispeed(&tio), speed_t(B9600));
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B9600));
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(tio.c_iflag & (ICRNL | IXON), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
}

TEST(SerialLinkWrite, QueueThatNeverEmptiesFailsTheWriteWithinItsTimeout) {
    // Hardware flow control with no CTS: the driver keeps the bytes for ever.
    Pty pty;
    SerialLink link;
    ASSERT_TRUE(link.Open(pty.path));
    link.Configure();
    int probes = 0;
    link.SetQueuedOutputProbe([&](int) {
        ++probes;
        return 4;
    });
    const std::uint8_t header[] = {0x57, 0x00, 0x00, 0x08};
    const Clock::time_point start = Clock::now();
    EXPECT_FALSE(link.Write(header, 4));
    const double ms = MsSince(start);
    EXPECT_GE(ms, RadioLink::WriteTotalTimeoutMs(4) - 1.0);
    EXPECT_LT(ms, RadioLink::WriteTotalTimeoutMs(4) + 500.0);
    EXPECT_GT(probes, 1);
    // A queue that empties lets the write succeed.
    link.SetQueuedOutputProbe([](int) { return 0; });
    EXPECT_TRUE(link.Write(header, 4));
}

TEST(SerialLinkOpen, SecondOpenOfTheSamePortFailsAsBusy) {
    Pty pty;
    SerialLink first;
    SerialLink second;
    ASSERT_TRUE(first.Open(pty.path)) << first.OpenError();
    EXPECT_FALSE(second.Open(pty.path));
    EXPECT_NE(second.OpenError().find("Another program"), std::string::npos);
    first.Close();
    EXPECT_TRUE(second.Open(pty.path)) << second.OpenError();
}

TEST(SerialLinkOpen, MissingDeviceNamesTheSystemReason) {
    SerialLink link;
    EXPECT_FALSE(link.Open("/dev/orin-no-such-port"));
    EXPECT_NE(link.OpenError().find("No such file"), std::string::npos) << link.OpenError();
}

TEST(SerialLinkBytes, ConfiguredLineCarriesEveryByteValueUnchangedBothWays) {
    Pty pty;
    SerialLink link;
    ASSERT_TRUE(link.Open(pty.path));
    link.Configure();
    std::vector<std::uint8_t> all(256);
    for (int i = 0; i < 256; ++i) {
        all[i] = static_cast<std::uint8_t>(i);
    }
    ASSERT_TRUE(link.Write(all.data(), all.size()));
    link.Purge(false); // must not drop what was written
    EXPECT_EQ(pty.Drain(256), all);

    ASSERT_EQ(write(pty.master, all.data(), all.size()), 256);
    std::vector<std::uint8_t> got(256);
    const RadioLink::ReadResult r = link.Read(got.data(), got.size());
    EXPECT_TRUE(r.ok);
    ASSERT_EQ(r.count, 256u);
    EXPECT_EQ(got, all);
    // Nothing came back to the master: no echo.
    pollfd p{pty.master, POLLIN, 0};
    EXPECT_EQ(poll(&p, 1, 0), 0);
}

TEST(SerialLinkTimeouts, ShortReplyEndsAfterTheGapNotTheTotalTimeout) {
    Pty pty;
    SerialLink link;
    ASSERT_TRUE(link.Open(pty.path));
    link.Configure();
    const std::uint8_t three[] = {1, 2, 3};
    ASSERT_EQ(write(pty.master, three, 3), 3);
    std::uint8_t buffer[12] = {};
    const Clock::time_point start = Clock::now();
    const RadioLink::ReadResult r = link.Read(buffer, 12);
    const double ms = MsSince(start);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.count, 3u);
    EXPECT_GE(ms, 29.0);
    EXPECT_LT(ms, 1000.0); // the total timeout would be 6090 ms
}

TEST(SerialLinkTimeouts, SilentLineEndsAfterTheTotalTimeoutWithNothing) {
    Pty pty;
    SerialLink link;
    ASSERT_TRUE(link.Open(pty.path));
    link.Configure();
    std::uint8_t byte = 0;
    const Clock::time_point start = Clock::now();
    const RadioLink::ReadResult r = link.Read(&byte, 1);
    const double ms = MsSince(start);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.count, 0u);
    EXPECT_GE(ms, 589.0);
    EXPECT_LT(ms, 1500.0);
}

TEST(SerialLinkTimeouts, PurgeDiscardsWhatTheRadioSentEarlier) {
    Pty pty;
    SerialLink link;
    ASSERT_TRUE(link.Open(pty.path));
    link.Configure();
    const std::uint8_t stale[] = {0x06, 0x06};
    ASSERT_EQ(write(pty.master, stale, 2), 2);
    // Reading the first byte proves both have arrived before the purge.
    std::uint8_t peek[2];
    ASSERT_EQ(link.Read(peek, 1).count, 1u);
    link.Purge(false);
    std::uint8_t buffer[4];
    const std::uint8_t fresh[] = {0x41};
    ASSERT_EQ(write(pty.master, fresh, 1), 1);
    const RadioLink::ReadResult r = link.Read(buffer, 1);
    ASSERT_EQ(r.count, 1u);
    EXPECT_EQ(buffer[0], 0x41);
}

} // namespace
