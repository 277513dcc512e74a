#include <gtest/gtest.h>

#include "image/ImageMap.h"

TEST(NewDocumentImage, IsAllFFButTheTwentyFourDefaults) {
    const MemoryImage image = ImageMap::NewDocumentImage();
    int differing = 0;
    for (std::size_t a = 0; a < MemoryImage::Size; ++a) {
        if (image[a] != 0xFF) {
            ++differing;
        }
    }
    EXPECT_EQ(differing, 24);
    EXPECT_EQ(std::size(ImageMap::NewDocumentDefaults), 24u);
    EXPECT_EQ(image[0x80A], 0xEE);
    EXPECT_EQ(image[0x812], 0xC4);
    EXPECT_EQ(image[0x81C], 0xFF);
    EXPECT_EQ(image[0xFF0], 0x40);
    EXPECT_EQ(image[0xFF1], 0x48);
    EXPECT_EQ(image[0xFF2], 0x00);
}

TEST(ImageMap, TransferredBlocksEndAtC67) {
    EXPECT_EQ(ImageMap::BlockCount * ImageMap::BlockLength - 1, ImageMap::TransferEnd);
    EXPECT_EQ(ImageMap::NameAddress(127) + ImageMap::ChannelNameSize, ImageMap::ScanBitmap);
}
