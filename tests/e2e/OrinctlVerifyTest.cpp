// orinctl write --verify and orinctl verify against orinctl simulate on a
// pseudo-terminal, a sound radio and one that stores a wrong byte.
#include <gtest/gtest.h>

#include "e2e/ChildProcess.h"
#include "e2e/OrinctlRun.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "support/ScratchDir.h"

namespace {

using namespace std::chrono_literals;

class OrinctlVerify : public ::testing::Test {
protected:
    void SetUp() override {
        // Channel 3 lives in blocks 4 and 5; its Rx frequency starts block 4.
        MemoryImage image = ImageMap::NewDocumentImage();
        ChannelRecord r;
        const char* texts[] = {"446.00625", "446.00625", "OFF",   "OFF",     "Narrow", "Yes", "Low",
                               "None",      "OFF",       "Close", "Forward", "1",      "PMR"};
        for (int c = 1; c <= 13; ++c) {
            r[c] = texts[c - 1];
        }
        EncodeChannel(r, 2, image);
        m_Dir.Write("mine.sin",
                    std::string(reinterpret_cast<const char*>(image.data()), MemoryImage::Size));
    }

    ScratchDir m_Dir;
    std::unique_ptr<ChildProcess> m_Radio;
};

TEST_F(OrinctlVerify, ACorruptedBlockFailsTheWriteAndNamesTheChannelItHolds) {
    const std::string pty = StartSimulate(m_Radio, {"--fault", "corrupt-write=4"});
    ASSERT_EQ(pty.rfind("/dev/", 0), 0u) << pty;
    const std::string line = "channel 3: Rx Frequency: 446.00625 -> 446.00624\n";

    CliRun run = Orinctl(m_Dir, {"write", "--verify", "--port", pty, "mine.sin"});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out, line);
    EXPECT_NE(run.err.find("The radio does not hold what was written: 1 channel differs"),
              std::string::npos)
        << run.err;

    run = Orinctl(m_Dir, {"verify", "--port", pty, "mine.sin", "--lang", "zh"});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out, "频道 3: 接收频率: 446.00625 -> 446.00624\n");
    // The progress is in the language of the comparison, none of it in English.
    for (const char* said :
         {"正在等待对讲机响应...", "第 50 块，共 397 块", "第 397 块，共 397 块"}) {
        EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
    }
    for (const char* english : {"Waiting", "block "}) {
        EXPECT_EQ(run.err.find(english), std::string::npos) << run.err;
    }
}

TEST_F(OrinctlVerify, ASoundRadioPassesBothAndATroubledReadIsExitTwo) {
    std::string pty = StartSimulate(m_Radio, {});
    ASSERT_EQ(pty.rfind("/dev/", 0), 0u) << pty;
    CliRun run = Orinctl(m_Dir, {"write", "--port", pty, "--verify", "mine.sin"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("The radio holds exactly what was written."), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("reading the radio back"), std::string::npos) << run.err;

    m_Radio->Terminate();
    ASSERT_EQ(m_Radio->Wait(10s), 0);
    pty = StartSimulate(m_Radio, {"--fault", "never-answer"});
    run = Orinctl(m_Dir, {"verify", "--port", pty, "mine.sin"});
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_EQ(run.out, "");
}

} // namespace
