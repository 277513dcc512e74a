#include <gtest/gtest.h>

#include "image/Channel.h"
#include "image/ChannelOperations.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"

namespace {

using ChannelOps::Channels;

// A channel as a commit writes it, named after its frequency's digits.
void Put(MemoryImage& image, int n, const std::string& rx, const std::string& name = "") {
    ChannelRecord r;
    r[ColRxFrequency] = rx;
    r[ColTxFrequency] = rx;
    r[ColRxTone] = "OFF";
    r[ColTxTone] = "OFF";
    r[ColWidth] = "Wide";
    r[ColScan] = "Yes";
    r[ColPower] = "High";
    r[ColName] = name;
    EncodeChannel(r, n, image);
}

// A new document after a save: every channel committed empty.
MemoryImage Committed() {
    MemoryImage image = ImageMap::NewDocumentImage();
    for (int n = 0; n < 128; ++n) {
        EncodeChannel(ChannelRecord{}, n, image);
    }
    return image;
}

std::string Name(const MemoryImage& image, int n) {
    return DecodeChannel(image, n, Lang::English)[ColName];
}

// The names of channels 0..count-1, "" for empty ones.
std::vector<std::string> Names(const MemoryImage& image, int count) {
    std::vector<std::string> names;
    for (int n = 0; n < count; ++n) {
        names.push_back(Name(image, n));
    }
    return names;
}

// Channels 0-4 named A-E on 430.x MHz, with a private bit in each slot's byte 15.
MemoryImage FiveChannels() {
    MemoryImage image = Committed();
    for (int n = 0; n < 5; ++n) {
        Put(image, n, std::to_string(430 + n) + ".5", std::string(1, static_cast<char>('A' + n)));
        image[ImageMap::SlotAddress(n) + 15] = static_cast<std::uint8_t>(0x10 + n);
    }
    return image;
}

// The bytes outside the channel areas: band edges, settings, unused ranges.
bool SameOutsideChannels(const MemoryImage& a, const MemoryImage& b) {
    for (std::size_t k = 0; k < MemoryImage::Size; ++k) {
        const bool channelByte = k < 0x800 || (k >= 0x850 && k < 0xC60);
        if (!channelByte && a[k] != b[k]) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST(RawChannel, TravelsWithItsNameAndScanBitAndTouchesNoNeighbour) {
    MemoryImage image = FiveChannels();
    image[ImageMap::ScanBitmap] = 0x02; // only channel 1 in the scan list
    const RawChannel b = ReadRawChannel(image, 1);
    EXPECT_TRUE(b.scan);
    MemoryImage target = Committed();
    target[ImageMap::ScanBitmap + 1] = 0xFF; // channels 8-15 scanned
    WriteRawChannel(target, 9, b);
    EXPECT_EQ(ReadRawChannel(target, 9), b);
    EXPECT_EQ(target[ImageMap::ScanBitmap + 1], 0xFF);
    WriteRawChannel(target, 9, ReadRawChannel(image, 2)); // not scanned
    EXPECT_EQ(target[ImageMap::ScanBitmap + 1], 0xFD);
    EXPECT_EQ(target[ImageMap::SlotAddress(9) + 15], 0x12);
    EXPECT_EQ(Name(target, 8), "");
    EXPECT_EQ(Name(target, 10), "");
}

TEST(RawChannel, EmptyIsWhatANewFileHolds) {
    const RawChannel empty = EmptyRawChannel();
    EXPECT_EQ(empty, ReadRawChannel(ImageMap::NewDocumentImage(), 5));
    EXPECT_TRUE(IsEmptyChannel(empty));
    EXPECT_TRUE(IsEmptyChannel(ImageMap::NewDocumentImage(), 5));
    MemoryImage named = Committed();
    ChannelRecord onlyName;
    onlyName[ColName] = "X";
    EncodeChannel(onlyName, 127, named);
    EXPECT_FALSE(IsEmptyChannel(named, 127)); // the grid shows the name
}

TEST(ChannelOps, ClearEmptiesOnlyTheChosenChannels) {
    MemoryImage image = FiveChannels();
    const MemoryImage before = image;
    ChannelOps::Clear(image, {3, 1});
    EXPECT_EQ(Names(image, 5), (std::vector<std::string>{"A", "", "C", "", "E"}));
    EXPECT_EQ(ReadRawChannel(image, 1), EmptyRawChannel());
    EXPECT_EQ(ReadRawChannel(image, 2), ReadRawChannel(before, 2));
    EXPECT_TRUE(SameOutsideChannels(image, before));
}

TEST(ChannelOps, InsertShiftsOnlyAsFarAsTheNextEmptyChannel) {
    MemoryImage image = FiveChannels();
    Put(image, 6, "440.5", "G"); // index 5 stays empty between E and G
    Put(image, 127, "440.5", "LAST");
    const MemoryImage before = image;
    ASSERT_TRUE(ChannelOps::InsertEmpty(image, 1));
    EXPECT_EQ(Names(image, 8), (std::vector<std::string>{"A", "", "B", "C", "D", "E", "G", ""}));
    EXPECT_EQ(ReadRawChannel(image, 2), ReadRawChannel(before, 1)); // bytes move whole
    EXPECT_EQ(ReadRawChannel(image, 6), ReadRawChannel(before, 6)); // past the gap: unmoved
    EXPECT_EQ(Name(image, 127), "LAST");
    EXPECT_TRUE(SameOutsideChannels(image, before));
    // An insert at an empty channel moves nothing and leaves its bytes.
    image[ImageMap::SlotAddress(1) + 15] = 0x77;
    const MemoryImage gapKept = image;
    ASSERT_TRUE(ChannelOps::InsertEmpty(image, 1));
    EXPECT_EQ(image, gapKept);

    // Refused only when no channel from the insertion point on is empty.
    for (int n = 7; n < 127; ++n) {
        Put(image, n, "440.5", "F");
    }
    const MemoryImage full = image;
    EXPECT_FALSE(ChannelOps::InsertEmpty(image, 2)); // the empty index 1 is above it
    EXPECT_EQ(image, full);
    ASSERT_TRUE(ChannelOps::InsertEmpty(image, 0));
    EXPECT_EQ(Names(image, 3), (std::vector<std::string>{"", "A", "B"}));
    // A channel that shows only a name is not empty.
    ChannelRecord onlyName;
    onlyName[ColName] = "N";
    EncodeChannel(onlyName, 0, image);
    EXPECT_FALSE(ChannelOps::InsertEmpty(image, 0));
    EXPECT_FALSE(ChannelOps::InsertEmpty(image, 128));
}

TEST(ChannelOps, OutsideBandNamesChannelsWithAFrequencyBeyondEitherEdge) {
    MemoryImage image = Committed();
    Put(image, 0, "400.0");     // on the lower edge: inside
    Put(image, 1, "440.0");     // on the upper edge: inside
    Put(image, 2, "440.00625"); // just above
    Put(image, 3, "399.99375"); // just below
    ChannelRecord txOnly;
    txOnly[ColRxFrequency] = "430.0";
    txOnly[ColTxFrequency] = "445.0";
    EncodeChannel(txOnly, 4, image);
    EXPECT_EQ(ChannelOps::OutsideBand(image, {400, 440}), (ChannelOps::Channels{2, 3, 4}));
    EXPECT_TRUE(ChannelOps::OutsideBand(image, {300, 500}).empty());
}

TEST(ChannelOps, DeleteClosesTheGapsAndFillsTheEndWithEmptyChannels) {
    MemoryImage image = FiveChannels();
    Put(image, 127, "440.5", "LAST");
    const MemoryImage before = image;
    ChannelOps::Delete(image, {0, 2, 127});
    EXPECT_EQ(Names(image, 5), (std::vector<std::string>{"B", "D", "E", "", ""}));
    EXPECT_EQ(ReadRawChannel(image, 1), ReadRawChannel(before, 3));
    for (int n = 125; n < 128; ++n) {
        EXPECT_EQ(ReadRawChannel(image, n), EmptyRawChannel()) << n;
    }
    EXPECT_TRUE(SameOutsideChannels(image, before));
}

TEST(ChannelOps, MoveCarriesBlocksAndSingleChannelsAndStopsAtTheEdges) {
    MemoryImage image = FiveChannels();
    auto moved = ChannelOps::Move(image, {2, 3}, -1);
    ASSERT_TRUE(moved);
    EXPECT_EQ(*moved, (Channels{1, 2}));
    EXPECT_EQ(Names(image, 5), (std::vector<std::string>{"A", "C", "D", "B", "E"}));
    moved = ChannelOps::Move(image, {0, 2}, 1);
    ASSERT_TRUE(moved);
    EXPECT_EQ(*moved, (Channels{1, 3}));
    EXPECT_EQ(Names(image, 5), (std::vector<std::string>{"C", "A", "B", "D", "E"}));

    const MemoryImage before = image;
    EXPECT_FALSE(ChannelOps::Move(image, {0, 3}, -1));
    EXPECT_FALSE(ChannelOps::Move(image, {4, 127}, 1));
    EXPECT_FALSE(ChannelOps::Move(image, {}, 1));
    EXPECT_EQ(image, before);
}

TEST(ChannelOps, SortOrdersByRxFrequencyStablyWithEmptyChannelsLast) {
    MemoryImage image = Committed();
    Put(image, 0, "440.5", "HI");
    ChannelRecord txOnly;
    txOnly[ColTxFrequency] = "430.5";
    txOnly[ColName] = "TX";
    EncodeChannel(txOnly, 2, image);
    Put(image, 3, "430.5", "LO1");
    Put(image, 5, "435.5", "MID");
    Put(image, 6, "430.5", "LO2");
    ChannelOps::SortByRxFrequency(image, {});
    EXPECT_EQ(Names(image, 7), (std::vector<std::string>{"LO1", "LO2", "MID", "HI", "TX", "", ""}));
    EXPECT_TRUE(IsEmptyChannel(image, 127));

    // With a selection only the selected places take part.
    MemoryImage some = Committed();
    Put(some, 0, "440.5", "C");
    Put(some, 1, "430.5", "X");
    Put(some, 2, "420.5", "B");
    Put(some, 4, "410.5", "A");
    ChannelOps::SortByRxFrequency(some, {0, 2, 3, 4});
    EXPECT_EQ(Names(some, 5), (std::vector<std::string>{"A", "X", "B", "C", ""}));
    // One selected channel sorts all.
    ChannelOps::SortByRxFrequency(some, {1});
    EXPECT_EQ(Names(some, 5), (std::vector<std::string>{"A", "B", "X", "C", ""}));
}

TEST(ChannelOps, PasteWritesExactBytesAndRefusesToRunPastTheLastChannel) {
    const MemoryImage source = FiveChannels();
    const std::vector<RawChannel> copied = ChannelOps::Copy(source, {4, 1});
    ASSERT_EQ(copied.size(), 2u);
    MemoryImage image = Committed();
    ASSERT_TRUE(ChannelOps::Paste(image, 126, copied));
    EXPECT_EQ(ReadRawChannel(image, 126), ReadRawChannel(source, 1));
    EXPECT_EQ(ReadRawChannel(image, 127), ReadRawChannel(source, 4));
    const MemoryImage before = image;
    EXPECT_FALSE(ChannelOps::Paste(image, 127, copied));
    ChannelRecord r;
    r[ColRxFrequency] = "430.5";
    EXPECT_FALSE(ChannelOps::Paste(image, 127, std::vector<ChannelRecord>{r, r}));
    EXPECT_EQ(image, before);
    ASSERT_TRUE(ChannelOps::Paste(image, 127, std::vector<ChannelRecord>{r}));
    EXPECT_EQ(DecodeChannel(image, 127, Lang::English)[ColRxFrequency], "430.50000");
}

TEST(ChannelOps, SetColumnTextWritesChannelsWithAFrequencyInEitherLanguage) {
    MemoryImage image = FiveChannels();
    ChannelRecord txOnly;
    txOnly[ColTxFrequency] = "430.5";
    EncodeChannel(txOnly, 5, image);
    ChannelRecord onlyName;
    onlyName[ColName] = "N";
    EncodeChannel(onlyName, 6, image);
    const MemoryImage before = image;
    EXPECT_EQ(ChannelOps::SetColumnText(image, {0, 2, 5, 6, 7}, ColPower, "低", Lang::Chinese), 3);
    for (int n : {0, 2, 5}) {
        EXPECT_EQ(DecodeChannel(image, n, Lang::English)[ColPower], "Low") << n;
    }
    EXPECT_EQ(DecodeChannel(image, 1, Lang::English)[ColPower], "High");
    EXPECT_EQ(ReadRawChannel(image, 6), ReadRawChannel(before, 6));
    EXPECT_EQ(ReadRawChannel(image, 7), ReadRawChannel(before, 7));
    EXPECT_EQ(image[ImageMap::SlotAddress(2) + 15], 0x12); // the radio's byte survives

    EXPECT_EQ(ChannelOps::SetColumnText(image, {1}, ColTxTone, "D023N", Lang::English), 1);
    EXPECT_EQ(image[ImageMap::SlotAddress(1) + 11], 0x80);
    EXPECT_EQ(image[ImageMap::SlotAddress(1) + 10], 0x23);
    EXPECT_EQ(ChannelOps::SetColumnText(image, {1}, ColName, "X", Lang::English), 0);
}

TEST(ChannelOps, TxFromRxIsCheckedAndAllOrNothing) {
    MemoryImage image = FiveChannels(); // band 400-480
    ChannelRecord r = DecodeChannel(image, 1, Lang::English);
    r[ColTxFrequency] = "440.0";
    EncodeChannel(r, 1, image);
    ChannelRecord txOnly;
    txOnly[ColTxFrequency] = "450.5";
    EncodeChannel(txOnly, 5, image);
    const auto result = ChannelOps::SetTxToRx(image, {1, 5}, DecodeBandLimits(image));
    EXPECT_EQ(result.written, 1);
    EXPECT_TRUE(result.refused.empty());
    EXPECT_EQ(DecodeChannel(image, 1, Lang::English)[ColTxFrequency], "431.50000");
    EXPECT_EQ(DecodeChannel(image, 5, Lang::English)[ColTxFrequency], "450.50000");

    Put(image, 3, "145.5"); // outside the band, as a file may hold it
    const MemoryImage before = image;
    const auto refused = ChannelOps::SetTxToRx(image, {0, 3}, DecodeBandLimits(image));
    ASSERT_EQ(refused.refused.size(), 1u);
    EXPECT_EQ(refused.refused[0].channel, 3);
    EXPECT_EQ(refused.refused[0].verdict, FrequencyVerdict::Range);
    EXPECT_EQ(image, before);
}
