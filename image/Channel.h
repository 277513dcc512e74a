#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "image/MemoryImage.h"
#include "image/RawChannel.h"

// One channel as typed values. The fields say what the radio does with the
// channel; stored keeps the bytes it was read from, so that writing a channel
// changes only the bytes of the fields that differ from what those bytes say.
// Bytes -> channel -> bytes is therefore exact for any bytes at all.

// A tone as stored: none, a CTCSS tone in tenths of Hz, or a DCS code (its
// three octal digits read as a decimal number: 23 for D023N).
struct Tone {
    enum class Kind : std::uint8_t { None, Ctcss, DcsNormal, DcsInverted };
    Kind kind = Kind::None;
    int value = 0;
    bool operator==(const Tone&) const = default;
};

// The options, by the codes the slot stores.
enum class Width : std::uint8_t { Narrow = 0, Wide = 1 };
enum class Power : std::uint8_t { Low = 0, High = 1 };
enum class PttId : std::uint8_t { Off = 0, On = 1 };
enum class Repeat : std::uint8_t { Reverse = 0, Forward = 1 };
// Codes 0-3 of the busy-lock bits; 3 behaves as QT/DQT.
enum class BusyLock : std::uint8_t { Close = 0, Carrier = 1, QtDqt = 2, Three = 3 };
// The low half of the signal byte; the other values 0-15 are kept as read.
enum class OptSignal : std::uint8_t { Msk = 0, None = 1, Dtmf = 2, Ccir = 4 };

struct Channel {
    std::optional<std::uint32_t> rxFrequency; // 10 Hz units
    std::optional<std::uint32_t> txFrequency;
    Tone rxTone;
    Tone txTone;
    Width width = Width::Narrow;
    bool scanAdd = false;    // the channel's own scan bit, which the Scan column shows
    bool scanListed = false; // its bit in the scan list, set together with scanAdd
    Power power = Power::Low;
    OptSignal optSignal = OptSignal::Msk;
    PttId pttId = PttId::Off;
    BusyLock busyLock = BusyLock::Close;
    Repeat repeat = Repeat::Reverse;
    std::uint8_t scrambler = 0; // 0 = off, else 1-15 as stored
    std::string name;           // up to 8 characters of 0-9, A-Z, '-', ' '
    RawChannel stored;          // the bytes the channel was read from

    // A channel is in use when it has a receive or a transmit frequency.
    bool HasFrequency() const { return rxFrequency.has_value() || txFrequency.has_value(); }
    // Nothing of the channel shows in the grid: no frequency, no tone kept
    // and no name.
    bool IsEmpty() const {
        return !HasFrequency() && rxTone.kind == Tone::Kind::None &&
               txTone.kind == Tone::Kind::None && name.empty();
    }
    // The option values an empty row stands for: what a channel becomes when
    // its frequencies are removed.
    void ClearOptions();
    // The fields alone, stored bytes aside.
    bool SameFields(const Channel& other) const;
};

Channel ReadChannel(const RawChannel& raw);
Channel ReadChannel(const MemoryImage& image, int n);
// The stored bytes with every field that differs from them written.
RawChannel ToRawChannel(const Channel& channel);
void WriteChannel(const Channel& channel, int n, MemoryImage& image);

// True when the grid would show all 13 texts of the channel empty.
inline bool IsEmptyChannel(const RawChannel& channel) {
    return ReadChannel(channel).IsEmpty();
}
inline bool IsEmptyChannel(const MemoryImage& image, int n) {
    return ReadChannel(image, n).IsEmpty();
}

// The largest frequency the 8 BCD digits hold, in 10 Hz units (999.99999 MHz).
inline constexpr std::uint32_t MaxFrequencyUnits = 99999999;
// CTCSS tones in tenths of Hz keep the high byte below 0x80, where DCS
// begins; DCS codes must not reach the next polarity's range (0xC0) or 0xFF.
inline constexpr int MaxCtcssTenths = 7999;
inline constexpr int MaxDcsNormal = 6399;
inline constexpr int MaxDcsInverted = 6299;
