// orinctl write into several simulated radios on pseudo-terminals at once,
// one of which stores a wrong byte; radio after radio with --next; and the
// bad inputs that are refused before any radio is touched.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "e2e/ChildProcess.h"
#include "e2e/OrinctlRun.h"
#include "image/ImageMap.h"
#include "support/ScratchDir.h"

namespace {

using namespace std::chrono_literals;

class OrinctlFleet : public ::testing::Test {
protected:
    void SetUp() override {
        const MemoryImage image = ImageMap::NewDocumentImage();
        m_Dir.Write("club.sin",
                    std::string(reinterpret_cast<const char*>(image.data()), MemoryImage::Size));
    }
    std::string StartRadio(std::vector<std::string> extra = {}) {
        extra.insert(extra.begin(),
                     {"--save-to", m_Dir.File("radio" + std::to_string(m_Radios.size()) + ".sin")});
        return StartSimulate(m_Radios.emplace_back(), extra);
    }

    ScratchDir m_Dir;
    std::vector<std::unique_ptr<ChildProcess>> m_Radios;
};

TEST_F(OrinctlFleet, ThreeRadiosAtOnceOneFailingAloneEachLineInTheRecord) {
    const std::string a = StartRadio();
    const std::string b = StartRadio({"--fault", "corrupt-write=4"});
    const std::string c = StartRadio();
    const CliRun run =
        Orinctl(m_Dir, {"write", "--port", a, "--port", b, "--port", c, "--number", "id=A009",
                        "--verify", "--log", "club-fleet.csv", "club.sin"});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    const std::vector<std::string> out = Lines(run.out);
    ASSERT_EQ(out.size(), 3u) << run.out;
    const std::vector<std::string> record = Lines(ScratchDir::Read(m_Dir.File("club-fleet.csv")));
    ASSERT_EQ(record.size(), 4u);
    EXPECT_EQ(record[0], "date and time,port,ID,model,version,result,seconds");
    for (const auto& [port, id, result] : {std::tuple{a, "A009", "verified"},
                                           {b, "A010", "failed: not verified"},
                                           {c, "A011", "verified"}}) {
        const std::string start = port + "  ID " + id + "  " + result;
        EXPECT_EQ(std::count_if(out.begin(), out.end(),
                                [&](const std::string& l) { return l.rfind(start, 0) == 0; }),
                  1)
            << start << '\n'
            << run.out;
        const std::string cells = "," + port + "," + id + ",T426,37,";
        EXPECT_EQ(std::count_if(record.begin(), record.end(),
                                [&](const std::string& l) {
                                    return l.find(cells +
                                                  (result[0] == 'v' ? "verified," : "\"failed")) !=
                                           std::string::npos;
                                }),
                  1)
            << cells;
    }
}

TEST_F(OrinctlFleet, NextWritesRadioAfterRadioUntilTheUserStops) {
    const std::string a = StartRadio();
    const CliRun run = Orinctl(
        m_Dir, {"write", "--next", "--port", a, "--number", "call-id=0099", "club.sin"}, "\nq\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> out = Lines(run.out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].rfind(a + "  ID 0099  written  ", 0), 0u) << out[0];
    EXPECT_EQ(out[1].rfind(a + "  ID 0100  written  ", 0), 0u) << out[1];
    EXPECT_NE(run.err.find("Connect the next radio (ID 0101) and press Enter; q to stop"),
              std::string::npos);
}

TEST_F(OrinctlFleet, BadInputIsRefusedBeforeAnyRadioIsTouched) {
    const std::string a = StartRadio();
    const std::vector<std::vector<std::string>> cases = {
        {"--port", a, "--port", a},
        {"--port", a, "--number", "kill-id=1"},
        {"--port", a, "--number", "id=1234567-"},
        {"--port", a, "--port", m_Dir.File("no-such-port"), "--number", "id=1"},
        {"--port", a, "--next", "--port", m_Dir.File("other")},
        {"--port", a, "--port", "/dev/../" + a.substr(1)},
        {"--port", a, "--port", m_Dir.File("link-to-radio")},
    };
    std::filesystem::create_symlink(a, m_Dir.File("link-to-radio"));
    for (std::vector<std::string> args : cases) {
        args.insert(args.begin(), "write");
        args.insert(args.end(), {"--log", "record.csv", "club.sin"});
        const CliRun run = Orinctl(m_Dir, args);
        EXPECT_EQ(run.exitCode, 2) << args[4] << '\n' << run.err;
        EXPECT_EQ(run.out, "");
    }
    // A record that is no record is refused and left as it was.
    m_Dir.Write("notes.csv", "name,frequency\n");
    for (const std::string log : {"club.sin", "notes.csv", "club-copy.SIN"}) {
        const std::string before = ScratchDir::Read(m_Dir.File(log));
        const CliRun run = Orinctl(m_Dir, {"write", "--port", a, "--log", log, "club.sin"});
        EXPECT_EQ(run.exitCode, 2) << log << '\n' << run.err;
        EXPECT_EQ(ScratchDir::Read(m_Dir.File(log)), before) << log;
    }
    m_Radios.front()->Terminate();
    ASSERT_EQ(m_Radios.front()->Wait(10s), 0);
    EXPECT_NE(m_Radios.front()->Stderr().find("stopped after 0 reads and 0 writes"),
              std::string::npos)
        << m_Radios.front()->Stderr();
    EXPECT_FALSE(std::filesystem::exists(m_Dir.File("record.csv")));
}

TEST_F(OrinctlFleet, EveryWayToStopRecordsEachRadioOnceAndEndsAtOnce) {
    // Mid-write (line-timed radios take seconds), every radio stopped in the
    // middle is recorded incomplete, exit 1. A closed standard output is met
    // by a fast radio's line, as when the reader of a pipe has gone. At the
    // --next prompt, q with CR-LF stops (exit 0) and SIGTERM ends at once.
    constexpr int CloseStdout = 0;
    constexpr int TypeQ = -1;
    struct Case {
        const char* what;
        int stop;
        bool bNext;
        int exitCode; // -1: killed
    };
    const Case cases[] = {
        {"SIGTERM mid-write", SIGTERM, false, 1}, {"SIGHUP mid-write", SIGHUP, false, 1},
        {"SIGINT mid-write", SIGINT, false, 1},   {"closed output", CloseStdout, false, 1},
        {"q at --next", TypeQ, true, 0},          {"SIGTERM at --next", SIGTERM, true, -1},
    };
    const std::string next = StartRadio();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string log = m_Dir.File(std::string(c.what) + ".csv");
        std::vector<std::string> ports = {next};
        if (!c.bNext) {
            ports = {c.stop == CloseStdout ? StartRadio() : StartRadio({"--line-timing"}),
                     StartRadio({"--line-timing"})};
        }
        std::vector<std::string> args = {ORINCTL_PATH, "write", "--number", "id=1", "--log", log};
        for (const std::string& port : ports) {
            args.insert(args.end(), {"--port", port});
        }
        args.insert(args.end(), {c.bNext ? "--next" : "--verify", m_Dir.File("club.sin")});
        ChildProcess fleet(args, c.bNext);
        ASSERT_TRUE(fleet.WaitForStderr(c.bNext ? "and press Enter" : "Ctrl+C stops them all", 20s))
            << fleet.Stderr();
        if (c.stop == CloseStdout) {
            fleet.CloseStdout();
        } else if (c.stop == TypeQ) {
            fleet.WriteStdin("q\r\n");
        } else {
            fleet.Signal(c.stop);
        }
        EXPECT_EQ(fleet.Wait(30s), c.exitCode) << fleet.Stderr();
        EXPECT_EQ(fleet.Killed(), c.exitCode == -1);
        const std::vector<std::string> record = Lines(ScratchDir::Read(log));
        ASSERT_EQ(record.size(), ports.size() + 1) << ScratchDir::Read(log);
        for (const std::string& port : ports) {
            const bool bDone = c.bNext || (c.stop == CloseStdout && port == ports[0]);
            const std::string result = c.bNext ? ",written,"
                                       : bDone ? ",verified,"
                                               : ",incomplete: write it again,";
            EXPECT_EQ(std::count_if(record.begin(), record.end(),
                                    [&](const std::string& line) {
                                        return line.find("," + port + ",") != std::string::npos &&
                                               line.find(result) != std::string::npos;
                                    }),
                      1)
                << port << '\n'
                << ScratchDir::Read(log);
        }
    }
    EXPECT_EQ(
        Orinctl(m_Dir, {"write", "--port", next, "--number", "id=1", "club.sin"}, {}, "/dev/full")
            .exitCode,
        1)
        << "a full standard output";
}

} // namespace
