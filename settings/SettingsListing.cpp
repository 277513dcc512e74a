#include "settings/SettingsListing.h"

#include "settings/OptionalFeaturesCodec.h"
#include "settings/SettingsMap.h"
#include "settings/SideKeyCodec.h"

namespace {

using namespace SettingsMap;

// The Chinese of the list entries that the Optional Features dialog takes
// from its resources; numbers and the timer's "OFF" are the same in both.
constexpr BiText TranslatedEntries[] = {
    {"Chinese", "中文"}, {"English", "英文"}, {"Off", "关"},       {"On", "开"},
    {"OFF", "关"},       {"Forward", "正向"}, {"Reverse", "反向"},
};

std::string InLanguage(const std::string& english, Lang lang) {
    for (const BiText& entry : TranslatedEntries) {
        if (english == entry.english) {
            return entry.In(lang);
        }
    }
    return english;
}

std::string EntryAt(const std::vector<std::string>& entries, int position) {
    return position >= 0 && static_cast<std::size_t>(position) < entries.size() ? entries[position]
                                                                                : std::string();
}

std::string OnOff(bool on, Lang lang) {
    return on ? BiText{"on", "开"}.In(lang) : BiText{"off", "关"}.In(lang);
}

} // namespace

std::vector<SettingField> ListSettingFields(const MemoryImage& image, Lang lang) {
    using namespace OptionalFeaturesCodec;
    constexpr auto Features = SettingsDialogKind::OptionalFeatures;
    const OptionalFeaturesState s = Open(image, lang);
    const auto entry = [lang](const std::vector<std::string>& entries, int position) {
        return InLanguage(EntryAt(entries, position), lang);
    };
    std::vector<SettingField> fields = {
        {Features, {"Time-out Timer", "发射限时"}, s.timeoutText, TimeoutTimer, 1, 0xFF},
        {Features,
         {"Squelch Level", "静噪等级"},
         entry(SquelchEntries(), s.squelchLevel),
         SquelchLevel,
         1,
         0xFF},
        {Features,
         {"Language Choose", "语言选择"},
         entry(LanguageEntries(), s.languageChoose),
         FeatureFlags,
         1,
         LanguageMask},
        {Features,
         {"Vox Switch", "声控开关"},
         entry(VoxSwitchEntries(), s.voxSwitch),
         SignalFlags,
         1,
         VoxSwitchBit},
        {Features, {"Vox Gain Level", "声控灵敏度"}, s.voxGainText, VoxGainLevel, 1, 0xFF},
        {Features,
         {"Priority Channel", "优先频道"},
         EntryAt(PriorityEntries(), s.priorityChannel),
         PriorityChannel,
         1,
         0xFF},
        {Features, {"Roger", "结束提示音"}, entry(RogerEntries(), s.roger), Roger, 1, 0xFF},
        {Features,
         {"Scrambler Activation", "扰频启用"},
         EntryAt(ScramblerEntries(lang), s.scramblerActivation),
         FeatureFlags,
         1,
         ScramblerBit},
        {Features, {"Beep", "按键提示音"}, OnOff(s.beep, lang), FeatureFlags, 1, BeepBit},
        {Features,
         {"Battery Save", "省电"},
         OnOff(s.batterySave, lang),
         FeatureFlags,
         1,
         BatterySaveBit},
        {Features, {"Group ID", "组 ID"}, s.groupId, GroupId, IdFieldSize, 0xFF},
        {Features, {"ID", "本机 ID"}, s.id, OwnId, IdFieldSize, 0xFF},
        {Features, {"Call ID", "呼叫 ID"}, s.callId, CallId, IdFieldSize, 0xFF},
        {Features, {"Kill ID", "遥毙 ID"}, s.killId, KillId, IdFieldSize, 0xFF},
        {Features, {"Check ID", "查询 ID"}, s.checkId, CheckId, IdFieldSize, 0xFF},
        {Features, {"Listen ID", "监听 ID"}, s.listenId, ListenId, IdFieldSize, 0xFF},
        {Features,
         {"Begin of Tx", "发射开始发码"},
         OnOff(s.beginOfTx, lang),
         TxFlags,
         1,
         BeginOfTxBit},
        {Features, {"End of Tx", "发射结束发码"}, OnOff(s.endOfTx, lang), TxFlags, 1, EndOfTxBit},
        {Features,
         {"Opt Signal In Frequent Mode", "频率模式信令"},
         entry(OptSignalEntries(), s.optSignal),
         SignalFlags,
         1,
         OptSignalMask},
        {Features,
         {"Repeat Invert", "中继信令反相"},
         entry(RepeatInvertEntries(), s.repeatInvert),
         RepeatFlags,
         1,
         RepeatForwardBit},
        {Features,
         {"MIC Gain Level", "麦克风增益"},
         EntryAt(LowGainEntries(), s.micGain),
         MicGain,
         1,
         0xFF},
        {Features,
         {"Audio Recieve Gain Level", "接收音频增益"},
         EntryAt(LowGainEntries(), s.audioReceiveGain),
         AudioReceiveGain,
         1,
         0xFF},
        {Features,
         {"Modulation Gain Level", "调制增益"},
         EntryAt(HighGainEntries(), s.modulationGain),
         ModulationGain,
         1,
         0xFF},
        {Features,
         {"Audio Output Gain Level", "音频输出增益"},
         EntryAt(HighGainEntries(), s.audioOutputGain),
         AudioOutputGain,
         1,
         0xFF},
        {Features,
         {"compander", "压扩"},
         entry(OffOnEntries(), s.compander),
         AudioFlags,
         1,
         CompanderBit},
        {Features,
         {"Pre/De-emphasis", "预加重/去加重"},
         entry(OffOnEntries(), s.preDeEmphasis),
         AudioFlags,
         1,
         PreEmphasisBit},
    };
    // Short press in the high half of each byte, long press in the low half.
    static constexpr BiText sideKeyLabels[SideKeyListCount] = {
        {"Side Key1 Short Press", "侧键1 短按"},
        {"Side Key1 Long Press", "侧键1 长按"},
        {"Side Key2 Short Press", "侧键2 短按"},
        {"Side Key2 Long Press", "侧键2 长按"}};
    const auto positions = SideKeyCodec::Open(image, lang);
    for (int i = 0; i < SideKeyListCount; ++i) {
        fields.push_back(
            {SettingsDialogKind::SideKey, sideKeyLabels[i],
             EntryAt(SideKeyCodec::Entries(static_cast<SideKeyList>(i), lang), positions[i]),
             i < 2 ? SideKey1 : SideKey2, 1, static_cast<std::uint8_t>(i % 2 == 0 ? 0xF0 : 0x0F)});
    }
    return fields;
}

std::vector<SettingLine> ListSettings(const MemoryImage& image) {
    std::vector<SettingLine> lines;
    for (const SettingField& field : ListSettingFields(image, Lang::English)) {
        lines.push_back({field.label.english, field.value});
    }
    return lines;
}

BiText SettingsDialogTitle(SettingsDialogKind dialog) {
    return dialog == SettingsDialogKind::SideKey ? BiText{"Side Key", "侧键"}
                                                 : BiText{"Optional Features", "可选功能"};
}
