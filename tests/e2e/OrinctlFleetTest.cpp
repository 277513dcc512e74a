// orinctl write into several simulated radios on pseudo-terminals at once,
// one of which stores a wrong byte; radio after radio with --next; and the
// bad inputs that are refused before any radio is touched.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sstream>

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
    std::string StartRadio(const std::vector<std::string>& extra = {}) {
        std::vector<std::string> args = {
            ORINCTL_PATH, "simulate", "--save-to",
            m_Dir.File("radio" + std::to_string(m_Radios.size()) + ".sin")};
        args.insert(args.end(), extra.begin(), extra.end());
        m_Radios.push_back(std::make_unique<ChildProcess>(args));
        return m_Radios.back()->ReadLine(10s);
    }
    std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
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
    const std::string command = "cd '" + m_Dir.Path().string() +
                                "' && printf '\\nq\\n' | timeout 60 '" ORINCTL_PATH
                                "' write --next --port '" +
                                a + "' --number call-id=0099 club.sin >stdout.txt 2>stderr.txt";
    ASSERT_EQ(std::system(command.c_str()), 0) << ScratchDir::Read(m_Dir.File("stderr.txt"));
    const std::vector<std::string> out = Lines(ScratchDir::Read(m_Dir.File("stdout.txt")));
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].rfind(a + "  ID 0099  written  ", 0), 0u) << out[0];
    EXPECT_EQ(out[1].rfind(a + "  ID 0100  written  ", 0), 0u) << out[1];
    EXPECT_NE(ScratchDir::Read(m_Dir.File("stderr.txt"))
                  .find("Connect the next radio (ID 0101) and press Enter; q to stop"),
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

TEST_F(OrinctlFleet, AStopOrAClosedOutputRecordsEveryRadioInTheMiddleAsIncomplete) {
    // Line-timed radios take seconds; each run is stopped while they are written.
    const std::vector<int> stops = {SIGTERM, SIGHUP, SIGINT, SIGPIPE};
    for (const int stop : stops) {
        const std::string slow = StartRadio({"--line-timing"});
        // Without a signal: a fast radio is done first and its line meets a
        // closed standard output, as when the reader of a pipe has gone.
        const std::string first = stop == SIGPIPE ? StartRadio() : StartRadio({"--line-timing"});
        const std::string log = m_Dir.File("stop" + std::to_string(stop) + ".csv");
        ChildProcess fleet({ORINCTL_PATH, "write", "--port", first, "--port", slow, "--number",
                            "id=1", "--verify", "--log", log, m_Dir.File("club.sin")});
        ASSERT_TRUE(fleet.WaitForStderr("Ctrl+C stops them all", 10s)) << fleet.Stderr();
        if (stop == SIGPIPE) {
            fleet.CloseStdout();
        } else {
            fleet.Signal(stop);
        }
        EXPECT_EQ(fleet.Wait(30s), 1) << stop << '\n' << fleet.Stderr();
        const std::vector<std::string> record = Lines(ScratchDir::Read(log));
        ASSERT_EQ(record.size(), 3u) << stop << '\n' << ScratchDir::Read(log);
        for (const std::string& port : {first, slow}) {
            const bool bDone = stop == SIGPIPE && port == first;
            EXPECT_EQ(std::count_if(record.begin(), record.end(),
                                    [&](const std::string& line) {
                                        return line.find("," + port + ",") != std::string::npos &&
                                               line.find(bDone ? ",verified,"
                                                               : ",incomplete: write it again,") !=
                                                   std::string::npos;
                                    }),
                      1)
                << stop << ' ' << port << '\n'
                << ScratchDir::Read(log);
        }
    }
}

TEST_F(OrinctlFleet, AtTheNextPromptQWithCrLfStopsAndSigtermEndsAtOnce) {
    const std::string a = StartRadio();
    for (const bool bSignal : {false, true}) {
        const std::string log = m_Dir.File(bSignal ? "signal.csv" : "q.csv");
        ChildProcess fleet({ORINCTL_PATH, "write", "--next", "--port", a, "--number", "id=1",
                            "--log", log, m_Dir.File("club.sin")},
                           true);
        ASSERT_TRUE(fleet.WaitForStderr("and press Enter", 20s)) << fleet.Stderr();
        if (bSignal) {
            fleet.Signal(SIGTERM);
            EXPECT_EQ(fleet.Wait(10s), -1);
            EXPECT_TRUE(fleet.Killed());
        } else {
            fleet.WriteStdin("q\r\n");
            EXPECT_EQ(fleet.Wait(10s), 0) << fleet.Stderr();
        }
        EXPECT_EQ(Lines(ScratchDir::Read(log)).size(), 2u) << "the header and the one radio";
    }
    const std::string command = "cd '" + m_Dir.Path().string() + "' && '" ORINCTL_PATH
                                "' write --port '" + a + "' --number id=1 club.sin >/dev/full";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1) << "a full standard output";
}

} // namespace
