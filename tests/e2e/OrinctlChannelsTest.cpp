#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "e2e/OrinctlRun.h"
#include "image/ChannelRules.h"
#include "image/ImageMap.h"
#include "support/ScratchDir.h"

namespace {

int LineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

std::string NewImageBytes() {
    const MemoryImage image = ImageMap::NewDocumentImage();
    return std::string(reinterpret_cast<const char*>(image.data()), image.size());
}

const std::string kRow1 = "1,430.5,430.5,67.0,D023N,Wide,Yes,High,DTMF,ON,Close,Forward,1,REP-1\n";

} // namespace

TEST(OrinctlHelp, EveryChannelCommandExplainsItselfOnStdout) {
    ScratchDir dir;
    for (const char* command : {"new", "dump", "import"}) {
        const CliRun run = Orinctl(dir, {command, "--help"});
        EXPECT_EQ(run.exitCode, 0) << command;
        EXPECT_EQ(run.out.rfind(std::string("usage: orinctl ") + command, 0), 0u) << run.out;
        EXPECT_EQ(run.err, "");
    }
}

TEST(OrinctlUsage, MissingOrUnknownArgumentsExitWithTwo) {
    ScratchDir dir;
    const std::vector<std::vector<std::string>> cases = {
        {"new"},
        {"new", "-o"},
        {"new", "-o", "a.sin", "extra"},
        {"dump"},
        {"dump", "a.sin", "--lang", "fr"},
        {"dump", "a.sin", "b.sin"},
        {"dump", "a.sin", "--bogus"},
        {"import", "a.csv"},
        {"import", "-o", "a.sin"},
        {"import", "a.csv", "-o", "a.sin", "--no-check=1"},
    };
    for (const auto& args : cases) {
        const CliRun run = Orinctl(dir, args);
        EXPECT_EQ(run.exitCode, 2) << args[0] << " " << args.size();
        EXPECT_NE(run.err.find("usage: orinctl " + args[0]), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.sin")));
}

TEST(OrinctlNew, WritesTheNewDocumentImage) {
    ScratchDir dir;
    const CliRun run = Orinctl(dir, {"new", "-o", "fresh.sin"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ScratchDir::Read(dir.File("fresh.sin")), NewImageBytes());
}

TEST(OrinctlNew, UnwritableTargetFailsWithOneLine) {
    ScratchDir dir;
    const CliRun run = Orinctl(dir, {"new", "-o", "missing/dir/x.sin"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(LineCount(run.err), 1);
    EXPECT_NE(run.err.find("missing/dir/x.sin"), std::string::npos);
}

TEST(OrinctlDump, PrintsHeaderAnd128ChannelLines) {
    ScratchDir dir;
    ASSERT_EQ(Orinctl(dir, {"new", "-o", "a.sin"}).exitCode, 0);
    const CliRun run = Orinctl(dir, {"dump", "a.sin"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(LineCount(run.out), 129);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "CH,Rx Frequency,Tx Frequency,Rx Tone,Tx Tone,W/N,Scan,Tx Power,Opt Signal,PTTID,"
              "BusyLock,Repeat Invert,Scram,Name");
    EXPECT_NE(run.out.find("\n128,,,,,,,,,,,,,\n"), std::string::npos);
}

TEST(OrinctlDump, ShortFileFailsWithOneLineNamingFileAndSize) {
    ScratchDir dir;
    dir.Write("short.sin", std::string(100, '\xFF'));
    const CliRun run = Orinctl(dir, {"dump", "short.sin"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(LineCount(run.err), 1);
    EXPECT_NE(run.err.find("short.sin"), std::string::npos);
    EXPECT_NE(run.err.find(" 100 "), std::string::npos);
}

TEST(OrinctlImport, ImportedChannelDumpsBackInBothLanguages) {
    ScratchDir dir;
    dir.Write("in.csv", kRow1);
    CliRun run = Orinctl(dir, {"import", "in.csv", "-o", "out.sin"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = Orinctl(dir, {"dump", "out.sin"});
    EXPECT_NE(run.out.find("\n1,430.50000,430.50000,67.0,D023N,Wide,Yes,High,DTMF,ON,Close,"
                           "Forward,1,REP-1\n2,,"),
              std::string::npos)
        << run.out;
    run = Orinctl(dir, {"dump", "--lang=zh", "out.sin"});
    EXPECT_NE(
        run.out.find("\n1,430.50000,430.50000,67.0,D023N,宽,是,高,DTMF,开,关闭,正向,1,REP-1\n"),
        std::string::npos)
        << run.out;
}

TEST(OrinctlImport, DumpAndImportAreStableInBothLanguages) {
    ScratchDir dir;
    dir.Write("in.csv", kRow1 + "7,145.5,,OFF,OFF,Narrow,No,Low,MSK,OFF,QT/DQT,Reverse,8,\n");
    // The base's band (400-480 MHz) does not hold 145.5 MHz: no checks here.
    ASSERT_EQ(Orinctl(dir, {"import", "in.csv", "-o", "a.sin", "--no-check"}).exitCode, 0);
    const CliRun dumpA = Orinctl(dir, {"dump", "a.sin", "--lang", "zh"});
    dir.Write("a.csv", dumpA.out);
    ASSERT_EQ(Orinctl(dir, {"import", "a.csv", "-o", "b.sin", "--no-check"}).exitCode, 0);
    const CliRun dumpB = Orinctl(dir, {"dump", "b.sin", "--lang", "zh"});
    EXPECT_EQ(dumpB.out, dumpA.out);
    dir.Write("b.csv", Orinctl(dir, {"dump", "b.sin"}).out);
    ASSERT_EQ(Orinctl(dir, {"import", "b.csv", "-o", "c.sin", "--no-check"}).exitCode, 0);
    EXPECT_TRUE(ScratchDir::Read(dir.File("c.sin")) == ScratchDir::Read(dir.File("b.sin")));
}

TEST(OrinctlImport, BadCellsAreListedAndNothingIsWritten) {
    ScratchDir dir;
    dir.Write("in.csv", kRow1 + "2,145.5,430.001,OFF,OFF,Wide,Yes,High,DTMF,ON,Close,Forward,1,\n");
    dir.Write("out.sin", "old");
    const CliRun run = Orinctl(dir, {"import", "in.csv", "-o", "out.sin"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("in.csv:2: Rx Frequency: outside the band edges 400-480 MHz"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("in.csv:2: Tx Frequency: not a multiple"), std::string::npos);
    EXPECT_EQ(ScratchDir::Read(dir.File("out.sin")), "old");
}

TEST(OrinctlImport, BaseSuppliesUnlistedChannelsAndBandEdges) {
    ScratchDir dir;
    // A base with band 136-174 MHz and channel 3 set.
    MemoryImage base = ImageMap::NewDocumentImage();
    base[0xFF0] = 0x13;
    base[0xFF1] = 0x17;
    base[0xFF2] = 0x64;
    base[ImageMap::SlotAddress(2) + 3] = 0x14;
    dir.Write("base.sin", std::string(reinterpret_cast<const char*>(base.data()), base.size()));
    dir.Write("in.csv", "1,145.5,145.5,OFF,OFF,Wide,Yes,High,DTMF,ON,Close,Forward,1,\n");
    const CliRun run = Orinctl(dir, {"import", "in.csv", "--base", "base.sin", "-o", "out.sin"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string out = ScratchDir::Read(dir.File("out.sin"));
    ASSERT_EQ(out.size(), 4096u);
    EXPECT_EQ(static_cast<unsigned char>(out[ImageMap::SlotAddress(2) + 3]), 0x14);
    EXPECT_EQ(static_cast<unsigned char>(out[3]), 0x14);
    EXPECT_EQ(out.substr(0xFF0, 3), "\x13\x17\x64");
}

TEST(OrinctlImport, MissingInputsFailWithOneLine) {
    ScratchDir dir;
    dir.Write("in.csv", kRow1);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"import", "nope.csv", "-o", "o.sin"},
          std::vector<std::string>{"import", "in.csv", "--base", "nope.sin", "-o", "o.sin"}}) {
        const CliRun run = Orinctl(dir, args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
        EXPECT_NE(run.err.find("nope"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("o.sin")));
}

TEST(OrinctlImport, ARowGivingOnlyAnRxFrequencyMakesTheChannelTypingMakes) {
    MemoryImage typed = ImageMap::NewDocumentImage();
    Channel channel = ReadChannel(typed, 2);
    ASSERT_TRUE(ChannelRules::Type(channel, ColRxFrequency, "446.00625", ChannelRules::Way::Leave,
                                   DecodeBandLimits(typed))
                    .changed);
    WriteChannel(channel, 2, typed);
    const std::string expected(reinterpret_cast<const char*>(typed.data()), typed.size());
    ScratchDir dir;
    const struct {
        const char* file;
        const char* csv;
        const char* placement; // CHIRP rows go by their Location when asked
    } rows[] = {{"ours.csv", "3,446.00625,,,,,,,,,,,,\n", nullptr},
                {"chirp.csv", "Location,Frequency\n3,446.006250\n", "--by-location"}};
    for (const auto& row : rows) {
        dir.Write(row.file, row.csv);
        std::vector<std::string> args = {"import", row.file, "-o", "out.sin"};
        if (row.placement) {
            args.emplace_back(row.placement);
        }
        const CliRun run = Orinctl(dir, args);
        ASSERT_EQ(run.exitCode, 0) << row.file << ": " << run.err;
        EXPECT_EQ(ScratchDir::Read(dir.File("out.sin")), expected) << row.file;
    }
}
