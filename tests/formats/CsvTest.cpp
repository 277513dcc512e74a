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
}
