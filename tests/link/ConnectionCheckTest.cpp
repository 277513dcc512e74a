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
// radio and may change what the radio says.
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
              [this](double ms) { clockMs += ms; }, true, options.byteGapMs) {}

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
        {"a slow radio of another model",
         {.bWrongModel = true, .byteGapMs = 40},
         {},
         Kind::Radio,
         "another model answers: it calls itself \"T429\", version 0x37",
         "“T429”"},
        {"a late acknowledgement in front of the identity",
         {},
         [](CheckRig& r, PortFacts&) {
             r.filter = OnReplyTo(0x02, [](Bytes reply) {
                 reply.insert(reply.begin(), SimulatedRadio::Ack);
                 reply.pop_back();
                 return reply;
             });
         },
         Kind::Radio,
         "the radio's identity came out of step",
         "机型应答错位"},
        {"no identity",
         {},
         [](CheckRig& r, PortFacts&) {
             r.filter =
                 OnReplyTo(0x02, [](Bytes reply) { return reply.size() == 8 ? Bytes{} : reply; });
         },
         Kind::Radio,
         "did not say which model it is",
         "没有报告机型"},
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
    for (const ReplyHeader layout : AllReplyHeaders) {
        for (Case c : cases) {
            SCOPED_TRACE(c.what);
            SCOPED_TRACE(static_cast<int>(layout));
            c.options.replyHeader = layout;
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
}

TEST(ConnectionCheck, RadioThatAnswersIsLeftAsAfterAReadHoweverSlowly) {
    // A slow radio within the timeouts answers as any other; the Line step
    // says how slowly.
    struct Case {
        const char* what;
        double byteGapMs;
        const char* line;
        double limitMs;
    };
    const Case cases[] = {
        {"a good line", 0, "✓ Line: the wake-up was answered in 3 ms\n", 3000},
        {"40 ms between bytes", 40,
         "✓ Line: the wake-up was answered in 42 ms; replies are slow: 8 bytes took 320 ms "
         "(about 10 ms on a good line), so a read takes longer than usual\n",
         3000},
        {"150 ms between bytes", 150,
         "✓ Line: the wake-up was answered in 152 ms; slow (a good line answers within 100 ms, "
         "a transfer waits 590 ms at most): check the plug and the radio's battery; replies are "
         "slow: 8 bytes took 1200 ms (about 10 ms on a good line), so a read takes longer than "
         "usual\n",
         6000},
    };
    const UsbIdentity cable{0x1A86, 0x7523, ""};
    for (const ReplyHeader layout : AllReplyHeaders) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            SCOPED_TRACE(static_cast<int>(layout));
            CheckRig rig({.replyHeader = layout, .byteGapMs = c.byteGapMs});
            const ConnectionReport report = rig.Run({true, cable, {}, {}, false});
            ASSERT_TRUE(report.RadioAnswered()) << report.Text(Lang::English);
            EXPECT_EQ(report.Text(Lang::English),
                      std::string("✓ Port: COM3 — USB serial (1A86:7523), CH340: opens\n"
                                  "✓ Cable: bytes sent do not come back (no echo)\n"
                                  "✓ Radio: Orin-6140D answers: T426, version 0x37; the "
                                  "acknowledgement works\n") +
                          c.line);
            EXPECT_EQ(report.steps[0].Line(Lang::Chinese),
                      "✓ 端口：COM3 — USB 串口 (1A86:7523)，CH340：可以打开");
            EXPECT_EQ(report.steps[3].chinese.find("较慢") != std::string::npos, c.byteGapMs > 0)
                << report.steps[3].chinese;
            // The opening of a read and its closing exchange, and no block.
            std::vector<Bytes> requests;
            for (const Bytes& w : rig.link.Written()) {
                if (w.size() >= 3 && (w[0] == 'R' || w[0] == 'W')) {
                    requests.push_back(w);
                }
            }
            EXPECT_EQ(requests, (std::vector<Bytes>{{'R', 0x0F, 0xF0, 0x08}}));
            EXPECT_EQ(rig.radio.CompletedReads(), 1);
            EXPECT_EQ(rig.radio.Memory(), SimulatedRadio::DemoMemory());
            EXPECT_EQ(rig.link.Closes(), 1);
            EXPECT_LT(rig.clockMs, c.limitMs);
        }
    }
}

TEST(ConnectionCheck, TheSimulatedRadioSaysItIsSimulated) {
    CheckRig rig;
    PortFacts simulated;
    simulated.bSimulated = true;
    const ConnectionReport report = rig.Run(simulated);
    ASSERT_TRUE(report.RadioAnswered());
    EXPECT_EQ(report.steps[0].Line(Lang::English),
              "✓ Port: the simulated radio inside this program: no cable or port to open");
    EXPECT_EQ(report.steps[0].Line(Lang::Chinese),
              "✓ 端口：本程序内的模拟对讲机：没有需要打开的连接线或端口");
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
