#include <QComboBox>
#include <QLineEdit>

#include "editor/ChannelDisplay.h"
#include "editor/ViewFixture.h"
#include "image/ImageMap.h"

namespace {

using GridCommit = ViewFixture;

std::array<std::uint8_t, 3> BandBytes(const MemoryImage& image) {
    return {image[0xFF0], image[0xFF1], image[0xFF2]};
}

TEST_F(GridCommit, BandBoxes136And174Store0x13_0x17_0x64) {
    Open();
    Bar().LowerBox()->setText(QStringLiteral("136"));
    Bar().UpperBox()->setText(QStringLiteral("174"));
    m_View->CommitGrid();
    EXPECT_EQ(BandBytes(m_Doc.Image()), (std::array<std::uint8_t, 3>{0x13, 0x17, 0x64}));
    EXPECT_TRUE(m_Prompter.messages.isEmpty());
}

TEST_F(GridCommit, NewDocumentBandStoresBackUnchanged) {
    Open();
    m_View->CommitGrid();
    EXPECT_EQ(BandBytes(m_Doc.Image()), (std::array<std::uint8_t, 3>{0x40, 0x48, 0x00}));
}

TEST_F(GridCommit, TypeListStoresEntryPlus0x38AndNoSelectionAs0x37) {
    Open();
    m_View->CommitGrid();
    EXPECT_EQ(m_Doc.Image()[ImageMap::RadioTypeCode], 0x38);
    Bar().TypeList()->setCurrentIndex(-1);
    m_View->CommitGrid();
    EXPECT_EQ(m_Doc.Image()[ImageMap::RadioTypeCode], 0x37);
}

TEST_F(GridCommit, ManualSettingSetsOrClearsOnlyBitSevenOf0x812) {
    m_Doc.Image()[ImageMap::ManualSettingByte] = 0x45;
    Open();
    Bar().ManualList()->setCurrentIndex(0);
    m_View->CommitGrid();
    EXPECT_EQ(m_Doc.Image()[ImageMap::ManualSettingByte], 0xC5);
    Bar().ManualList()->setCurrentIndex(1);
    m_View->CommitGrid();
    EXPECT_EQ(m_Doc.Image()[ImageMap::ManualSettingByte], 0x45);
    Bar().ManualList()->setCurrentIndex(-1);
    m_Doc.Image()[ImageMap::ManualSettingByte] = 0xFF;
    m_View->CommitGrid();
    EXPECT_EQ(m_Doc.Image()[ImageMap::ManualSettingByte], 0x7F);
}

TEST_F(GridCommit, CommitMarkerIsAlwaysWritten) {
    m_Doc.Image()[ImageMap::CommitMarker] = 0x00;
    Open();
    m_View->CommitGrid();
    EXPECT_EQ(m_Doc.Image()[ImageMap::CommitMarker], 0xA8);
}

TEST_F(GridCommit, RowTextsAreEncodedIntoTheirChannel) {
    Open();
    const QStringList texts = {"145.12500", "",   "67.0",  "D023N",   "Wide", "Yes", "High",
                               "None",      "ON", "Close", "Forward", "3",    "AB"};
    for (int col = 1; col <= 13; ++col) {
        Grid().SetCellText(10, col, texts[col - 1]);
    }
    m_View->CommitGrid();
    const MemoryImage& image = m_Doc.Image();
    const int slot = ImageMap::SlotAddress(9);
    const std::uint8_t expected[15] = {0x00, 0x25, 0x51, 0x14, 0xFF, 0xFF, 0xFF, 0xFF,
                                       0x70, 0x06, 0x23, 0x80, 0x31, 0xF9, 0xFF};
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(image[slot + i], expected[i]) << i;
    }
    EXPECT_EQ(image[ImageMap::NameAddress(9)], 0x0A);
    EXPECT_EQ(image[ImageMap::NameAddress(9) + 1], 0x0B);
    EXPECT_EQ(image[ImageMap::NameAddress(9) + 2], 0xFF);
    EXPECT_EQ(image[ImageMap::ScanBitmap + 1], 0xFF); // already listed
}

TEST_F(GridCommit, CommittingTwiceWritesTheSameBytes) {
    Open();
    Grid().SetCellText(1, 1, QStringLiteral("438.50000"));
    Grid().SetCellText(1, 12, QStringLiteral("1关"));
    m_View->CommitGrid();
    const MemoryImage first = m_Doc.Image();
    m_View->CommitGrid();
    EXPECT_EQ(m_Doc.Image(), first);
    EXPECT_EQ(first[12] >> 4, 0);
}

TEST_F(GridCommit, CommitDoesNotRedisplay) {
    Open();
    Grid().SetCellText(1, 1, QStringLiteral("145.5"));
    m_View->CommitGrid();
    EXPECT_EQ(Cell(1, 1), QStringLiteral("145.5"));
}

TEST_F(GridCommit, ABandBoxThatIsNoWholeNumberIsRefusedAndKeepsItsEdge) {
    Open();
    Grid().SetCellText(1, 1, QStringLiteral("145.12500"));
    Bar().LowerBox()->setText(QStringLiteral("13x"));
    m_View->CommitGrid();
    ASSERT_EQ(m_Prompter.messages.size(), 1);
    EXPECT_EQ(m_Prompter.messages[0], QStringLiteral("Please enter an unsigned integer."));
    EXPECT_EQ(Focus(), Bar().LowerBox());
    EXPECT_EQ(Bar().LowerBandEdge(), 400u);
    EXPECT_EQ(BandBytes(m_Doc.Image()), (std::array<std::uint8_t, 3>{0x40, 0x48, 0x00}));
    // The rest of the commit still happened.
    EXPECT_EQ(m_Doc.Image()[3], 0x14);
}

TEST_F(GridCommit, ARefusedUpperBoxLeavesTheLowerEdgeUnread) {
    SetLanguage(true);
    Open();
    Bar().LowerBox()->setText(QStringLiteral("136"));
    Bar().UpperBox()->setText(QStringLiteral("-174"));
    m_View->CommitGrid();
    ASSERT_EQ(m_Prompter.messages.size(), 1);
    EXPECT_EQ(m_Prompter.messages[0], QStringLiteral("请输入一个无符号整数。"));
    EXPECT_EQ(Focus(), Bar().UpperBox());
    EXPECT_EQ(BandBytes(m_Doc.Image()), (std::array<std::uint8_t, 3>{0x40, 0x48, 0x00}));
}

TEST(BandBoxText, AcceptsOnlyUnsignedWholeNumbers) {
    unsigned value = 7;
    EXPECT_TRUE(TypeSettingBar::ParseUnsigned(QStringLiteral(" 174 "), &value));
    EXPECT_EQ(value, 174u);
    for (const char* text : {"", " ", "-1", "+5", "12a", "1 2", "4294967296", "1.5"}) {
        value = 7;
        EXPECT_FALSE(TypeSettingBar::ParseUnsigned(QString::fromLatin1(text), &value)) << text;
        EXPECT_EQ(value, 7u);
    }
}

} // namespace
