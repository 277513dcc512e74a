// orinctl diff as a user runs it: two channel files built with orinctl
// import, one changed in known channels and settings.
#include <gtest/gtest.h>

#include "e2e/OrinctlRun.h"
#include "image/ImageMap.h"
#include "support/ScratchDir.h"

namespace {

const std::string kChannels =
    "1,430.5,430.5,67.0,D023N,Wide,Yes,High,DTMF,ON,Close,Forward,1,REP-1\n"
    "12,446.00625,446.00625,88.5,88.5,Narrow,Yes,Low,None,OFF,Close,Forward,1,PMR\n";
const std::string kChanged =
    "1,430.5,430.5,67.0,D023N,Wide,No,High,DTMF,ON,Close,Forward,1,REP-1\n"
    "12,446.00625,446.00625,100.0,88.5,Narrow,Yes,Low,None,OFF,Close,Forward,1,PMR\n"
    "20,440.0,440.0,OFF,OFF,Wide,Yes,High,DTMF,ON,Close,Forward,1,NEW\n";

class OrinctlDiff : public ::testing::Test {
protected:
    void SetUp() override {
        m_Dir.Write("a.csv", kChannels);
        m_Dir.Write("b.csv", kChanged);
        ASSERT_EQ(Orinctl(m_Dir, {"import", "a.csv", "-o", "a.sin"}).exitCode, 0);
        ASSERT_EQ(Orinctl(m_Dir, {"import", "b.csv", "-o", "b.sin"}).exitCode, 0);
        // Two settings as the dialogs would store them: squelch 2, no beep.
        std::string b = ScratchDir::Read(m_Dir.File("b.sin"));
        b[0x813] = 2;
        b[0x812] = static_cast<char>(b[0x812] & ~0x40);
        m_Dir.Write("b.sin", b);
    }
    ScratchDir m_Dir;
};

TEST_F(OrinctlDiff, PrintsExactlyTheChangedFieldsInEitherLanguage) {
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"diff", "a.sin", "b.sin"},
         "channel 1: Scan: Yes -> No\n"
         "channel 12: Rx Tone: 88.5 -> 100.0\n"
         "channel 20: empty -> 440.00000, 440.00000, OFF, OFF, Wide, Yes, High, DTMF, ON, Close, "
         "Forward, 1, NEW\n"
         "Optional Features: Squelch Level: 5 -> 2\n"
         "Optional Features: Beep: on -> off\n"},
        {{"diff", "--lang", "zh", "b.sin", "a.sin"},
         "频道 1: 扫描添加: 否 -> 是\n"
         "频道 12: 接收信令: 100.0 -> 88.5\n"
         "频道 20: 440.00000, 440.00000, OFF, OFF, 宽, 是, 高, DTMF, 开, 关闭, 正向, 1, NEW -> 空\n"
         "可选功能: 静噪等级: 2 -> 5\n"
         "可选功能: 按键提示音: 关 -> 开\n"},
        {{"diff", "a.sin", "b.sin", "--format", "csv"},
         "Where,Field,Before,After\n"
         "channel 1,Scan,Yes,No\n"
         "channel 12,Rx Tone,88.5,100.0\n"
         "channel 20,,empty,\"440.00000, 440.00000, OFF, OFF, Wide, Yes, High, DTMF, ON, Close, "
         "Forward, 1, NEW\"\n"
         "Optional Features,Squelch Level,5,2\n"
         "Optional Features,Beep,on,off\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = Orinctl(m_Dir, c.args);
        EXPECT_EQ(run.exitCode, 1) << run.err;
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(OrinctlDiff, SameFilesPrintNothingAndTroubleExitsWithTwo) {
    const struct {
        std::vector<std::string> args;
        int exitCode;
    } cases[] = {
        {{"diff", "a.sin", "a.sin"}, 0},
        {{"diff", "b.sin", "b.sin", "--format", "csv", "--lang", "zh"}, 0},
        {{"diff", "a.sin", "missing.sin"}, 2},
        {{"diff", "a.sin", "short.sin"}, 2},
        {{"diff", "a.sin"}, 2},
        {{"diff", "a.sin", "b.sin", "--format", "xml"}, 2},
        {{"diff", "a.sin", "b.sin", "--lang", "fr"}, 2},
    };
    m_Dir.Write("short.sin", std::string(100, '\xFF'));
    for (const auto& c : cases) {
        const CliRun run = Orinctl(m_Dir, c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args[1] << " " << c.args.back();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.empty(), c.exitCode == 0) << run.err;
    }
}

} // namespace
