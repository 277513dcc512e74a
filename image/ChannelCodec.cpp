#include "image/ChannelCodec.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <version>

#include "image/Channel.h"
#include "image/ImageMap.h"
#include "image/NameAlphabet.h"
#include "image/TextNumbers.h"
#include "image/Utf8.h"

namespace {

bool IsOneOf(std::string_view text, const BiText& entry) {
    return text == entry.english || text == entry.chinese;
}

std::string ToneText(const Tone& tone) {
    switch (tone.kind) {
    case Tone::Kind::None:
        return "OFF";
    case Tone::Kind::Ctcss:
        return std::to_string(tone.value / 10) + "." + std::to_string(tone.value % 10);
    default: {
        const bool inverted = tone.kind == Tone::Kind::DcsInverted;
        return std::string(tone.value >= 100 ? "D" : "D0") + std::to_string(tone.value) +
               (inverted ? "I" : "N");
    }
    }
}

std::optional<std::uint32_t> ParseFrequency(std::string_view text) {
    const double scaled = DecimalScale(LeadingNumber(text), 100000.0);
    // Negative values, 1000 MHz and more, and anything not finite have no
    // stored form; they mean "no frequency" rather than digits that would
    // read back as some other frequency.
    if (std::isfinite(scaled) && scaled >= 1.0 && scaled < MaxFrequencyUnits + 1.0) {
        return static_cast<std::uint32_t>(scaled); // truncates toward zero
    }
    return std::nullopt;
}

Tone ParseTone(std::string_view text) {
    if (text.find('D') == std::string_view::npos) {
        const double tenths = LeadingNumber(text) * 10.0;
        // Values the tone bytes cannot hold as CTCSS mean no tone.
        if (std::isfinite(tenths) && tenths >= 1.0 && tenths < MaxCtcssTenths + 1.0) {
            return {Tone::Kind::Ctcss, static_cast<int>(tenths)};
        }
        return {};
    }
    const std::string_view rest = text.substr(Utf8::FirstCharLength(text));
    const bool normal = rest.find('N') != std::string_view::npos;
    const long long v = LeadingInteger(rest);
    if (v >= 0 && v <= (normal ? MaxDcsNormal : MaxDcsInverted)) {
        return {normal ? Tone::Kind::DcsNormal : Tone::Kind::DcsInverted, static_cast<int>(v)};
    }
    return {};
}

std::string OptionText(const Channel& c, int column, Lang lang) {
    using namespace ChannelTexts;
    switch (column) {
    case ColWidth:
        return WidthEntries[c.width == Width::Wide ? 0 : 1].In(lang);
    case ColScan:
        return ScanEntries[c.scanAdd ? 0 : 1].In(lang);
    case ColPower:
        return PowerEntries[c.power == Power::High ? 1 : 0].In(lang);
    case ColOptSignal:
        switch (c.optSignal) {
        case OptSignal::None:
            return OptSignalEntries[0].In(lang);
        case OptSignal::Msk:
            return OptSignalEntries[1].In(lang);
        case OptSignal::Dtmf:
            return OptSignalEntries[2].In(lang);
        case OptSignal::Ccir:
            return OptSignalEntries[3].In(lang);
        default:
            return {}; // no text for the other codes
        }
    case ColPttId:
        return PttIdEntries[c.pttId == PttId::On ? 1 : 0].In(lang);
    case ColBusyLock: {
        const int busy = static_cast<int>(c.busyLock);
        return BusyLockEntries[busy < 2 ? busy : 2].In(lang);
    }
    case ColRepeat:
        return RepeatEntries[c.repeat == Repeat::Forward ? 0 : 1].In(lang);
    case ColScram:
        return ScramEntries[c.scrambler < 8 ? c.scrambler : 8].In(lang);
    default:
        return {};
    }
}

} // namespace

bool IsScramblerOffText(std::string_view text) {
    // "1关" is how earlier versions showed and exported scrambler 0.
    return IsOneOf(text, ChannelTexts::ScramEntries[0]) || text == "Off" || text == "1关";
}

std::string ChannelText(const Channel& c, int column, Lang lang) {
    switch (column) {
    case ColRxFrequency:
        return c.rxFrequency ? FrequencyText(*c.rxFrequency) : std::string();
    case ColTxFrequency:
        return c.txFrequency ? FrequencyText(*c.txFrequency) : std::string();
    case ColRxTone:
    case ColTxTone: {
        const Tone& tone = column == ColRxTone ? c.rxTone : c.txTone;
        // An unused channel shows no "OFF"; a tone it keeps still shows.
        return tone.kind == Tone::Kind::None && !c.HasFrequency() ? std::string() : ToneText(tone);
    }
    case ColName:
        return c.name;
    default:
        return c.HasFrequency() ? OptionText(c, column, lang) : std::string();
    }
}

ChannelRecord ChannelTextsOf(const Channel& channel, Lang lang) {
    ChannelRecord r;
    for (int column = 1; column <= RecordTextCount; ++column) {
        r[column] = ChannelText(channel, column, lang);
    }
    return r;
}

void ParseChannelText(Channel& c, int column, std::string_view text) {
    using namespace ChannelTexts;
    switch (column) {
    case ColRxFrequency:
        c.rxFrequency = ParseFrequency(text);
        break;
    case ColTxFrequency:
        c.txFrequency = ParseFrequency(text);
        break;
    case ColRxTone:
        c.rxTone = ParseTone(text);
        break;
    case ColTxTone:
        c.txTone = ParseTone(text);
        break;
    case ColWidth:
        c.width = IsOneOf(text, WidthEntries[0]) ? Width::Wide : Width::Narrow;
        break;
    case ColScan:
        c.scanAdd = IsOneOf(text, ScanEntries[0]);
        c.scanListed = c.scanAdd;
        break;
    case ColPower:
        c.power = IsOneOf(text, PowerEntries[1]) ? Power::High : Power::Low;
        break;
    case ColOptSignal:
        c.optSignal = IsOneOf(text, OptSignalEntries[0])   ? OptSignal::None
                      : IsOneOf(text, OptSignalEntries[2]) ? OptSignal::Dtmf
                      : IsOneOf(text, OptSignalEntries[3]) ? OptSignal::Ccir
                                                           : OptSignal::Msk;
        break;
    case ColPttId:
        c.pttId = IsOneOf(text, PttIdEntries[1]) ? PttId::On : PttId::Off;
        break;
    case ColBusyLock:
        c.busyLock = IsOneOf(text, BusyLockEntries[0])   ? BusyLock::Close
                     : IsOneOf(text, BusyLockEntries[1]) ? BusyLock::Carrier
                                                         : BusyLock::QtDqt;
        break;
    case ColRepeat:
        c.repeat = IsOneOf(text, RepeatEntries[0]) ? Repeat::Forward : Repeat::Reverse;
        break;
    case ColScram:
        // The stored half-byte keeps only the low 4 bits of a number.
        c.scrambler = IsScramblerOffText(text)
                          ? 0
                          : static_cast<std::uint8_t>(
                                static_cast<unsigned long long>(LeadingInteger(text)) & 0x0F);
        break;
    case ColName: {
        // The name as stored: it ends at the eighth character or at the first
        // character outside the alphabet.
        c.name.clear();
        for (const char32_t ch : Utf8::CodePoints(text)) {
            if (c.name.size() >= static_cast<std::size_t>(ImageMap::ChannelNameSize) ||
                NameCharToCode(ch) == ImageMap::NameEnd) {
                break;
            }
            c.name.push_back(static_cast<char>(ch));
        }
        break;
    }
    default:
        break;
    }
}

std::string FrequencyText(std::uint64_t units) {
    std::string fraction = std::to_string(units % 100000);
    fraction.insert(0, 5 - fraction.size(), '0');
    return std::to_string(units / 100000) + "." + fraction;
}

ChannelRecord DecodeChannel(const MemoryImage& image, int n, Lang lang) {
    return ChannelTextsOf(ReadChannel(image, n), lang);
}

void EncodeChannel(const ChannelRecord& r, int n, MemoryImage& image) {
    const Channel was = ReadChannel(image, n);
    Channel c = was;
    const auto unchanged = [&](int column) {
        const std::string& text = r[column];
        return text == ChannelText(was, column, Lang::English) ||
               text == ChannelText(was, column, Lang::Chinese);
    };
    for (int column : {ColRxFrequency, ColTxFrequency}) {
        if (!unchanged(column)) {
            ParseChannelText(c, column, r[column]);
        }
    }
    // A channel that comes into use takes every text of its row; otherwise a
    // text that still reads as the channel shows it keeps the bytes as they are.
    const bool comesIntoUse = c.HasFrequency() && !was.HasFrequency();
    for (int column = ColRxTone; column <= ColName; ++column) {
        if (comesIntoUse || !unchanged(column)) {
            ParseChannelText(c, column, r[column]);
        }
    }
    WriteChannel(c, n, image);
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
#if defined(__cpp_lib_to_chars)
        const char* const resEnd =
            std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14).ptr;
#else
        // A standard library without floating-point to_chars (Emscripten's):
        // the same digits from printf, which that library never localises.
        const char* const resEnd = buf + std::snprintf(buf, sizeof buf, "%.14e", v);
#endif
        Decimal d;
        const char* p = buf;
        if (*p == '-') {
            d.negative = true;
            ++p;
        }
        for (; p < resEnd && *p != 'e'; ++p) {
            if (*p >= '0' && *p <= '9') {
                d.digits = d.digits * 10 + static_cast<unsigned>(*p - '0');
            }
        }
        int exp = 0;
        if (p < resEnd) {
            std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), resEnd, exp);
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
#if defined(__cpp_lib_to_chars)
    if (std::from_chars(text.data(), text.data() + text.size(), result).ec != std::errc{}) {
        return x * factor; // beyond the range of a double: infinity or zero
    }
#else
    errno = 0;
    result = std::strtod(text.c_str(), nullptr);
    if (errno == ERANGE) {
        return x * factor;
    }
#endif
    return a.negative != b.negative ? -result : result;
}
