#include <gtest/gtest.h>

#include "image/BandLimits.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "plans/LicenceCheck.h"
#include "plans/PlanInsert.h"

namespace {

const ChannelPlan& Pmr() {
    return *FindPlan("pmr446");
}

// An image whose channels (1-128) named hold only a name: data all the same.
MemoryImage WithNamedChannels(std::initializer_list<int> channels) {
    MemoryImage image = ImageMap::NewDocumentImage();
    for (const int n : channels) {
        Channel c = ReadChannel(EmptyRawChannel());
        c.name = "KEEP";
        WriteChannel(c, n - 1, image);
    }
    return image;
}

} // namespace

TEST(PlanInsert, GoesIntoTheNextEmptyChannelsAndNeverOverData) {
    MemoryImage image = WithNamedChannels({3, 5});
    const PlanInsert::Placement placement = PlanInsert::Place(image, Pmr(), 1);
    ASSERT_TRUE(placement.Complete());
    EXPECT_EQ(placement.channels.front(), 1);
    EXPECT_EQ(placement.channels[1], 3); // channel 4: 3 and 5 hold names
    EXPECT_EQ(placement.channels[2], 5);
    EXPECT_EQ(placement.channels.back(), 18);
    const MemoryImage before = image;
    PlanInsert::Insert(image, Pmr(), placement.channels);
    EXPECT_EQ(ReadRawChannel(image, 2), ReadRawChannel(before, 2));
    EXPECT_EQ(ReadRawChannel(image, 4), ReadRawChannel(before, 4));
    EXPECT_EQ(DecodeChannel(image, 0, Lang::English), DecodeChannel(before, 0, Lang::English));
    EXPECT_EQ(DecodeChannel(image, 1, Lang::English),
              (ChannelRecord{{"446.00625", "446.00625", "OFF", "OFF", "Narrow", "Yes", "Low",
                              "DTMF", "OFF", "Close", "Forward", "OFF", "PMR1"}}));
    EXPECT_EQ(DecodeChannel(image, 18, Lang::English)[ColName], "PMR16");
    // What is inserted passes its own licence's check.
    EXPECT_TRUE(LicenceCheck::Check(image, Pmr()).empty());
}

TEST(PlanInsert, SaysHowManyFitWhenTheListIsShort) {
    const MemoryImage image = WithNamedChannels({125});
    const PlanInsert::Placement placement = PlanInsert::Place(image, Pmr(), 119);
    EXPECT_FALSE(placement.Complete());
    EXPECT_EQ(placement.channels.size(), 8u); // 120-124, 126-128
    EXPECT_EQ(PlanInsert::RoomText(placement, Pmr(), 119, Lang::English),
              "Only 8 of the 16 channels of PMR446 fit into the empty channels from channel 120 "
              "on.");
    const MemoryImage full = WithNamedChannels({127, 128});
    EXPECT_EQ(PlanInsert::RoomText(PlanInsert::Place(full, Pmr(), 126), Pmr(), 126, Lang::Chinese),
              "从频道 127 起没有空频道，16 个PMR446频道一个也放不下，未插入任何频道");
}

TEST(PlanInsert, APlanOutsideTheBandEdgesIsRefusedWithTheEdgesNamed) {
    const struct {
        BandEdges band;
        bool fits;
    } cases[] = {{{400, 480}, true}, {{446, 447}, true}, {{136, 174}, false}, {{400, 446}, false}};
    for (const auto& c : cases) {
        const auto refusal = PlanInsert::OutsideBandEdges(Pmr(), c.band, Lang::English);
        EXPECT_EQ(!refusal, c.fits) << c.band.lower << "-" << c.band.upper;
    }
    EXPECT_EQ(*PlanInsert::OutsideBandEdges(*FindPlan("frs"), {136, 174}, Lang::English),
              "FRS needs 462.55-467.7125 MHz, outside the band edges 136-174 MHz of the type bar; "
              "nothing was inserted");
}
