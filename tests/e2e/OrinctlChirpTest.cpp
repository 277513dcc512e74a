#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/OrinctlRun.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "support/ScratchDir.h"

namespace {

// A repeater list as directories export it (a new document's band is 400-480 MHz).
const std::string kList =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
    "0,Town,442.100000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,,,,\r\n"
    "1,Air,420.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,5.0W,,,,,\r\n"
    "5,HILL,446.006250,,0.000000,DTCS,88.5,88.5,754,NR,023,Tone->Tone,NFM,6.25,S,1.0W,,,,,\r\n";

MemoryImage ImageOf(const std::string& bytes) {
    MemoryImage image;
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.data());
    return image;
}

} // namespace

TEST(OrinctlChirpImport, RecognisesTheFileReportsSkippedRowsAndFillsFromChannelOne) {
    ScratchDir dir;
    dir.Write("list.csv", kList);
    const CliRun run = Orinctl(dir, {"import", "list.csv", "-o", "out.sin"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err,
              "line 2: changed: power 50W taken as High; name \"Town\" stored as \"TOWN\"\n"
              "line 3: skipped: mode AM cannot be stored\n"
              "orinctl import: 2 channel(s) imported\n");
    const MemoryImage image = ImageOf(ScratchDir::Read(dir.File("out.sin")));
    const ChannelRecord first = DecodeChannel(image, 0, Lang::English);
    EXPECT_EQ(first[ColTxFrequency], "447.10000");
    EXPECT_EQ(first[ColTxTone], "100.0");
    const ChannelRecord second = DecodeChannel(image, 1, Lang::English);
    EXPECT_EQ(second[ColRxTone], "D754I");
    EXPECT_EQ(second[ColWidth], "Narrow");
    EXPECT_EQ(DecodeChannel(image, 2, Lang::English)[ColRxFrequency], "");
}

TEST(OrinctlChirpImport, ByLocationOverABaseKeepsOrEmptiesTheOtherChannels) {
    ScratchDir dir;
    dir.Write("list.csv", kList);
    ASSERT_EQ(Orinctl(dir, {"import", "list.csv", "-o", "base.sin", "--start", "100"}).exitCode, 0);
    CliRun run = Orinctl(dir, {"import", "list.csv", "-o", "kept.sin", "--base", "base.sin",
                               "--format", "chirp", "--by-location"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    MemoryImage image = ImageOf(ScratchDir::Read(dir.File("kept.sin")));
    EXPECT_EQ(DecodeChannel(image, 0, Lang::English)[ColName], "TOWN"); // Location 0
    EXPECT_EQ(DecodeChannel(image, 5, Lang::English)[ColName], "HILL"); // Location 5
    EXPECT_EQ(DecodeChannel(image, 99, Lang::English)[ColName], "TOWN");
    run = Orinctl(dir, {"import", "list.csv", "-o", "emptied.sin", "--base", "base.sin",
                        "--by-location", "--empty-others"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    image = ImageOf(ScratchDir::Read(dir.File("emptied.sin")));
    EXPECT_EQ(DecodeChannel(image, 99, Lang::English)[ColRxFrequency], "");
    EXPECT_EQ(DecodeChannel(image, 5, Lang::English)[ColName], "HILL");
}

TEST(OrinctlChirpImport, NothingImportableOrARefusedFileWritesNothing) {
    ScratchDir dir;
    dir.Write("out.sin", "old");
    dir.Write("am.csv", "Location,Frequency,Mode\n1,430.000000,AM\n");
    CliRun run = Orinctl(dir, {"import", "am.csv", "-o", "out.sin"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "line 2: skipped: mode AM cannot be stored\n"
                       "orinctl import: no row of am.csv could be imported; nothing was written\n");
    dir.Write("nofreq.csv", "Location,Name\n1,A\n");
    run = Orinctl(dir, {"import", "nofreq.csv", "-o", "out.sin", "--format", "chirp"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "orinctl import: nofreq.csv:1: the header has no Frequency column; "
                       "nothing was written\n");
    run = Orinctl(dir, {"import", "am.csv", "-o", "out.sin", "--lang", "zh"});
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "第 2 行：已跳过：无法存储模式 AM");
    EXPECT_EQ(ScratchDir::Read(dir.File("out.sin")), "old");
}

TEST(OrinctlChirpImport, ContradictoryOptionsAreUsageErrors) {
    ScratchDir dir;
    dir.Write("list.csv", kList);
    dir.Write("own.csv", "1,430.5,430.5,OFF,OFF,Wide,Yes,High,DTMF,ON,Close,Forward,1,\n");
    const std::vector<std::vector<std::string>> cases = {
        {"list.csv", "-o", "a.sin", "--start", "0"},
        {"list.csv", "-o", "a.sin", "--start", "129"},
        {"list.csv", "-o", "a.sin", "--start", "x"},
        {"list.csv", "-o", "a.sin", "--start", "2", "--by-location"},
        {"list.csv", "-o", "a.sin", "--format", "icom"},
        {"list.csv", "-o", "a.sin", "--lang", "fr"},
        {"list.csv", "-o", "a.sin", "--no-check"},
        {"own.csv", "-o", "a.sin", "--empty-others"},
        {"own.csv", "-o", "a.sin", "--lang", "zh"},
        {"own.csv", "-o", "a.sin", "--format", "orin", "--by-location"},
    };
    for (std::vector<std::string> args : cases) {
        args.insert(args.begin(), "import");
        const CliRun run = Orinctl(dir, args);
        EXPECT_EQ(run.exitCode, 2) << args[5];
        EXPECT_NE(run.err.find("usage: orinctl import"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.sin")));
}

TEST(OrinctlChirpDump, ExportImportsBackToTheSameExport) {
    ScratchDir dir;
    dir.Write("list.csv", kList);
    ASSERT_EQ(Orinctl(dir, {"import", "list.csv", "-o", "a.sin", "--by-location"}).exitCode, 0);
    const CliRun dump = Orinctl(dir, {"dump", "a.sin", "--format", "chirp"});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_EQ(
        dump.out.substr(dump.out.find("\r\n") + 2),
        "1,TOWN,442.100000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,6.25,,5.0W,,,,,"
        "\r\n6,HILL,446.006250,,0.000000,DTCS,88.5,88.5,754,NR,023,Tone->Tone,NFM,6.25,S,1.0W,,"
        ",,,\r\n");
    dir.Write("again.csv", dump.out);
    const CliRun again = Orinctl(dir, {"import", "again.csv", "-o", "b.sin", "--by-location"});
    ASSERT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.err, "orinctl import: 2 channel(s) imported\n");
    EXPECT_EQ(Orinctl(dir, {"dump", "b.sin", "--format", "chirp"}).out, dump.out);
    EXPECT_EQ(Orinctl(dir, {"dump", "b.sin", "--format", "chirp", "--lang", "zh"}).exitCode, 2);
}

TEST(OrinctlChirpImport, OurExportOverTheFileItCameFromChangesNoByte) {
    ScratchDir dir;
    // Signalling CHIRP does not carry, set otherwise than a new channel has it.
    dir.Write("ours.csv", "2,446.00625,446.00625,67.0,OFF,Narrow,No,Low,None,OFF,QT/DQT,Reverse,"
                          "OFF,SECURITY\n");
    ASSERT_EQ(Orinctl(dir, {"import", "ours.csv", "-o", "a.sin"}).exitCode, 0);
    const CliRun dump = Orinctl(dir, {"dump", "a.sin", "--format", "chirp"});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    dir.Write("chirp.csv", dump.out);
    const CliRun again =
        Orinctl(dir, {"import", "chirp.csv", "--base", "a.sin", "-o", "b.sin", "--by-location"});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    const CliRun diff = Orinctl(dir, {"diff", "a.sin", "b.sin"});
    EXPECT_EQ(diff.exitCode, 0) << diff.out;
    EXPECT_EQ(ScratchDir::Read(dir.File("b.sin")), ScratchDir::Read(dir.File("a.sin")));
}
