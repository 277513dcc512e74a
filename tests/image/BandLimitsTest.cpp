#include <gtest/gtest.h>

#include "image/BandLimits.h"
#include "image/ImageMap.h"

TEST(BandLimits, NewDocumentHolds400To480) {
    const BandEdges band = DecodeBandLimits(ImageMap::NewDocumentImage());
    EXPECT_EQ(band.lower, 400u);
    EXPECT_EQ(band.upper, 480u);
}

TEST(BandLimits, EdgesRoundTripThroughTheThreeBytes) {
    MemoryImage image = ImageMap::NewDocumentImage();
    EncodeBandLimits(136, 174, image);
    EXPECT_EQ(image[0xFF0], 0x13);
    EXPECT_EQ(image[0xFF1], 0x17);
    EXPECT_EQ(image[0xFF2], 0x64);
    const BandEdges band = DecodeBandLimits(image);
    EXPECT_EQ(band.lower, 136u);
    EXPECT_EQ(band.upper, 174u);
}

TEST(BandLimits, DamagedBytesReadUpToTheFirstHexLetter) {
    EXPECT_EQ(BandEdgeFromBytes(0x4A, 0x0), 4u);
    EXPECT_EQ(BandEdgeFromBytes(0xA4, 0x0), 0u);
    EXPECT_EQ(BandEdgeFromBytes(0x05, 0xB), 5u);
    EXPECT_EQ(BandEdgeFromBytes(0x48, 0x0), 480u);
}

TEST(BandLimits, EdgesAbove999WriteOnlyTheThreeBandBytes) {
    MemoryImage image = ImageMap::NewDocumentImage();
    const MemoryImage before = image;
    EncodeBandLimits(1234, 99999, image);
    for (std::size_t a = 0; a < MemoryImage::Size; ++a) {
        if (a < 0xFF0 || a > 0xFF2) {
            ASSERT_EQ(image[a], before[a]) << a;
        }
    }
}
