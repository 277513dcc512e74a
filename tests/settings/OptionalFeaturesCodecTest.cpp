#include <gtest/gtest.h>

#include <set>

#include "image/ImageMap.h"
#include "settings/OptionalFeaturesCodec.h"

namespace {

using namespace OptionalFeaturesCodec;

MemoryImage AllSettingsFF() {
    MemoryImage image = ImageMap::NewDocumentImage();
    for (int a = 0x810; a <= 0x84F; ++a) {
        image[a] = 0xFF;
    }
    for (int a = 0xC60; a <= 0xC64; ++a) {
        image[a] = 0xFF;
    }
    return image;
}

// Opens, changes one control, accepts.
template <typename Change>
MemoryImage AcceptedWith(MemoryImage image, Change change, Lang lang = Lang::English) {
    const OptionalFeaturesState opened = Open(image, lang);
    OptionalFeaturesState s = opened;
    change(s);
    Accept(opened, s, image);
    return image;
}

TEST(OptionalFeaturesOpening, NewDocumentShowsTheFactoryDefaults) {
    const OptionalFeaturesState s = Open(ImageMap::NewDocumentImage(), Lang::English);
    OptionalFeaturesState want;
    want.timeoutPosition = 0;
    want.timeoutText = "OFF";
    want.squelchLevel = 5;
    want.languageChoose = 2; // Off
    want.voxSwitch = 1;      // Off
    want.voxGainPosition = 1;
    want.voxGainText = "1";
    want.priorityChannel = 0;
    want.roger = 0;
    want.scramblerActivation = 0;
    want.beep = true;
    want.batterySave = true;
    want.beginOfTx = false;
    want.endOfTx = false;
    want.optSignal = 3;    // OFF
    want.repeatInvert = 0; // Forward
    want.micGain = 0;
    want.audioReceiveGain = 0;
    want.modulationGain = 0;  // "1"
    want.audioOutputGain = 0; // "1"
    want.compander = 0;
    want.preDeEmphasis = 1;
    EXPECT_EQ(s, want);
}

TEST(OptionalFeaturesOpening, NeverProgrammedSettingsOpenWithFallbacksAndEmptyLists) {
    const OptionalFeaturesState s = Open(AllSettingsFF(), Lang::English);
    EXPECT_EQ(s.timeoutText, "OFF");
    EXPECT_EQ(s.timeoutPosition, 0);
    EXPECT_EQ(s.squelchLevel, 0);
    EXPECT_EQ(s.languageChoose, 0); // Chinese
    EXPECT_TRUE(s.beep);
    EXPECT_TRUE(s.batterySave);
    EXPECT_EQ(s.voxGainText, "4");
    EXPECT_EQ(s.voxGainPosition, 4);
    EXPECT_EQ(s.optSignal, 3);
    EXPECT_EQ(s.voxSwitch, 0); // On
    EXPECT_TRUE(s.beginOfTx);
    EXPECT_TRUE(s.endOfTx);
    for (const std::string* id :
         {&s.groupId, &s.id, &s.callId, &s.killId, &s.checkId, &s.listenId}) {
        EXPECT_EQ(*id, "");
    }
    EXPECT_EQ(s.roger, NoSelection);
    EXPECT_EQ(s.priorityChannel, NoSelection);
    EXPECT_EQ(s.micGain, NoSelection);
    EXPECT_EQ(s.audioReceiveGain, NoSelection);
    EXPECT_EQ(s.modulationGain, NoSelection);
    EXPECT_EQ(s.audioOutputGain, NoSelection);
    EXPECT_EQ(s.scramblerActivation, 1);
    EXPECT_EQ(s.compander, 1);
    EXPECT_EQ(s.preDeEmphasis, 1);
    EXPECT_EQ(s.repeatInvert, 0);
}

// One control changed writes its own bits and the two fixed bytes, and no
// other byte or bit, whatever the settings area held.
TEST(OptionalFeaturesAccepting, AChangedControlWritesOnlyItsOwnField) {
    using S = OptionalFeaturesState;
    const struct {
        const char* what;
        void (*change)(S&);
        std::set<int> written;
    } cases[] = {
        {"beep", [](S& s) { s.beep = !s.beep; }, {0x812}},
        {"language", [](S& s) { s.languageChoose = (s.languageChoose + 1) % 3; }, {0x812}},
        {"squelch", [](S& s) { s.squelchLevel = (s.squelchLevel + 1) % 10; }, {0x813}},
        {"vox gain", [](S& s) { s.voxGainText = "7"; }, {0x815}},
        {"begin of Tx", [](S& s) { s.beginOfTx = !s.beginOfTx; }, {0x810}},
        {"ID", [](S& s) { s.id = "R7"; }, {0x830, 0x831, 0x832, 0x833, 0x834, 0x835, 0x836, 0x837}},
        {"group ID",
         [](S& s) { s.groupId = "12"; },
         {0x820, 0x821, 0x822, 0x823, 0x824, 0x825, 0x826, 0x827}},
        {"compander", [](S& s) { s.compander = 1 - s.compander; }, {0xC64}},
    };
    MemoryImage odd = ImageMap::NewDocumentImage();
    for (int a = 0x810; a <= 0x84F; ++a) {
        odd[a] = static_cast<std::uint8_t>(a * 7 + 3);
    }
    odd[0xC64] = 0xA9;
    for (const auto& c : cases) {
        const MemoryImage after = AcceptedWith(odd, c.change);
        std::set<int> changed;
        for (int a = 0; a < static_cast<int>(MemoryImage::Size); ++a) {
            if (after[a] != odd[a] && a != 0x817 && a != 0x818) {
                changed.insert(a);
            }
        }
        EXPECT_FALSE(changed.empty()) << c.what;
        for (const int a : changed) {
            EXPECT_TRUE(c.written.count(a)) << c.what << " wrote " << std::hex << a;
        }
        EXPECT_EQ(after[0x817], 4) << c.what;
        EXPECT_EQ(after[0x818], 0) << c.what;
    }
}

TEST(OptionalFeaturesTimeoutTimer, ShowsStepsTimesFifteenOrOff) {
    EXPECT_EQ(TimeoutText(0), "OFF");
    EXPECT_EQ(TimeoutText(1), "15");
    EXPECT_EQ(TimeoutText(40), "600");
    MemoryImage image = ImageMap::NewDocumentImage();
    image[0x814] = 40;
    EXPECT_EQ(Open(image, Lang::English).timeoutText, "600");
    EXPECT_EQ(Open(image, Lang::English).timeoutPosition, 40);
    image[0x814] = 41;
    EXPECT_EQ(Open(image, Lang::English).timeoutText, "OFF");
    EXPECT_EQ(Open(image, Lang::English).timeoutPosition, 0);
}

TEST(OptionalFeaturesTimeoutTimer, StoresTheSpinPositionNotTheText) {
    const MemoryImage image = AcceptedWith(ImageMap::NewDocumentImage(), [](auto& s) {
        s.timeoutPosition = 40;
        s.timeoutText = "45";
    });
    EXPECT_EQ(image[0x814], 40);
    EXPECT_EQ(AcceptedWith(image, [](auto& s) { s.timeoutPosition = 0; })[0x814], 0);
}

TEST(OptionalFeaturesSquelch, LevelAboveNineOpensAsZero) {
    MemoryImage image = ImageMap::NewDocumentImage();
    image[0x813] = 10;
    EXPECT_EQ(Open(image, Lang::English).squelchLevel, 0);
    image[0x813] = 9;
    EXPECT_EQ(Open(image, Lang::English).squelchLevel, 9);
    EXPECT_EQ(AcceptedWith(image, [](auto& s) { s.squelchLevel = 3; })[0x813], 3);
}

TEST(OptionalFeaturesVoxGain, StoredLevelsOpenAsTheirEntryAndOthersAsFour) {
    MemoryImage image = ImageMap::NewDocumentImage();
    image[0x815] = 12;
    EXPECT_EQ(Open(image, Lang::English).voxGainText, "4");
    image[0x815] = 9;
    EXPECT_EQ(Open(image, Lang::English).voxGainPosition, 9);
    image[0x815] = 0;
    EXPECT_EQ(Open(image, Lang::English).voxGainText, "Off");
    EXPECT_EQ(Open(image, Lang::Chinese).voxGainText, "关");
    EXPECT_EQ(Open(image, Lang::Chinese).voxGainPosition, 0);
}

TEST(OptionalFeaturesVoxGain, TextIsReadAsANumberWithFiveForOutOfRange) {
    const auto stored = [](const std::string& text, Lang lang = Lang::English) {
        return AcceptedWith(
            ImageMap::NewDocumentImage(), [&](auto& s) { s.voxGainText = text; }, lang)[0x815];
    };
    EXPECT_EQ(stored("12"), 5);
    EXPECT_EQ(stored("10"), 5);
    EXPECT_EQ(stored("-1"), 5);
    EXPECT_EQ(stored("9"), 9);
    EXPECT_EQ(stored(" 7"), 7);
    EXPECT_EQ(stored("Off"), 0);
    EXPECT_EQ(stored("关", Lang::Chinese), 0);
    EXPECT_EQ(stored(""), 0);
}

TEST(OptionalFeaturesLanguageChoose, StoredCodesOpenAsTheirEntriesAndOneAsChinese) {
    MemoryImage image = ImageMap::NewDocumentImage();
    const int positions[4] = {2, 0, 1, 0};
    for (int code = 0; code < 4; ++code) {
        image[0x812] = static_cast<std::uint8_t>(0x40 | code);
        EXPECT_EQ(Open(image, Lang::English).languageChoose, positions[code]) << code;
    }
}

TEST(OptionalFeaturesLanguageChoose, TheCodeTakesBitsOneAndZeroAndTheFlagsTheirOwnBits) {
    MemoryImage image = ImageMap::NewDocumentImage();
    image[0x812] = 0xFF;
    const auto with = [&](int language, bool beep, bool battery, int scrambler) {
        return AcceptedWith(image, [&](auto& s) {
            s.languageChoose = language;
            s.beep = beep;
            s.batterySave = battery;
            s.scramblerActivation = scrambler;
        })[0x812];
    };
    // Bit 7 (the type bar's) and the bits no control shows stay.
    EXPECT_EQ(with(0, false, false, 0), 0xAB);
    EXPECT_EQ(with(1, true, false, 0), 0xEA);
    EXPECT_EQ(with(2, false, true, 1), 0xBC);
    EXPECT_EQ(with(2, false, false, NoSelection), 0xA8) << "no selection is Off";
    EXPECT_EQ(with(NoSelection, false, false, 0), 0xAB);
}

TEST(OptionalFeaturesScrambler, EntriesFollowTheInterfaceLanguage) {
    EXPECT_EQ(ScramblerEntries(Lang::English), (std::vector<std::string>{"Off", "On"}));
    EXPECT_EQ(ScramblerEntries(Lang::Chinese), (std::vector<std::string>{"关", "开"}));
    EXPECT_EQ(VoxGainEntries(Lang::Chinese).front(), "关");
    EXPECT_EQ(VoxGainEntries(Lang::English).size(), 10u);
}

TEST(OptionalFeaturesFlags, EachCheckBoxAndSwitchOwnsOneBitAndKeepsTheOthers) {
    const MemoryImage base = AllSettingsFF();
    EXPECT_EQ(AcceptedWith(base, [](auto& s) { s.beginOfTx = false; })[0x810], 0xDF);
    EXPECT_EQ(AcceptedWith(base, [](auto& s) { s.endOfTx = false; })[0x810], 0xEF);
    EXPECT_EQ(AcceptedWith(base, [](auto& s) { s.voxSwitch = 1; })[0x816], 0xFB);
    EXPECT_EQ(AcceptedWith(base, [](auto& s) { s.optSignal = 0; })[0x816], 0xFC);
    EXPECT_EQ(AcceptedWith(base, [](auto& s) { s.optSignal = 2; })[0x816], 0xFE);
    EXPECT_EQ(AcceptedWith(base, [](auto& s) { s.repeatInvert = 1; })[0x81F], 0xFD);
    EXPECT_EQ(AcceptedWith(base, [](auto& s) { s.compander = 0; })[0xC64], 0xFE);
    EXPECT_EQ(AcceptedWith(base, [](auto& s) { s.preDeEmphasis = 0; })[0xC64], 0xFD);

    const MemoryImage zero = [] {
        MemoryImage m = ImageMap::NewDocumentImage();
        m[0x810] = m[0x816] = m[0x81F] = m[0xC64] = 0;
        return m;
    }();
    EXPECT_EQ(AcceptedWith(zero, [](auto& s) { s.beginOfTx = true; })[0x810], 0x20);
    EXPECT_EQ(AcceptedWith(zero, [](auto& s) { s.endOfTx = true; })[0x810], 0x10);
    EXPECT_EQ(AcceptedWith(zero, [](auto& s) { s.voxSwitch = 0; })[0x816], 0x04);
    EXPECT_EQ(AcceptedWith(zero, [](auto& s) { s.optSignal = 3; })[0x816], 0x03);
    EXPECT_EQ(AcceptedWith(zero, [](auto& s) { s.repeatInvert = 0; })[0x81F], 0x02);
    EXPECT_EQ(AcceptedWith(zero, [](auto& s) { s.compander = 1; })[0xC64], 0x01);
    EXPECT_EQ(AcceptedWith(zero, [](auto& s) { s.preDeEmphasis = 1; })[0xC64], 0x02);
}

TEST(OptionalFeaturesFixedBytes, AChangeWritesFourAndZero) {
    const MemoryImage image = AcceptedWith(AllSettingsFF(), [](auto& s) { s.beep = false; });
    EXPECT_EQ(image[0x817], 4);
    EXPECT_EQ(image[0x818], 0);
}

TEST(OptionalFeaturesLevels, PositionsAreStoredWithOneBasedFieldsShifted) {
    const MemoryImage image = AcceptedWith(ImageMap::NewDocumentImage(), [](auto& s) {
        s.priorityChannel = 127;
        s.roger = 10;
        s.micGain = 7;
        s.audioReceiveGain = 5;
        s.modulationGain = 6;
        s.audioOutputGain = 2;
    });
    EXPECT_EQ(image[0x81B], 128);
    EXPECT_EQ(image[0x819], 10);
    EXPECT_EQ(image[0xC60], 7);
    EXPECT_EQ(image[0xC61], 5);
    EXPECT_EQ(image[0xC62], 7);
    EXPECT_EQ(image[0xC63], 3);
}

TEST(OptionalFeaturesLevels, BytesOutsideTheListsOpenWithoutASelection) {
    MemoryImage image = ImageMap::NewDocumentImage();
    image[0x81B] = 0;
    image[0x819] = 11;
    image[0xC60] = 8;
    image[0xC61] = 0x80;
    image[0xC62] = 0;
    image[0xC63] = 8;
    OptionalFeaturesState s = Open(image, Lang::English);
    EXPECT_EQ(s.priorityChannel, NoSelection);
    EXPECT_EQ(s.roger, NoSelection);
    EXPECT_EQ(s.micGain, NoSelection);
    EXPECT_EQ(s.audioReceiveGain, NoSelection);
    EXPECT_EQ(s.modulationGain, NoSelection);
    EXPECT_EQ(s.audioOutputGain, NoSelection);
    image[0x81B] = 129;
    EXPECT_EQ(Open(image, Lang::English).priorityChannel, NoSelection);
}

TEST(OptionalFeaturesLevels, ListsWithoutASelectionKeepTheirBytesAsFound) {
    MemoryImage image = AllSettingsFF();
    image[0x81B] = 0;
    image[0xC62] = 9;
    const MemoryImage after = AcceptedWith(image, [](auto& s) {
        s.squelchLevel = NoSelection;
        s.optSignal = NoSelection;
        s.compander = NoSelection;
        s.preDeEmphasis = NoSelection;
    });
    for (int a : {0x813, 0x819, 0x81B, 0xC60, 0xC61, 0xC62, 0xC63, 0xC64}) {
        EXPECT_EQ(after[a], image[a]) << std::hex << a;
    }
    EXPECT_EQ(after[0x816], 0xFF) << "only the Vox Switch bit is written";
}

TEST(OptionalFeaturesIds, SixTextsReachTheirOwnFields) {
    const MemoryImage image = AcceptedWith(ImageMap::NewDocumentImage(), [](auto& s) {
        s.groupId = "2345";
        s.id = "id1";
        s.callId = "CALL";
        s.killId = "A-B";
        s.checkId = "ab12";
        s.listenId = "Z";
    });
    const OptionalFeaturesState s = Open(image, Lang::English);
    EXPECT_EQ(s.groupId, "1345");
    EXPECT_EQ(s.id, "ID1");
    EXPECT_EQ(s.callId, "CALL");
    EXPECT_EQ(s.killId, "A0B");
    EXPECT_EQ(s.checkId, "AB12");
    EXPECT_EQ(s.listenId, "Z");
    EXPECT_EQ(image[0x830], 'I');
    EXPECT_EQ(image[0x828], 'C');
    EXPECT_EQ(image[0x840], 'A');
    EXPECT_EQ(image[0x838], 'A');
    EXPECT_EQ(image[0x848], 'Z');
    EXPECT_EQ(image[0x849], 0xFF);
}

} // namespace
