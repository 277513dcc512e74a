#include "settings/SideKeyCodec.h"

#include <cstdint>

#include "settings/SettingsMap.h"

namespace SideKeyCodec {
namespace {

constexpr int CallPosition = 9;    // "Call" before any removal
constexpr int MonitorPosition = 1; // "Monitor"

// Short press in the high half, long press in the low half.
int StoredCode(const MemoryImage& image, SideKeyList list) {
    switch (list) {
    case SideKeyList::Key1Short:
        return image[SettingsMap::SideKey1] >> 4;
    case SideKeyList::Key1Long:
        return image[SettingsMap::SideKey1] & 0x0F;
    case SideKeyList::Key2Short:
        return image[SettingsMap::SideKey2] >> 4;
    case SideKeyList::Key2Long:
        return image[SettingsMap::SideKey2] & 0x0F;
    }
    return 0;
}

} // namespace

const std::array<std::string, SideKeyFunctionCount>& FunctionNames(Lang lang) {
    // The Chinese names keep the spacing the radio's users know them by
    // (two blanks in the scan name, one in power, VOX and scrambler).
    static const std::array<std::string, SideKeyFunctionCount> english = {"NO Function",
                                                                          "Monitor",
                                                                          "Scan ON/OFF",
                                                                          "Scan Temperary Delete",
                                                                          "High/Low Power",
                                                                          "Talk Around",
                                                                          "Reverse Frequency",
                                                                          "Vox ON/OFF",
                                                                          "Scrambler ON/OFF",
                                                                          "Call",
                                                                          "FM"};
    static const std::array<std::string, SideKeyFunctionCount> chinese = {
        "无",       "监听",       "扫描  开/关",  "扫描暂时取消", "高/低 功率", "脱网",
        "频率反转", "声控 开/关", "扰频器 开/关", "呼叫",         "收音机"};
    return lang == Lang::Chinese ? chinese : english;
}

std::vector<std::string> Entries(SideKeyList list, Lang lang) {
    const auto& names = FunctionNames(lang);
    std::vector<std::string> entries(names.begin(), names.end());
    // Side Key1 cannot call on a short press; Side Key2 cannot call on a short
    // press and cannot monitor at all.
    if (list == SideKeyList::Key1Short || list == SideKeyList::Key2Short) {
        entries.erase(entries.begin() + CallPosition);
    }
    if (list == SideKeyList::Key2Short || list == SideKeyList::Key2Long) {
        entries.erase(entries.begin() + MonitorPosition);
    }
    return entries;
}

int CodeOfName(std::string_view text, Lang lang) {
    const auto& names = FunctionNames(lang);
    for (int code = 0; code < SideKeyFunctionCount; ++code) {
        if (names[code] == text) {
            return code;
        }
    }
    return 0;
}

std::array<int, SideKeyListCount> Open(const MemoryImage& image, Lang lang) {
    std::array<int, SideKeyListCount> positions{};
    for (int i = 0; i < SideKeyListCount; ++i) {
        const auto list = static_cast<SideKeyList>(i);
        const int code = StoredCode(image, list);
        const std::string wanted = code < SideKeyFunctionCount ? FunctionNames(lang)[code] : "";
        const std::vector<std::string> entries = Entries(list, lang);
        positions[i] = NoSelection;
        for (std::size_t p = 0; p < entries.size(); ++p) {
            if (entries[p] == wanted) {
                positions[i] = static_cast<int>(p);
                break;
            }
        }
    }
    return positions;
}

void Accept(const std::array<std::string, SideKeyListCount>& opened,
            const std::array<std::string, SideKeyListCount>& shown, Lang lang, MemoryImage& image) {
    for (int i = 0; i < SideKeyListCount; ++i) {
        if (shown[i] == opened[i]) {
            continue;
        }
        const auto list = static_cast<SideKeyList>(i);
        const bool key1 = list == SideKeyList::Key1Short || list == SideKeyList::Key1Long;
        const bool shortPress = list == SideKeyList::Key1Short || list == SideKeyList::Key2Short;
        std::uint8_t& byte = image[key1 ? SettingsMap::SideKey1 : SettingsMap::SideKey2];
        const auto code = static_cast<std::uint8_t>(CodeOfName(shown[i], lang));
        byte = shortPress ? static_cast<std::uint8_t>((byte & 0x0F) | (code << 4))
                          : static_cast<std::uint8_t>((byte & 0xF0) | code);
    }
}

} // namespace SideKeyCodec
