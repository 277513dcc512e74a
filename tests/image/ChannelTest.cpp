#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "image/Channel.h"
#include "image/ImageMap.h"

namespace {

// An image whose every byte is some value: channels with odd bits everywhere.
MemoryImage Noise(unsigned seed) {
    MemoryImage image;
    unsigned x = seed;
    for (int a = 0; a < static_cast<int>(MemoryImage::Size); ++a) {
        x = x * 1103515245u + 12345u;
        image[a] = static_cast<std::uint8_t>(x >> 16);
    }
    return image;
}

// The bytes that belong to channel n.
bool OwnedBy(int address, int n) {
    const int slot = ImageMap::SlotAddress(n);
    const int name = ImageMap::NameAddress(n);
    return (address >= slot && address < slot + 16) || (address >= name && address < name + 8) ||
           address == ImageMap::ScanBitmap + n / 8;
}

TEST(Channel, ReadingAndWritingAnyBytesGivesThemBackExactly) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const MemoryImage image = Noise(seed);
        MemoryImage copy = image;
        for (int n = 0; n < ImageMap::ChannelCount; ++n) {
            WriteChannel(ReadChannel(image, n), n, copy);
        }
        ASSERT_EQ(copy, image) << "seed " << seed;
    }
}

TEST(Channel, ChangingOneFieldWritesOnlyThatFieldsBytes) {
    struct Case {
        const char* field;
        std::function<void(Channel&)> change;
        std::vector<int> slotBytes; // the slot bytes that may change
        bool name;
        bool scanList;
    };
    const Case cases[] = {
        {"rx", [](Channel& c) { c.rxFrequency = 14550000; }, {0, 1, 2, 3}, false, false},
        {"tx", [](Channel& c) { c.txFrequency.reset(); }, {4, 5, 6, 7}, false, false},
        {"rx tone",
         [](Channel& c) {
             c.rxTone = {Tone::Kind::Ctcss, 885};
         },
         {8, 9},
         false,
         false},
        {"tx tone",
         [](Channel& c) {
             c.txTone = {Tone::Kind::DcsInverted, 23};
         },
         {10, 11},
         false,
         false},
        {"scan",
         [](Channel& c) {
             c.scanAdd = !c.scanAdd;
             c.scanListed = c.scanAdd;
         },
         {13},
         false,
         true},
        {"scrambler",
         [](Channel& c) { c.scrambler = static_cast<std::uint8_t>((c.scrambler + 1) % 9); },
         {12},
         false,
         false},
        {"busy lock", [](Channel& c) { c.busyLock = BusyLock::Carrier; }, {13}, false, false},
        {"ptt id",
         [](Channel& c) { c.pttId = c.pttId == PttId::On ? PttId::Off : PttId::On; },
         {14},
         false,
         false},
        {"name", [](Channel& c) { c.name = "SECURITY"; }, {}, true, false},
    };
    const MemoryImage image = Noise(7);
    for (const Case& k : cases) {
        for (int n : {0, 5, 127}) {
            Channel c = ReadChannel(image, n);
            k.change(c);
            MemoryImage changed = image;
            WriteChannel(c, n, changed);
            EXPECT_TRUE(ReadChannel(changed, n).SameFields(c)) << k.field;
            for (int a = 0; a < static_cast<int>(MemoryImage::Size); ++a) {
                if (changed[a] == image[a]) {
                    continue;
                }
                const int slot = ImageMap::SlotAddress(n);
                const bool inField =
                    (a >= slot && a < slot + 16 &&
                     std::find(k.slotBytes.begin(), k.slotBytes.end(), a - slot) !=
                         k.slotBytes.end()) ||
                    (k.name && a >= ImageMap::NameAddress(n) && a < ImageMap::NameAddress(n) + 8) ||
                    (k.scanList && a == ImageMap::ScanBitmap + n / 8);
                ASSERT_TRUE(inField && OwnedBy(a, n)) << k.field << " changed address " << a;
            }
        }
    }
}

} // namespace
