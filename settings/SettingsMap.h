#pragma once

#include <cstdint>

#include "image/ImageMap.h"

// Where the radio-wide settings live in the memory image, byte by byte and bit
// by bit. The two settings dialogs and orinctl read and write only through
// these names.
namespace SettingsMap {

using ImageMap::Address;

// 0x810: Begin of Tx (bit 5), End of Tx (bit 4); the other bits are kept.
inline constexpr Address TxFlags = 0x810;
inline constexpr std::uint8_t BeginOfTxBit = 1u << 5;
inline constexpr std::uint8_t EndOfTxBit = 1u << 4;

// 0x812: Language Choose (bits 1-0), Battery Save (bit 2), Scrambler
// Activation (bit 4), Beep (bit 6). Bit 7 is the type bar's Manual Setting flag.
inline constexpr Address FeatureFlags = ImageMap::ManualSettingByte;
inline constexpr std::uint8_t LanguageMask = 0x03;
inline constexpr std::uint8_t LanguageChinese = 3;
inline constexpr std::uint8_t LanguageEnglish = 2;
inline constexpr std::uint8_t LanguageOff = 0;
inline constexpr std::uint8_t BatterySaveBit = 1u << 2;
inline constexpr std::uint8_t ScramblerBit = 1u << 4;
inline constexpr std::uint8_t BeepBit = 1u << 6;

inline constexpr Address SquelchLevel = 0x813;
inline constexpr int SquelchMax = 9;

// Time-out timer: a step count 0-40; the timer runs for 15 s per step, 0 is off.
inline constexpr Address TimeoutTimer = 0x814;
inline constexpr int TimeoutMaxSteps = 40;
inline constexpr int TimeoutSecondsPerStep = 15;

inline constexpr Address VoxGainLevel = 0x815;
inline constexpr int VoxGainMax = 9;
inline constexpr int VoxGainFallback = 5;     // stored for a typed level out of range
inline constexpr int VoxGainOpenFallback = 4; // shown for a stored level out of range

// 0x816: optional signal in frequent mode (bits 1-0), Vox Switch (bit 2).
inline constexpr Address SignalFlags = 0x816;
inline constexpr std::uint8_t OptSignalMask = 0x03;
inline constexpr std::uint8_t VoxSwitchBit = 1u << 2;

// Two bytes the radio expects with fixed values whenever the features are written.
inline constexpr Address Fixed817 = 0x817;
inline constexpr std::uint8_t Fixed817Value = 4;
inline constexpr Address Fixed818 = 0x818;
inline constexpr std::uint8_t Fixed818Value = 0;

inline constexpr Address Roger = 0x819;
inline constexpr Address PriorityChannel = 0x81B;

// Side keys: short press in the high half, long press in the low half.
inline constexpr Address SideKey1 = 0x81D;
inline constexpr Address SideKey2 = 0x81E;

// 0x81F: Repeat Invert (bit 1, 1 = Forward); the other bits are kept.
inline constexpr Address RepeatFlags = 0x81F;
inline constexpr std::uint8_t RepeatForwardBit = 1u << 1;

// The ID texts: eight bytes each, 0xFF past the last character.
inline constexpr int IdFieldSize = 8;
inline constexpr int IdMaxLength = 8;
inline constexpr int GroupIdMaxLength = 4;
inline constexpr Address GroupId = 0x820;
inline constexpr Address CallId = 0x828;
inline constexpr Address OwnId = 0x830;
inline constexpr Address CheckId = 0x838;
inline constexpr Address KillId = 0x840;
inline constexpr Address ListenId = 0x848;

// The audio levels and switches after the scan bitmap.
inline constexpr Address MicGain = 0xC60;
inline constexpr Address AudioReceiveGain = 0xC61;
inline constexpr Address ModulationGain = 0xC62;
inline constexpr Address AudioOutputGain = 0xC63;
inline constexpr int GainMax = 7;
inline constexpr Address AudioFlags = 0xC64;
inline constexpr std::uint8_t CompanderBit = 1u << 0;
inline constexpr std::uint8_t PreEmphasisBit = 1u << 1;

} // namespace SettingsMap
