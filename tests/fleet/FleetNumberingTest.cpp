// The numbering rule of a fleet: trailing digits count up with their width
// kept, and a value the ID box cannot hold is refused before any radio.
#include <gtest/gtest.h>

#include "fleet/FleetNumbering.h"
#include "image/ImageMap.h"
#include "settings/IdField.h"

namespace {

struct Case {
    const char* first;
    std::size_t count;
    std::vector<std::string> ids; // empty: refused
};

TEST(FleetNumbering, TrailingDigitsCountUpKeepingTheirWidthWithinTheBox) {
    const Case cases[] = {
        {"1001", 3, {"1001", "1002", "1003"}},
        {"A009", 2, {"A009", "A010"}},
        {"0099", 2, {"0099", "0100"}},
        {"A9", 2, {"A9", "A10"}},
        {"99", 2, {"99", "100"}},
        {"a001", 2, {"A001", "A002"}}, // stored as capitals, as the box does
        {"9999999", 2, {"9999999", "10000000"}},
        {"AB12CD", 1, {"AB12CD"}}, // one radio needs no counting
        {"AB12CD", 2, {}},         // nothing to count up
        {"99999998", 2, {"99999998", "99999999"}},
        {"99999999", 2, {}},  // the next would have 9 characters
        {"123456789", 1, {}}, // too long from the start
        {"", 1, {}},
        {"A-01", 1, {}}, // the box holds digits and letters only
    };
    for (const Case& c : cases) {
        const FleetNumbering::Sequence s = FleetNumbering::Ids(c.first, c.count);
        EXPECT_EQ(s.ids, c.ids) << c.first;
        EXPECT_EQ(s.error.has_value(), c.ids.empty()) << c.first;
    }
}

TEST(FleetNumbering, EachRadioGetsACopyWithItsIdInTheChosenBoxOnly) {
    const MemoryImage original = ImageMap::NewDocumentImage();
    const MemoryImage copy =
        FleetNumbering::WithId(original, FleetNumbering::Field::CallId, "A010");
    EXPECT_EQ(IdField::DecodeId(copy, SettingsMap::CallId), "A010");
    EXPECT_EQ(IdField::DecodeId(copy, SettingsMap::OwnId),
              IdField::DecodeId(original, SettingsMap::OwnId));
    EXPECT_EQ(FleetNumbering::WithId(original, FleetNumbering::Field::None, "A010"), original);
    EXPECT_EQ(FleetNumbering::ParseField("call-id"), FleetNumbering::Field::CallId);
    EXPECT_EQ(FleetNumbering::ParseField("id"), FleetNumbering::Field::Id);
    EXPECT_FALSE(FleetNumbering::ParseField("kill-id"));
}

TEST(FleetNumbering, RadiosNotVerifiedGetTheirIdsAgainFirstAndTheBookSurvivesItsText) {
    // One document's runs, one after the other: each gives IDs to its radios,
    // some of which fail or are stopped.
    const struct {
        std::vector<bool> verified; // one per radio of the run
        std::vector<std::string> ids;
        std::string next;                // after the run
        std::vector<std::string> again; // after the run
    } runs[] = {
        {{true, false, true}, {"1001", "1002", "1003"}, "1004", {"1002"}},
        {{true, true}, {"1002", "1004"}, "1005", {}},
        {{false}, {"1005"}, "1006", {"1005"}},
        {{false}, {"1005"}, "1006", {"1005"}}, // one cable: the same radio again
        {{false, false, true}, {"1005", "1006", "1007"}, "1008", {"1005", "1006"}},
        {{true}, {"1005"}, "1008", {"1006"}},
    };
    FleetNumbering::Book book;
    for (const auto& run : runs) {
        const FleetNumbering::Sequence ids = book.Take(run.verified.size());
        ASSERT_FALSE(ids.error);
        EXPECT_EQ(ids.ids, run.ids);
        book.Done(ids.ids, run.verified);
        EXPECT_EQ(book.next, run.next);
        EXPECT_EQ(book.again, run.again);
        const std::optional<FleetNumbering::Book> kept =
            FleetNumbering::Book::FromText(book.Text());
        ASSERT_TRUE(kept) << book.Text();
        EXPECT_EQ(kept->Take(3).ids, book.Take(3).ids) << book.Text();
    }
    for (const char* text : {"", "id", "kill-id 1001", "id 1001 12*#", "call-id 123456789"}) {
        EXPECT_FALSE(FleetNumbering::Book::FromText(text)) << text;
    }
    book.again.clear();
    book.next = "99999999";
    book.Done({"99999999"}, {true});
    EXPECT_EQ(book.next, "") << "no ID is given twice when the box is full";
    EXPECT_TRUE(book.Take(1).error);
}

} // namespace
