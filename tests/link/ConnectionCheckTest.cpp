// The connection check over the simulated radio on a virtual clock: each step
// that fails says why in both languages, and a radio that answers is left as
// after a read, with nothing written into it.
#include <functional>
#include <gtest/gtest.h>

#include "link/ConnectionCheck.h"
#include "link/InMemoryLink.h"
#include "link/SimulatedRadio.h"
#include "link/UsbIdentity.h"

namespace {

using Bytes = InMemoryLink::Bytes;
using Kind = CheckStep::Kind;

// The check against a simulated radio. filter sits between the link and the
// radio and may change what the radio says; wait adds virtual time to a
// reply of the given length before it is read.
struct CheckRig {
    double clockMs = 0;
    SimulatedRadio radio;
    std::function<Bytes(const Bytes& written, Bytes reply)> filter;
    InMemoryLink link;
    int writes = 0;

    explicit CheckRig(SimulatedRadioOptions options = {})
        : radio(SimulatedRadio::DemoMemory(), (options.bLineTiming = true, options)),
          link(
              [this](const Bytes& written) {
                  ++writes;
                  Bytes reply = radio.Receive(written);
                  return filter ? filter(written, std::move(reply)) : reply;
              },
              [this](double ms) { clockMs += ms; }, true) {}

    ConnectionReport Run(const PortFacts& facts = {}) {
        ConnectionCheck check(
            link, [this](int ms) { clockMs += ms; }, [this] { return clockMs; });
        return check.Run("COM3", facts);
    }
};

// A filter that changes only the replies to one kind of request.
std::function<Bytes(const Bytes&, Bytes)> OnReplyTo(std::uint8_t request,
                                                    std::function<Bytes(Bytes)> change) {
    return [request, change](const Bytes& written, Bytes reply) {
        return written.size() == 1 && written[0] == request && !reply.empty() ? change(reply)
                                                                              : reply;
    };
}

TEST(ConnectionCheck, EachFailingStepSaysWhyAndTheCheckStopsThere) {
    struct Case {
        const char* what;
        SimulatedRadioOptions options;
        std::function<void(CheckRig&, PortFacts&)> arrange;
        Kind failing;
        const char* english;
        const char* chinese;
    };
    const Case cases[] = {
        {"no such port",
         {},
         [](CheckRig&, PortFacts& f) { f.bExists = false; },
         Kind::Port,
         "there is no port COM3: plug the cable in",
         "没有端口 COM3"},
        {"driver missing",
         {},
         [](CheckRig&, PortFacts& f) {
             f.bExists = false;
             f.driver = PortFacts::Driver::Missing;
             f.driverChip = "CH340";
         },
         Kind::Port,
         "a CH340 cable is plugged in, but its driver is missing",
         "CH340 驱动程序"},
        {"busy port",
         {},
         [](CheckRig& r, PortFacts&) {
             r.link.SetOpenFailure("held", RadioLink::OpenProblem::Busy);
         },
         Kind::Port,
         "another program holds COM3: close it",
         "另一个程序占用了 COM3"},
        {"no permission",
         {},
         [](CheckRig& r, PortFacts&) {
             r.link.SetOpenFailure("denied", RadioLink::OpenProblem::NoPermission);
         },
         Kind::Port,
         "group dialout; join it with 'sudo adduser $USER dialout'",
         "sudo adduser $USER dialout"},
        {"port vanishes",
         {},
         [](CheckRig& r, PortFacts&) {
             r.link.SetWriteFailure([&r](const Bytes&) { return r.writes >= 3; });
         },
         Kind::Port,
         "COM3 opened, then went away",
         "COM3 打开后又消失了"},
        {"echoing cable",
         {.bNeverAnswer = true, .bEchoCable = true},
         {},
         Kind::Cable,
         "every byte sent comes straight back: the cable echoes",
         "连接线有回显"},
        {"no radio",
         {.bNeverAnswer = true},
         {},
         Kind::Radio,
         "no answer to the wake-up: switch the radio on",
         "唤醒没有应答"},
        {"something else answers",
         {},
         [](CheckRig& r, PortFacts&) {
             r.filter = [](const Bytes& written, Bytes reply) {
                 const bool bWakeUpEnd = written == Bytes{'A'} || written == Bytes{'B'};
                 return bWakeUpEnd ? Bytes{0x15} : reply;
             };
         },
         Kind::Radio,
         "answered with 0x15",
         "0x15"},
        {"another model",
         {.bWrongModel = true},
         {},
         Kind::Radio,
         "another model answers: it calls itself \"T429\", version 0x37",
         "“T429”"},
        {"a later version", {.version = 0x38}, {}, Kind::Radio, "of version 0x38", "版本 0x38"},
        {"identity broken off",
         {},
         [](CheckRig& r, PortFacts&) {
             r.filter = OnReplyTo(0x02, [](Bytes reply) {
                 reply.resize(reply.size() == 8 ? 3 : reply.size());
                 return reply;
             });
         },
         Kind::Radio,
         "broke off after 3 of 8 bytes",
         "只收到 3 个"},
        {"no acknowledgement",
         {},
         [](CheckRig& r, PortFacts&) {
             r.filter = OnReplyTo(SimulatedRadio::Ack, [](Bytes) { return Bytes{}; });
         },
         Kind::Radio,
         "version 0x37, but did not acknowledge",
         "没有确认应答"},
        {"long replies cut short",
         {},
         [](CheckRig& r, PortFacts&) {
             r.filter = [](const Bytes& written, Bytes reply) {
                 if (written.size() == 4 && written[0] == 'R') {
                     reply.resize(9);
                 }
                 return reply;
             };
         },
         Kind::Line,
         "did not arrive whole: a read would fail",
         "读取会失败"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CheckRig rig(c.options);
        PortFacts facts;
        if (c.arrange) {
            c.arrange(rig, facts);
        }
        const ConnectionReport report = rig.Run(facts);
        ASSERT_EQ(report.steps.size(), static_cast<std::size_t>(c.failing) + 1);
        for (const CheckStep& step : report.steps) {
            EXPECT_EQ(step.ok, step.kind != c.failing) << step.english;
        }
        const CheckStep& failed = report.steps.back();
        EXPECT_EQ(failed.kind, c.failing);
        EXPECT_NE(failed.english.find(c.english), std::string::npos) << failed.english;
        EXPECT_NE(failed.chinese.find(c.chinese), std::string::npos) << failed.chinese;
        EXPECT_FALSE(report.RadioAnswered());
        // Nothing is ever written into the radio's memory.
        EXPECT_EQ(rig.radio.Memory(), SimulatedRadio::DemoMemory());
        // Under 6 s however the radio fails (virtual time).
        EXPECT_LT(rig.clockMs, 6000);
    }
}

TEST(ConnectionCheck, RadioThatAnswersIsLeftAsAfterARead) {
    CheckRig rig;
    const UsbIdentity cable{0x1A86, 0x7523, ""};
    const ConnectionReport report = rig.Run({true, cable, {}, {}});
    ASSERT_TRUE(report.RadioAnswered()) << report.Text(Lang::English);
    EXPECT_EQ(report.Text(Lang::English),
              "✓ Port: COM3 — USB serial (1A86:7523), CH340: opens\n"
              "✓ Cable: bytes sent do not come back (no echo)\n"
              "✓ Radio: Orin-6140D answers: T426, version 0x37; the acknowledgement works\n"
              "✓ Line: the wake-up was answered in 3 ms\n");
    EXPECT_EQ(report.steps[0].Line(Lang::Chinese),
              "✓ 端口：COM3 — USB 串口 (1A86:7523)，CH340：可以打开");
    // The opening of a read and its closing exchange, and no block.
    std::vector<Bytes> requests;
    for (const Bytes& w : rig.link.Written()) {
        if (w.size() >= 3 && (w[0] == 'R' || w[0] == 'W')) {
            requests.push_back(w);
        }
    }
    EXPECT_EQ(requests, (std::vector<Bytes>{{'R', 0x0F, 0xF0, 0x08}}));
    EXPECT_EQ(rig.radio.CompletedReads(), 1);
    EXPECT_EQ(rig.link.Closes(), 1);
    EXPECT_LT(rig.clockMs, 3000);
}

TEST(ConnectionCheck, SlowRepliesAreNotedOnTheLine) {
    // The radio takes 300 ms before each answer, then 20 ms per byte.
    CheckRig rig;
    double pending = 0;
    rig.filter = [&pending](const Bytes&, Bytes reply) {
        pending = reply.empty() ? 0 : 300 + 20.0 * static_cast<double>(reply.size());
        return reply;
    };
    InMemoryLink& inner = rig.link;
    struct SlowLink final : RadioLink {
        InMemoryLink& link;
        double& clock;
        double& pending;
        SlowLink(InMemoryLink& l, double& c, double& p) : link(l), clock(c), pending(p) {}
        bool Open(const std::string& n) override { return link.Open(n); }
        void Configure() override {}
        void Purge(bool b) override { link.Purge(b); }
        bool Write(const std::uint8_t* d, std::size_t n) override { return link.Write(d, n); }
        ReadResult Read(std::uint8_t* b, std::size_t n) override {
            clock += pending;
            pending = 0;
            return link.Read(b, n);
        }
        std::size_t Waiting() override { return link.Waiting(); }
        void Close() override { link.Close(); }
    } slow(inner, rig.clockMs, pending);
    ConnectionCheck check(
        slow, [&rig](int ms) { rig.clockMs += ms; }, [&rig] { return rig.clockMs; });
    const ConnectionReport report = check.Run("COM3", {});
    ASSERT_TRUE(report.RadioAnswered()) << report.Text(Lang::English);
    const CheckStep& line = report.steps.back();
    EXPECT_NE(line.english.find("answered in 323 ms; slow"), std::string::npos) << line.english;
    EXPECT_NE(line.english.find("replies are slow: 8 bytes took"), std::string::npos)
        << line.english;
    EXPECT_NE(line.chinese.find("较慢"), std::string::npos) << line.chinese;
}

TEST(UsbIdentity, NamesTheUsualCableChipsAndReadsWindowsInstanceIds) {
    struct Case {
        const char* id;
        const char* ids;
        const char* chip;
        const char* serial;
    };
    const Case cases[] = {
        {"USB\\VID_1A86&PID_7523\\5&2B3E4F&0&2", "1A86:7523", "CH340", ""},
        {"USB\\VID_10C4&PID_EA60\\0001", "10C4:EA60", "CP210x", "0001"},
        {"FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000", "0403:6001", "FTDI", "A50285BI"},
        {"usb\\vid_067b&pid_2303\\5&1", "067B:2303", "PL2303", ""},
        {"USB\\VID_046D&PID_C52B\\X1", "046D:C52B", nullptr, "X1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const auto usb = UsbIdentity::FromWindowsInstanceId(c.id);
        ASSERT_TRUE(usb.has_value());
        EXPECT_EQ(usb->Ids(), c.ids);
        EXPECT_EQ(usb->ChipName() ? std::string(usb->ChipName()) : "", c.chip ? c.chip : "");
        EXPECT_EQ(usb->serialNumber, c.serial);
    }
    EXPECT_FALSE(UsbIdentity::FromWindowsInstanceId("ACPI\\PNP0501\\1").has_value());
    EXPECT_EQ((UsbIdentity{0x10C4, 0xEA60, "0001"}).Description(Lang::English),
              "USB serial (10C4:EA60), CP210x, serial number 0001");
}

} // namespace
