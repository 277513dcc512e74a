#include <gtest/gtest.h>

#include "ChirpTestRows.h"
#include "formats/ChirpExport.h"
#include "formats/ChirpImport.h"
#include "formats/Csv.h"
#include "image/ImageMap.h"

using namespace ChirpTestRows;

namespace {

ChannelRecord ChannelRow(const char* rx, const char* tx, const char* rxTone = "OFF",
                      const char* txTone = "OFF") {
    ChannelRecord r;
    const auto& defaults = ChannelTexts::NewChannelDefaults;
    for (int c = ColRxTone; c <= ColName; ++c) {
        r[c] = defaults[c - ColRxTone].english;
    }
    r[ColRxFrequency] = rx;
    r[ColTxFrequency] = tx;
    r[ColRxTone] = rxTone;
    r[ColTxTone] = txTone;
    return r;
}

// The exported row of one channel as a map from column to value.
Fields Exported(const ChannelRecord& record) {
    MemoryImage image = ImageMap::NewDocumentImage();
    EncodeChannel(record, 4, image);
    const Csv::ParseResult parsed = Csv::Parse(ChirpExport::Export(image).csv);
    EXPECT_EQ(parsed.records.size(), 2u);
    Fields fields;
    for (std::size_t i = 0; i < std::size(ChirpExport::Header); ++i) {
        fields[ChirpExport::Header[i]] = parsed.records.back().fields.at(i);
    }
    return fields;
}

std::vector<std::string> Pick(const Fields& f, std::initializer_list<const char*> names) {
    std::vector<std::string> values;
    for (const char* name : names) {
        values.push_back(f.at(name));
    }
    return values;
}

using V = std::vector<std::string>;

} // namespace

TEST(ChirpExport, WritesTheCurrentHeaderWithCrlfAndOnlyChannelsWithRx) {
    MemoryImage image = ImageMap::NewDocumentImage();
    EncodeChannel(ChannelRow("446.00625", "446.00625"), 2, image);
    EncodeChannel(ChannelRow("", "430.00000"), 7, image);
    const ChirpExport::ExportResult result = ChirpExport::Export(image);
    EXPECT_EQ(result.csv,
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
              "RPT2CALL,DVCODE\r\n"
              "3,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,5.0W,,,,,\r\n");
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(ChannelImport::NotesText(result.notes[0], Lang::English),
              "channel 8 has no Rx frequency");
}

TEST(ChirpExport, DuplexFromTheDistanceBetweenTxAndRx) {
    EXPECT_EQ(Pick(Exported(ChannelRow("146.52000", "")), {"Duplex", "Offset"}),
              V({"off", "0.000000"}));
    EXPECT_EQ(Pick(Exported(ChannelRow("146.52000", "147.12000")), {"Duplex", "Offset"}),
              V({"+", "0.600000"}));
    EXPECT_EQ(Pick(Exported(ChannelRow("446.50000", "441.50000")), {"Duplex", "Offset"}),
              V({"-", "5.000000"}));
    EXPECT_EQ(Pick(Exported(ChannelRow("146.00000", "161.00000")), {"Duplex", "Offset"}),
              V({"+", "15.000000"}));
    EXPECT_EQ(Pick(Exported(ChannelRow("146.00000", "161.00250")), {"Duplex", "Offset"}),
              V({"split", "161.002500"}));
}

TEST(ChirpExport, ToneModesFromTheTwoTones) {
    const auto tones = [](const char* rx, const char* tx) {
        return Pick(Exported(ChannelRow("146.52000", "146.52000", rx, tx)),
                    {"Tone", "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode",
                     "CrossMode"});
    };
    EXPECT_EQ(tones("OFF", "OFF"), V({"", "88.5", "88.5", "023", "NN", "023", "Tone->Tone"}));
    EXPECT_EQ(tones("OFF", "100.0"),
              V({"Tone", "100.0", "88.5", "023", "NN", "023", "Tone->Tone"}));
    EXPECT_EQ(tones("156.7", "156.7"),
              V({"TSQL", "156.7", "156.7", "023", "NN", "023", "Tone->Tone"}));
    EXPECT_EQ(tones("D074I", "D074N"),
              V({"DTCS", "88.5", "88.5", "074", "NR", "023", "Tone->Tone"}));
    EXPECT_EQ(tones("156.7", "100.0"),
              V({"Cross", "100.0", "156.7", "023", "NN", "023", "Tone->Tone"}));
    EXPECT_EQ(tones("D411I", "67.0"),
              V({"Cross", "67.0", "88.5", "023", "NR", "411", "Tone->DTCS"}));
    EXPECT_EQ(tones("OFF", "D754I"), V({"Cross", "88.5", "88.5", "754", "RN", "023", "DTCS->"}));
    EXPECT_EQ(tones("67.0", "OFF"), V({"Cross", "88.5", "67.0", "023", "NN", "023", "->Tone"}));
    EXPECT_EQ(tones("D023N", "D025N"),
              V({"Cross", "88.5", "88.5", "025", "NN", "023", "DTCS->DTCS"}));
}

TEST(ChirpExport, WidthScanPowerAndStep) {
    ChannelRecord r = ChannelRow("146.51250", "146.51250");
    r[ColWidth] = "Narrow";
    r[ColScan] = "No";
    r[ColPower] = "Low";
    r[ColName] = "HILL-1";
    EXPECT_EQ(Pick(Exported(r), {"Name", "Mode", "Skip", "Power", "TStep"}),
              V({"HILL-1", "NFM", "S", "1.0W", "6.25"}));
    EXPECT_EQ(Exported(ChannelRow("146.52000", "146.52000")).at("TStep"), "5.00");
    EXPECT_EQ(Exported(ChannelRow("146.52250", "146.52250")).at("TStep"), "2.50");
}

TEST(ChirpRoundTrip, ImportingAnExportGivesBackTheChannels) {
    MemoryImage source = ImageMap::NewDocumentImage();
    const std::vector<ChannelRecord> channels = {
        ChannelRow("146.52000", "147.12000", "OFF", "100.0"),
        ChannelRow("446.00625", "", "D023I", "D023N"),
        ChannelRow("145.00000", "440.00000", "D754N", "254.1"),
        ChannelRow("146.52250", "146.52250", "67.0", "67.0"),
        ChannelRow("146.51250", "141.51250", "OFF", "D411I"),
    };
    std::vector<int> slots = {0, 5, 6, 100, 127};
    for (std::size_t i = 0; i < channels.size(); ++i) {
        ChannelRecord r = channels[i];
        r[ColWidth] = i % 2 ? "Narrow" : "Wide";
        r[ColScan] = i % 3 ? "No" : "Yes";
        r[ColPower] = i % 2 ? "High" : "Low";
        r[ColName] = i == 2 ? "" : "CH " + std::to_string(i);
        EncodeChannel(r, slots[i], source);
    }
    const auto read = ChirpImport::Read(ChirpExport::Export(source).csv, WideBand);
    ASSERT_TRUE(read.ok);
    const auto rows = ChirpImport::Place(read, {true, 1});
    ASSERT_EQ(rows.size(), channels.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].status, ChannelImport::Status::Imported)
            << ChannelImport::NotesText(rows[i], Lang::English);
        EXPECT_EQ(rows[i].channel, slots[i] + 1);
    }
    MemoryImage target = ImageMap::NewDocumentImage();
    ChannelImport::Apply(rows, false, target);
    for (int n : slots) {
        const ChannelRecord want = DecodeChannel(source, n, Lang::English);
        const ChannelRecord got = DecodeChannel(target, n, Lang::English);
        for (int c : {ColRxFrequency, ColTxFrequency, ColRxTone, ColTxTone, ColWidth, ColScan,
                      ColPower, ColName}) {
            EXPECT_EQ(got[c], want[c]) << "channel " << n + 1 << " column " << c;
        }
    }
}
