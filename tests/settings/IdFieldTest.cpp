#include <gtest/gtest.h>

#include <vector>

#include "image/ImageMap.h"
#include "settings/IdField.h"

namespace {

using Bytes = std::vector<int>;

Bytes FieldBytes(const MemoryImage& image, int field) {
    Bytes out;
    for (int i = 0; i < 8; ++i) {
        out.push_back(image[field + i]);
    }
    return out;
}

void SetField(MemoryImage& image, int field, const Bytes& bytes) {
    for (int i = 0; i < 8; ++i) {
        image[field + i] = static_cast<std::uint8_t>(bytes[i]);
    }
}

TEST(IdFieldEncoding, LowerCaseLettersAreStoredUpperCaseAndReadBackSo) {
    MemoryImage image;
    IdField::EncodeId("ab12", image, SettingsMap::CheckId);
    EXPECT_EQ(FieldBytes(image, 0x838), (Bytes{0x41, 0x42, 0x31, 0x32, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(IdField::DecodeId(image, SettingsMap::CheckId), "AB12");
}

TEST(IdFieldEncoding, CharactersOtherThanLettersAndDigitsAreStoredAsZero) {
    MemoryImage image;
    IdField::EncodeId("A-B", image, SettingsMap::KillId);
    EXPECT_EQ(FieldBytes(image, 0x840), (Bytes{0x41, 0x30, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(IdField::DecodeId(image, SettingsMap::KillId), "A0B");

    // Blanks, punctuation and the bytes of a character outside ASCII.
    IdField::EncodeId(" .\xE4\xB8\xAD~z9", image, SettingsMap::KillId);
    EXPECT_EQ(FieldBytes(image, 0x840), (Bytes{0x30, 0x30, 0x30, 0x30, 0x30, 0x30, 0x5A, 0x39}));
}

TEST(IdFieldEncoding, EmptyTextIsEightBlankBytes) {
    MemoryImage image;
    image.bytes().fill(0x00);
    IdField::EncodeId("", image, SettingsMap::CallId);
    EXPECT_EQ(FieldBytes(image, 0x828), Bytes(8, 0xFF));
    EXPECT_EQ(image[0x827], 0x00);
    EXPECT_EQ(image[0x830], 0x00);
}

TEST(IdFieldEncoding, TextLongerThanTheFieldStopsAtItsEighthByte) {
    MemoryImage image;
    image.bytes().fill(0x00);
    IdField::EncodeId("ABCDEFGHIJ", image, SettingsMap::OwnId);
    EXPECT_EQ(IdField::DecodeId(image, SettingsMap::OwnId), "ABCDEFGH");
    EXPECT_EQ(image[0x838], 0x00) << "the next field is untouched";
}

TEST(IdFieldDecoding, BytesOtherThanLettersAndDigitsAreSkippedAndTheRestClosedUp) {
    MemoryImage image;
    SetField(image, 0x848, {0x41, 0xFF, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(IdField::DecodeId(image, SettingsMap::ListenId), "AB");
    SetField(image, 0x848, {0x20, 0x61, 0x2F, 0x3A, 0x40, 0x5B, 0x7A, 0x30});
    EXPECT_EQ(IdField::DecodeId(image, SettingsMap::ListenId), "AZ0");
}

TEST(GroupIdEncoding, FourDigitGroupsStartWithZeroOrOne) {
    MemoryImage image;
    IdField::EncodeGroupId("2345", image);
    EXPECT_EQ(FieldBytes(image, 0x820), (Bytes{0x31, 0x33, 0x34, 0x35, 0xFF, 0xFF, 0xFF, 0xFF}));
    IdField::EncodeGroupId("1999", image);
    EXPECT_EQ(IdField::DecodeGroupId(image), "1999");
    IdField::EncodeGroupId("0999", image);
    EXPECT_EQ(IdField::DecodeGroupId(image), "0999");
}

TEST(GroupIdEncoding, ShorterGroupsAreStoredUnchanged) {
    MemoryImage image;
    IdField::EncodeGroupId("234", image);
    EXPECT_EQ(FieldBytes(image, 0x820), (Bytes{0x32, 0x33, 0x34, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    IdField::EncodeGroupId("9", image);
    EXPECT_EQ(FieldBytes(image, 0x820), (Bytes{0x39, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    IdField::EncodeGroupId("", image);
    EXPECT_EQ(FieldBytes(image, 0x820), Bytes(8, 0xFF));
}

TEST(GroupIdEncoding, NonDigitsAreStoredAsZeroAndTheTextEndsAfterFourCharacters) {
    MemoryImage image;
    image.bytes().fill(0x00);
    IdField::EncodeGroupId("1a2", image);
    EXPECT_EQ(FieldBytes(image, 0x820), (Bytes{0x31, 0x30, 0x32, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    IdField::EncodeGroupId("987654", image);
    EXPECT_EQ(FieldBytes(image, 0x820), (Bytes{0x31, 0x38, 0x37, 0x36, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(image[0x828], 0x00) << "Call ID is untouched";
}

TEST(GroupIdDecoding, OnlyDigitsOfTheFirstFourBytesCount) {
    MemoryImage image;
    SetField(image, 0x820, {0x31, 0x41, 0x32, 0xFF, 0x35, 0x36, 0x37, 0x38});
    EXPECT_EQ(IdField::DecodeGroupId(image), "12");
}

} // namespace
