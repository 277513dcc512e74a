#include "formats/ChirpRow.h"

#include <array>

#include "formats/ChirpFields.h"
#include "image/FrequencyCheck.h"
#include "image/ToneTable.h"

namespace ChirpRow {
namespace {

using ChannelImport::Note;
using ChannelImport::Row;
using ChirpFields::Frequency;

// CHIRP itself takes Mode Auto as AM below this frequency, FM above.
constexpr std::int64_t AutoAmBelowHz = 136000000;

const std::map<std::string, std::string>& Defaults() {
    static const std::map<std::string, std::string> defaults = {
        {"Offset", "0.600000"},      {"rToneFreq", "88.5"}, {"cToneFreq", "88.5"},
        {"DtcsCode", "023"},         {"RxDtcsCode", "023"}, {"DtcsPolarity", "NN"},
        {"CrossMode", "Tone->Tone"}, {"Mode", "FM"},
    };
    return defaults;
}

Note Quoted(const char* english, const std::string& value, const char* chinese,
            const char* chineseAfter = "") {
    const std::string shown = Csv::Shown(value);
    return {std::string(english) + " " + shown, std::string(chinese) + shown + chineseAfter};
}

// The side of a tone setting: which column it is read from, or none.
struct ToneSide {
    enum class Kind { None, Ctcss, Dcs } kind = Kind::None;
    std::string column;
};

class RowMapper {
public:
    RowMapper(const Csv::Record& fields, const Columns& columns, const BandEdges& band, Row& row)
        : m_Fields(fields), m_Columns(columns), m_Band(band), m_Row(row) {}

    std::string Value(const char* name) const { return m_Columns.Value(m_Fields, name); }

    // Each step returns false once the row is skipped.
    bool Frequencies(std::int64_t rxHz);
    bool Tones();
    bool Mode(std::int64_t rxHz);
    bool Scan();
    bool Power();
    void Name();

private:
    std::optional<std::string> CheckedFrequency(std::int64_t hz, bool rx);
    std::optional<std::string> SideText(const ToneSide& side, char polarity);

    const Csv::Record& m_Fields;
    const Columns& m_Columns;
    const BandEdges& m_Band;
    Row& m_Row;
};

std::optional<std::string> RowMapper::CheckedFrequency(std::int64_t hz, bool rx) {
    const std::string shown = ChirpFields::ShortMegahertz(hz) + " MHz";
    const char* en = rx ? "Rx frequency " : "Tx frequency ";
    const char* zh = rx ? "接收频率 " : "发射频率 ";
    // Our channels count in 10 Hz; a frequency between two counts is on no step.
    FrequencyCheckResult check;
    if (hz <= 0) {
        check.verdict = FrequencyVerdict::Format;
    } else if (hz % 10 != 0) {
        check.verdict = FrequencyVerdict::Step;
    } else {
        check = CheckFrequency(FrequencyText(static_cast<std::uint64_t>(hz / 10)), m_Band.lower,
                               m_Band.upper);
    }
    const std::string band =
        std::to_string(m_Band.lower) + "-" + std::to_string(m_Band.upper) + " MHz";
    switch (check.verdict) {
    case FrequencyVerdict::Accepted:
        return check.text;
    case FrequencyVerdict::Range:
        m_Row.Skip({en + shown + " is outside the band " + band + " of the channel file",
                    zh + shown + " 超出频道文件的频段 " + band});
        return std::nullopt;
    case FrequencyVerdict::Step:
        m_Row.Skip({en + shown + " is not a multiple of 6.25, 5 or 2.5 kHz",
                    zh + shown + " 不是 6.25、5 或 2.5 kHz 的倍数"});
        return std::nullopt;
    default:
        m_Row.Skip({en + shown + " is outside 67-521 MHz", zh + shown + " 超出 67-521 MHz"});
        return std::nullopt;
    }
}

bool RowMapper::Frequencies(std::int64_t rxHz) {
    const std::optional<std::string> rx = CheckedFrequency(rxHz, true);
    if (!rx) {
        return false;
    }
    m_Row.record[ColRxFrequency] = *rx;
    const std::string duplex = Value("Duplex");
    const std::string offsetText = Value("Offset");
    const Frequency offset = ChirpFields::ParseFrequency(offsetText);
    if (offset.kind == Frequency::Kind::Negative) {
        m_Row.Skip(Quoted("negative offset", offsetText, "偏移为负数："));
        return false;
    }
    if (offset.kind == Frequency::Kind::Bad) {
        m_Row.Skip(Quoted("offset is not a frequency:", offsetText, "偏移不是频率："));
        return false;
    }
    std::int64_t txHz = rxHz;
    if (duplex == "+") {
        txHz = rxHz + offset.hz;
    } else if (duplex == "-") {
        txHz = rxHz - offset.hz;
    } else if (duplex == "split") {
        txHz = offset.hz;
    } else if (duplex == "off") {
        return true; // receive only: no Tx frequency
    } else if (!duplex.empty()) {
        m_Row.Skip(Quoted("unknown duplex", duplex, "未知的双工方式 "));
        return false;
    }
    const std::optional<std::string> tx = CheckedFrequency(txHz, false);
    if (!tx) {
        return false;
    }
    m_Row.record[ColTxFrequency] = *tx;
    return true;
}

std::optional<std::string> RowMapper::SideText(const ToneSide& side, char polarity) {
    const std::string value = Value(side.column.c_str());
    if (side.kind == ToneSide::Kind::None) {
        return std::string("OFF");
    }
    if (side.kind == ToneSide::Kind::Ctcss) {
        const std::optional<std::string> tone = ChirpFields::ToneText(value);
        if (!tone || ToneTable::IndexOf(*tone) < 0) {
            m_Row.Skip({"tone " + Csv::Shown(value) + " Hz is not in the radio's tone table",
                        "亚音 " + Csv::Shown(value) + " Hz 不在本机的信令表中"});
            return std::nullopt;
        }
        return tone;
    }
    const std::optional<std::string> code = ChirpFields::DcsCode(value);
    const std::string text = "D" + code.value_or("") + (polarity == 'R' ? "I" : "N");
    if (!code || ToneTable::IndexOf(text) < 0) {
        m_Row.Skip({"DCS code " + Csv::Shown(value) + " is not in the radio's tone table",
                    "数字亚音 " + Csv::Shown(value) + " 不在本机的信令表中"});
        return std::nullopt;
    }
    return text;
}

bool RowMapper::Tones() {
    using Kind = ToneSide::Kind;
    const std::string mode = Value("Tone");
    ToneSide tx;
    ToneSide rx;
    if (mode == "Tone") {
        tx = {Kind::Ctcss, "rToneFreq"};
    } else if (mode == "TSQL") {
        tx = rx = {Kind::Ctcss, "cToneFreq"};
    } else if (mode == "DTCS") {
        tx = rx = {Kind::Dcs, "DtcsCode"};
    } else if (mode == "Cross") {
        const std::string cross = Value("CrossMode");
        const std::size_t arrow = cross.find("->");
        const std::string txPart = cross.substr(0, arrow);
        const std::string rxPart = arrow == std::string::npos ? "?" : cross.substr(arrow + 2);
        const auto side = [](const std::string& part, const char* toneColumn,
                             const char* dcsColumn) -> std::optional<ToneSide> {
            if (part.empty()) {
                return ToneSide{};
            }
            if (part == "Tone" || part == "DTCS") {
                return ToneSide{part == "Tone" ? Kind::Ctcss : Kind::Dcs,
                                part == "Tone" ? toneColumn : dcsColumn};
            }
            return std::nullopt;
        };
        const auto txSide = side(txPart, "rToneFreq", "DtcsCode");
        const auto rxSide = side(rxPart, "cToneFreq", "RxDtcsCode");
        if (!txSide || !rxSide || cross == "->") {
            m_Row.Skip(Quoted("unknown cross mode", cross, "未知的交叉模式 "));
            return false;
        }
        tx = *txSide;
        rx = *rxSide;
    } else if (mode == "TSQL-R" || mode == "DTCS-R") {
        m_Row.Skip(
            {"reverse tone squelch " + mode + " cannot be stored", "无法存储反向静噪 " + mode});
        return false;
    } else if (!mode.empty()) {
        m_Row.Skip(Quoted("unknown tone mode", mode, "未知的信令模式 "));
        return false;
    }
    std::string polarity = "NN";
    if (tx.kind == Kind::Dcs || rx.kind == Kind::Dcs) {
        polarity = Value("DtcsPolarity");
        const bool valid = polarity.size() == 2 && (polarity[0] == 'N' || polarity[0] == 'R') &&
                           (polarity[1] == 'N' || polarity[1] == 'R');
        if (!valid) {
            m_Row.Skip({"DCS polarity " + Csv::Shown(polarity) + " is not NN, NR, RN or RR",
                        "数字亚音极性 " + Csv::Shown(polarity) + " 不是 NN、NR、RN 或 RR"});
            return false;
        }
    }
    const std::optional<std::string> txText = SideText(tx, polarity[0]);
    if (!txText) {
        return false;
    }
    const std::optional<std::string> rxText = SideText(rx, polarity[1]);
    if (!rxText) {
        return false;
    }
    m_Row.record[ColTxTone] = *txText;
    m_Row.record[ColRxTone] = *rxText;
    return true;
}

bool RowMapper::Mode(std::int64_t rxHz) {
    const std::string mode = Value("Mode");
    if (mode == "FM" || mode == "NFM") {
        m_Row.record[ColWidth] = mode == "FM" ? "Wide" : "Narrow";
        return true;
    }
    if (mode == "Auto" && rxHz >= AutoAmBelowHz) {
        m_Row.record[ColWidth] = "Wide";
        m_Row.Change({"mode Auto taken as FM", "模式 Auto 按 FM 导入"});
        return true;
    }
    if (mode == "Auto") {
        m_Row.Skip({"mode Auto means AM below 136 MHz, which cannot be stored",
                    "136 MHz 以下的 Auto 模式即 AM，无法存储"});
        return false;
    }
    m_Row.Skip(
        {"mode " + Csv::Shown(mode) + " cannot be stored", "无法存储模式 " + Csv::Shown(mode)});
    return false;
}

bool RowMapper::Scan() {
    const std::string skip = Value("Skip");
    if (skip == "S") {
        m_Row.record[ColScan] = "No";
        return true;
    }
    if (skip.empty() || skip == "P") {
        m_Row.record[ColScan] = "Yes";
        if (skip == "P") {
            m_Row.Change({"priority scan (P) taken as scanned", "优先扫描 (P) 按扫描导入"});
        }
        return true;
    }
    m_Row.Skip(Quoted("unknown scan value", skip, "未知的扫描值 "));
    return false;
}

bool RowMapper::Power() {
    const std::string text = Value("Power");
    const ChirpFields::Power power = ChirpFields::ParsePower(text);
    if (!power.ok) {
        m_Row.Skip(Quoted("power not understood:", text, "无法识别功率："));
        return false;
    }
    m_Row.record[ColPower] = power.high ? "High" : "Low";
    if (!power.exact) {
        const std::string shown = Csv::Shown(text);
        m_Row.Change(
            power.high ? Note{"power " + shown + " taken as High", "功率 " + shown + " 按“高”导入"}
                       : Note{"power " + shown + " taken as Low", "功率 " + shown + " 按“低”导入"});
    }
    return true;
}

void RowMapper::Name() {
    const std::string given = Value("Name");
    const std::string stored = ChirpFields::RadioName(given);
    m_Row.record[ColName] = stored;
    if (stored != given) {
        const std::string shown = Csv::Shown(given);
        m_Row.Change({"name \"" + shown + "\" stored as \"" + stored + "\"",
                      "名称“" + shown + "”存为“" + stored + "”"});
    }
}

} // namespace

Columns::Columns(const Csv::Record& header) : m_Count(header.fields.size()) {
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        m_Index.emplace(Csv::Trim(header.fields[i]), i);
    }
}

std::string Columns::Value(const Csv::Record& row, const std::string& name) const {
    const auto at = m_Index.find(name);
    if (at != m_Index.end() && at->second < row.fields.size()) {
        return Csv::Trim(row.fields[at->second]);
    }
    // CHIRP copies a lone tone column into the missing one.
    if (name == "rToneFreq" && Has("cToneFreq")) {
        return Value(row, "cToneFreq");
    }
    if (name == "cToneFreq" && Has("rToneFreq")) {
        return Value(row, "rToneFreq");
    }
    const auto fallback = Defaults().find(name);
    return fallback == Defaults().end() ? std::string() : fallback->second;
}

std::optional<Row> Map(const Csv::Record& fields, const Columns& columns, const BandEdges& band) {
    Row row;
    row.line = fields.line;
    const std::string frequency = columns.Value(fields, "Frequency");
    // As the preview shows them: a cell of a megabyte would not help anyone.
    row.frequency = Csv::Shown(frequency);
    row.name = Csv::Shown(columns.Value(fields, "Name"));
    const std::string location = columns.Value(fields, "Location");
    const Frequency rx = ChirpFields::ParseFrequency(frequency);
    bool blank = true;
    for (const std::string& field : fields.fields) {
        blank = blank && Csv::Trim(field).empty();
    }
    if (blank) {
        return std::nullopt;
    }
    if (fields.fields.size() < columns.Count()) {
        row.Skip({"the row has " + std::to_string(fields.fields.size()) + " fields, the header " +
                      std::to_string(columns.Count()),
                  "该行有 " + std::to_string(fields.fields.size()) + " 个字段，表头有 " +
                      std::to_string(columns.Count()) + " 个"});
        return row;
    }
    if (rx.kind == Frequency::Kind::Empty) {
        row.Skip({"no frequency", "没有频率"});
        return row;
    }
    if (rx.kind == Frequency::Kind::Ok && rx.hz == 0) {
        row.Skip({"frequency 0", "频率为 0"});
        return row;
    }
    if (location.size() > 1 && location[0] == '-' && location.size() <= 7 &&
        location.find_first_not_of("0123456789", 1) == std::string::npos) {
        row.Skip(Quoted("Location must be 0 or more, not", location,
                        "Location 必须为 0 或更大，而不是 "));
        return row;
    }
    if (location.empty() || location.size() > 6 ||
        location.find_first_not_of("0123456789") != std::string::npos) {
        row.Skip(Quoted("Location is not a number:", location, "Location 不是编号："));
        return row;
    }
    row.location = std::stoi(location);
    if (rx.kind != Frequency::Kind::Ok) {
        row.Skip(Quoted("frequency is not a frequency:", frequency, "频率无法识别："));
        return row;
    }
    RowMapper mapper(fields, columns, band, row);
    // What no channel can ever hold is named before what this channel file's
    // band or the frequency steps refuse.
    if (mapper.Mode(rx.hz) && mapper.Tones() && mapper.Frequencies(rx.hz) && mapper.Scan() &&
        mapper.Power()) {
        // The columns a CHIRP file does not carry stay blank: a channel that
        // holds data keeps its values, an empty one takes the new-channel
        // defaults (ChannelRules::ApplyRow).
        mapper.Name();
    }
    return row;
}

} // namespace ChirpRow
