#include <gtest/gtest.h>

#include "ChirpTestRows.h"
#include "formats/ChirpImport.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"

using namespace ChirpTestRows;
using ChannelImport::Placement;
using ChannelImport::Row;
using ChannelImport::Status;

namespace {

ChirpImport::ReadResult ReadRows(const std::vector<Fields>& rows) {
    const auto read = ChirpImport::Read(File(rows), WideBand);
    EXPECT_TRUE(read.ok);
    return read;
}

std::vector<int> Channels(const std::vector<Row>& rows) {
    std::vector<int> channels;
    for (const Row& row : rows) {
        channels.push_back(row.channel);
    }
    return channels;
}

Fields At(int location, const char* frequency = "146.520000") {
    return {{"Location", std::to_string(location)}, {"Frequency", frequency}};
}

} // namespace

TEST(ChirpPlacement, InFileOrderFromTheStartChannelPastSkippedRows) {
    const auto read = ReadRows({At(9), {{"Location", "3"}, {"Mode", "AM"}}, At(1), At(1)});
    EXPECT_EQ(Channels(ChirpImport::Place(read, {})), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(Channels(ChirpImport::Place(read, {false, 40})), (std::vector<int>{40, 0, 41, 42}));
    const auto full = ChirpImport::Place(read, {false, 127});
    EXPECT_EQ(Channels(full), (std::vector<int>{127, 0, 128, 0}));
    EXPECT_EQ(full[3].status, Status::NotPlaced);
    EXPECT_EQ(ChannelImport::NotesText(full[3], Lang::English), "no channel left");
    EXPECT_EQ(full[1].status, Status::Skipped);
}

TEST(ChirpPlacement, ByLocationCountsFromZeroOrOne) {
    EXPECT_EQ(Channels(ChirpImport::Place(ReadRows({At(0), At(5), At(127)}), {true, 1})),
              (std::vector<int>{1, 6, 128}));
    EXPECT_EQ(Channels(ChirpImport::Place(ReadRows({At(1), At(5), At(128)}), {true, 1})),
              (std::vector<int>{1, 5, 128}));
    // A row with no frequency is skipped but still shows where the file
    // counts from.
    EXPECT_EQ(Channels(ChirpImport::Place(ReadRows({At(0, ""), At(5)}), {true, 1})),
              (std::vector<int>{0, 6}));
}

TEST(ChirpPlacement, ByLocationOutsideTheChannelsOrRepeatedIsReported) {
    const auto rows =
        ChirpImport::Place(ReadRows({At(3), At(129), At(3, "147.000000")}), {true, 1});
    EXPECT_EQ(Channels(rows), (std::vector<int>{0, 0, 3}));
    EXPECT_EQ(rows[0].status, Status::NotPlaced);
    EXPECT_EQ(ChannelImport::NotesText(rows[0], Lang::English),
              "Location 3 comes again on line 4, which wins");
    EXPECT_EQ(ChannelImport::NotesText(rows[1], Lang::English),
              "Location 129 gives channel 129, outside 1-128");
    EXPECT_EQ(rows[2].record[ColRxFrequency], "147.00000");
    // A skipped row does not take the Location from a good one.
    const auto kept =
        ChirpImport::Place(ReadRows({At(3), {{"Location", "3"}, {"Mode", "AM"}}}), {true, 1});
    EXPECT_EQ(Channels(kept), (std::vector<int>{3, 0}));
}

TEST(ChirpApply, FillsPlacedChannelsAndKeepsOrEmptiesTheOthers) {
    MemoryImage base = ImageMap::NewDocumentImage();
    ChannelRecord old;
    old[ColRxFrequency] = "430.00000";
    old[ColName] = "OLD";
    EncodeChannel(old, 9, base);
    const auto rows = ChirpImport::Place(ReadRows({At(1), At(2, "146.000000")}), {false, 2});

    MemoryImage kept = base;
    ChannelImport::Apply(rows, false, kept);
    ChannelRecord expected = rows[0].record; // uncarried columns: the new-channel defaults
    for (int column = ColOptSignal; column <= ColScram; ++column) {
        expected[column] = ChannelTexts::NewChannelDefaults[column - ColRxTone].english;
    }
    EXPECT_EQ(DecodeChannel(kept, 1, Lang::English), expected);
    EXPECT_EQ(DecodeChannel(kept, 2, Lang::English)[ColRxFrequency], "146.00000");
    EXPECT_EQ(DecodeChannel(kept, 9, Lang::English)[ColName], "OLD");
    EXPECT_EQ(DecodeChannel(kept, 0, Lang::English)[ColRxFrequency], "");

    MemoryImage emptied = base;
    ChannelImport::Apply(rows, true, emptied);
    EXPECT_EQ(DecodeChannel(emptied, 2, Lang::English)[ColRxFrequency], "146.00000");
    EXPECT_EQ(DecodeChannel(emptied, 9, Lang::English), ChannelRecord{});
    // Only channel bytes change: the settings and band edges stay.
    for (int a = 0x800; a < 0x850; ++a) {
        EXPECT_EQ(emptied[a], base[a]) << a;
    }
    EXPECT_EQ(ChannelImport::PlacedCount(rows), 2);
}
