#include <gtest/gtest.h>

#include "image/ChannelRules.h"
#include "image/ImageMap.h"
#include "image/RawChannel.h"
#include "image/ToneTable.h"

namespace {

using ChannelRules::Refusal;
using ChannelRules::Way;

constexpr BandEdges Band{400, 480};

// The texts of a channel, "|"-joined, as the table shows them in English.
std::string Shown(const Channel& c) {
    std::string out;
    for (int column = ColRxFrequency; column <= ColName; ++column) {
        out += (column > 1 ? "|" : "") + ChannelText(c, column, Lang::English);
    }
    return out;
}

Channel Empty() {
    return ReadChannel(EmptyRawChannel());
}

// 438.50000 both ways, tone 100.0, named SECURITY as a file can name it.
Channel InUse() {
    Channel c = Empty();
    ChannelRules::Type(c, ColRxFrequency, "438.5", Way::Leave, Band);
    ParseChannelText(c, ColRxTone, "100.0");
    ParseChannelText(c, ColName, "SECURITY");
    return c;
}

TEST(ToneNames, ATypedToneIsTheTableToneItNamesNumerically) {
    const struct {
        const char* typed;
        const char* tone; // nullptr: names no tone
    } cases[] = {
        {"67", "67.0"},     {"67.00", "67.0"},  {"088.5", "88.5"},   {"88.50", "88.5"},
        {"123", "123.0"},   {" 100 ", "100.0"}, {"d23n", "D023N"},   {"D023", "D023N"},
        {"d754i", "D754I"}, {"off", "OFF"},     {"D023N", "D023N"},  {"D999N", nullptr},
        {"67.05", nullptr}, {"66", nullptr},    {"x1", nullptr},     {"D", nullptr},
        {"88.", nullptr},   {"D23X", nullptr},  {"D0023N", "D023N"}, {"-67", nullptr},
    };
    for (const auto& c : cases) {
        const int index = ToneTable::IndexOfNamed(c.typed);
        if (c.tone == nullptr) {
            EXPECT_EQ(index, -1) << c.typed;
        } else {
            ASSERT_GE(index, 0) << c.typed;
            EXPECT_EQ(ToneTable::Texts()[static_cast<std::size_t>(index)], c.tone) << c.typed;
        }
    }
}

// A first frequency, a refused one and a row without frequency are tried
// through the table's model (ChannelTableModelTest).
TEST(ChannelRulesTyping, EachTypedTextGivesTheChannelTheTableShows) {
    const std::string inUse = "438.50000|438.50000|100.0|OFF|Wide|Yes|High|DTMF|ON|Close|"
                              "Forward|1|SECURITY";
    const struct {
        Channel start;
        int column;
        const char* typed;
        Way way;
        Refusal refusal;
        std::string after;
    } cases[] = {
        // An emptied frequency takes its tone; with none left the row is empty.
        {InUse(), ColRxFrequency, "", Way::Leave, Refusal::None,
         "|438.50000|OFF|OFF|Wide|Yes|High|DTMF|ON|Close|Forward|1|SECURITY"},
        // Tones: named numerically, or refused and kept.
        {InUse(), ColRxTone, "67", Way::Enter, Refusal::None,
         "438.50000|438.50000|67.0|OFF|Wide|Yes|High|DTMF|ON|Close|Forward|1|SECURITY"},
        {InUse(), ColTxTone, "d23n", Way::Leave, Refusal::None,
         "438.50000|438.50000|100.0|D023N|Wide|Yes|High|DTMF|ON|Close|Forward|1|SECURITY"},
        {InUse(), ColRxTone, "D999N", Way::Enter, Refusal::Tone, inUse},
        // Names: a longer name keeps its own length, a new one six characters.
        {InUse(), ColName, "securit", Way::Leave, Refusal::None,
         "438.50000|438.50000|100.0|OFF|Wide|Yes|High|DTMF|ON|Close|Forward|1|SECURIT"},
        {InUse(), ColName, "SECURITY9", Way::Leave, Refusal::None, inUse},
        {InUse(), ColPower, "低", Way::Leave, Refusal::None,
         "438.50000|438.50000|100.0|OFF|Wide|Yes|Low|DTMF|ON|Close|Forward|1|SECURITY"},
    };
    for (const auto& c : cases) {
        Channel channel = c.start;
        const ChannelRules::Outcome outcome =
            ChannelRules::Type(channel, c.column, c.typed, c.way, Band);
        EXPECT_EQ(outcome.refusal, c.refusal) << c.typed;
        EXPECT_EQ(Shown(channel), c.after) << c.typed;
        EXPECT_EQ(outcome.changed, c.after != Shown(c.start)) << c.typed;
        EXPECT_EQ(outcome.Refused(), !outcome.Message(Lang::Chinese).empty()) << c.typed;
    }
    Channel named = Empty();
    ChannelRules::Type(named, ColRxFrequency, "438.5", Way::Leave, Band);
    ChannelRules::Type(named, ColName, "abcdefgh", Way::Leave, Band);
    EXPECT_EQ(named.name, "ABCDEF") << "a name typed anew keeps six characters";
}

TEST(ChannelRulesEmptying, AnEmptiedChannelIsANewFilesEmptyChannel) {
    const MemoryImage fresh = ImageMap::NewDocumentImage();
    const RawChannel newFile = ReadRawChannel(fresh, 5);
    const struct {
        const char* how;
        int column;
    } cases[] = {{"Rx then Tx", ColRxFrequency}, {"Tx then Rx", ColTxFrequency}};
    for (const auto& c : cases) {
        for (const Way way : {Way::Leave, Way::Enter}) {
            Channel channel = InUse();
            ChannelRules::Type(channel, ColRxTone, "OFF", way, Band);
            ChannelRules::Type(channel, c.column, "", way, Band);
            ChannelRules::Type(channel,
                               c.column == ColRxFrequency ? ColTxFrequency : ColRxFrequency, "",
                               way, Band);
            EXPECT_EQ(ToRawChannel(channel), newFile) << c.how;
        }
    }
    MemoryImage image = fresh;
    ChannelRules::ApplyRow(ChannelTextsOf(InUse(), Lang::English), 5, image);
    ASSERT_NE(image, fresh);
    ChannelRules::ApplyRow(ChannelRecord{}, 5, image);
    EXPECT_EQ(image, fresh) << "an empty row over a channel";
}

// One row of data over channel 3 of a new file, or of a file where it holds
// InUse(); the texts the channel then shows.
TEST(ChannelRulesRows, ARowIsTakenAsTypingOrAsWrittenOrKeepsWhatItDoesNotState) {
    const auto row = [](std::initializer_list<const char*> texts) {
        ChannelRecord r;
        int column = ColRxFrequency;
        for (const char* text : texts) {
            r[column++] = text;
        }
        return r;
    };
    const struct {
        bool overData;
        ChannelRecord row;
        const char* after;
    } cases[] = {
        {false, row({"446.00625"}),
         "446.00625|446.00625|OFF|OFF|Wide|Yes|High|DTMF|ON|Close|Forward|1|"},
        {false, row({"446.00625", "", "", "", "", "", "", "", "", "", "", "", "PMR"}),
         "446.00625|446.00625|OFF|OFF|Wide|Yes|High|DTMF|ON|Close|Forward|1|PMR"},
        // States more: a blank Tx stays blank, blank options take the defaults.
        {false, row({"446.00625", "", "67.0", "", "Narrow"}),
         "446.00625||67.0|OFF|Narrow|Yes|High|DTMF|ON|Close|Forward|1|"},
        {false,
         row({"145.5", "145.5", "OFF", "OFF", "Narrow", "No", "Low", "None", "OFF", "QT/DQT",
              "Reverse", "OFF", "A"}),
         "145.50000|145.50000|OFF|OFF|Narrow|No|Low|None|OFF|QT/DQT|Reverse|OFF|A"},
        // Over data: blank options keep the channel's values.
        {true,
         row({"438.5", "430", "100.0", "OFF", "Narrow", "", "", "", "", "", "", "", "SECURITY"}),
         "438.50000|430.00000|100.0|OFF|Narrow|Yes|High|DTMF|ON|Close|Forward|1|SECURITY"},
        {true, row({"438.5", "", "OFF", "OFF", "", "", "", "", "", "", "", "", ""}),
         "438.50000||OFF|OFF|Wide|Yes|High|DTMF|ON|Close|Forward|1|"},
    };
    for (const auto& c : cases) {
        MemoryImage image = ImageMap::NewDocumentImage();
        if (c.overData) {
            WriteChannel(InUse(), 2, image);
        }
        ChannelRules::ApplyRow(c.row, 2, image);
        EXPECT_EQ(Shown(ReadChannel(image, 2)), c.after) << c.row[ColRxFrequency];
    }
}

TEST(ChannelRulesRows, ARowThatSaysWhatTheChannelShowsKeepsEveryByte) {
    MemoryImage image = ImageMap::NewDocumentImage();
    WriteChannel(InUse(), 2, image);
    image[ImageMap::SlotAddress(2) + 15] = 0x5A; // a byte no text shows
    const MemoryImage before = image;
    for (const Lang lang : {Lang::English, Lang::Chinese}) {
        EXPECT_FALSE(ChannelRules::ApplyRow(DecodeChannel(image, 2, lang), 2, image));
        EXPECT_EQ(image, before);
    }
}

} // namespace
