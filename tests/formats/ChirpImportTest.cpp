#include <gtest/gtest.h>

#include "ChirpTestRows.h"
#include "formats/ChirpImport.h"
#include "formats/Csv.h"
#include "image/ImageMap.h"

using namespace ChirpTestRows;
using ChannelImport::Row;
using ChannelImport::Status;

namespace {

// The one reported or storable row of a file with one data row.
Row One(const Fields& changes, BandEdges band = WideBand) {
    const ChirpImport::ReadResult read = ChirpImport::Read(File({changes}), band);
    EXPECT_TRUE(read.ok) << read.error.english;
    EXPECT_EQ(read.rows.size(), 1u);
    return read.rows.empty() ? Row{} : read.rows[0];
}

std::string Why(const Row& row) {
    return ChannelImport::NotesText(row, Lang::English);
}

// Rx tone, Tx tone of a row that must be storable.
std::pair<std::string, std::string> Tones(const Fields& changes) {
    const Row row = One(changes);
    EXPECT_TRUE(row.Storable()) << Why(row);
    return {row.record[ColRxTone], row.record[ColTxTone]};
}

} // namespace

TEST(ChirpFile, ReadsBomCrlfCommentsQuotesAndColumnsInAnyOrder) {
    const std::string csv = "\xEF\xBB\xBF# exported by a repeater directory\r\n"
                            "Frequency,Unknown,\"Name\",Location\r\n"
                            "# a comment between rows\r\n"
                            "\"145.500000\",x,\"Hill, top\",4\r\n";
    const auto read = ChirpImport::Read(csv, WideBand);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_EQ(read.rows[0].line, 4);
    EXPECT_EQ(read.rows[0].location, 4);
    EXPECT_EQ(read.rows[0].record[ColRxFrequency], "145.50000");
    EXPECT_EQ(read.rows[0].record[ColName], "HILL TOP");
}

TEST(ChirpFile, MissingColumnsTakeChirpDefaultsAndUncarriedOnesStayBlank) {
    const auto read = ChirpImport::Read("Location,Frequency\n0,446.00625\n", WideBand);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.rows.size(), 1u);
    const Row& row = read.rows[0];
    EXPECT_EQ(row.status, Status::Imported) << Why(row);
    // The columns a CHIRP file never carries are left to the channel rules.
    const std::vector<std::string> expected = {
        "446.00625", "446.00625", "OFF", "OFF", "Wide", "Yes", "High", "", "", "", "", "", ""};
    EXPECT_EQ(std::vector<std::string>(row.record.texts.begin(), row.record.texts.end()), expected);
    // Offset 0.6 MHz and tone 88.5 Hz when only the mode is given.
    const auto shifted =
        ChirpImport::Read("Location,Frequency,Duplex,Tone\n1,146.52,+,Tone\n", WideBand);
    ASSERT_EQ(shifted.rows.size(), 1u);
    EXPECT_EQ(shifted.rows[0].record[ColTxFrequency], "147.12000");
    EXPECT_EQ(shifted.rows[0].record[ColTxTone], "88.5");
}

TEST(ChirpFile, ALoneToneColumnServesForBoth) {
    const auto read =
        ChirpImport::Read("Location,Frequency,Tone,cToneFreq\n1,146.52,Tone,100.0\n", WideBand);
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_EQ(read.rows[0].record[ColTxTone], "100.0");
}

TEST(ChirpFile, WithoutLocationOrFrequencyColumnTheFileIsRefused) {
    for (const char* header : {"Name,Frequency", "# note\nLocation,Name"}) {
        const auto read = ChirpImport::Read(std::string(header) + "\n1,2\n", WideBand);
        EXPECT_FALSE(read.ok) << header;
        EXPECT_NE(read.error.english.find("column"), std::string::npos);
        EXPECT_NE(read.error.chinese.find("列"), std::string::npos);
    }
    EXPECT_FALSE(ChirpImport::Read("# only a comment\n", WideBand).ok);
    const auto unclosed = ChirpImport::Read("Location,Frequency\n1,\"146.52\n", WideBand);
    EXPECT_FALSE(unclosed.ok);
    EXPECT_EQ(unclosed.errorLine, 2);
}

TEST(ChirpFile, ShortRowsAndRowsWithoutAFrequencyAreSkippedLongRowsKept) {
    const std::string csv = HeaderLine() + "1,A,146.52\n" + "\n" + Line({{"Frequency", ""}}) +
                            Line({{"Frequency", "0.000000"}}) + Line({{"Location", "7"}});
    std::string longRow = Line({{"Location", "8"}});
    longRow.insert(longRow.size() - 1, ",extra,fields");
    const auto read = ChirpImport::Read(csv + longRow, WideBand);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.rows.size(), 5u); // the blank line is no row
    EXPECT_EQ(read.rows[0].line, 2);
    EXPECT_EQ(read.rows[0].status, Status::Skipped);
    EXPECT_EQ(Why(read.rows[0]), "the row has 3 fields, the header 21");
    EXPECT_EQ(Why(read.rows[1]), "no frequency");
    EXPECT_EQ(Why(read.rows[2]), "frequency 0");
    EXPECT_EQ(read.rows[2].line, 5);
    EXPECT_EQ(read.rows[3].location, 7);
    EXPECT_EQ(read.rows[4].location, 8);
    EXPECT_TRUE(read.rows[4].Storable());
}

TEST(ChirpFile, FilesWithNoRowsOrRepeatedColumnsAreRefusedWithTheReason) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "no rows"},
        {"\xEF\xBB\xBF", "no rows"},
        {"\n\r\n\n", "no rows"},
        {"# comment\nLocation,Frequency\n\n", "no rows"},
        {"Location,Frequency,Name,Frequency\n1,146.52,A,146.52\n",
         "names these columns more than once: Frequency"},
        {"Location,Frequency\n" + std::string(Csv::MaxRows + 1, '\n') + "", "no rows"},
        {[] {
             std::string many = "Location,Frequency\n";
             for (int i = 0; i <= Csv::MaxRows; ++i) {
                 many += "1,146.52\n";
             }
             return many;
         }(),
         "more than 10000 rows"},
    };
    for (const auto& [csv, why] : cases) {
        const auto read = ChirpImport::Read(csv, WideBand);
        EXPECT_FALSE(read.ok) << csv.substr(0, 60);
        EXPECT_NE(read.error.english.find(why), std::string::npos) << read.error.english;
        EXPECT_FALSE(read.error.chinese.empty());
    }
}

TEST(ChirpFile, CellsAreQuotedEscapedAndShortInTheReasons) {
    const std::pair<Fields, std::string> cases[] = {
        {{{"Location", "-1"}}, "Location must be 0 or more, not -1"},
        {{{"Mode", "A\x1B[2J"}}, "mode A\\x1B[2J cannot be stored"},
        {{{"Power", "\xFF\xFEW"}}, "power not understood: \\xFF\\xFEW"},
        {{{"Tone", std::string(100000, 'T')}}, "unknown tone mode " + std::string(40, 'T') + "..."},
    };
    for (const auto& [fields, why] : cases) {
        const Row row = One(fields);
        EXPECT_EQ(row.status, Status::Skipped);
        EXPECT_EQ(Why(row), why);
    }
    EXPECT_EQ(One({{"Name", "\x07" + std::string(5000, 'n')}}).name,
              "\\x07" + std::string(39, 'n') + "...");
}

TEST(ChirpFile, RecognisedByItsLocationHeaderNotOurOwnCsv) {
    EXPECT_TRUE(ChirpImport::LooksLikeChirp("# c\n\nLocation,Name,Frequency\n"));
    EXPECT_TRUE(ChirpImport::LooksLikeChirp("\xEF\xBB\xBF\"Location\",Frequency\r\n"));
    EXPECT_FALSE(ChirpImport::LooksLikeChirp("CH,Rx Frequency,Tx Frequency\n1,145.5\n"));
    EXPECT_FALSE(ChirpImport::LooksLikeChirp("1,430.5,430.5,67.0\n"));
    EXPECT_FALSE(ChirpImport::LooksLikeChirp(""));
}

TEST(ChirpDuplex, GivesTxFromRxOffsetOrSplitAndNoneForOff) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"", "5.000000", "146.52000"},  {"+", "0.600000", "147.12000"},
        {"-", "0.600000", "145.92000"}, {"split", "446.000000", "446.00000"},
        {"off", "0.600000", ""},
    };
    for (const auto& [duplex, offset, tx] : cases) {
        const Row row = One({{"Duplex", duplex}, {"Offset", offset}});
        EXPECT_TRUE(row.Storable()) << duplex << ": " << Why(row);
        EXPECT_EQ(row.record[ColRxFrequency], "146.52000");
        EXPECT_EQ(row.record[ColTxFrequency], tx) << duplex;
    }
}

TEST(ChirpDuplex, NegativeOffsetUnknownDuplexAndTxOutsideTheRulesSkipTheRow) {
    EXPECT_EQ(Why(One({{"Duplex", "-"}, {"Offset", "-0.600000"}})), "negative offset -0.600000");
    EXPECT_EQ(Why(One({{"Duplex", "x"}})), "unknown duplex x");
    EXPECT_EQ(Why(One({{"Duplex", "split"}, {"Offset", "600.000000"}})),
              "Tx frequency 600 MHz is outside 67-521 MHz");
    EXPECT_EQ(Why(One({{"Duplex", "+"}, {"Offset", "0.001000"}})),
              "Tx frequency 146.521 MHz is not a multiple of 6.25, 5 or 2.5 kHz");
    EXPECT_EQ(One({{"Duplex", "split"}, {"Offset", "0"}}).status, Status::Skipped);
}

TEST(ChirpTones, EachToneModeFillsTxAndRxFromItsColumns) {
    const Fields stale = {
        {"rToneFreq", "100.0"}, {"cToneFreq", "156.7"}, {"DtcsCode", "074"}, {"RxDtcsCode", "411"}};
    const auto with = [&](Fields f) {
        f.insert(stale.begin(), stale.end());
        return f;
    };
    using P = std::pair<std::string, std::string>; // Rx tone, Tx tone
    EXPECT_EQ(Tones(with({{"Tone", ""}})), P("OFF", "OFF"));
    EXPECT_EQ(Tones(with({{"Tone", "Tone"}})), P("OFF", "100.0"));
    EXPECT_EQ(Tones(with({{"Tone", "TSQL"}})), P("156.7", "156.7"));
    EXPECT_EQ(Tones(with({{"Tone", "DTCS"}})), P("D074N", "D074N"));
}

TEST(ChirpTones, CrossModesTakeTxFromTheLeftPartAndRxFromTheRight) {
    const std::map<std::string, std::pair<std::string, std::string>> expected = {
        {"Tone->Tone", {"156.7", "100.0"}}, {"Tone->DTCS", {"D411N", "100.0"}},
        {"DTCS->Tone", {"156.7", "D074N"}}, {"DTCS->DTCS", {"D411N", "D074N"}},
        {"->Tone", {"156.7", "OFF"}},       {"->DTCS", {"D411N", "OFF"}},
        {"DTCS->", {"OFF", "D074N"}},       {"Tone->", {"OFF", "100.0"}},
    };
    for (const auto& [cross, tones] : expected) {
        EXPECT_EQ(Tones({{"Tone", "Cross"},
                         {"CrossMode", cross},
                         {"rToneFreq", "100.0"},
                         {"cToneFreq", "156.7"},
                         {"DtcsCode", "074"},
                         {"RxDtcsCode", "411"}}),
                  tones)
            << cross;
    }
    for (const char* bad : {"", "->", "Tone-Tone", "TSQL->Tone"}) {
        EXPECT_EQ(One({{"Tone", "Cross"}, {"CrossMode", bad}}).status, Status::Skipped) << bad;
    }
}

TEST(ChirpTones, PolarityFirstLetterIsTxSecondRxAndROnlyInverts) {
    using P = std::pair<std::string, std::string>;
    const auto dtcs = [](const char* polarity) {
        return Tones({{"Tone", "DTCS"}, {"DtcsCode", "23"}, {"DtcsPolarity", polarity}});
    };
    EXPECT_EQ(dtcs("NN"), P("D023N", "D023N"));
    EXPECT_EQ(dtcs("NR"), P("D023I", "D023N"));
    EXPECT_EQ(dtcs("RN"), P("D023N", "D023I"));
    EXPECT_EQ(dtcs("RR"), P("D023I", "D023I"));
    EXPECT_EQ(Tones({{"Tone", "Cross"},
                     {"CrossMode", "Tone->DTCS"},
                     {"DtcsPolarity", "RR"},
                     {"rToneFreq", "67"},
                     {"RxDtcsCode", "754"}}),
              P("D754I", "67.0"));
    EXPECT_EQ(Why(One({{"Tone", "DTCS"}, {"DtcsPolarity", "NX"}})),
              "DCS polarity NX is not NN, NR, RN or RR");
    // Polarity of a row without DCS is not looked at.
    EXPECT_TRUE(One({{"Tone", "Tone"}, {"DtcsPolarity", ""}}).Storable());
}

TEST(ChirpTones, ReverseSquelchAndTonesOutsideTheTableSkipTheRow) {
    EXPECT_EQ(Why(One({{"Tone", "TSQL-R"}})), "reverse tone squelch TSQL-R cannot be stored");
    EXPECT_EQ(Why(One({{"Tone", "DTCS-R"}})), "reverse tone squelch DTCS-R cannot be stored");
    EXPECT_EQ(Why(One({{"Tone", "tsql"}})), "unknown tone mode tsql");
    EXPECT_EQ(Why(One({{"Tone", "Tone"}, {"rToneFreq", "67.5"}})),
              "tone 67.5 Hz is not in the radio's tone table");
    EXPECT_EQ(One({{"Tone", "TSQL"}, {"cToneFreq", ""}}).status, Status::Skipped);
    for (const char* code : {"8", "999", "017", "1023", "x"}) {
        EXPECT_EQ(Why(One({{"Tone", "DTCS"}, {"DtcsCode", code}})),
                  std::string("DCS code ") + code + " is not in the radio's tone table");
    }
    EXPECT_EQ(Tones({{"Tone", "TSQL"}, {"cToneFreq", "254.10"}}),
              std::make_pair(std::string("254.1"), std::string("254.1")));
}

TEST(ChirpMode, FmIsWideNfmNarrowAutoChangedAndOtherModesSkipped) {
    EXPECT_EQ(One({{"Mode", "FM"}}).record[ColWidth], "Wide");
    EXPECT_EQ(One({{"Mode", "NFM"}}).record[ColWidth], "Narrow");
    const Row autoRow = One({{"Mode", "Auto"}});
    EXPECT_EQ(autoRow.status, Status::Changed);
    EXPECT_EQ(autoRow.record[ColWidth], "Wide");
    EXPECT_EQ(Why(autoRow), "mode Auto taken as FM");
    // CHIRP itself takes Auto as AM in the airband, which no channel can hold.
    EXPECT_EQ(One({{"Mode", "Auto"}, {"Frequency", "118.100000"}}).status, Status::Skipped);
    for (const char* mode : {"AM", "WFM", "DV", "FMN", ""}) {
        EXPECT_EQ(Why(One({{"Mode", mode}})), std::string("mode ") + mode + " cannot be stored");
    }
}

TEST(ChirpScan, SkipSIsNotScannedEmptyOrPScanned) {
    EXPECT_EQ(One({{"Skip", "S"}}).record[ColScan], "No");
    EXPECT_EQ(One({{"Skip", ""}}).record[ColScan], "Yes");
    const Row priority = One({{"Skip", "P"}});
    EXPECT_EQ(priority.record[ColScan], "Yes");
    EXPECT_EQ(priority.status, Status::Changed);
    EXPECT_EQ(One({{"Skip", "X"}}).status, Status::Skipped);
}

TEST(ChirpPower, ThreeWattsAndUpIsHighAndRoundingIsReported) {
    const std::vector<std::tuple<const char*, const char*, Status>> cases = {
        {"5.0W", "High", Status::Imported}, {"1.0W", "Low", Status::Imported},
        {"", "High", Status::Imported},     {"High", "High", Status::Imported},
        {"low", "Low", Status::Imported},   {"50W", "High", Status::Changed},
        {"4", "High", Status::Changed},     {"3.0 W", "High", Status::Changed},
        {"2.9W", "Low", Status::Changed},   {"0.5w", "Low", Status::Changed},
    };
    for (const auto& [power, stored, status] : cases) {
        const Row row = One({{"Power", power}});
        EXPECT_EQ(row.record[ColPower], stored) << power;
        EXPECT_EQ(row.status, status) << power << ": " << Why(row);
    }
    EXPECT_EQ(Why(One({{"Power", "4.0W"}})), "power 4.0W taken as High");
    for (const char* bad : {"L1", "-5W", "W"}) {
        EXPECT_EQ(One({{"Power", bad}}).status, Status::Skipped) << bad;
    }
}

TEST(ChirpNames, UpperCasedCutToTheRadiosEightAndUnstorableCharactersDropped) {
    const std::vector<std::tuple<std::string, std::string, Status>> cases = {
        {"rpt-1", "RPT-1", Status::Changed},
        {"SECURITY", "SECURITY", Status::Imported},
        {"LONGNAME9", "LONGNAME", Status::Changed},
        {"A.B_C!", "ABC", Status::Changed},
        {"AB      CD", "AB", Status::Changed},
        {"中继 7", "7", Status::Changed},
        {"x y", "X Y", Status::Changed},
    };
    for (const auto& [given, stored, status] : cases) {
        const Row row = One({{"Name", given}});
        EXPECT_EQ(row.record[ColName], stored) << given;
        EXPECT_EQ(row.status, status) << given;
    }
    const Row same = One({{"Name", "W1AW 2"}});
    EXPECT_EQ(same.status, Status::Imported);
    EXPECT_EQ(Why(One({{"Name", "Hilltop"}})), "name \"Hilltop\" stored as \"HILLTOP\"");
}

TEST(ChirpFrequencyRules, RxMustLieInTheRadioTheBandAndOnAStep) {
    EXPECT_EQ(Why(One({{"Frequency", "50.000000"}})), "Rx frequency 50 MHz is outside 67-521 MHz");
    EXPECT_EQ(Why(One({{"Frequency", "146.520000"}}, BandEdges{400, 480})),
              "Rx frequency 146.52 MHz is outside the band 400-480 MHz of the channel file");
    EXPECT_EQ(Why(One({{"Frequency", "146.523000"}})),
              "Rx frequency 146.523 MHz is not a multiple of 6.25, 5 or 2.5 kHz");
    EXPECT_EQ(One({{"Frequency", "146.5200001"}}).status, Status::Skipped);
    EXPECT_EQ(One({{"Frequency", "146.52 MHz"}}).record[ColRxFrequency], "146.52000");
    EXPECT_EQ(One({{"Frequency", "146520 kHz"}}).record[ColRxFrequency], "146.52000");
    EXPECT_EQ(One({{"Frequency", "446.00625"}}).record[ColRxFrequency], "446.00625");
    EXPECT_EQ(One({{"Frequency", "abc"}}).status, Status::Skipped);
}

TEST(ChirpFrequencyRules, UncarriedColumnsKeepTheChannelOrTakeTheNewChannelDefaults) {
    Row row = One({});
    row.channel = 1;
    const auto uncarried = [](const MemoryImage& image) {
        const ChannelRecord r = DecodeChannel(image, 0, Lang::English);
        return r[ColOptSignal] + "|" + r[ColPttId] + "|" + r[ColBusyLock] + "|" + r[ColRepeat] +
               "|" + r[ColScram];
    };
    MemoryImage image = ImageMap::NewDocumentImage();
    ChannelImport::Apply({row}, false, image);
    EXPECT_EQ(uncarried(image), "DTMF|ON|Close|Forward|1") << "an empty channel";
    for (const auto& [column, text] : {std::pair{ColOptSignal, "None"},
                                       {ColPttId, "OFF"},
                                       {ColBusyLock, "QT/DQT"},
                                       {ColRepeat, "Reverse"},
                                       {ColScram, "OFF"}}) {
        ChannelRecord r = DecodeChannel(image, 0, Lang::English);
        r[column] = text;
        EncodeChannel(r, 0, image);
    }
    row.record[ColPower] = "Low"; // the row says something new
    ChannelImport::Apply({row}, false, image);
    EXPECT_EQ(uncarried(image), "None|OFF|QT/DQT|Reverse|OFF") << "a channel that holds data";
    EXPECT_EQ(DecodeChannel(image, 0, Lang::English)[ColPower], "Low");
}

TEST(ChirpReport, OneLinePerReportedRowInEitherLanguage) {
    const Row am = One({{"Mode", "AM"}});
    EXPECT_EQ(ChannelImport::ReportLine(am, Lang::English),
              "line 2: skipped: mode AM cannot be stored");
    EXPECT_EQ(ChannelImport::ReportLine(am, Lang::Chinese), "第 2 行：已跳过：无法存储模式 AM");
    const Row two = One({{"Mode", "Auto"}, {"Power", "8W"}});
    EXPECT_EQ(ChannelImport::ReportLine(two, Lang::English),
              "line 2: changed: mode Auto taken as FM; power 8W taken as High");
    EXPECT_EQ(ChannelImport::ReportLine(One({}), Lang::English), "");
}
