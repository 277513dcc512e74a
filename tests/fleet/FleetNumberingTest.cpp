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

} // namespace
