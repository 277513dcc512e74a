// orinctl probe against orinctl simulate on a real pseudo-terminal that plays
// each way a connection fails: no radio, an echoing cable, a busy port, no
// permission, a port that goes away, another model.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "e2e/ChildProcess.h"
#include "link/SerialLink.h"
#include "support/AsUnprivilegedUser.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

struct Probe {
    int exitCode = -1;
    std::string out;
    double seconds = 0;
};

// Runs orinctl probe through the shell, its output in a file of dir.
Probe RunProbe(const fs::path& dir, const std::string& port, const std::string& lang = "en") {
    const fs::path out = dir / "probe.txt";
    const std::string command = "timeout 60 '" ORINCTL_PATH "' probe --port '" + port +
                                "' --lang " + lang + " >'" + out.string() + "' 2>&1";
    const Clock::time_point start = Clock::now();
    const int status = std::system(command.c_str());
    Probe probe;
    probe.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    probe.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream file(out);
    probe.out.assign(std::istreambuf_iterator<char>(file), {});
    fs::remove(out); // the next run may be another user's
    return probe;
}

class OrinctlProbe : public ::testing::Test {
protected:
    void SetUp() override {
        m_Dir = fs::temp_directory_path() / ("orinctl-probe-" + std::to_string(getpid()));
        fs::create_directories(m_Dir);
        // A user without privileges writes its output here too.
        fs::permissions(m_Dir, fs::perms::all);
    }
    void TearDown() override { fs::remove_all(m_Dir); }

    std::string StartRadio(const std::string& faults) {
        std::vector<std::string> args = {ORINCTL_PATH, "simulate", "--line-timing"};
        if (!faults.empty()) {
            args.insert(args.end(), {"--fault", faults});
        }
        m_Radio = std::make_unique<ChildProcess>(args);
        return m_Radio->ReadLine(10s);
    }

    fs::path m_Dir;
    std::unique_ptr<ChildProcess> m_Radio;
};

TEST_F(OrinctlProbe, RadioThatAnswersPassesEveryStepWithinThreeSeconds) {
    const std::string pty = StartRadio("");
    ASSERT_FALSE(pty.empty());
    const Probe probe = RunProbe(m_Dir, pty);
    EXPECT_EQ(probe.exitCode, 0) << probe.out;
    EXPECT_EQ(probe.out.find("✗"), std::string::npos) << probe.out;
    for (const char* line : {"✓ Port: ", "✓ Cable: ", "✓ Radio: Orin-6140D answers: T426",
                             "✓ Line: the wake-up was answered in "}) {
        EXPECT_NE(probe.out.find(line), std::string::npos) << line << '\n' << probe.out;
    }
    EXPECT_LT(probe.seconds, 3.0);
    // The radio ended as after a read: a read comes next without trouble.
    m_Radio->Terminate();
    EXPECT_TRUE(m_Radio->WaitForStderr("stopped after 1 reads and 0 writes", 10s))
        << m_Radio->Stderr();
}

TEST_F(OrinctlProbe, EachWayTheConnectionFailsIsNamedInBothLanguages) {
    struct Case {
        const char* what;
        const char* faults;
        const char* english;
        const char* chinese;
        double limit; // seconds
    };
    const Case cases[] = {
        {"no radio", "never-answer", "✗ Radio: no answer to the wake-up: switch the radio on",
         "✗ 对讲机：唤醒没有应答", 6},
        {"echoing cable", "never-answer,echo", "✗ Cable: every byte sent comes straight back",
         "✗ 连接线：发出的每个字节都立即返回", 6},
        {"another model", "wrong-model", "✗ Radio: another model answers: it calls itself \"T429\"",
         "✗ 对讲机：应答的是其他机型", 3},
        {"a port that goes away", "vanish-after=4", "opened, then went away", "打开后又消失了", 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string lang : {"en", "zh"}) {
            const std::string pty = StartRadio(c.faults);
            ASSERT_FALSE(pty.empty());
            const Probe probe = RunProbe(m_Dir, pty, lang);
            EXPECT_EQ(probe.exitCode, 1) << probe.out;
            EXPECT_NE(probe.out.find(lang == "en" ? c.english : c.chinese), std::string::npos)
                << probe.out;
            EXPECT_LT(probe.seconds, c.limit);
        }
    }
}

TEST_F(OrinctlProbe, PortThatCannotBeOpenedSaysWhatToDo) {
    const Probe missing = RunProbe(m_Dir, "/dev/orin-no-such-port");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out,
              "✗ Port: there is no port /dev/orin-no-such-port: plug the cable in, or choose the "
              "port it got in the Port menu\n");

    const std::string pty = StartRadio("");
    ASSERT_FALSE(pty.empty());
    {
        SerialLink holder; // another program
        ASSERT_TRUE(holder.Open(pty));
        const Probe busy = RunProbe(m_Dir, pty);
        EXPECT_EQ(busy.exitCode, 1);
        EXPECT_EQ(busy.out, "✗ Port: another program holds " + pty + ": close it\n");
    }
    // Without permission (root passes every check: the probe runs as nobody).
    ASSERT_EQ(::chmod(pty.c_str(), 0), 0);
    EXPECT_TRUE(AsUnprivilegedUser([&] {
        const Probe denied = RunProbe(m_Dir, pty);
        return denied.exitCode == 1 &&
               denied.out.find("✗ Port: no permission to open " + pty +
                               ": serial ports belong to the group dialout; join it with 'sudo "
                               "adduser $USER dialout'") != std::string::npos;
    }));
}

TEST_F(OrinctlProbe, UsageErrorsExitWithTwo) {
    EXPECT_EQ(RunProbe(m_Dir, "COM1", "fr").exitCode, 2);
    EXPECT_EQ(std::system("'" ORINCTL_PATH "' probe >/dev/null 2>&1") >> 8, 2);
}

} // namespace
