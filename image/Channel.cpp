#include "image/Channel.h"

#include "image/ImageMap.h"
#include "image/NameAlphabet.h"

namespace {

using namespace ImageMap::Slot;

// The value of a byte: high nibble x 10 + low nibble, even for nibbles above 9.
int ByteValue(std::uint8_t b) {
    return (b >> 4) * 10 + (b & 0x0F);
}

std::uint8_t BcdByte(long long v) {
    return static_cast<std::uint8_t>((v / 10) * 16 + v % 10);
}

bool IsBlankByte(std::uint8_t b) {
    return b == 0x00 || b == 0xFF;
}

std::optional<std::uint32_t> ReadFrequency(const std::uint8_t* bytes) {
    if (IsBlankByte(bytes[3])) {
        return std::nullopt;
    }
    std::uint32_t units = 0;
    for (int k = 3; k >= 0; --k) {
        units = units * 100 + static_cast<std::uint32_t>(ByteValue(bytes[k]));
    }
    return units;
}

void WriteFrequency(std::optional<std::uint32_t> frequency, std::uint8_t* bytes) {
    std::uint32_t units = frequency.value_or(0);
    if (units == 0 || units > MaxFrequencyUnits) {
        for (int k = 0; k < 4; ++k) {
            bytes[k] = 0xFF; // no stored form: no frequency
        }
        return;
    }
    for (int k = 0; k < 4; ++k) {
        bytes[k] = BcdByte(units % 100);
        units /= 100;
    }
}

Tone ReadTone(const std::uint8_t* bytes) {
    const std::uint8_t low = bytes[0];
    const std::uint8_t high = bytes[1];
    if (IsBlankByte(high)) {
        return {};
    }
    if (high >= 0x80) {
        const bool inverted = high >= 0xC0;
        const int hundreds = high - (inverted ? 0xC0 : 0x80);
        return {inverted ? Tone::Kind::DcsInverted : Tone::Kind::DcsNormal,
                hundreds * 100 + ByteValue(low)};
    }
    return {Tone::Kind::Ctcss, ByteValue(high) * 100 + ByteValue(low)};
}

void WriteTone(const Tone& tone, std::uint8_t* bytes) {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;
    switch (tone.kind) {
    case Tone::Kind::None:
        break;
    case Tone::Kind::Ctcss:
        if (tone.value >= 1 && tone.value <= MaxCtcssTenths) {
            high = BcdByte(tone.value / 100);
            low = BcdByte(tone.value % 100);
        }
        break;
    case Tone::Kind::DcsNormal:
    case Tone::Kind::DcsInverted: {
        const bool normal = tone.kind == Tone::Kind::DcsNormal;
        if (tone.value >= 0 && tone.value <= (normal ? MaxDcsNormal : MaxDcsInverted)) {
            high = static_cast<std::uint8_t>(tone.value / 100 + (normal ? 0x80 : 0xC0));
            low = BcdByte(tone.value % 100);
        }
        break;
    }
    }
    bytes[0] = low;
    bytes[1] = high;
}

void SetBit(std::uint8_t& byte, std::uint8_t bit, bool on) {
    byte = static_cast<std::uint8_t>(on ? (byte | bit) : (byte & ~bit));
}

} // namespace

void Channel::ClearOptions() {
    width = Width::Narrow;
    scanAdd = false;
    scanListed = false;
    power = Power::Low;
    optSignal = OptSignal::Msk;
    pttId = PttId::Off;
    busyLock = BusyLock::QtDqt;
    repeat = Repeat::Reverse;
    scrambler = 0;
    name.clear();
}

bool Channel::SameFields(const Channel& o) const {
    return rxFrequency == o.rxFrequency && txFrequency == o.txFrequency && rxTone == o.rxTone &&
           txTone == o.txTone && width == o.width && scanAdd == o.scanAdd &&
           scanListed == o.scanListed && power == o.power && optSignal == o.optSignal &&
           pttId == o.pttId && busyLock == o.busyLock && repeat == o.repeat &&
           scrambler == o.scrambler && name == o.name;
}

Channel ReadChannel(const RawChannel& raw) {
    Channel c;
    c.stored = raw;
    const std::uint8_t* slot = raw.slot.data();
    c.rxFrequency = ReadFrequency(slot + RxFrequencyByte);
    c.txFrequency = ReadFrequency(slot + TxFrequencyByte);
    c.rxTone = ReadTone(slot + RxToneByte);
    c.txTone = ReadTone(slot + TxToneByte);
    const std::uint8_t flags = slot[FlagsByte];
    const std::uint8_t signal = slot[SignalByte];
    c.width = (flags & WideBit) ? Width::Wide : Width::Narrow;
    c.scanAdd = (flags & ScanAddBit) != 0;
    c.scanListed = raw.scan;
    c.power = (flags & HighPowerBit) ? Power::High : Power::Low;
    c.optSignal = static_cast<OptSignal>(signal & 0x0F);
    c.pttId = (slot[PttIdByte] & PttIdBit) ? PttId::On : PttId::Off;
    c.busyLock = static_cast<BusyLock>((flags & BusyLockMask) >> BusyLockShift);
    c.repeat = (flags & RepeatForwardBit) ? Repeat::Forward : Repeat::Reverse;
    c.scrambler = static_cast<std::uint8_t>(signal >> 4);
    for (const std::uint8_t code : raw.name) {
        const char32_t ch = code == ImageMap::NameEnd ? U'\0' : NameCodeToChar(code);
        if (ch == U'\0') {
            break;
        }
        c.name.push_back(static_cast<char>(ch)); // the alphabet is ASCII
    }
    return c;
}

Channel ReadChannel(const MemoryImage& image, int n) {
    return ReadChannel(ReadRawChannel(image, n));
}

RawChannel ToRawChannel(const Channel& c) {
    const Channel was = ReadChannel(c.stored);
    RawChannel raw = c.stored;
    std::uint8_t* slot = raw.slot.data();
    if (c.rxFrequency != was.rxFrequency) {
        WriteFrequency(c.rxFrequency, slot + RxFrequencyByte);
    }
    if (c.txFrequency != was.txFrequency) {
        WriteFrequency(c.txFrequency, slot + TxFrequencyByte);
    }
    if (c.rxTone != was.rxTone) {
        WriteTone(c.rxTone, slot + RxToneByte);
    }
    if (c.txTone != was.txTone) {
        WriteTone(c.txTone, slot + TxToneByte);
    }
    std::uint8_t& flags = slot[FlagsByte];
    if (c.width != was.width) {
        SetBit(flags, WideBit, c.width == Width::Wide);
    }
    if (c.scanAdd != was.scanAdd) {
        SetBit(flags, ScanAddBit, c.scanAdd);
    }
    raw.scan = c.scanListed;
    if (c.power != was.power) {
        SetBit(flags, HighPowerBit, c.power == Power::High);
    }
    if (c.busyLock != was.busyLock) {
        flags = static_cast<std::uint8_t>((flags & ~BusyLockMask) |
                                          ((static_cast<int>(c.busyLock) & 3) << BusyLockShift));
    }
    if (c.repeat != was.repeat) {
        SetBit(flags, RepeatForwardBit, c.repeat == Repeat::Forward);
    }
    std::uint8_t& signal = slot[SignalByte];
    if (c.optSignal != was.optSignal) {
        signal =
            static_cast<std::uint8_t>((signal & 0xF0) | (static_cast<int>(c.optSignal) & 0x0F));
    }
    if (c.scrambler != was.scrambler) {
        signal = static_cast<std::uint8_t>((signal & 0x0F) | ((c.scrambler & 0x0F) << 4));
    }
    if (c.pttId != was.pttId) {
        SetBit(slot[PttIdByte], PttIdBit, c.pttId == PttId::On);
    }
    if (c.name != was.name) {
        for (std::size_t k = 0; k < raw.name.size(); ++k) {
            raw.name[k] = k < c.name.size() ? NameCharToCode(static_cast<unsigned char>(c.name[k]))
                                            : ImageMap::NameEnd;
        }
    }
    return raw;
}

void WriteChannel(const Channel& channel, int n, MemoryImage& image) {
    WriteRawChannel(image, n, ToRawChannel(channel));
}
