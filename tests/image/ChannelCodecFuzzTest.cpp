// Seeded random inputs for the channel codec: whatever the image or the
// texts, decoding must not crash and encoding must stay inside the channel's
// own bytes. The seed is fixed so that a failure repeats.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "image/NameAlphabet.h"
#include "image/ToneTable.h"
#include "image/Utf8.h"

namespace {

constexpr std::uint32_t kSeed = 20240611;

class Random {
public:
    explicit Random(std::uint32_t seed) : m_Engine(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_Engine); }
    bool Chance(int percent) { return Below(100) < percent; }
    std::uint8_t Byte() { return static_cast<std::uint8_t>(Below(256)); }

    MemoryImage Image() {
        MemoryImage image;
        // Mostly random bytes, sometimes the two blank patterns, so that
        // present and absent channels both occur.
        const int style = Below(3);
        for (std::size_t a = 0; a < MemoryImage::Size; a += 4) {
            const std::uint32_t bits = m_Engine();
            for (std::size_t k = 0; k < 4; ++k) {
                const auto b = static_cast<std::uint8_t>(bits >> (8 * k));
                // With style 1 or 2, about 3 bytes in 4 are blank.
                image[a + k] = style == 0 || (b & 0x03) == 0 ? b : (style == 1 ? 0xFF : 0x00);
            }
        }
        return image;
    }

    // Texts a user or a file could hand over: valid ones, near misses,
    // numbers at and past every limit, Chinese and bytes that are not UTF-8.
    std::string Text() {
        static const std::vector<std::string> pool = {"",
                                                      " ",
                                                      "0",
                                                      "-0",
                                                      "145.125",
                                                      "145.12345",
                                                      "999.99999",
                                                      "1000",
                                                      "1e9",
                                                      "-145.5",
                                                      "1e308",
                                                      "-1e308",
                                                      "1e-320",
                                                      "nan",
                                                      "inf",
                                                      "-inf",
                                                      "99999999999999999999",
                                                      "-99999999999999999999",
                                                      "4294967296",
                                                      "2147483648",
                                                      "D023N",
                                                      "D754I",
                                                      "D6400N",
                                                      "D6399N",
                                                      "D6300I",
                                                      "D99999I",
                                                      "D-1N",
                                                      "DN",
                                                      "D",
                                                      "xD023N",
                                                      "中D023N",
                                                      "67.0",
                                                      "800.0",
                                                      "7999.9",
                                                      "-67.0",
                                                      "OFF",
                                                      "Wide",
                                                      "宽",
                                                      "Yes",
                                                      "是",
                                                      "High",
                                                      "高",
                                                      "None",
                                                      "无",
                                                      "MSK",
                                                      "DTMF",
                                                      "CCIR",
                                                      "ON",
                                                      "开",
                                                      "Close",
                                                      "关闭",
                                                      "Carrier",
                                                      "载波",
                                                      "QT/DQT",
                                                      "Forward",
                                                      "正向",
                                                      "1关",
                                                      "8",
                                                      "15",
                                                      "16",
                                                      "-1",
                                                      "255",
                                                      "AB-1 Z",
                                                      "abcdefgh",
                                                      "ABCDEFGHIJKLMNOP",
                                                      "中文名字",
                                                      "\xFF\xFE\xFD",
                                                      "\xE4\xB8",
                                                      "\xC0\xAF",
                                                      "A\0B",
                                                      "\xED\xA0\x80",
                                                      "😀😀😀😀😀😀😀😀😀",
                                                      "+145.5e+0",
                                                      ".5",
                                                      "5.",
                                                      "1.2.3",
                                                      "\t\n 145.5"};
        if (Chance(60)) {
            return pool[Below(static_cast<int>(pool.size()))];
        }
        if (Chance(30)) {
            return ToneTable::Texts()[Below(ToneTable::Count)];
        }
        std::string text;
        const int length = Chance(10) ? Below(2000) : Below(24);
        for (int i = 0; i < length; ++i) {
            text.push_back(
                static_cast<char>(Chance(50) ? "0123456789.-+eED NI"[Below(19)] : Byte()));
        }
        return text;
    }

private:
    std::mt19937 m_Engine;
};

// The bytes channel n may change, as a mask per address.
std::vector<std::uint8_t> WritableMask(int n) {
    std::vector<std::uint8_t> mask(MemoryImage::Size, 0x00);
    const int slot = ImageMap::SlotAddress(n);
    for (int k = 0; k < 13; ++k) {
        mask[slot + k] = 0xFF;
    }
    mask[slot + 13] = 0x3F; // bits 6-7 belong to the radio
    mask[slot + 14] = 0x01; // only the PTT ID bit
    mask[slot + 15] = 0x00;
    for (int k = 0; k < ImageMap::ChannelNameSize; ++k) {
        mask[ImageMap::NameAddress(n) + k] = 0xFF;
    }
    mask[ImageMap::ScanBitmap + n / 8] = static_cast<std::uint8_t>(1u << (n % 8));
    return mask;
}

bool IsNameText(const std::string& name) {
    if (name.size() > 8) {
        return false;
    }
    for (char c : name) {
        if (NameCharToCode(static_cast<unsigned char>(c)) == 0xFF) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST(ChannelCodecFuzz, DecodingRandomImagesNeverFailsAndGivesWellFormedTexts) {
    Random random(kSeed);
    for (int round = 0; round < 300; ++round) {
        const MemoryImage image = random.Image();
        for (int n = 0; n < ImageMap::ChannelCount; ++n) {
            for (Lang lang : {Lang::English, Lang::Chinese}) {
                const ChannelRecord r = DecodeChannel(image, n, lang);
                ASSERT_TRUE(IsNameText(r[ColName])) << r[ColName];
                for (int c = ColWidth; c <= ColScram; ++c) {
                    // Options are empty exactly when the channel is absent,
                    // except an optional signal with no text.
                    if (c != ColOptSignal) {
                        ASSERT_EQ(r[c].empty(),
                                  r[ColRxFrequency].empty() && r[ColTxFrequency].empty())
                            << "round " << round << " channel " << n << " column " << c;
                    }
                }
                for (int c : {ColRxFrequency, ColTxFrequency}) {
                    const std::string& f = r[c];
                    ASSERT_TRUE(f.empty() || (f.size() >= 7 && f[f.size() - 6] == '.')) << f;
                }
            }
        }
    }
}

TEST(ChannelCodecFuzz, EncodingRandomTextsTouchesOnlyTheChannelsOwnBytes) {
    Random random(kSeed + 1);
    for (int round = 0; round < 10000; ++round) {
        const int n = random.Below(ImageMap::ChannelCount);
        const MemoryImage before = random.Image();
        ChannelRecord record;
        for (int c = 1; c <= RecordTextCount; ++c) {
            record[c] = random.Text();
        }
        MemoryImage after = before;
        EncodeChannel(record, n, after);
        const std::vector<std::uint8_t> mask = WritableMask(n);
        for (std::size_t a = 0; a < MemoryImage::Size; ++a) {
            ASSERT_EQ(before[a] & ~mask[a], after[a] & ~mask[a])
                << "round " << round << " channel " << n << " address " << a;
        }
        // Whatever was stored decodes again.
        const ChannelRecord decoded = DecodeChannel(after, n, Lang::Chinese);
        ASSERT_TRUE(IsNameText(decoded[ColName]));
    }
}

TEST(ChannelCodecFuzz, ValidRecordsSurviveEncodeAndDecodeInTheirLanguage) {
    Random random(kSeed + 2);
    const auto pick = [&](int column, Lang lang) {
        const auto entries = ChannelTexts::EntriesForColumn(column);
        return std::string(entries[random.Below(static_cast<int>(entries.size()))].In(lang));
    };
    const auto frequency = [&] {
        const int units = 6700000 + 250 * random.Below((52100000 - 6700000) / 250 + 1);
        return FrequencyText(static_cast<std::uint64_t>(units));
    };
    for (int round = 0; round < 5000; ++round) {
        const Lang lang = random.Chance(50) ? Lang::English : Lang::Chinese;
        ChannelRecord r;
        r[ColRxFrequency] = frequency();
        r[ColTxFrequency] = random.Chance(80) ? frequency() : "";
        r[ColRxTone] = ToneTable::Texts()[random.Below(ToneTable::Count)];
        r[ColTxTone] = ToneTable::Texts()[random.Below(ToneTable::Count)];
        for (int c = ColWidth; c <= ColScram; ++c) {
            r[c] = pick(c, lang);
        }
        const int nameLength = random.Below(9);
        for (int i = 0; i < nameLength; ++i) {
            r[ColName].push_back(
                static_cast<char>(NameCodeToChar(static_cast<std::uint8_t>(random.Below(38)))));
        }
        MemoryImage image = random.Image();
        const int n = random.Below(ImageMap::ChannelCount);
        EncodeChannel(r, n, image);
        ASSERT_EQ(DecodeChannel(image, n, lang), r) << "round " << round;
    }
}
