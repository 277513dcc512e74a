#include <gtest/gtest.h>

#include "formats/ChannelClipboard.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"

namespace {

using ChannelClipboard::PastedText;

MemoryImage WithChannel(int n) {
    MemoryImage image = ImageMap::NewDocumentImage();
    ChannelRecord r;
    for (int c = 1; c <= 13; ++c) {
        r[c] = std::vector<const char*>{"430.5",   "435.5", "67.0", "D023I", "Narrow",
                                        "Yes",     "Low",   "None", "ON",    "Carrier",
                                        "Forward", "3",     "RPT-1"}[c - 1];
    }
    EncodeChannel(r, n, image);
    return image;
}

const BandEdges Uhf{400, 480};

} // namespace

TEST(ChannelClipboardText, OneTabbedLinePerChannelWithItsNumberInTheChosenLanguage) {
    const MemoryImage image = WithChannel(4);
    EXPECT_EQ(ChannelClipboard::PlainText(image, {4, 5}, Lang::English),
              "5\t430.50000\t435.50000\t67.0\tD023I\tNarrow\tYes\tLow\tNone\tON\tCarrier\tForward"
              "\t3\tRPT-1\n6\t\t\t\t\t\t\t\t\t\t\t\t\t\n");
    EXPECT_EQ(ChannelClipboard::PlainText(image, {4}, Lang::Chinese),
              "5\t430.50000\t435.50000\t67.0\tD023I\t窄\t是\t低\t无\t开\t载波\t正向\t3\tRPT-1\n");
}

TEST(ChannelClipboardPayload, CarriesEveryBitAndRefusesAnythingElse) {
    MemoryImage image = WithChannel(0);
    image[15] = 0x5A;
    image[ImageMap::NameAddress(1) + 3] = 0x99; // a name code with no character
    std::vector<RawChannel> channels = {ReadRawChannel(image, 0), ReadRawChannel(image, 1)};
    channels[1].scan = true;
    const std::string payload = ChannelClipboard::Payload(channels);
    EXPECT_EQ(ChannelClipboard::ReadPayload(payload), channels);

    EXPECT_FALSE(ChannelClipboard::ReadPayload(""));
    EXPECT_FALSE(ChannelClipboard::ReadPayload(payload.substr(0, payload.size() - 1)));
    EXPECT_FALSE(ChannelClipboard::ReadPayload(payload + "x"));
    std::string foreign = payload;
    foreign[0] = 'X';
    EXPECT_FALSE(ChannelClipboard::ReadPayload(foreign));
    std::string badScan = payload;
    badScan.back() = 2;
    EXPECT_FALSE(ChannelClipboard::ReadPayload(badScan));
    EXPECT_FALSE(ChannelClipboard::ReadPayload(ChannelClipboard::Payload({})));
}

TEST(ChannelClipboardParse, ReadsBackItsOwnTextInEitherLanguage) {
    const MemoryImage image = WithChannel(0);
    for (Lang lang : {Lang::English, Lang::Chinese}) {
        const PastedText pasted =
            ChannelClipboard::ParseText(ChannelClipboard::PlainText(image, {0, 1}, lang), Uhf);
        ASSERT_TRUE(pasted.problems.empty()) << pasted.problems[0].reason;
        ASSERT_EQ(pasted.records.size(), 2u);
        EXPECT_EQ(pasted.records[0][ColWidth], lang == Lang::English ? "Narrow" : "窄");
        EXPECT_EQ(pasted.records[1], ChannelRecord{});
    }
}

TEST(ChannelClipboardParse, TakesSpreadsheetTextWithTabsOrCommasWithOrWithoutNumbers) {
    // Tabs, a title line, CRLF, a quoted cell, no channel numbers, a blank last line.
    const PastedText tabbed = ChannelClipboard::ParseText(
        "Rx Frequency\tTx Frequency\tRx Tone\tTx Tone\tW/N\tScan\tTx Power\tOpt Signal\tPTTID\t"
        "BusyLock\tRepeat Invert\tScram\tName\r\n"
        "430.5\t430.5\tOFF\tOFF\tWide\tYes\tHigh\tDTMF\tON\tClose\tForward\t1\t\"A,B\"\r\n\r\n",
        Uhf);
    ASSERT_EQ(tabbed.problems.size(), 1u); // the comma is no name character
    EXPECT_EQ(tabbed.problems[0].line, 2);
    EXPECT_EQ(tabbed.problems[0].textColumn, 13);
    EXPECT_EQ(tabbed.problems[0].gridColumn, ColName);
    EXPECT_TRUE(tabbed.records.empty());

    const PastedText commas = ChannelClipboard::ParseText(
        "频道,接收频率,发射频率,接收信令,发射信令,宽/窄,扫描添加,发射功率,可选信令,PTTID,繁忙锁定,"
        "中继信令反相,扰频,名称\n"
        "99,430.0125,440,D754N,OFF,宽,否,高,无,关,载波,反向,1关,CH 2\n"
        "430.5,,,,,,,,,,,,\n",
        Uhf);
    ASSERT_TRUE(commas.problems.empty()) << commas.problems[0].reason;
    ASSERT_EQ(commas.records.size(), 2u);
    EXPECT_EQ(commas.records[0][ColRxFrequency], "430.01250"); // normalised as typed
    EXPECT_EQ(commas.records[0][ColTxFrequency], "440.00000");
    EXPECT_EQ(commas.records[0][ColScram], "1关");
    EXPECT_EQ(commas.records[0][ColName], "CH 2");
    EXPECT_EQ(commas.records[1][ColRxFrequency], "430.50000");
}

TEST(ChannelClipboardParse, NamesAreUpperCasedAsTypingAndImportDo) {
    const PastedText pasted = ChannelClipboard::ParseText("430.5,,,,,,,,,,,,rpt-a 2\n", Uhf);
    ASSERT_TRUE(pasted.problems.empty()) << pasted.problems[0].reason;
    ASSERT_EQ(pasted.records.size(), 1u);
    EXPECT_EQ(pasted.records[0][ColName], "RPT-A 2");
}

TEST(ChannelClipboardParse, ListsEveryBadCellByLineAndColumnInBothLanguages) {
    const PastedText pasted = ChannelClipboard::ParseText(
        "1\t430.5\t145.5\tOFF\tOFF\tWide\tYes\tHigh\tDTMF\tON\tClose\tForward\t1\to.k\n"
        "430.001\t430.5\tOFF\tOFF\tWIDE\tYes\tHigh\tDTMF\tON\tClose\tForward\t1\tOK\n"
        "430.5\t430.5\n",
        Uhf);
    EXPECT_TRUE(pasted.records.empty());
    std::vector<std::tuple<int, int, int>> where;
    for (const auto& p : pasted.problems) {
        where.emplace_back(p.line, p.textColumn, p.gridColumn);
        EXPECT_FALSE(p.reason.empty());
        EXPECT_FALSE(p.reasonChinese.empty());
    }
    const std::vector<std::tuple<int, int, int>> expected = {{1, 3, ColTxFrequency},
                                                             {1, 14, ColName},
                                                             {2, 1, ColRxFrequency},
                                                             {2, 5, ColWidth},
                                                             {3, 0, -1}};
    EXPECT_EQ(where, expected);

    const std::string english = ChannelClipboard::ProblemsText(pasted.problems, Lang::English);
    EXPECT_NE(english.find("line 1, column 3 (Tx Frequency): outside the band edges 400-480 MHz"),
              std::string::npos)
        << english;
    EXPECT_NE(english.find("line 3: expected 13 or 14 columns, found 2"), std::string::npos);
    const std::string chinese = ChannelClipboard::ProblemsText(pasted.problems, Lang::Chinese);
    EXPECT_NE(chinese.find("第2行第5列（宽/窄）：“WIDE”不是以下之一：宽或Wide、窄或Narrow"),
              std::string::npos)
        << chinese;
    EXPECT_NE(chinese.find("第2行第1列（接收频率）：不是6.25、5或2.5 kHz的倍数"),
              std::string::npos);
}

TEST(ChannelClipboardParse, AnUnclosedQuoteIsReportedWithItsLine) {
    const PastedText pasted = ChannelClipboard::ParseText("430.5,\"x\n", Uhf);
    ASSERT_EQ(pasted.problems.size(), 1u);
    EXPECT_EQ(pasted.problems[0].line, 1);
    EXPECT_EQ(pasted.problems[0].gridColumn, -1);
}
