#include <gtest/gtest.h>

#include "image/ImageMap.h"
#include "settings/SideKeyCodec.h"

namespace {

using namespace SideKeyCodec;
using Texts = std::array<std::string, SideKeyListCount>;
using Positions = std::array<int, SideKeyListCount>;
using Names = std::vector<std::string>;

MemoryImage WithKeys(int key1, int key2) {
    MemoryImage image = ImageMap::NewDocumentImage();
    image[0x81D] = static_cast<std::uint8_t>(key1);
    image[0x81E] = static_cast<std::uint8_t>(key2);
    return image;
}

// The texts the four lists show for the given positions.
Texts Shown(const Positions& positions, Lang lang) {
    Texts texts;
    for (int i = 0; i < SideKeyListCount; ++i) {
        const auto entries = Entries(static_cast<SideKeyList>(i), lang);
        texts[i] = positions[i] == NoSelection ? "" : entries.at(positions[i]);
    }
    return texts;
}

// Shows the keys' functions and picks each shown one in lists that showed
// nothing, over keys that held code 0; returns the two bytes.
std::pair<int, int> Roundtrip(int key1, int key2, Lang lang) {
    const Texts shown = Shown(Open(WithKeys(key1, key2), lang), lang);
    MemoryImage image = WithKeys(0, 0);
    Accept(Texts{}, shown, lang, image);
    return {image[0x81D], image[0x81E]};
}

// Opens and accepts without a change; returns the two bytes.
std::pair<int, int> Unchanged(int key1, int key2, Lang lang) {
    MemoryImage image = WithKeys(key1, key2);
    const Texts shown = Shown(Open(image, lang), lang);
    Accept(shown, shown, lang, image);
    return {image[0x81D], image[0x81E]};
}

TEST(SideKeyNames, BothLanguagesNameElevenFunctionsWithTheirSpacing) {
    EXPECT_EQ(Names(FunctionNames(Lang::English).begin(), FunctionNames(Lang::English).end()),
              (Names{"NO Function", "Monitor", "Scan ON/OFF", "Scan Temperary Delete",
                     "High/Low Power", "Talk Around", "Reverse Frequency", "Vox ON/OFF",
                     "Scrambler ON/OFF", "Call", "FM"}));
    EXPECT_EQ(Names(FunctionNames(Lang::Chinese).begin(), FunctionNames(Lang::Chinese).end()),
              (Names{"无", "监听", "扫描  开/关", "扫描暂时取消", "高/低 功率", "脱网", "频率反转",
                     "声控 开/关", "扰频器 开/关", "呼叫", "收音机"}));
}

TEST(SideKeyLists, ShortPressesCannotCallAndKey2CannotMonitor) {
    EXPECT_EQ(
        Entries(SideKeyList::Key1Short, Lang::English),
        (Names{"NO Function", "Monitor", "Scan ON/OFF", "Scan Temperary Delete", "High/Low Power",
               "Talk Around", "Reverse Frequency", "Vox ON/OFF", "Scrambler ON/OFF", "FM"}));
    EXPECT_EQ(Entries(SideKeyList::Key1Long, Lang::English).size(), 11u);
    EXPECT_EQ(Entries(SideKeyList::Key2Short, Lang::Chinese),
              (Names{"无", "扫描  开/关", "扫描暂时取消", "高/低 功率", "脱网", "频率反转",
                     "声控 开/关", "扰频器 开/关", "收音机"}));
    EXPECT_EQ(Entries(SideKeyList::Key2Long, Lang::English),
              (Names{"NO Function", "Scan ON/OFF", "Scan Temperary Delete", "High/Low Power",
                     "Talk Around", "Reverse Frequency", "Vox ON/OFF", "Scrambler ON/OFF", "Call",
                     "FM"}));
}

TEST(SideKeyOpening, NewDocumentShowsMonitorScanVoxAndScrambler) {
    for (Lang lang : {Lang::English, Lang::Chinese}) {
        const Texts shown = Shown(Open(ImageMap::NewDocumentImage(), lang), lang);
        const auto& n = FunctionNames(lang);
        EXPECT_EQ(shown, (Texts{n[1], n[2], n[7], n[8]}));
        EXPECT_EQ(Roundtrip(0x12, 0x78, lang), std::make_pair(0x12, 0x78));
    }
}

TEST(SideKeyOpening, CodesWithoutAFunctionInTheListSelectNothingAndStayAsFound) {
    for (Lang lang : {Lang::English, Lang::Chinese}) {
        EXPECT_EQ(Open(WithKeys(0xFF, 0xFF), lang),
                  (Positions{NoSelection, NoSelection, NoSelection, NoSelection}));
        EXPECT_EQ(Unchanged(0xFF, 0xFF, lang), std::make_pair(0xFF, 0xFF));

        // Short-press Call on key 1; Monitor and short-press Call on key 2.
        EXPECT_EQ(Open(WithKeys(0x91, 0x19), lang), (Positions{NoSelection, 1, NoSelection, 8}));
        EXPECT_EQ(Unchanged(0x91, 0x19, lang), std::make_pair(0x91, 0x19));
        EXPECT_EQ(Unchanged(0xBC, 0x11, lang), std::make_pair(0xBC, 0x11));
        // A list the user changes takes its half byte; the other half stays.
        MemoryImage image = WithKeys(0xBC, 0x11);
        Texts shown = Shown(Open(image, lang), lang);
        const Texts opened = shown;
        shown[1] = FunctionNames(lang)[10];
        Accept(opened, shown, lang, image);
        EXPECT_EQ(image[0x81D], 0xBA);
        EXPECT_EQ(image[0x81E], 0x11);
    }
}

TEST(SideKeyOpening, EveryOfferedFunctionSurvivesARoundtrip) {
    for (Lang lang : {Lang::English, Lang::Chinese}) {
        for (int code = 0; code <= 10; ++code) {
            const int key1 = (code == 9 ? 0 : code) * 16 + code;
            const int key2Short = (code == 9 || code == 1) ? 0 : code;
            const int key2 = key2Short * 16 + (code == 1 ? 0 : code);
            EXPECT_EQ(Roundtrip(key1, key2, lang), std::make_pair(key1, key2)) << code;
        }
    }
}

TEST(SideKeyAccepting, CodesFollowTheNamesNotTheListPositions) {
    MemoryImage image = ImageMap::NewDocumentImage();
    for (Lang lang : {Lang::English, Lang::Chinese}) {
        Accept(Shown(Open(image, lang), lang), Shown({1, 1, 8, 8}, lang), lang, image);
        EXPECT_EQ(image[0x81E], 0xA9) << "FM and Call at position 8 of the key-2 lists";
        EXPECT_EQ(image[0x81D], 0x11);
    }

    Accept(Shown(Open(image, Lang::Chinese), Lang::Chinese), {"监听", "收音机", "无", "呼叫"},
           Lang::Chinese, image);
    EXPECT_EQ(image[0x81D], 0x1A);
    EXPECT_EQ(image[0x81E], 0x09);
}

TEST(SideKeyAccepting, NamesAreComparedExactlyInTheLanguageInUse) {
    EXPECT_EQ(CodeOfName("Monitor", Lang::Chinese), 0);
    EXPECT_EQ(CodeOfName("监听", Lang::English), 0);
    EXPECT_EQ(CodeOfName("扫描 开/关", Lang::Chinese), 0) << "one blank instead of two";
    EXPECT_EQ(CodeOfName("扫描  开/关", Lang::Chinese), 2);
    EXPECT_EQ(CodeOfName("monitor", Lang::English), 0);
    EXPECT_EQ(CodeOfName("", Lang::English), 0);
    EXPECT_EQ(CodeOfName("FM", Lang::English), 10);
}

TEST(SideKeyAccepting, OnlyTheTwoSideKeyBytesChange) {
    MemoryImage image = ImageMap::NewDocumentImage();
    const MemoryImage before = image;
    Accept(Shown(Open(image, Lang::English), Lang::English), {"FM", "Call", "FM", "Call"},
           Lang::English, image);
    image[0x81D] = before[0x81D];
    image[0x81E] = before[0x81E];
    EXPECT_TRUE(image == before);
}

} // namespace
