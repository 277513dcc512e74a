#include "settings/SettingsListing.h"

#include "settings/OptionalFeaturesCodec.h"
#include "settings/SideKeyCodec.h"

namespace {

std::string EntryAt(const std::vector<std::string>& entries, int position) {
    return position >= 0 && static_cast<std::size_t>(position) < entries.size() ? entries[position]
                                                                                : std::string();
}

std::string OnOff(bool on) {
    return on ? "on" : "off";
}

} // namespace

std::vector<SettingLine> ListSettings(const MemoryImage& image) {
    using namespace OptionalFeaturesCodec;
    const Lang lang = Lang::English;
    const OptionalFeaturesState s = Open(image, lang);
    std::vector<SettingLine> lines = {
        {"Time-out Timer", s.timeoutText},
        {"Squelch Level", EntryAt(SquelchEntries(), s.squelchLevel)},
        {"Language Choose", EntryAt(LanguageEntries(), s.languageChoose)},
        {"Vox Switch", EntryAt(VoxSwitchEntries(), s.voxSwitch)},
        {"Vox Gain Level", s.voxGainText},
        {"Priority Channel", EntryAt(PriorityEntries(), s.priorityChannel)},
        {"Roger", EntryAt(RogerEntries(), s.roger)},
        {"Scrambler Activation", EntryAt(ScramblerEntries(lang), s.scramblerActivation)},
        {"Beep", OnOff(s.beep)},
        {"Battery Save", OnOff(s.batterySave)},
        {"Group ID", s.groupId},
        {"ID", s.id},
        {"Call ID", s.callId},
        {"Kill ID", s.killId},
        {"Check ID", s.checkId},
        {"Listen ID", s.listenId},
        {"Begin of Tx", OnOff(s.beginOfTx)},
        {"End of Tx", OnOff(s.endOfTx)},
        {"Opt Signal In Frequent Mode", EntryAt(OptSignalEntries(), s.optSignal)},
        {"Repeat Invert", EntryAt(RepeatInvertEntries(), s.repeatInvert)},
        {"MIC Gain Level", EntryAt(LowGainEntries(), s.micGain)},
        {"Audio Recieve Gain Level", EntryAt(LowGainEntries(), s.audioReceiveGain)},
        {"Modulation Gain Level", EntryAt(HighGainEntries(), s.modulationGain)},
        {"Audio Output Gain Level", EntryAt(HighGainEntries(), s.audioOutputGain)},
        {"compander", EntryAt(OffOnEntries(), s.compander)},
        {"Pre/De-emphasis", EntryAt(OffOnEntries(), s.preDeEmphasis)},
    };
    static const char* const sideKeyLabels[SideKeyListCount] = {
        "Side Key1 Short Press", "Side Key1 Long Press", "Side Key2 Short Press",
        "Side Key2 Long Press"};
    const auto positions = SideKeyCodec::Open(image, lang);
    for (int i = 0; i < SideKeyListCount; ++i) {
        lines.push_back(
            {sideKeyLabels[i],
             EntryAt(SideKeyCodec::Entries(static_cast<SideKeyList>(i), lang), positions[i])});
    }
    return lines;
}
