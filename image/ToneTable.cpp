#include "image/ToneTable.h"

#include <algorithm>

namespace {

// The CTCSS tones in Hz, ascending.
constexpr const char* CtcssTones[] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};

// The DCS codes, listed once and offered in both polarities in this order.
constexpr const char* DcsCodes[] = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
    "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
    "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
    "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754",
};

static_assert(1 + std::size(CtcssTones) + 2 * std::size(DcsCodes) == ToneTable::Count);

std::vector<std::string> Build() {
    std::vector<std::string> texts;
    texts.reserve(ToneTable::Count);
    texts.emplace_back("OFF");
    for (const char* tone : CtcssTones) {
        texts.emplace_back(tone);
    }
    for (const char* polarity : {"N", "I"}) {
        for (const char* code : DcsCodes) {
            texts.push_back(std::string("D") + code + polarity);
        }
    }
    return texts;
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits without their leading zeros, at least one digit kept.
std::string_view WithoutLeadingZeros(std::string_view digits) {
    while (digits.size() > 1 && digits.front() == '0') {
        digits.remove_prefix(1);
    }
    return digits;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// "D" + code + polarity as the table spells it, from d, digits and an
// optional n/i; empty when text is no DCS form.
std::string DcsText(std::string_view text) {
    if (text.size() < 2 || (text[0] != 'D' && text[0] != 'd')) {
        return {};
    }
    text.remove_prefix(1);
    char polarity = 'N';
    if (const char last = text.back(); !AllDigits(text.substr(text.size() - 1))) {
        if (last != 'N' && last != 'n' && last != 'I' && last != 'i') {
            return {};
        }
        polarity = last == 'I' || last == 'i' ? 'I' : 'N';
        text.remove_suffix(1);
    }
    const std::string_view code = WithoutLeadingZeros(text);
    if (text.empty() || !AllDigits(text) || code.size() > 3) {
        return {};
    }
    return "D" + std::string(3 - code.size(), '0') + std::string(code) + polarity;
}

// "int.d" as the table spells a CTCSS tone, from digits with an optional
// fraction whose digits after the first are zeros; empty otherwise.
std::string CtcssText(std::string_view text) {
    const std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || !AllDigits(whole) || !AllDigits(fraction) ||
        (point != std::string_view::npos && fraction.empty())) {
        return {};
    }
    const char tenth = fraction.empty() ? '0' : fraction.front();
    if (!fraction.empty() && fraction.find_first_not_of('0', 1) != std::string_view::npos) {
        return {};
    }
    return std::string(WithoutLeadingZeros(whole)) + "." + tenth;
}

} // namespace

namespace ToneTable {

int IndexOfNamed(std::string_view text) {
    text = Trimmed(text);
    if (const int exact = IndexOf(text); exact >= 0) {
        return exact;
    }
    if (text.size() == 3 && (text[0] == 'o' || text[0] == 'O') &&
        (text[1] == 'f' || text[1] == 'F') && (text[2] == 'f' || text[2] == 'F')) {
        return 0;
    }
    const std::string dcs = DcsText(text);
    if (!dcs.empty()) {
        return IndexOf(dcs);
    }
    const std::string ctcss = CtcssText(text);
    return ctcss.empty() ? -1 : IndexOf(ctcss);
}

const std::vector<std::string>& Texts() {
    static const std::vector<std::string> texts = Build();
    return texts;
}

int IndexOf(std::string_view text) {
    const std::vector<std::string>& texts = Texts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace ToneTable
