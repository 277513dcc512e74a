// The page's type bar and its Optional Features and Side Key dialogs, over the
// same codecs as the window's: the page passes the document's image (4096
// bytes in the module's memory) and gets back what to show as JSON.
#include <emscripten.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image/BandLimits.h"
#include "image/CommandTexts.h"
#include "image/ImageMap.h"
#include "settings/OptionalFeaturesCodec.h"
#include "settings/SettingsMap.h"
#include "settings/SideKeyCodec.h"
#include "web/core/WebOut.h"

using namespace WebOut;

namespace {

// What a dialog showed when it opened: OK writes only what differs from it.
OptionalFeaturesState g_OpenedFeatures;
std::array<std::string, SideKeyListCount> g_OpenedKeys;
Lang g_KeysLang = Lang::English;

using S = OptionalFeaturesState;
using Entries = std::vector<std::string> (*)(Lang);

// The lists of the Optional Features dialog, by the name the page gives them.
// translated: the entries are English and the page shows the window's
// translation of each.
struct ListControl {
    const char* key;
    int S::*position;
    Entries entries;
    bool translated;
};

template <const std::vector<std::string>& (*Fixed)()> std::vector<std::string> Of(Lang) {
    return Fixed();
}
std::vector<std::string> Priority(Lang) {
    return OptionalFeaturesCodec::PriorityEntries();
}
std::vector<std::string> LowGain(Lang) {
    return OptionalFeaturesCodec::LowGainEntries();
}
std::vector<std::string> HighGain(Lang) {
    return OptionalFeaturesCodec::HighGainEntries();
}

using namespace OptionalFeaturesCodec;
const ListControl Lists[] = {
    {"squelch", &S::squelchLevel, Of<SquelchEntries>, true},
    {"language", &S::languageChoose, Of<LanguageEntries>, true},
    {"voxSwitch", &S::voxSwitch, Of<VoxSwitchEntries>, true},
    {"priority", &S::priorityChannel, Priority, false},
    {"roger", &S::roger, Of<RogerEntries>, true},
    {"scrambler", &S::scramblerActivation, ScramblerEntries, false},
    {"optSignal", &S::optSignal, Of<OptSignalEntries>, true},
    {"repeatInvert", &S::repeatInvert, Of<RepeatInvertEntries>, true},
    {"micGain", &S::micGain, LowGain, false},
    {"receiveGain", &S::audioReceiveGain, LowGain, false},
    {"modulationGain", &S::modulationGain, HighGain, false},
    {"outputGain", &S::audioOutputGain, HighGain, false},
    {"compander", &S::compander, Of<OffOnEntries>, true},
    {"emphasis", &S::preDeEmphasis, Of<OffOnEntries>, true},
};

struct CheckControl {
    const char* key;
    bool S::*on;
};
const CheckControl Checks[] = {
    {"beep", &S::beep},
    {"batterySave", &S::batterySave},
    {"beginOfTx", &S::beginOfTx},
    {"endOfTx", &S::endOfTx},
};

// The ID boxes: the window's lengths, upper case and key filter.
struct IdControl {
    const char* key;
    std::string S::*text;
    int maxLength;
    bool upper;
    bool lettersAndDigits; // only letters and digits may be typed
    bool digits;           // only digits may be typed
};
const IdControl Ids[] = {
    {"groupId", &S::groupId, SettingsMap::GroupIdMaxLength, false, false, true},
    {"id", &S::id, SettingsMap::IdMaxLength, true, true, false},
    {"callId", &S::callId, SettingsMap::IdMaxLength, true, false, false},
    {"killId", &S::killId, SettingsMap::IdMaxLength, false, false, false},
    {"checkId", &S::checkId, SettingsMap::IdMaxLength, false, false, false},
    {"listenId", &S::listenId, SettingsMap::IdMaxLength, false, false, false},
};

std::string Field(const char* key, const std::string& body) {
    return Quoted(key) + ":{" + body + "}";
}

// The text as the ID codec takes it: one char per character, '?' for one
// outside ASCII (the window's boxes do the same).
std::string CodecText(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if ((c & 0xC0) != 0x80) {
            out += '?';
        }
    }
    return out;
}

} // namespace

extern "C" {

// The commands' texts the page shows beside the window's menus and labels:
// "name": [English, Chinese], looked up by these names.
EMSCRIPTEN_KEEPALIVE const char* orin_command_texts() {
    using namespace CommandTexts;
    const std::pair<const char*, BiText> texts[] = {
        {"Steps.EditBandEdges", Steps::EditBandEdges},
        {"Steps.EditTypeSetting", Steps::EditTypeSetting},
        {"Steps.OptionalFeatures", Steps::OptionalFeatures},
        {"Steps.SideKey", Steps::SideKey},
        {"Steps.CutChannels", Steps::CutChannels},
        {"Steps.PasteChannels", Steps::PasteChannels},
        {"Steps.ImportChannels", Steps::ImportChannels},
        {"Steps.InsertChannelPlan", Steps::InsertChannelPlan},
        {"Steps.MakeReceiveOnly", Steps::MakeReceiveOnly},
        {"Steps.SetToNarrow", Steps::SetToNarrow},
        {"Steps.ClearChannels", Steps::ClearChannels},
        {"Steps.InsertEmptyChannel", Steps::InsertEmptyChannel},
        {"Steps.DeleteChannels", Steps::DeleteChannels},
        {"Steps.MoveChannelsUp", Steps::MoveChannelsUp},
        {"Steps.MoveChannelsDown", Steps::MoveChannelsDown},
        {"Steps.SortByRx", Steps::SortByRx},
        {"InsertRefused", InsertRefused},
        {"CannotRead", CannotRead},
    };
    std::string json = "{";
    for (const auto& [key, text] : texts) {
        json += std::string(json.size() > 1 ? "," : "") + Quoted(key) + ":[" + Quoted(text.english) +
                "," + Quoted(text.chinese) + "]";
    }
    return Out(json + "}");
}

// The type bar: "known type, manual open, lower edge, upper edge" as JSON.
EMSCRIPTEN_KEEPALIVE const char* orin_typebar(const std::uint8_t* bytes) {
    const MemoryImage image = Copy(bytes);
    const BandEdges band = DecodeBandLimits(image);
    return Out("{\"known\":" +
               std::string(ImageMap::IsKnownRadioType(image[ImageMap::RadioTypeCode]) ? "true"
                                                                                       : "false") +
               ",\"manual\":" +
               ((image[ImageMap::ManualSettingByte] & ImageMap::ManualSettingFlag) ? "true"
                                                                                   : "false") +
               ",\"lower\":" + std::to_string(band.lower) +
               ",\"upper\":" + std::to_string(band.upper) + "}");
}

// The Type list's entry chosen. Returns whether a byte changed.
EMSCRIPTEN_KEEPALIVE int orin_set_radio_type(std::uint8_t* bytes, int entry) {
    MemoryImage image = Copy(bytes);
    image[ImageMap::RadioTypeCode] = static_cast<std::uint8_t>(entry + ImageMap::RadioTypeBase);
    return Store(image, bytes);
}

// "Manul Setting": entry 0 "Open" sets the flag, 1 "Close" clears it; the
// other bits of the byte are the Optional Features dialog's.
EMSCRIPTEN_KEEPALIVE int orin_set_manual(std::uint8_t* bytes, int entry) {
    MemoryImage image = Copy(bytes);
    std::uint8_t& manual = image[ImageMap::ManualSettingByte];
    manual = static_cast<std::uint8_t>(entry == 0 ? manual | ImageMap::ManualSettingFlag
                                                  : manual & ~ImageMap::ManualSettingFlag);
    return Store(image, bytes);
}

// The band boxes left: 0 nothing to change (the stored edges, in whatever
// form), 1 changed, 2 refused (the reason in the language asked for by
// orin_band_message; the boxes show the stored edges again).
EMSCRIPTEN_KEEPALIVE int orin_set_band(std::uint8_t* bytes, const char* lower, const char* upper) {
    MemoryImage image = Copy(bytes);
    const BandEdges stored = DecodeBandLimits(image);
    if (std::to_string(stored.lower) == lower && std::to_string(stored.upper) == upper) {
        return 0; // the bytes stay as they are, whatever form they have
    }
    const std::optional<BandEdges> typed = ParseBandEdges(lower, upper);
    if (!typed) {
        return 2;
    }
    if (typed->lower == stored.lower && typed->upper == stored.upper) {
        return 0;
    }
    EncodeBandLimits(typed->lower, typed->upper, image);
    return Store(image, bytes);
}

EMSCRIPTEN_KEEPALIVE const char* orin_band_message(int lang) {
    return Out(BandEdgesMessage.In(LangOf(lang)));
}

// Opens the Optional Features dialog over the image: every control by its
// key with its entries and what it shows.
EMSCRIPTEN_KEEPALIVE const char* orin_features_open(const std::uint8_t* bytes, int lang) {
    g_OpenedFeatures = OptionalFeaturesCodec::Open(Copy(bytes), LangOf(lang));
    const S& s = g_OpenedFeatures;
    std::vector<std::string> timeout;
    for (int step = 0; step <= 40; ++step) {
        timeout.push_back(OptionalFeaturesCodec::TimeoutText(step));
    }
    std::string json = "{" + Field("timeout", "\"entries\":" + List(timeout) +
                                                  ",\"position\":" +
                                                  std::to_string(s.timeoutPosition));
    json += "," + Field("voxGain", "\"entries\":" +
                                       List(OptionalFeaturesCodec::VoxGainEntries(LangOf(lang))) +
                                       ",\"text\":" + Quoted(s.voxGainText));
    for (const ListControl& list : Lists) {
        json += "," + Field(list.key, "\"entries\":" + List(list.entries(LangOf(lang))) +
                                          ",\"translated\":" + (list.translated ? "true" : "false") +
                                          ",\"position\":" + std::to_string(s.*list.position));
    }
    for (const CheckControl& check : Checks) {
        json += "," + Field(check.key, std::string("\"on\":") + (s.*check.on ? "true" : "false"));
    }
    for (const IdControl& id : Ids) {
        json += "," + Field(id.key, "\"text\":" + Quoted(s.*id.text) +
                                        ",\"maxLength\":" + std::to_string(id.maxLength) +
                                        ",\"upper\":" + (id.upper ? "true" : "false") +
                                        ",\"lettersAndDigits\":" +
                                        (id.lettersAndDigits ? "true" : "false") +
                                        ",\"digits\":" + (id.digits ? "true" : "false"));
    }
    return Out(json + "}");
}

// OK in the Optional Features dialog: shown holds "key\x1evalue" pairs joined
// by \x1f (a list's position, a check's 0 or 1, a box's text). Only the
// fields whose control changed are written; returns whether a byte changed.
EMSCRIPTEN_KEEPALIVE int orin_features_accept(std::uint8_t* bytes, const char* shown) {
    S s = g_OpenedFeatures;
    for (const std::string& pair : Split(shown, '\x1f')) {
        const std::vector<std::string> kv = Split(pair, '\x1e');
        if (kv.size() != 2) {
            continue;
        }
        const std::string& key = kv[0];
        const std::string& value = kv[1];
        if (key == "timeout") {
            s.timeoutPosition = std::atoi(value.c_str());
            s.timeoutText = OptionalFeaturesCodec::TimeoutText(s.timeoutPosition);
        } else if (key == "voxGain") {
            s.voxGainText = value;
        }
        for (const ListControl& list : Lists) {
            if (key == list.key) {
                s.*list.position = std::atoi(value.c_str());
            }
        }
        for (const CheckControl& check : Checks) {
            if (key == check.key) {
                s.*check.on = value == "1";
            }
        }
        for (const IdControl& id : Ids) {
            if (key == id.key) {
                s.*id.text = CodecText(value);
            }
        }
    }
    MemoryImage image = Copy(bytes);
    OptionalFeaturesCodec::Accept(g_OpenedFeatures, s, image);
    return Store(image, bytes);
}

// Opens the Side Key dialog: four lists, each with its entries and the one
// shown (empty when the stored code names none of them).
EMSCRIPTEN_KEEPALIVE const char* orin_sidekey_open(const std::uint8_t* bytes, int lang) {
    g_KeysLang = LangOf(lang);
    const auto positions = SideKeyCodec::Open(Copy(bytes), g_KeysLang);
    std::string json = "[";
    for (int i = 0; i < SideKeyListCount; ++i) {
        const std::vector<std::string> entries =
            SideKeyCodec::Entries(static_cast<SideKeyList>(i), g_KeysLang);
        g_OpenedKeys[i] = positions[i] >= 0 ? entries[positions[i]] : std::string();
        json += std::string(i ? "," : "") + "{\"entries\":" + List(entries) +
                ",\"position\":" + std::to_string(positions[i]) + "}";
    }
    return Out(json + "]");
}

// OK in the Side Key dialog: the four texts shown, joined by \x1f.
EMSCRIPTEN_KEEPALIVE int orin_sidekey_accept(std::uint8_t* bytes, const char* shown) {
    const std::vector<std::string> texts = Split(shown, '\x1f');
    if (texts.size() != SideKeyListCount) {
        return 0;
    }
    std::array<std::string, SideKeyListCount> now;
    std::copy(texts.begin(), texts.end(), now.begin());
    MemoryImage image = Copy(bytes);
    SideKeyCodec::Accept(g_OpenedKeys, now, g_KeysLang, image);
    return Store(image, bytes);
}

} // extern "C"
