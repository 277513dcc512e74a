#pragma once

#include <cstdint>

#include "image/MemoryImage.h"

// The one place where the layout of the memory image is named.
namespace ImageMap {

using Address = std::uint16_t;

// Channels: 128 slots of 16 bytes, 128 names of 8 bytes, one scan bit each.
inline constexpr int ChannelCount = 128;
inline constexpr Address ChannelSlotBase = 0x000;
inline constexpr int ChannelSlotSize = 16;
inline constexpr Address ChannelNameBase = 0x850;
inline constexpr int ChannelNameSize = 8;
inline constexpr Address ScanBitmap = 0xC50;
inline constexpr int ScanBitmapSize = 16;

// One channel slot, by byte offset from its SlotAddress. Frequencies are 8
// BCD digits in 10 Hz units, least significant byte first; a tone is a low
// byte followed by a high byte.
namespace Slot {
inline constexpr int RxFrequencyByte = 0;
inline constexpr int TxFrequencyByte = 4;
inline constexpr int RxToneByte = 8;
inline constexpr int TxToneByte = 10;
inline constexpr int SignalByte = 12; // optional signal (low half), scrambler (high half)
inline constexpr int FlagsByte = 13;
inline constexpr int PttIdByte = 14;
// Byte 15 is not interpreted: it keeps whatever the radio or the file held.

// Bits of FlagsByte.
inline constexpr std::uint8_t RepeatForwardBit = 0x01;
inline constexpr std::uint8_t BusyLockMask = 0x06;
inline constexpr int BusyLockShift = 1;
inline constexpr std::uint8_t ScanAddBit = 0x08;
inline constexpr std::uint8_t WideBit = 0x10;
inline constexpr std::uint8_t HighPowerBit = 0x20;
// Bit of PttIdByte.
inline constexpr std::uint8_t PttIdBit = 0x01;
} // namespace Slot

// A name ends at its eighth character or at the first byte of this value.
inline constexpr std::uint8_t NameEnd = 0xFF;

constexpr Address SlotAddress(int channel) {
    return static_cast<Address>(ChannelSlotBase + ChannelSlotSize * channel);
}
constexpr Address NameAddress(int channel) {
    return static_cast<Address>(ChannelNameBase + ChannelNameSize * channel);
}

// Type bar fields.
inline constexpr Address Uninterpreted80A = 0x80A;
inline constexpr Address RadioTypeCode = 0x80B;
inline constexpr std::uint8_t RadioTypeBase = 0x38;
// Whether a type code names the one radio type: the base code, and codes
// more than two above it; the others (below it, base + 1, base + 2) name
// none. The type bar, Compare and the printout all read the code here.
constexpr bool IsKnownRadioType(std::uint8_t code) {
    const int type = code - RadioTypeBase;
    return type == 0 || type > 2;
}
inline constexpr Address CommitMarker = 0x811;
inline constexpr std::uint8_t CommitMarkerValue = 0xA8;
inline constexpr Address ManualSettingByte = 0x812;
inline constexpr std::uint8_t ManualSettingFlag = 0x80;

// Radio-wide settings: two ranges.
inline constexpr Address SettingsFirstBegin = 0x810;
inline constexpr Address SettingsFirstEnd = 0x84F; // inclusive
inline constexpr Address SettingsSecondBegin = 0xC60;
inline constexpr Address SettingsSecondEnd = 0xC64; // inclusive

// Band edges: lower and upper edge in whole MHz, three BCD digits each.
inline constexpr Address BandLimits = 0xFF0;
inline constexpr int BandLimitsSize = 3;

// What the programming protocol carries: 397 blocks of 8 bytes from 0x000,
// and the band edges in the closing exchange.
inline constexpr int BlockLength = 8;
inline constexpr int BlockCount = 397;
inline constexpr Address TransferEnd = 0xC67; // inclusive, = BlockCount * BlockLength - 1

// The contents of a new document: 0xFF everywhere except these bytes, written
// in this order.
struct DefaultByte {
    Address address;
    std::uint8_t value;
};
inline constexpr DefaultByte NewDocumentDefaults[] = {
    {0x80A, 0xEE}, {0x80B, 0x38}, {0x810, 0x80}, {0x811, 0xA8}, {0x812, 0xC4}, {0x813, 0x05},
    {0x814, 0x00}, {0x815, 0x01}, {0x816, 0x03}, {0x817, 0x04}, {0x818, 0x00}, {0x819, 0x00},
    {0x81A, 0x00}, {0x81B, 0x01}, {0x81D, 0x12}, {0x81E, 0x78}, {0xC60, 0x00}, {0xC61, 0x00},
    {0xC62, 0x01}, {0xC63, 0x01}, {0xC64, 0x02}, {0xFF0, 0x40}, {0xFF1, 0x48}, {0xFF2, 0x00},
};

// A new document's image.
inline MemoryImage NewDocumentImage() {
    MemoryImage image; // all 0xFF
    for (const DefaultByte& d : NewDocumentDefaults) {
        image[d.address] = d.value;
    }
    return image;
}

} // namespace ImageMap
