// orinctl probe against orinctl simulate on a real pseudo-terminal: a radio
// that answers (a slow one too), one that does not, a port that goes away, is
// busy or may not be opened.
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "e2e/ChildProcess.h"
#include "e2e/OrinctlRun.h"
#include "link/SerialLink.h"
#include "support/AsUnprivilegedUser.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct Probe {
    CliRun run;
    double seconds = 0;
};

class OrinctlProbe : public ::testing::Test {
protected:
    // A user without privileges writes its output here too.
    void SetUp() override {
        std::filesystem::permissions(m_Dir.Path(), std::filesystem::perms::all);
    }

    Probe RunProbe(const std::string& port, const std::string& lang = "en") {
        const Clock::time_point start = Clock::now();
        Probe probe{Orinctl(m_Dir, {"probe", "--port", port, "--lang", lang}), 0};
        probe.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        return probe;
    }

    ScratchDir m_Dir;
    std::unique_ptr<ChildProcess> m_Radio;
};

TEST_F(OrinctlProbe, RadioThatAnswersPassesEveryStepEvenWhenSlow) {
    // A slow radio is told slow, not another model.
    for (const std::string faults : {"", "byte-gap=40"}) {
        SCOPED_TRACE(faults);
        std::vector<std::string> args = {"--line-timing"};
        if (!faults.empty()) {
            args.insert(args.end(), {"--fault", faults});
        }
        const std::string pty = StartSimulate(m_Radio, args);
        ASSERT_FALSE(pty.empty());
        const Probe probe = RunProbe(pty);
        EXPECT_EQ(probe.run.exitCode, 0) << probe.run.out;
        EXPECT_EQ(probe.run.out.find("✗"), std::string::npos) << probe.run.out;
        for (const char* line : {"✓ Port: ", "✓ Cable: ", "✓ Radio: Orin-6140D answers: T426",
                                 "✓ Line: the wake-up was answered in "}) {
            EXPECT_NE(probe.run.out.find(line), std::string::npos) << line << '\n' << probe.run.out;
        }
        EXPECT_EQ(probe.run.out.find("replies are slow") != std::string::npos, !faults.empty())
            << probe.run.out;
        EXPECT_LT(probe.seconds, 3.0);
        // The radio ended as after a read: a read comes next without trouble.
        m_Radio->Terminate();
        EXPECT_TRUE(m_Radio->WaitForStderr("stopped after 1 reads and 0 writes", 10s))
            << m_Radio->Stderr();
    }
}

TEST_F(OrinctlProbe, AFailingStepIsNamedInBothLanguagesWithinSixSeconds) {
    // The steps' reasons are the check's own (tested apart); here the real
    // line: nothing answers, or the device goes away under the link.
    struct Case {
        const char* faults;
        const char* english;
        const char* chinese;
    };
    const Case cases[] = {
        {"never-answer", "✗ Radio: no answer to the wake-up: switch the radio on",
         "✗ 对讲机：唤醒没有应答"},
        {"vanish-after=4", "opened, then went away", "打开后又消失了"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.faults);
        for (const std::string lang : {"en", "zh"}) {
            const std::string pty = StartSimulate(m_Radio, {"--line-timing", "--fault", c.faults});
            ASSERT_FALSE(pty.empty());
            const Probe probe = RunProbe(pty, lang);
            EXPECT_EQ(probe.run.exitCode, 1) << probe.run.out;
            EXPECT_NE(probe.run.out.find(lang == "en" ? c.english : c.chinese), std::string::npos)
                << probe.run.out;
            EXPECT_LT(probe.seconds, 6.0);
        }
    }
}

TEST_F(OrinctlProbe, PortThatCannotBeOpenedSaysWhatToDo) {
    const Probe missing = RunProbe("/dev/orin-no-such-port");
    EXPECT_EQ(missing.run.exitCode, 1);
    EXPECT_EQ(missing.run.out,
              "✗ Port: there is no port /dev/orin-no-such-port: plug the cable in, or choose the "
              "port it got in the Port menu\n");

    const std::string pty = StartSimulate(m_Radio);
    ASSERT_FALSE(pty.empty());
    {
        SerialLink holder; // another program
        ASSERT_TRUE(holder.Open(pty));
        const Probe busy = RunProbe(pty);
        EXPECT_EQ(busy.run.exitCode, 1);
        EXPECT_EQ(busy.run.out, "✗ Port: another program holds " + pty + ": close it\n");
    }
    // Without permission (root passes every check: the probe runs as nobody).
    ASSERT_EQ(::chmod(pty.c_str(), 0), 0);
    EXPECT_TRUE(AsUnprivilegedUser([&] {
        const Probe denied = RunProbe(pty);
        return denied.run.exitCode == 1 &&
               denied.run.out.find("✗ Port: no permission to open " + pty +
                                   ": serial ports belong to the group dialout; join it with "
                                   "'sudo adduser $USER dialout'") != std::string::npos;
    }));
}

TEST_F(OrinctlProbe, UsageErrorsExitWithTwo) {
    EXPECT_EQ(RunProbe("COM1", "fr").run.exitCode, 2);
    EXPECT_EQ(Orinctl(m_Dir, {"probe"}).exitCode, 2);
}

} // namespace
