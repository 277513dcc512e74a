#include <gtest/gtest.h>

#include "formats/Csv.h"

TEST(CsvField, QuotesOnlyWhenNeededAndDoublesQuotes) {
    EXPECT_EQ(Csv::Field("145.12500"), "145.12500");
    EXPECT_EQ(Csv::Field("宽"), "宽");
    EXPECT_EQ(Csv::Field("a,b"), "\"a,b\"");
    EXPECT_EQ(Csv::Field("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(Csv::Field("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(Csv::Line({"1", "", "x,y"}), "1,,\"x,y\"\n");
}

TEST(CsvParse, SplitsRecordsAndKeepsEmptyFields) {
    const Csv::ParseResult r = Csv::Parse("a,b,\n,,\r\nlast");
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 3u);
    EXPECT_EQ(r.records[0].fields, (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(r.records[1].fields, (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(r.records[2].fields, (std::vector<std::string>{"last"}));
    EXPECT_EQ(r.records[2].line, 3);
}

TEST(CsvParse, QuotedFieldsMayHoldCommasQuotesAndLineBreaks) {
    const Csv::ParseResult r = Csv::Parse("\xEF\xBB\xBF\"a,\"\"b\"\"\",\"x\ny\"\nnext,1\n");
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 2u);
    EXPECT_EQ(r.records[0].fields, (std::vector<std::string>{"a,\"b\"", "x\ny"}));
    EXPECT_EQ(r.records[1].line, 3); // the line break inside the quotes counts
    EXPECT_EQ(r.records[1].fields, (std::vector<std::string>{"next", "1"}));
}

TEST(CsvParse, RoundTripsWhatLineWrites) {
    const std::vector<std::string> fields{"", "a,b", "\"", "x\r\ny", " lead", "中文"};
    const Csv::ParseResult r = Csv::Parse(Csv::Line(fields) + Csv::Line(fields));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 2u);
    EXPECT_EQ(r.records[1].fields, fields);
}

TEST(CsvParse, UnclosedQuoteOrTextAfterAQuoteIsAnError) {
    Csv::ParseResult r = Csv::Parse("ok\n1,\"open\n\n");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorLine, 2);
    r = Csv::Parse("\"a\"b,c\n");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorLine, 1);
    r = Csv::Parse("ok\n" + std::string(Csv::MaxFields, ',') + "\n");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorLine, 2);
    EXPECT_TRUE(Csv::Parse(std::string(Csv::MaxFields - 1, ',')).ok);
}

TEST(CsvParse, CrOnlyLineEndsAndUtf16WithItsMarkAreRead) {
    const std::vector<std::string> expected{"a", "é"};
    for (const std::string& text : {std::string("a,\xC3\xA9\rb\r"),
                                    std::string("\xFF\xFE"
                                                "a\0,\0\xE9\0\r\0b\0",
                                                12),
                                    std::string("\xFE\xFF\0a\0,\0\xE9\0\n\0b", 12)}) {
        const Csv::ParseResult r = Csv::Parse(text);
        ASSERT_TRUE(r.ok) << r.error;
        ASSERT_EQ(r.records.size(), 2u);
        EXPECT_EQ(r.records[0].fields, expected);
        EXPECT_EQ(r.records[1].fields, std::vector<std::string>{"b"});
        EXPECT_EQ(r.records[1].line, 2);
    }
}

TEST(CsvParse, OtherEncodingsThatAnnounceThemselvesAreNamed) {
    for (const auto& [text, named] :
         {std::pair{std::string("\xFF\xFE\0\0a\0\0\0", 8), "UTF-32"},
          {std::string("\xFF\xFE"
                       "a\0b",
                       5),
           "UTF-16"},                                        // odd length
          {std::string("\xFF\xFE\x00\xDC", 4), "UTF-16"}}) { // a lone low surrogate
        const Csv::ParseResult r = Csv::Parse(text);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.find(named), std::string::npos) << r.error;
        EXPECT_NE(r.errorChinese.find(named), std::string::npos) << r.errorChinese;
    }
}

TEST(CsvShown, CellsInMessagesAreEscapedAndShortened) {
    const std::pair<std::string, std::string> cases[] = {
        {"446.0", "446.0"},
        {"中文 ok", "中文 ok"},
        {"a\nb\tc\r", "a\\nb\\tc\\r"},
        {"\x1B[31mred", "\\x1B[31mred"},
        {"bad\xFF\xC3", "bad\\xFF\\xC3"},
        {"\xE2\x80\xAE"
         "evil",
         "\\u202Eevil"},
        {std::string(1 << 20, 'x'), std::string(40, 'x') + "..."},
    };
    for (const auto& [cell, shown] : cases) {
        EXPECT_EQ(Csv::Shown(cell), shown);
    }
}
