#include <gtest/gtest.h>

#include "image/ImageMap.h"
#include "settings/SettingsListing.h"

namespace {

std::string Listed(const std::vector<SettingLine>& lines) {
    std::string out;
    for (const SettingLine& l : lines) {
        out += l.label + "=" + l.value + "\n";
    }
    return out;
}

TEST(SettingsListing, NewDocumentListsEveryControlInDialogOrder) {
    EXPECT_EQ(Listed(ListSettings(ImageMap::NewDocumentImage())),
              "Time-out Timer=OFF\n"
              "Squelch Level=5\n"
              "Language Choose=Off\n"
              "Vox Switch=Off\n"
              "Vox Gain Level=1\n"
              "Priority Channel=1\n"
              "Roger=Off\n"
              "Scrambler Activation=Off\n"
              "Beep=on\n"
              "Battery Save=on\n"
              "Group ID=\n"
              "ID=\n"
              "Call ID=\n"
              "Kill ID=\n"
              "Check ID=\n"
              "Listen ID=\n"
              "Begin of Tx=off\n"
              "End of Tx=off\n"
              "Opt Signal In Frequent Mode=OFF\n"
              "Repeat Invert=Forward\n"
              "MIC Gain Level=0\n"
              "Audio Recieve Gain Level=0\n"
              "Modulation Gain Level=1\n"
              "Audio Output Gain Level=1\n"
              "compander=Off\n"
              "Pre/De-emphasis=On\n"
              "Side Key1 Short Press=Monitor\n"
              "Side Key1 Long Press=Scan ON/OFF\n"
              "Side Key2 Short Press=Vox ON/OFF\n"
              "Side Key2 Long Press=Scrambler ON/OFF\n");
}

TEST(SettingsListing, ListsWithoutASelectionListAnEmptyValue) {
    MemoryImage image = ImageMap::NewDocumentImage();
    image[0x814] = 20;
    image[0x819] = 11;
    image[0x81B] = 0;
    image[0x81D] = 0x9A;
    image[0x830] = 'K';
    image[0x831] = '9';
    const std::vector<SettingLine> lines = ListSettings(image);
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[0], (SettingLine{"Time-out Timer", "300"}));
    EXPECT_EQ(lines[5], (SettingLine{"Priority Channel", ""}));
    EXPECT_EQ(lines[6], (SettingLine{"Roger", ""}));
    EXPECT_EQ(lines[11], (SettingLine{"ID", "K9"}));
    EXPECT_EQ(lines[26], (SettingLine{"Side Key1 Short Press", ""}));
    EXPECT_EQ(lines[27], (SettingLine{"Side Key1 Long Press", "FM"}));
}

} // namespace
