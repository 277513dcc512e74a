#include "settings/OptionalFeaturesCodec.h"

#include <cstdint>

#include "image/TextNumbers.h"
#include "settings/IdField.h"
#include "settings/SettingsMap.h"

namespace OptionalFeaturesCodec {
namespace {

using namespace SettingsMap;

std::vector<std::string> Numbers(int first, int last) {
    std::vector<std::string> out;
    for (int n = first; n <= last; ++n) {
        out.push_back(std::to_string(n));
    }
    return out;
}

// Position p of a list with count entries; positions outside select nothing.
int PositionIn(int p, std::size_t count) {
    return p >= 0 && static_cast<std::size_t>(p) < count ? p : NoSelection;
}

bool Bit(std::uint8_t byte, std::uint8_t mask) {
    return (byte & mask) != 0;
}

void SetBit(MemoryImage& image, Address address, std::uint8_t mask, bool on) {
    if (on) {
        image[address] |= mask;
    } else {
        image[address] &= static_cast<std::uint8_t>(~mask);
    }
}

// A list position written as a byte (plus offset for one-based fields). A list
// without a selection keeps what the byte held: writing the position -1 would
// put a value outside the field's range into the radio.
void StorePosition(MemoryImage& image, Address address, int position, int offset = 0) {
    if (position != NoSelection) {
        image[address] = static_cast<std::uint8_t>(position + offset);
    }
}

int OpenLanguage(std::uint8_t flags) {
    switch (flags & LanguageMask) {
    case LanguageOff:
        return 2;
    case LanguageEnglish:
        return 1;
    default: // 3, and a stored 1, show as Chinese
        return 0;
    }
}

int OpenVoxGain(std::uint8_t stored, const std::vector<std::string>& entries) {
    const std::string wanted = stored == 0 ? entries[0] : std::to_string(stored);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].compare(0, wanted.size(), wanted) == 0) {
            return static_cast<int>(i);
        }
    }
    return VoxGainOpenFallback;
}

std::uint8_t AcceptVoxGain(const std::string& text) {
    // The off entry, in either language, is no number and reads as 0.
    const long long level = LeadingInteger(text);
    return static_cast<std::uint8_t>(level < 0 || level > VoxGainMax ? VoxGainFallback : level);
}

} // namespace

const std::vector<std::string>& SquelchEntries() {
    static const std::vector<std::string> entries = Numbers(0, SquelchMax);
    return entries;
}

const std::vector<std::string>& LanguageEntries() {
    static const std::vector<std::string> entries = {"Chinese", "English", "Off"};
    return entries;
}

const std::vector<std::string>& VoxSwitchEntries() {
    static const std::vector<std::string> entries = {"On", "Off"};
    return entries;
}

const std::vector<std::string>& RogerEntries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> e = Numbers(1, 10);
        e.insert(e.begin(), "Off");
        return e;
    }();
    return entries;
}

const std::vector<std::string>& OptSignalEntries() {
    static const std::vector<std::string> entries = {"MSK", "DTMF", "CCIR", "OFF"};
    return entries;
}

const std::vector<std::string>& RepeatInvertEntries() {
    static const std::vector<std::string> entries = {"Forward", "Reverse"};
    return entries;
}

const std::vector<std::string>& OffOnEntries() {
    static const std::vector<std::string> entries = {"Off", "On"};
    return entries;
}

std::vector<std::string> VoxGainEntries(Lang lang) {
    std::vector<std::string> entries = Numbers(1, VoxGainMax);
    entries.insert(entries.begin(), BiText{"Off", "关"}.In(lang));
    return entries;
}

std::vector<std::string> PriorityEntries() {
    return Numbers(1, ImageMap::ChannelCount);
}

std::vector<std::string> ScramblerEntries(Lang lang) {
    return {BiText{"Off", "关"}.In(lang), BiText{"On", "开"}.In(lang)};
}

std::vector<std::string> LowGainEntries() {
    return Numbers(0, GainMax);
}
std::vector<std::string> HighGainEntries() {
    return Numbers(1, GainMax);
}

std::string TimeoutText(int steps) {
    return steps == 0 ? std::string("OFF") : std::to_string(steps * TimeoutSecondsPerStep);
}

OptionalFeaturesState Open(const MemoryImage& image, Lang lang) {
    OptionalFeaturesState s;

    int timeout = image[TimeoutTimer];
    if (timeout > TimeoutMaxSteps) {
        timeout = 0;
    }
    s.timeoutPosition = timeout;
    s.timeoutText = TimeoutText(timeout);

    const int squelch = image[SquelchLevel];
    s.squelchLevel = squelch > SquelchMax ? 0 : squelch;
    s.priorityChannel = PositionIn(image[PriorityChannel] - 1, ImageMap::ChannelCount);

    const std::uint8_t flags = image[FeatureFlags];
    s.beep = Bit(flags, BeepBit);
    s.batterySave = Bit(flags, BatterySaveBit);
    s.languageChoose = OpenLanguage(flags);

    const std::vector<std::string> voxGain = VoxGainEntries(lang);
    s.voxGainPosition = OpenVoxGain(image[VoxGainLevel], voxGain);
    s.voxGainText = voxGain[s.voxGainPosition];

    const std::uint8_t signal = image[SignalFlags];
    s.optSignal = signal & OptSignalMask;
    s.voxSwitch = Bit(signal, VoxSwitchBit) ? 0 : 1;

    s.beginOfTx = Bit(image[TxFlags], BeginOfTxBit);
    s.endOfTx = Bit(image[TxFlags], EndOfTxBit);

    s.groupId = IdField::DecodeGroupId(image);
    s.id = IdField::DecodeId(image, OwnId);
    s.callId = IdField::DecodeId(image, CallId);
    s.killId = IdField::DecodeId(image, KillId);
    s.checkId = IdField::DecodeId(image, CheckId);
    s.listenId = IdField::DecodeId(image, ListenId);

    s.roger = PositionIn(image[Roger], RogerEntries().size());
    s.scramblerActivation = Bit(flags, ScramblerBit) ? 1 : 0;

    s.micGain = PositionIn(image[MicGain], LowGainEntries().size());
    s.audioReceiveGain = PositionIn(image[AudioReceiveGain], LowGainEntries().size());
    s.modulationGain = PositionIn(image[ModulationGain] - 1, HighGainEntries().size());
    s.audioOutputGain = PositionIn(image[AudioOutputGain] - 1, HighGainEntries().size());

    s.compander = Bit(image[AudioFlags], CompanderBit) ? 1 : 0;
    s.preDeEmphasis = Bit(image[AudioFlags], PreEmphasisBit) ? 1 : 0;
    s.repeatInvert = Bit(image[RepeatFlags], RepeatForwardBit) ? 0 : 1;
    return s;
}

void Accept(const OptionalFeaturesState& opened, const OptionalFeaturesState& s,
            MemoryImage& image) {
    if (s == opened) {
        return;
    }
    const auto changed = [&](auto member) { return s.*member != opened.*member; };
    using S = OptionalFeaturesState;

    // The language code takes bits 1-0; bit 7 (the type bar's Manual Setting)
    // and the flags around it stay as they are.
    static constexpr std::uint8_t LanguageCodes[] = {LanguageChinese, LanguageEnglish, LanguageOff};
    if (changed(&S::languageChoose) && s.languageChoose >= 0 && s.languageChoose < 3) {
        image[FeatureFlags] = static_cast<std::uint8_t>(LanguageCodes[s.languageChoose] |
                                                        (image[FeatureFlags] & ~LanguageMask));
    }
    const auto flag = [&](bool S::*member, Address address, std::uint8_t mask) {
        if (changed(member)) {
            SetBit(image, address, mask, s.*member);
        }
    };
    flag(&S::beep, FeatureFlags, BeepBit);
    flag(&S::batterySave, FeatureFlags, BatterySaveBit);
    flag(&S::beginOfTx, TxFlags, BeginOfTxBit);
    flag(&S::endOfTx, TxFlags, EndOfTxBit);

    const auto position = [&](int S::*member, Address address, int offset = 0) {
        if (changed(member)) {
            StorePosition(image, address, s.*member, offset);
        }
    };
    position(&S::squelchLevel, SquelchLevel);
    if (changed(&S::timeoutPosition) && s.timeoutPosition >= 0 &&
        s.timeoutPosition <= TimeoutMaxSteps) {
        image[TimeoutTimer] = static_cast<std::uint8_t>(s.timeoutPosition);
    }
    if (changed(&S::optSignal) && s.optSignal != NoSelection) {
        image[SignalFlags] = static_cast<std::uint8_t>((image[SignalFlags] & ~OptSignalMask) |
                                                       (s.optSignal & OptSignalMask));
    }
    // The radio expects these two whenever the features are written.
    image[Fixed817] = Fixed817Value;
    image[Fixed818] = Fixed818Value;
    if (changed(&S::voxGainText)) {
        image[VoxGainLevel] = AcceptVoxGain(s.voxGainText);
    }
    position(&S::priorityChannel, PriorityChannel, 1);
    if (changed(&S::voxSwitch)) {
        SetBit(image, SignalFlags, VoxSwitchBit, s.voxSwitch == 0);
    }

    if (changed(&S::groupId)) {
        IdField::EncodeGroupId(s.groupId, image);
    }
    const std::pair<std::string S::*, Address> ids[] = {
        {&S::id, OwnId},        {&S::killId, KillId},     {&S::callId, CallId},
        {&S::checkId, CheckId}, {&S::listenId, ListenId},
    };
    for (const auto& [member, field] : ids) {
        if (changed(member)) {
            IdField::EncodeId(s.*member, image, field);
        }
    }

    position(&S::roger, Roger);
    if (changed(&S::scramblerActivation)) {
        SetBit(image, FeatureFlags, ScramblerBit, s.scramblerActivation == 1);
    }

    position(&S::micGain, MicGain);
    position(&S::audioReceiveGain, AudioReceiveGain);
    position(&S::modulationGain, ModulationGain, 1);
    position(&S::audioOutputGain, AudioOutputGain, 1);

    if (changed(&S::compander) && s.compander != NoSelection) {
        SetBit(image, AudioFlags, CompanderBit, s.compander == 1);
    }
    if (changed(&S::preDeEmphasis) && s.preDeEmphasis != NoSelection) {
        SetBit(image, AudioFlags, PreEmphasisBit, s.preDeEmphasis == 1);
    }
    if (changed(&S::repeatInvert)) {
        SetBit(image, RepeatFlags, RepeatForwardBit, s.repeatInvert == 0);
    }
}

} // namespace OptionalFeaturesCodec
