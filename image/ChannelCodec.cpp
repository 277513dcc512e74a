#include "image/ChannelCodec.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "image/ImageMap.h"
#include "image/TextNumbers.h"
#include "image/Utf8.h"

namespace {

using ImageMap::NameAddress;
using ImageMap::NameEnd;
using ImageMap::SlotAddress;
using namespace ImageMap::Slot;

constexpr std::uint8_t NameAlphabetSize = 38;

// The largest frequency the 8 BCD digits hold, in 10 Hz units (999.99999 MHz).
constexpr long long MaxFrequencyUnits = 99999999;
// CTCSS tones in tenths of Hz: the high byte must stay below 0x80, where DCS begins.
constexpr long long MaxCtcssTenths = 7999;
// DCS codes: the hundreds digit is added to 0x80 (N) or 0xC0 (I) and must not
// reach the next polarity's range (0xC0) or the no-tone marker (0xFF).
constexpr long long MaxDcsNormal = 6399;
constexpr long long MaxDcsInverted = 6299;

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

std::string DecodeFrequency(const MemoryImage& image, int base) {
    if (IsBlankByte(image[base + 3])) {
        return {};
    }
    long long units = 0;
    for (int k = 3; k >= 0; --k) {
        units = units * 100 + ByteValue(image[base + k]);
    }
    return FrequencyText(static_cast<std::uint64_t>(units));
}

std::string DecodeTone(const MemoryImage& image, int base, bool present) {
    const std::uint8_t low = image[base];
    const std::uint8_t high = image[base + 1];
    if (IsBlankByte(high)) {
        return present ? "OFF" : "";
    }
    if (high >= 0x80) {
        const bool inverted = high >= 0xC0;
        const int d = high - (inverted ? 0xC0 : 0x80);
        return std::string(d != 0 ? "D" : "D0") + std::to_string(d * 100 + ByteValue(low)) +
               (inverted ? "I" : "N");
    }
    const int tenths = ByteValue(high) * 100 + ByteValue(low);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

void EncodeFrequency(std::string_view text, int base, MemoryImage& image) {
    const double scaled = DecimalScale(LeadingNumber(text), 100000.0);
    // Negative values, 1000 MHz and more, and anything not finite have no
    // stored form; they are written as "no frequency" rather than as digits
    // that would read back as some other frequency.
    long long units = 0;
    if (std::isfinite(scaled) && scaled > 0.0 && scaled < MaxFrequencyUnits + 1.0) {
        units = static_cast<long long>(scaled); // truncates toward zero
    }
    if (units == 0) {
        for (int k = 0; k < 4; ++k) {
            image[base + k] = 0xFF;
        }
        return;
    }
    long long divisor = 1000000;
    for (int k = 3; k >= 0; --k) {
        image[base + k] = BcdByte(units / divisor);
        units %= divisor;
        divisor /= 100;
    }
}

void EncodeTone(std::string_view text, int base, MemoryImage& image) {
    std::uint8_t high = 0xFF;
    std::uint8_t low = 0xFF;
    if (text.find('D') == std::string_view::npos) {
        const double tenths = LeadingNumber(text) * 10.0;
        // Values the tone bytes cannot hold as CTCSS are stored as no tone.
        if (std::isfinite(tenths) && tenths >= 1.0 && tenths < MaxCtcssTenths + 1.0) {
            const long long v = static_cast<long long>(tenths);
            high = BcdByte(v / 100);
            low = BcdByte(v % 100);
        }
    } else {
        const std::string_view rest = text.substr(Utf8::FirstCharLength(text));
        const bool normal = rest.find('N') != std::string_view::npos;
        const long long v = LeadingInteger(rest);
        if (v >= 0 && v <= (normal ? MaxDcsNormal : MaxDcsInverted)) {
            high = static_cast<std::uint8_t>(v / 100 + (normal ? 0x80 : 0xC0));
            low = BcdByte(v % 100);
        }
    }
    image[base] = low;
    image[base + 1] = high;
}

bool IsOneOf(const std::string& text, const BiText& entry) {
    return text == entry.english || text == entry.chinese;
}

void SetBit(std::uint8_t& byte, std::uint8_t bit, bool on) {
    byte = static_cast<std::uint8_t>(on ? (byte | bit) : (byte & ~bit));
}

} // namespace

std::string FrequencyText(std::uint64_t units) {
    std::string fraction = std::to_string(units % 100000);
    fraction.insert(0, 5 - fraction.size(), '0');
    return std::to_string(units / 100000) + "." + fraction;
}

ChannelRecord DecodeChannel(const MemoryImage& image, int n, Lang lang) {
    using namespace ChannelTexts;
    ChannelRecord r;
    const int slot = SlotAddress(n);
    const bool present = !IsBlankByte(image[slot + RxFrequencyByte + 3]) ||
                         !IsBlankByte(image[slot + TxFrequencyByte + 3]);
    r[ColRxFrequency] = DecodeFrequency(image, slot + RxFrequencyByte);
    r[ColTxFrequency] = DecodeFrequency(image, slot + TxFrequencyByte);
    r[ColRxTone] = DecodeTone(image, slot + RxToneByte, present);
    r[ColTxTone] = DecodeTone(image, slot + TxToneByte, present);
    if (present) {
        const std::uint8_t signal = image[slot + SignalByte];
        const std::uint8_t flags = image[slot + FlagsByte];
        r[ColWidth] = (flags & WideBit) ? WidthEntries[0].In(lang) : WidthEntries[1].In(lang);
        r[ColScan] = (flags & ScanAddBit) ? ScanEntries[0].In(lang) : ScanEntries[1].In(lang);
        r[ColPower] = (flags & HighPowerBit) ? PowerEntries[1].In(lang) : PowerEntries[0].In(lang);
        switch (signal & 0x0F) {
        case 0:
            r[ColOptSignal] = OptSignalEntries[1].In(lang);
            break;
        case 1:
            r[ColOptSignal] = OptSignalEntries[0].In(lang);
            break;
        case 2:
            r[ColOptSignal] = OptSignalEntries[2].In(lang);
            break;
        case 4:
            r[ColOptSignal] = OptSignalEntries[3].In(lang);
            break;
        default:
            break; // no text for the other values
        }
        r[ColPttId] = (image[slot + PttIdByte] & PttIdBit) ? PttIdEntries[1].In(lang)
                                                           : PttIdEntries[0].In(lang);
        const int busy = (flags & BusyLockMask) >> BusyLockShift;
        r[ColBusyLock] = BusyLockEntries[busy < 2 ? busy : 2].In(lang);
        r[ColRepeat] =
            (flags & RepeatForwardBit) ? RepeatEntries[0].In(lang) : RepeatEntries[1].In(lang);
        const int scrambler = signal >> 4;
        r[ColScram] =
            scrambler == 0 ? ScramblerZero : std::to_string(scrambler < 8 ? scrambler : 8);
    }
    const int name = NameAddress(n);
    for (int k = 0; k < ImageMap::ChannelNameSize; ++k) {
        const std::uint8_t code = image[name + k];
        if (code == NameEnd) {
            break;
        }
        const char32_t c = NameCodeToChar(code);
        if (c == U'\0') {
            break;
        }
        r[ColName].push_back(static_cast<char>(c)); // the alphabet is ASCII
    }
    return r;
}

void EncodeChannel(const ChannelRecord& r, int n, MemoryImage& image) {
    using namespace ChannelTexts;
    const int slot = SlotAddress(n);
    EncodeFrequency(r[ColRxFrequency], slot + RxFrequencyByte, image);
    EncodeFrequency(r[ColTxFrequency], slot + TxFrequencyByte, image);
    EncodeTone(r[ColRxTone], slot + RxToneByte, image);
    EncodeTone(r[ColTxTone], slot + TxToneByte, image);

    std::uint8_t& flags = image[slot + FlagsByte];
    SetBit(flags, WideBit, IsOneOf(r[ColWidth], WidthEntries[0]));
    const bool scan = IsOneOf(r[ColScan], ScanEntries[0]);
    SetBit(flags, ScanAddBit, scan);
    SetBit(image[ImageMap::ScanBitmap + n / 8], static_cast<std::uint8_t>(1u << (n % 8)), scan);
    SetBit(flags, HighPowerBit, IsOneOf(r[ColPower], PowerEntries[1]));

    // The whole signal byte is rewritten here; the scrambler is merged into its
    // high nibble below.
    std::uint8_t& signal = image[slot + SignalByte];
    const std::string& opt = r[ColOptSignal];
    signal = IsOneOf(opt, OptSignalEntries[0])   ? 1
             : IsOneOf(opt, OptSignalEntries[2]) ? 2
             : IsOneOf(opt, OptSignalEntries[3]) ? 4
                                                 : 0;
    SetBit(image[slot + PttIdByte], PttIdBit, IsOneOf(r[ColPttId], PttIdEntries[1]));

    const int busy = IsOneOf(r[ColBusyLock], BusyLockEntries[0])   ? 0
                     : IsOneOf(r[ColBusyLock], BusyLockEntries[1]) ? 1
                                                                   : 2;
    flags = static_cast<std::uint8_t>((flags & ~BusyLockMask) | (busy << BusyLockShift));
    SetBit(flags, RepeatForwardBit, IsOneOf(r[ColRepeat], RepeatEntries[0]));

    // Shifting left by 4 and keeping 8 bits leaves only the low 4 bits of the number.
    const auto scrambler = static_cast<unsigned long long>(LeadingInteger(r[ColScram])) & 0x0F;
    signal = static_cast<std::uint8_t>((signal & 0x0F) | (scrambler << 4));

    const std::u32string name = Utf8::CodePoints(r[ColName]);
    const int nameBase = NameAddress(n);
    for (int k = 0; k < ImageMap::ChannelNameSize; ++k) {
        image[nameBase + k] = k < static_cast<int>(name.size()) ? NameCharToCode(name[k]) : NameEnd;
    }
}

char32_t NameCodeToChar(std::uint8_t code) {
    if (code <= 9) {
        return U'0' + code;
    }
    if (code <= 35) {
        return U'A' + (code - 10);
    }
    if (code == 36) {
        return U'-';
    }
    if (code == 37) {
        return U' ';
    }
    return U'\0';
}

std::uint8_t NameCharToCode(char32_t ch) {
    if (ch >= U'0' && ch <= U'9') {
        return static_cast<std::uint8_t>(ch - U'0');
    }
    if (ch >= U'A' && ch <= U'Z') {
        return static_cast<std::uint8_t>(10 + (ch - U'A'));
    }
    if (ch == U'-') {
        return 36;
    }
    if (ch == U' ') {
        return NameAlphabetSize - 1;
    }
    return NameEnd;
}

double DecimalScale(double x, double factor) {
    if (!std::isfinite(x) || !std::isfinite(factor)) {
        return x * factor;
    }
    // Both numbers as 15 significant decimal digits: d.dddddddddddddde+XX.
    // The shortest round-trip form would keep 17 digits of binary noise;
    // 15 digits are what the double holds exactly as a decimal.
    struct Decimal {
        bool negative = false;
        unsigned long long digits = 0; // 15 digits
        int exponent = 0;              // value = digits x 10^exponent
    };
    const auto toDecimal = [](double v) {
        char buf[64];
        const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
        Decimal d;
        const char* p = buf;
        if (*p == '-') {
            d.negative = true;
            ++p;
        }
        for (; p < res.ptr && *p != 'e'; ++p) {
            if (*p >= '0' && *p <= '9') {
                d.digits = d.digits * 10 + static_cast<unsigned>(*p - '0');
            }
        }
        int exp = 0;
        if (p < res.ptr) {
            std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), res.ptr, exp);
        }
        d.exponent = exp - 14;
        return d;
    };
    const Decimal a = toDecimal(x);
    const Decimal b = toDecimal(factor);
    // Two 15-digit numbers give at most 30 digits: exact in 128 bits.
    __extension__ using Wide = unsigned __int128;
    Wide product = static_cast<Wide>(a.digits) * b.digits;
    char digits[48];
    char* end = digits + sizeof digits;
    char* p = end;
    do {
        *--p = static_cast<char>('0' + static_cast<int>(product % 10));
        product /= 10;
    } while (product != 0);
    std::string text(p, end);
    text += "e" + std::to_string(a.exponent + b.exponent);
    double result = 0.0;
    if (std::from_chars(text.data(), text.data() + text.size(), result).ec != std::errc{}) {
        return x * factor; // beyond the range of a double: infinity or zero
    }
    return a.negative != b.negative ? -result : result;
}
