#include <gtest/gtest.h>

#include <map>

#include "image/ImageMap.h"

TEST(NewDocumentImage, IsAllFFButTheTwentyFourDefaults) {
    // The defaults as the radio expects them, written out here rather than
    // taken from the table the code uses.
    const std::map<std::size_t, std::uint8_t> defaults = {
        {0x80A, 0xEE}, {0x80B, 0x38}, {0x810, 0x80}, {0x811, 0xA8}, {0x812, 0xC4}, {0x813, 0x05},
        {0x814, 0x00}, {0x815, 0x01}, {0x816, 0x03}, {0x817, 0x04}, {0x818, 0x00}, {0x819, 0x00},
        {0x81A, 0x00}, {0x81B, 0x01}, {0x81D, 0x12}, {0x81E, 0x78}, {0xC60, 0x00}, {0xC61, 0x00},
        {0xC62, 0x01}, {0xC63, 0x01}, {0xC64, 0x02}, {0xFF0, 0x40}, {0xFF1, 0x48}, {0xFF2, 0x00},
    };
    ASSERT_EQ(defaults.size(), 24u);
    const MemoryImage image = ImageMap::NewDocumentImage();
    for (std::size_t a = 0; a < MemoryImage::Size; ++a) {
        const auto it = defaults.find(a);
        EXPECT_EQ(image[a], it == defaults.end() ? 0xFF : it->second) << std::hex << a;
    }
}

TEST(ImageMap, LayoutAddressesAreTheRadios) {
    EXPECT_EQ(ImageMap::BlockCount, 397);
    EXPECT_EQ(ImageMap::BlockLength, 8);
    EXPECT_EQ(ImageMap::TransferEnd, 0xC67u);
    EXPECT_EQ(ImageMap::SlotAddress(0), 0x000u);
    EXPECT_EQ(ImageMap::SlotAddress(127), 0x7F0u);
    EXPECT_EQ(ImageMap::NameAddress(0), 0x850u);
    EXPECT_EQ(ImageMap::NameAddress(127), 0xC48u);
    EXPECT_EQ(ImageMap::ScanBitmap, 0xC50u);
    EXPECT_EQ(ImageMap::BandLimits, 0xFF0u);
    EXPECT_EQ(ImageMap::RadioTypeCode, 0x80Bu);
}

TEST(ImageMap, TheTypeCodeNamesTheRadioTypeForTheBaseAndCodesAboveTheKnownOnes) {
    const struct {
        std::uint8_t code;
        bool known;
    } cases[] = {{0x00, false}, {0x37, false}, {0x38, true}, {0x39, false},
                 {0x3A, false}, {0x3B, true},  {0xFF, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(ImageMap::IsKnownRadioType(c.code), c.known) << int(c.code);
    }
}
