#include <gtest/gtest.h>

#include "formats/ChannelCsv.h"
#include "formats/Csv.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "link/SimulatedRadio.h"

namespace {

constexpr const char* HeaderLine = "CH,Rx Frequency,Tx Frequency,Rx Tone,Tx Tone,W/N,Scan,Tx "
                                   "Power,Opt Signal,PTTID,BusyLock,Repeat Invert,Scram,Name\n";

// A base image with the band 136-174 MHz.
MemoryImage VhfImage() {
    MemoryImage image = ImageMap::NewDocumentImage();
    image[ImageMap::BandLimits] = 0x13;
    image[ImageMap::BandLimits + 1] = 0x17;
    image[ImageMap::BandLimits + 2] = 0x64;
    return image;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (const Csv::Record& r : Csv::Parse(text).records) {
        lines.push_back(Csv::Line(r.fields));
    }
    return lines;
}

} // namespace

TEST(ChannelCsvDump, NewImageGivesTheHeaderAnd128EmptyChannels) {
    const std::string csv = ChannelCsv::Dump(ImageMap::NewDocumentImage(), Lang::English);
    const std::vector<std::string> lines = Lines(csv);
    ASSERT_EQ(lines.size(), 129u);
    EXPECT_EQ(lines[0], HeaderLine);
    EXPECT_EQ(lines[1], "1,,,,,,,,,,,,,\n");
    EXPECT_EQ(lines[128], "128,,,,,,,,,,,,,\n");
    EXPECT_EQ(csv.substr(0, std::string(HeaderLine).size()), HeaderLine);
}

TEST(ChannelCsvDump, ShowsTheGridTextsOfTheChosenLanguage) {
    MemoryImage image = ImageMap::NewDocumentImage();
    ChannelRecord r;
    for (int c = 1; c <= 13; ++c) {
        r[c] =
            std::vector<const char*>{"145.5", "145.5", "67.0",  "D023I",   "Wide", "Yes", "High",
                                     "DTMF",  "ON",    "Close", "Forward", "8",    "CH-1"}[c - 1];
    }
    EncodeChannel(r, 2, image);
    EXPECT_EQ(Lines(ChannelCsv::Dump(image, Lang::English))[3],
              "3,145.50000,145.50000,67.0,D023I,Wide,Yes,High,DTMF,ON,Close,Forward,8,CH-1\n");
    EXPECT_EQ(Lines(ChannelCsv::Dump(image, Lang::Chinese))[3],
              "3,145.50000,145.50000,67.0,D023I,宽,是,高,DTMF,开,关闭,正向,8,CH-1\n");
}

TEST(ChannelCsvImport, DumpImportsBackToTheSameChannelBytesInEitherLanguage) {
    // Every channel of source and target went through a commit: an empty
    // row over an empty channel keeps the target's bytes.
    MemoryImage committed = VhfImage();
    for (int n = 0; n < 128; ++n) {
        EncodeChannel(ChannelRecord{}, n, committed);
    }
    MemoryImage source = committed;
    ChannelRecord a;
    a[ColRxFrequency] = "145.5125";
    a[ColTxFrequency] = "150.0";
    a[ColRxTone] = "254.1";
    a[ColTxTone] = "D754N";
    a[ColWidth] = "Narrow";
    a[ColScan] = "Yes";
    a[ColOptSignal] = "None";
    a[ColBusyLock] = "Carrier";
    a[ColScram] = "1";
    a[ColName] = "REP 7";
    EncodeChannel(a, 0, source);
    for (Lang lang : {Lang::English, Lang::Chinese}) {
        for (bool check : {true, false}) {
            MemoryImage target = committed;
            const auto result = ChannelCsv::Import(ChannelCsv::Dump(source, lang), target, check);
            ASSERT_TRUE(result.ok) << result.problems[0].column << result.problems[0].reason;
            EXPECT_EQ(target, source);
        }
    }
}

TEST(ChannelCsvImport, DumpImportedOverItsOwnBaseLeavesEveryByte) {
    // Bits no text shows (an empty channel's bytes, scrambler 0, odd flags)
    // stay too, because an unchanged row keeps the base's bytes.
    MemoryImage zeros;
    MemoryImage scramblerZero = SimulatedRadio::DemoMemory();
    for (int n = 0; n < 16; ++n) {
        scramblerZero[ImageMap::SlotAddress(n) + ImageMap::Slot::SignalByte] &= 0x0F;
    }
    MemoryImage pattern;
    for (std::size_t i = 0; i < MemoryImage::Size; ++i) {
        pattern[i] = static_cast<std::uint8_t>(i * 13 + 7);
    }
    for (const MemoryImage& base :
         {SimulatedRadio::DemoMemory(), zeros, scramblerZero, pattern, VhfImage()}) {
        for (Lang lang : {Lang::English, Lang::Chinese}) {
            MemoryImage target = base;
            const auto result = ChannelCsv::Import(ChannelCsv::Dump(base, lang), target, true);
            EXPECT_TRUE(result.ok) << result.problems[0].reason;
            EXPECT_EQ(target, base);
        }
    }
}

TEST(ChannelCsvImport, UnlistedChannelsKeepTheBaseBytesAndTheHeaderIsOptional) {
    MemoryImage image = VhfImage();
    image[ImageMap::SlotAddress(9) + 15] = 0x12;
    image[ImageMap::SlotAddress(10) + 0] = 0x34;
    const MemoryImage before = image;
    const auto result = ChannelCsv::Import(
        "10,145.5,145.5,OFF,OFF,Wide,Yes,High,DTMF,ON,Close,Forward,1,\r\n\r\n", image, true);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(image[ImageMap::SlotAddress(9) + 15], 0x12); // channel 10 keeps its radio bytes
    EXPECT_EQ(image[ImageMap::SlotAddress(9) + 3], 0x14);
    EXPECT_EQ(image[ImageMap::SlotAddress(10) + 0], 0x34); // channel 11 untouched
    for (int n = 0; n < 128; ++n) {
        if (n != 9) {
            EXPECT_EQ(DecodeChannel(image, n, Lang::English),
                      DecodeChannel(before, n, Lang::English));
        }
    }
}

TEST(ChannelCsvImport, CheckedFrequenciesAreNormalisedBeforeEncoding) {
    MemoryImage image = VhfImage();
    // 145.0062599 is cut to 145.00625 like the editor cuts it.
    const auto result = ChannelCsv::Import(
        "频道,接收频率,发射频率,接收信令,发射信令,宽/窄,扫描添加,发射功率,可选信令,PTTID,繁忙锁定,"
        "中继信令反相,扰频,名称\n1, 145.0062599,1.455e2,OFF,,宽,否,低,MSK,关,载波,反向,1关,A\n",
        image, true);
    ASSERT_TRUE(result.ok);
    const ChannelRecord r = DecodeChannel(image, 0, Lang::English);
    EXPECT_EQ(r[ColRxFrequency], "145.00625");
    EXPECT_EQ(r[ColTxFrequency], "145.50000");
    EXPECT_EQ(r[ColScram], "OFF"); // what earlier versions exported for scrambler 0
}

TEST(ChannelCsvImport, CheckListsEveryBadCellAndLeavesTheImageUntouched) {
    MemoryImage image = ImageMap::NewDocumentImage(); // band 400-480
    const MemoryImage before = image;
    const std::string csv =
        std::string(HeaderLine) +
        "1,430.5,145.5,67.0,OFF,Wide,Yes,High,DTMF,ON,Close,Forward,1,OK\n"
        "2,abc,430.001,D999N,of,wide,Si,High,None,ON,Close,Forward,9,lower\n"
        "3,430.5,430.5,OFF,OFF,Wide,Yes,High,DTMF,ON,Close,Forward,1,TOOLONG99\n";
    const auto result = ChannelCsv::Import(csv, image, true);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(image, before);
    std::vector<std::pair<int, std::string>> cells;
    for (const auto& p : result.problems) {
        cells.emplace_back(p.line, p.column);
        EXPECT_FALSE(p.reason.empty());
    }
    const std::vector<std::pair<int, std::string>> expected = {
        {2, "Tx Frequency"}, {3, "Rx Frequency"}, {3, "Tx Frequency"}, {3, "Rx Tone"},
        {3, "Tx Tone"},      {3, "W/N"},          {3, "Scan"},         {3, "Scram"},
        {3, "Name"},         {4, "Name"}};
    EXPECT_EQ(cells, expected);
    EXPECT_NE(result.problems[0].reason.find("400-480"), std::string::npos);
    EXPECT_NE(result.problems[2].reason.find("6.25"), std::string::npos);
}

TEST(ChannelCsvImport, NoCheckEncodesTheTextsAsGiven) {
    MemoryImage image = ImageMap::NewDocumentImage();
    const auto result = ChannelCsv::Import(
        "1,145.001,999.99999,D05N,12.3,wide,Si,High,None,ON,Close,Forward,9,ab\n", image, false);
    ASSERT_TRUE(result.ok);
    const ChannelRecord r = DecodeChannel(image, 0, Lang::English);
    EXPECT_EQ(r[ColRxFrequency], "145.00100");
    EXPECT_EQ(r[ColTxFrequency], "999.99999");
    EXPECT_EQ(r[ColRxTone], "D05N");
    EXPECT_EQ(r[ColTxTone], "12.3");
    EXPECT_EQ(r[ColWidth], "Narrow");
    EXPECT_EQ(r[ColScram], "8");
    EXPECT_EQ(r[ColName], "");
    // What the name became is said, not left to be found in the radio.
    ASSERT_EQ(result.notices.size(), 1u);
    EXPECT_EQ(result.notices[0].column, "Name");
    EXPECT_EQ(result.notices[0].reason,
              "\"ab\" holds a character outside 0-9, A-Z, \"-\" and space; stored as \"\"");
}

// Without the checks a frequency is still never dropped in silence: a text that
// reads as no frequency the radio can store is a problem and nothing changes.
TEST(ChannelCsvImport, NoCheckRefusesAFrequencyTheRadioCannotStore) {
    const struct {
        const char* rx;
        const char* tx;
        const char* column; // nullptr: imported
    } cases[] = {
        {"145.5", "9999.99999", "Tx Frequency"},
        {"145.5", "inf", "Tx Frequency"},
        {"145.5", "-5", "Tx Frequency"},
        {"nan", "145.5", "Rx Frequency"},
        {"145.5", "abc", "Tx Frequency"},
        {"145.5", "", nullptr},
        {"145.5", " ", nullptr},
        {"145.5", "999.99999", nullptr},
    };
    for (const auto& c : cases) {
        MemoryImage image = ImageMap::NewDocumentImage();
        const MemoryImage before = image;
        const std::string row = std::string("1,") + c.rx + "," + c.tx +
                                ",OFF,OFF,Wide,Yes,High,MSK,OFF,Close,Forward,0,\n";
        const auto result = ChannelCsv::Import(row, image, false);
        EXPECT_EQ(result.ok, c.column == nullptr) << row;
        if (c.column) {
            ASSERT_EQ(result.problems.size(), 1u) << row;
            EXPECT_EQ(result.problems[0].column, c.column);
            EXPECT_NE(result.problems[0].reason.find("no frequency the radio can store"),
                      std::string::npos);
            EXPECT_TRUE(image == before) << row;
        }
    }
}

TEST(ChannelCsvImport, FileWithoutChannelRowsHasNoRowsAndManyProblemsAreCounted) {
    for (const std::string& csv : {std::string(), std::string("\xEF\xBB\xBF"),
                                   std::string("\n \r\n\r"), std::string(HeaderLine)}) {
        MemoryImage image;
        const auto result = ChannelCsv::Import(csv, image, true);
        EXPECT_FALSE(result.ok);
        ASSERT_EQ(result.problems.size(), 1u);
        EXPECT_NE(result.problems[0].reason.find("no rows"), std::string::npos);
        EXPECT_EQ(result.problems[0].line, 0);
    }
    std::string bad;
    for (int i = 0; i < 5000; ++i) {
        bad += "1\n";
    }
    MemoryImage image;
    const auto result = ChannelCsv::Import(bad, image, true);
    EXPECT_EQ(result.problems.size(), ChannelCsv::MaxListedProblems);
    EXPECT_EQ(result.unlisted, 5000 - ChannelCsv::MaxListedProblems);
    EXPECT_EQ(result.problems.back().line, int(ChannelCsv::MaxListedProblems));
}

TEST(ChannelCsvImport, MalformedRowsFailEvenWithoutChecks) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"1,145.5\n", ""},
        {"0,,,,,,,,,,,,,\n", "CH"},
        {"129,,,,,,,,,,,,,\n", "CH"},
        {"x1,,,,,,,,,,,,,\n", "CH"},
        {"5,,,,,,,,,,,,,\n5,,,,,,,,,,,,,\n", "CH"},
        {"1,\"145.5,,,,,,,,,,,,\n", ""},
        {"CH,Tx Frequency,Rx Frequency,Rx Tone,Tx Tone,W/N,Scan,Tx Power,Opt Signal,PTTID,"
         "BusyLock,Repeat Invert,Scram,Name\n",
         ""},
        {"CH,Rx Frequency\n", ""},
    };
    for (const auto& [csv, column] : cases) {
        MemoryImage image;
        const MemoryImage before = image;
        const auto result = ChannelCsv::Import(csv, image, false);
        EXPECT_FALSE(result.ok) << csv;
        ASSERT_EQ(result.problems.size(), 1u) << csv;
        EXPECT_EQ(result.problems[0].column, column) << csv;
        EXPECT_EQ(image, before) << csv;
    }
}

TEST(ChannelCsvPreview, RowsGoToTheirOwnChannelsOrAllAreSkipped) {
    const std::string good = std::string(HeaderLine) +
                             "3,145.5,145.5,OFF,OFF,Wide,Yes,High,DTMF,ON,Close,Forward,1,A\n"
                             "9,146.0,,OFF,OFF,Narrow,No,Low,MSK,OFF,Close,Forward,2,B\n";
    ChannelImport::Note error;
    auto rows = ChannelCsv::PreviewRows(good, VhfImage(), error);
    EXPECT_TRUE(error.english.empty());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].line, 2);
    EXPECT_EQ(rows[0].channel, 3);
    EXPECT_EQ(rows[1].channel, 9);
    EXPECT_EQ(rows[1].name, "B");
    MemoryImage applied = VhfImage();
    ChannelImport::Apply(rows, false, applied);
    MemoryImage imported = VhfImage();
    ASSERT_TRUE(ChannelCsv::Import(good, imported, true).ok);
    EXPECT_EQ(applied, imported);

    const std::string bad = good + "4,145.001,,OFF,OFF,Wide,Yes,High,DTMF,ON,Close,Forward,1,\n";
    rows = ChannelCsv::PreviewRows(bad, VhfImage(), error);
    ASSERT_EQ(rows.size(), 3u);
    for (const ChannelImport::Row& row : rows) {
        EXPECT_EQ(row.status, ChannelImport::Status::Skipped);
    }
    EXPECT_EQ(ChannelImport::NotesText(rows[2], Lang::English),
              "Rx Frequency: not a multiple of 6.25, 5 or 2.5 kHz");
    EXPECT_EQ(ChannelImport::PlacedCount(rows), 0);

    EXPECT_TRUE(ChannelCsv::PreviewRows("CH,Rx\n", VhfImage(), error).empty());
    EXPECT_FALSE(error.english.empty());
}
