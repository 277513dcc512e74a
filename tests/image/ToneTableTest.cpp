#include <gtest/gtest.h>

#include <set>

#include "image/ToneTable.h"

TEST(ToneTable, HoldsTheListInIndexOrder) {
    const auto& t = ToneTable::Texts();
    ASSERT_EQ(t.size(), 261u);
    EXPECT_EQ(t[0], "OFF");
    EXPECT_EQ(t[1], "67.0");
    EXPECT_EQ(t[13], "100.0");
    EXPECT_EQ(t[50], "254.1");
    EXPECT_EQ(t[51], "D023N");
    EXPECT_EQ(t[144], "D645N");
    EXPECT_EQ(t[155], "D754N");
    EXPECT_EQ(t[156], "D023I");
    EXPECT_EQ(t[249], "D645I");
    EXPECT_EQ(t[260], "D754I");
}

TEST(ToneTable, EntriesAreUniqueAndWellFormed) {
    const auto& t = ToneTable::Texts();
    EXPECT_EQ(std::set<std::string>(t.begin(), t.end()).size(), t.size());
    for (int i = 51; i < 261; ++i) {
        ASSERT_EQ(t[i].size(), 5u) << t[i];
        EXPECT_EQ(t[i][0], 'D');
        EXPECT_EQ(t[i][4], i < 156 ? 'N' : 'I');
        EXPECT_EQ(t[i].substr(1, 3), t[i < 156 ? i + 105 : i - 105].substr(1, 3));
    }
    for (int i = 2; i <= 50; ++i) {
        EXPECT_LT(std::stod(t[i - 1]), std::stod(t[i]));
        EXPECT_EQ(t[i][t[i].size() - 2], '.');
    }
}

TEST(ToneTable, IndexOfFindsExactTextsOnly) {
    EXPECT_EQ(ToneTable::IndexOf("OFF"), 0);
    EXPECT_EQ(ToneTable::IndexOf("D754I"), 260);
    EXPECT_EQ(ToneTable::IndexOf("d754i"), -1);
    EXPECT_EQ(ToneTable::IndexOf("67"), -1);
    EXPECT_EQ(ToneTable::IndexOf(""), -1);
}
