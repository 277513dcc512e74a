#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "compare/ImageCompare.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"

namespace {

ChannelRecord Channel(std::initializer_list<const char*> texts) {
    ChannelRecord r;
    int column = 1;
    for (const char* t : texts) {
        r[column++] = t;
    }
    return r;
}

// A new document with channels 2, 3 and 12, committed as the grid commits.
MemoryImage Base() {
    MemoryImage image = ImageMap::NewDocumentImage();
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        EncodeChannel(ChannelRecord{}, n, image);
    }
    EncodeChannel(Channel({"446.00625", "446.00625", "OFF", "OFF", "Narrow", "Yes", "Low", "None",
                           "OFF", "Close", "Forward", "1", "PMR1"}),
                  1, image);
    EncodeChannel(Channel({"435.00000", "435.00000", "D023N", "D023N", "Wide", "Yes", "High",
                           "DTMF", "ON", "Carrier", "Forward", "2", "SITE A"}),
                  2, image);
    EncodeChannel(Channel({"438.00000", "430.60000", "88.5", "88.5", "Wide", "No", "High", "MSK",
                           "OFF", "QT/DQT", "Reverse", "3", "REP"}),
                  11, image);
    return image;
}

void SetColumn(MemoryImage& image, int n, int column, const char* text) {
    ChannelRecord r = DecodeChannel(image, n, Lang::English);
    r[column] = text;
    EncodeChannel(r, n, image);
}

struct Case {
    const char* what;
    std::function<void(MemoryImage&)> change;
    CompareScope scope;
    std::vector<std::string> english;
    std::vector<std::string> chinese;
    const char* summary;
};

std::vector<std::string> Lines(const MemoryImage& a, const MemoryImage& b, CompareScope scope,
                               Lang lang) {
    std::vector<std::string> lines;
    for (const Difference& d : CompareImages(a, b, scope, lang).differences) {
        lines.push_back(DifferenceLine(d, lang));
    }
    return lines;
}

constexpr auto Whole = CompareScope::WholeImage;
constexpr auto Radio = CompareScope::Transferred;

TEST(ImageCompare, NamesEachChangedFieldWithBothTextsInBothLanguages) {
    const Case cases[] = {
        {"nothing", [](MemoryImage&) {}, Whole, {}, {}, "No differences"},
        {"a tone",
         [](MemoryImage& i) { SetColumn(i, 11, ColRxTone, "100.0"); },
         Whole,
         {"channel 12: Rx Tone: 88.5 -> 100.0"},
         {"频道 12: 接收信令: 88.5 -> 100.0"},
         "1 channel differs"},
        {"two columns of one channel",
         [](MemoryImage& i) {
             SetColumn(i, 2, ColWidth, "Narrow");
             SetColumn(i, 2, ColName, "SITE B");
         },
         Whole,
         {"channel 3: W/N: Wide -> Narrow", "channel 3: Name: SITE A -> SITE B"},
         {"频道 3: 宽/窄: 宽 -> 窄", "频道 3: 名称: SITE A -> SITE B"},
         "1 channel differs"},
        {"scan list, slot bit and list bit together",
         [](MemoryImage& i) { SetColumn(i, 1, ColScan, "No"); },
         Whole,
         {"channel 2: Scan: Yes -> No"},
         {"频道 2: 扫描添加: 是 -> 否"},
         "1 channel differs"},
        {"a channel that was empty",
         [](MemoryImage& i) {
             EncodeChannel(Channel({"446.10000", "446.10000", "OFF", "OFF", "Wide", "Yes", "High",
                                    "DTMF", "ON", "Close", "Forward", "1", "NEW"}),
                           4, i);
         },
         Whole,
         {"channel 5: empty -> 446.10000, 446.10000, OFF, OFF, Wide, Yes, High, DTMF, ON, Close, "
          "Forward, 1, NEW"},
         {"频道 5: 空 -> 446.10000, 446.10000, OFF, OFF, 宽, 是, 高, DTMF, 开, 关闭, 正向, 1, NEW"},
         "1 channel differs"},
        {"a channel emptied",
         [](MemoryImage& i) { EncodeChannel(ChannelRecord{}, 1, i); },
         Whole,
         {"channel 2: 446.00625, 446.00625, OFF, OFF, Narrow, Yes, Low, None, OFF, Close, Forward, "
          "1, PMR1 -> empty"},
         {"频道 2: 446.00625, 446.00625, OFF, OFF, 窄, 是, 低, 无, 关, 关闭, 正向, 1, PMR1 -> 空"},
         "1 channel differs"},
        {"a list setting",
         [](MemoryImage& i) { i[0x813] = 3; },
         Whole,
         {"Optional Features: Squelch Level: 5 -> 3"},
         {"可选功能: 静噪等级: 5 -> 3"},
         "1 setting differs"},
        {"a check box and an ID",
         [](MemoryImage& i) {
             i[0x812] &= ~0x40;
             i[0x840] = '1';
             i[0x841] = '2';
         },
         Whole,
         {"Optional Features: Beep: on -> off", "Optional Features: Kill ID: (none) -> 12"},
         {"可选功能: 按键提示音: 开 -> 关", "可选功能: 遥毙 ID: （无） -> 12"},
         "2 settings differ"},
        {"entries the dialog translates",
         [](MemoryImage& i) {
             i[0x812] = (i[0x812] & ~0x03) | 0x02;
             i[0xC64] |= 0x01;
         },
         Whole,
         {"Optional Features: Language Choose: Off -> English",
          "Optional Features: compander: Off -> On"},
         {"可选功能: 语言选择: 关 -> 英文", "可选功能: 压扩: 关 -> 开"},
         "2 settings differ"},
        {"a side key",
         [](MemoryImage& i) { i[0x81D] = 0xA2; },
         Whole,
         {"Side Key: Side Key1 Short Press: Monitor -> FM"},
         {"侧键: 侧键1 短按: 监听 -> 收音机"},
         "1 setting differs"},
        {"the type bar",
         [](MemoryImage& i) {
             i[0x812] &= ~0x80;
             i[0xFF0] = 0x13;
             i[0xFF1] = 0x17;
             i[0xFF2] = 0x64;
         },
         Radio,
         {"Type Setting: Manul Setting: Open -> Close",
          "Type Setting: Field: 400-480 MHz -> 136-174 MHz"},
         {"整机设置: 手动设置: 打开 -> 关闭", "整机设置: 频段: 400-480 MHz -> 136-174 MHz"},
         "2 settings differ"},
        {"bits no field shows, beside one that does",
         [](MemoryImage& i) {
             i[0x812] ^= 0x08 | 0x40;
             i[0x80C] = 0x00;
             i[0x80D] = 0x01;
             i[ImageMap::SlotAddress(11) + 15] = 0x00;
         },
         Whole,
         {"Optional Features: Beep: on -> off", "bytes 0x00BF: FF -> 00",
          "bytes 0x080C-0x080D: FF FF -> 00 01", "bytes 0x0812: C4 -> 8C"},
         {"可选功能: 按键提示音: 开 -> 关", "字节 0x00BF: FF -> 00",
          "字节 0x080C-0x080D: FF FF -> 00 01", "字节 0x0812: C4 -> 8C"},
         "1 setting and 3 other byte ranges differ"},
        {"bytes a transfer does not carry, in a file",
         [](MemoryImage& i) {
             for (int a = 0xD00; a < 0xD20; ++a) {
                 i[a] = 0;
             }
             i[0xFF5] = 0;
         },
         Whole,
         {"bytes 0x0D00-0x0D1F: 32 bytes differ", "bytes 0x0FF5: FF -> 00"},
         {"字节 0x0D00-0x0D1F: 32 个字节不同", "字节 0x0FF5: FF -> 00"},
         "2 other byte ranges differ"},
        {"the same bytes, in a radio",
         [](MemoryImage& i) {
             for (int a = 0xC68; a < 0xFF0; ++a) {
                 i[a] = 0;
             }
             i[0xFF5] = 0;
         },
         Radio,
         {},
         {},
         "No differences"},
        {"channels and settings",
         [](MemoryImage& i) {
             SetColumn(i, 11, ColPower, "Low");
             SetColumn(i, 2, ColBusyLock, "Close");
             i[0xC60] = 5;
         },
         Radio,
         {"channel 3: BusyLock: Carrier -> Close", "channel 12: Tx Power: High -> Low",
          "Optional Features: MIC Gain Level: 0 -> 5"},
         {"频道 3: 繁忙锁定: 载波 -> 关闭", "频道 12: 发射功率: 高 -> 低",
          "可选功能: 麦克风增益: 0 -> 5"},
         "2 channels and 1 setting differ"},
    };
    const MemoryImage base = Base();
    for (const Case& c : cases) {
        MemoryImage changed = base;
        c.change(changed);
        EXPECT_EQ(Lines(base, changed, c.scope, Lang::English), c.english) << c.what;
        EXPECT_EQ(Lines(base, changed, c.scope, Lang::Chinese), c.chinese) << c.what;
        EXPECT_EQ(
            ComparisonSummary(CompareImages(base, changed, c.scope, Lang::English), Lang::English),
            c.summary)
            << c.what;
    }
}

TEST(ImageCompare, SummaryInChineseCountsChannelsAndSettings) {
    MemoryImage changed = Base();
    SetColumn(changed, 1, ColTxTone, "67.0");
    changed[0x813] = 1;
    EXPECT_EQ(
        ComparisonSummary(CompareImages(Base(), changed, Radio, Lang::Chinese), Lang::Chinese),
        "1 个频道、1 项设置不同");
}

} // namespace

namespace {

TEST(ImageCompare, ARadioTakenAsCommittedDiffersOnlyWhereTheDocumentWasChanged) {
    MemoryImage radio = Base();
    radio[ImageMap::CommitMarker] = 0x00;
    radio[ImageMap::RadioTypeCode] = 0x3A; // the Type list shows no selection
    // What the window holds right after reading it: every byte as read but
    // the commit marker.
    MemoryImage document = radio;
    document[ImageMap::CommitMarker] = 0xA8;
    EXPECT_FALSE(CompareImages(document, radio, Radio, Lang::English).Same());
    EXPECT_TRUE(CompareImages(document, AsCommitted(radio), Radio, Lang::English).Same());
    SetColumn(document, 11, ColName, "EDITED");
    EXPECT_EQ(Lines(document, AsCommitted(radio), Radio, Lang::English),
              std::vector<std::string>{"channel 12: Name: EDITED -> REP"});
}

} // namespace
