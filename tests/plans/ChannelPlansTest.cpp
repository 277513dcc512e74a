#include <gtest/gtest.h>

#include <set>

#include "image/ChannelCodec.h"
#include "image/FrequencyCheck.h"
#include "plans/ChannelPlans.h"

namespace {

// The plans as their rules define them: count, channel numbers at the ends of
// each run with their frequency, and the power on it.
struct Definition {
    const char* key;
    std::size_t count;
    std::vector<std::tuple<int, const char*, int>> anchors; // number, MHz, milliwatts
};

const Definition kDefinitions[] = {
    {"pmr446", 16, {{1, "446.00625", 500}, {16, "446.19375", 500}}},
    {"frs",
     22,
     {{1, "462.56250", 2000},
      {7, "462.71250", 2000},
      {8, "467.56250", 500},
      {14, "467.71250", 500},
      {15, "462.55000", 2000},
      {22, "462.72500", 2000}}},
    {"cn-public", 20, {{1, "409.75000", 500}, {20, "409.98750", 500}}},
};

} // namespace

TEST(ChannelPlans, ChannelPlansMatchTheirDefinitions) {
    for (const Definition& d : kDefinitions) {
        const ChannelPlan* plan = FindPlan(d.key);
        ASSERT_NE(plan, nullptr) << d.key;
        const std::vector<PlanChannel> channels = PlanChannels(*plan);
        ASSERT_EQ(channels.size(), d.count) << d.key;
        for (const auto& [number, mhz, milliwatts] : d.anchors) {
            EXPECT_EQ(FrequencyText(channels[number - 1].frequency), mhz) << d.key << number;
            EXPECT_EQ(channels[number - 1].maxMilliwatts, milliwatts) << d.key << number;
        }
        // Every run is evenly spaced, so its ends define it; every channel is
        // distinct, on the radio's steps, found again by its frequency, and its
        // name fits six characters.
        std::set<std::uint32_t> distinct;
        for (const PlanChannel& c : channels) {
            distinct.insert(c.frequency);
            EXPECT_EQ(CheckFrequency(FrequencyText(c.frequency), 400, 480).verdict,
                      FrequencyVerdict::Accepted)
                << d.key << c.number;
            ASSERT_TRUE(FindPlanChannel(*plan, c.frequency)) << d.key << c.number;
            EXPECT_EQ(FindPlanChannel(*plan, c.frequency)->number, c.number);
            EXPECT_LE((plan->namePrefix + std::to_string(c.number)).size(), 6u);
        }
        EXPECT_EQ(distinct.size(), d.count) << d.key;
        EXPECT_TRUE(plan->narrowOnly);
        EXPECT_FALSE(FindPlanChannel(*plan, channels.front().frequency + 625)) << d.key;
    }
}

TEST(ChannelPlans, BandsNameTheirEdges) {
    const struct {
        const char* key;
        const char* lower;
        const char* upper;
    } bands[] = {{"ham-70cm", "430.00000", "440.00000"}, {"ham-70cm-us", "420.00000", "450.00000"}};
    for (const auto& b : bands) {
        const ChannelPlan* plan = FindPlan(b.key);
        ASSERT_NE(plan, nullptr);
        EXPECT_TRUE(plan->IsBand());
        EXPECT_EQ(FrequencyText(plan->bandLower), b.lower);
        EXPECT_EQ(FrequencyText(plan->bandUpper), b.upper);
    }
}

TEST(ChannelPlans, EveryPlanNamesItsSourceInBothLanguages) {
    EXPECT_EQ(PlanKeys(), "pmr446, frs, cn-public, ham-70cm, ham-70cm-us");
    EXPECT_EQ(FindPlan("PMR446"), nullptr);
    for (const ChannelPlan& plan : AllPlans()) {
        for (const Lang lang : {Lang::English, Lang::Chinese}) {
            EXPECT_GT(std::string(plan.source.In(lang)).size(), 10u) << plan.key;
            EXPECT_FALSE(std::string(plan.title.In(lang)).empty()) << plan.key;
        }
    }
    EXPECT_EQ(PlanSummary(*FindPlan("pmr446"), Lang::English),
              "16 channels 446.00625-446.19375 MHz, narrow, 0.5 W ERP");
    EXPECT_EQ(PlanSummary(*FindPlan("ham-70cm"), Lang::Chinese),
              "频段 430-440 MHz，带宽不限，按执照");
}
