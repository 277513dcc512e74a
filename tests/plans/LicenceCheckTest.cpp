#include <gtest/gtest.h>

#include "image/Channel.h"
#include "image/ImageMap.h"
#include "image/RawChannel.h"
#include "plans/LicenceCheck.h"

namespace {

using LicenceCheck::Kind;

constexpr std::uint32_t Units(double mhz) {
    return static_cast<std::uint32_t>(mhz * 100000 + 0.5);
}

// Channel n (1-128) with these frequencies (0 = none), width and power.
void Put(MemoryImage& image, int n, std::uint32_t rx, std::uint32_t tx, Width width, Power power) {
    Channel c = ReadChannel(EmptyRawChannel());
    if (rx) {
        c.rxFrequency = rx;
    }
    if (tx) {
        c.txFrequency = tx;
    }
    c.width = width;
    c.power = power;
    WriteChannel(c, n - 1, image);
}

std::vector<Kind> KindsOf(const std::vector<LicenceCheck::Finding>& findings) {
    std::vector<Kind> kinds;
    for (const auto& f : findings) {
        kinds.push_back(f.kind);
    }
    return kinds;
}

} // namespace

TEST(LicenceCheck, EachRuleFindsWhatFallsOutside) {
    const struct {
        const char* plan;
        std::uint32_t rx, tx;
        Width width;
        Power power;
        std::vector<Kind> expected;
    } cases[] = {
        {"pmr446", Units(446.00625), Units(446.00625), Width::Narrow, Power::Low, {}},
        {"pmr446", Units(446.1), Units(446.1), Width::Narrow, Power::Low, {Kind::TxOutside}},
        {"pmr446", Units(446.00625), Units(446.00625), Width::Wide, Power::Low, {Kind::Wide}},
        {"pmr446",
         Units(446.00625),
         Units(446.00625),
         Width::Narrow,
         Power::High,
         {Kind::HighPower}},
        {"pmr446",
         Units(145.5),
         Units(145.5),
         Width::Wide,
         Power::High,
         {Kind::TxOutside, Kind::Wide}},
        // Receive only is fine anywhere, Wide and High included.
        {"pmr446", Units(145.5), 0, Width::Wide, Power::High, {}},
        // A plan channel received elsewhere still transmits on the plan.
        {"frs", Units(462.5), Units(467.5625), Width::Narrow, Power::High, {Kind::HighPower}},
        {"cn-public", Units(409.9875), Units(409.9875), Width::Narrow, Power::Low, {}},
        {"cn-public", Units(409.9875), Units(410), Width::Narrow, Power::Low, {Kind::TxOutside}},
        {"ham-70cm", Units(145.5), Units(439.975), Width::Wide, Power::High, {}},
        {"ham-70cm", Units(145.5), Units(445), Width::Wide, Power::High, {Kind::TxOutside}},
        {"ham-70cm-us", Units(445), Units(445), Width::Wide, Power::High, {}},
    };
    for (const auto& c : cases) {
        MemoryImage image = ImageMap::NewDocumentImage();
        Put(image, 7, c.rx, c.tx, c.width, c.power);
        const auto findings = LicenceCheck::Check(image, *FindPlan(c.plan));
        EXPECT_EQ(KindsOf(findings), c.expected) << c.plan << " " << c.tx;
        for (const auto& f : findings) {
            EXPECT_EQ(f.channel, 7);
        }
    }
}

// A band holds a channel only when its whole bandwidth is inside: 12.5 kHz
// either side of the centre when Wide, 6.25 kHz when Narrow. A plan of
// channels names their centres, so its first and last channels are inside.
TEST(LicenceCheck, ABandHoldsAChannelOnlyWhenItsWholeBandwidthIs) {
    const struct {
        const char* plan;
        double mhz;
        Width width;
        bool inside;
    } cases[] = {
        {"ham-70cm", 430.0, Width::Wide, false},
        {"ham-70cm", 430.00625, Width::Wide, false},
        {"ham-70cm", 430.0125, Width::Wide, true},
        {"ham-70cm", 430.0, Width::Narrow, false},
        {"ham-70cm", 430.00625, Width::Narrow, true},
        {"ham-70cm", 440.0, Width::Wide, false},
        {"ham-70cm", 439.99375, Width::Wide, false},
        {"ham-70cm", 439.9875, Width::Wide, true},
        {"ham-70cm", 439.99375, Width::Narrow, true},
        {"ham-70cm-us", 420.0, Width::Wide, false},
        {"ham-70cm-us", 420.0125, Width::Wide, true},
        {"ham-70cm-us", 450.0, Width::Narrow, false},
        {"ham-70cm-us", 449.99375, Width::Narrow, true},
        {"pmr446", 446.00625, Width::Narrow, true},
        {"pmr446", 446.19375, Width::Narrow, true},
        {"frs", 462.5625, Width::Narrow, true},
    };
    for (const auto& c : cases) {
        MemoryImage image = ImageMap::NewDocumentImage();
        Put(image, 1, Units(c.mhz), Units(c.mhz), c.width, Power::Low);
        const auto findings = LicenceCheck::Check(image, *FindPlan(c.plan));
        EXPECT_EQ(LicenceCheck::ChannelsOf(findings, Kind::TxOutside).empty(), c.inside)
            << c.plan << " " << c.mhz << (c.width == Width::Wide ? " Wide" : " Narrow");
    }
    MemoryImage image = ImageMap::NewDocumentImage();
    Put(image, 1, Units(440), Units(440), Width::Wide, Power::Low);
    const ChannelPlan& ham = *FindPlan("ham-70cm");
    const LicenceCheck::Finding edge = LicenceCheck::Check(image, ham).at(0);
    EXPECT_EQ(LicenceCheck::FindingText(edge, ham, Lang::English),
              "Tx 440.00000 MHz ±12.5 kHz reaches outside the 70 cm amateur band 430-440 MHz");
    EXPECT_EQ(LicenceCheck::FindingText(edge, ham, Lang::Chinese),
              "发射频率 440.00000 MHz ±12.5 kHz 超出70 厘米业余频段 430-440 MHz");
}

TEST(LicenceCheck, TheListNamesTheChannelsInBothLanguages) {
    MemoryImage image = ImageMap::NewDocumentImage();
    Put(image, 5, Units(446.1), Units(446.1), Width::Narrow, Power::Low);
    Put(image, 9, Units(446.00625), Units(446.00625), Width::Wide, Power::Low);
    Put(image, 12, Units(446.01875), Units(446.01875), Width::Wide, Power::High);
    Put(image, 3, Units(446.00625), Units(446.00625), Width::Narrow, Power::High);
    const ChannelPlan& pmr = *FindPlan("pmr446");
    const auto findings = LicenceCheck::Check(image, pmr);
    EXPECT_EQ(LicenceCheck::ChannelsOutside(findings), (std::vector<int>{5, 9, 12}));
    EXPECT_EQ(LicenceCheck::Report(findings, pmr, Lang::English),
              "CH 3: note: High power; PMR446 allows at most 0.5 W\n"
              "CH 5: Tx 446.10000 MHz is not a channel of PMR446\n"
              "CH 9: Wide; PMR446 allows only narrow\n"
              "CH 12: Wide; PMR446 allows only narrow\n"
              "CH 12: note: High power; PMR446 allows at most 0.5 W\n"
              "3 channels would transmit outside PMR446: 5, 9, 12.\n");
    const std::string csv = LicenceCheck::ReportCsv(findings, pmr, Lang::Chinese);
    EXPECT_EQ(csv.substr(0, csv.find("\n5,")),
              "频道,级别,说明\n3,提示,提示：高功率；PMR446最多允许 0.5 W");
    EXPECT_EQ(LicenceCheck::OutsideText({4}, *FindPlan("frs"), Lang::English),
              "1 channel would transmit outside FRS: 4.");
    EXPECT_EQ(LicenceCheck::OutsideText({}, *FindPlan("cn-public"), Lang::Chinese),
              "没有频道会在公众对讲机频段之外发射。");
}

TEST(LicenceCheck, TheRepairsLeaveNothingOutside) {
    MemoryImage image = ImageMap::NewDocumentImage();
    Put(image, 1, Units(446.1), Units(446.1), Width::Wide, Power::Low);
    Put(image, 2, 0, Units(145.5), Width::Narrow, Power::Low); // transmit only
    Put(image, 3, Units(446.00625), Units(446.00625), Width::Wide, Power::Low);
    const ChannelPlan& pmr = *FindPlan("pmr446");
    auto findings = LicenceCheck::Check(image, pmr);
    LicenceCheck::MakeReceiveOnly(image, LicenceCheck::ChannelsOf(findings, Kind::TxOutside));
    LicenceCheck::SetNarrow(image, LicenceCheck::ChannelsOf(findings, Kind::Wide));
    EXPECT_TRUE(LicenceCheck::Check(image, pmr).empty());
    EXPECT_EQ(ReadChannel(image, 0).rxFrequency, Units(446.1));
    EXPECT_FALSE(ReadChannel(image, 0).txFrequency);
    EXPECT_EQ(ReadRawChannel(image, 1), EmptyRawChannel()) << "a Tx-only channel ends empty";
    EXPECT_EQ(ReadChannel(image, 2).txFrequency, Units(446.00625));
}
