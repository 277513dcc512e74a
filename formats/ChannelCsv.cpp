#include "formats/ChannelCsv.h"
#include "image/BandLimits.h"

#include <set>

#include "formats/Csv.h"
#include "image/ChannelCodec.h"
#include "image/ChannelRules.h"
#include "image/ChannelTexts.h"
#include "image/FrequencyCheck.h"
#include "image/ImageMap.h"
#include "image/NameAlphabet.h"
#include "image/ToneTable.h"
#include "image/Utf8.h"

namespace ChannelCsv {
namespace {

constexpr int FieldCount = ChannelColumnCount;

bool IsHeader(const Csv::Record& record) {
    const std::string first = Csv::Trim(record.fields[0]);
    return first == Header[0] || first == ChannelTexts::ColumnTitles[0].chinese;
}

// A header names the columns in dump's order, in English or by the grid's
// Chinese titles; anything else would put texts into the wrong columns.
std::string HeaderProblem(const Csv::Record& record) {
    if (record.fields.size() != static_cast<std::size_t>(FieldCount)) {
        return "the header has " + std::to_string(record.fields.size()) + " columns, not " +
               std::to_string(FieldCount);
    }
    for (int c = 0; c < FieldCount; ++c) {
        const std::string name = Csv::Trim(record.fields[c]);
        if (name != Header[c] && name != Csv::Trim(ChannelTexts::ColumnTitles[c].chinese)) {
            return "column " + std::to_string(c + 1) + " of the header is \"" + Csv::Shown(name) +
                   "\", not \"" + Header[c] + "\"";
        }
    }
    return {};
}

// The channel number: digits only, 1-128.
int ChannelNumber(const std::string& text) {
    const std::string t = Csv::Trim(text);
    if (t.empty() || t.size() > 3 || t.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    const int n = std::stoi(t);
    return n >= 1 && n <= ImageMap::ChannelCount ? n : 0;
}

// A problem of a whole row, or of its channel number.
Problem RowProblem(int line, std::string column, std::string reason) {
    return {line, std::move(column), std::move(reason), -1, {}};
}

// Why a cell was refused, in both interface languages.
struct Reason {
    std::string english;
    std::string chinese;
    bool empty() const { return english.empty(); }
};

Reason FrequencyProblem(FrequencyVerdict verdict, const BandEdges& band) {
    switch (verdict) {
    case FrequencyVerdict::Format:
        return {"not a number, or outside 67-521 MHz", "不是数字，或不在67-521 MHz之内"};
    case FrequencyVerdict::Range: {
        const std::string edges = std::to_string(band.lower) + "-" + std::to_string(band.upper);
        return {"outside the band edges " + edges + " MHz", "超出频段范围" + edges + " MHz"};
    }
    case FrequencyVerdict::Step:
        return {"not a multiple of 6.25, 5 or 2.5 kHz", "不是6.25、5或2.5 kHz的倍数"};
    default:
        return {};
    }
}

// Without the checks a frequency is stored as it reads; a text that reads as
// no frequency at all (9999.99999, inf, a word) would quietly leave the cell
// empty, a receive-only channel, so it is a problem all the same.
Reason UnstorableFrequency(const std::string& text, int column) {
    if (Csv::Trim(text).empty()) {
        return {};
    }
    Channel probe;
    ParseChannelText(probe, column, text);
    if (column == ColRxFrequency ? probe.rxFrequency.has_value() : probe.txFrequency.has_value()) {
        return {};
    }
    const std::string shown = Csv::Shown(text);
    return {"\"" + shown + "\" is no frequency the radio can store (0.00001-999.99999 MHz)",
            "“" + shown + "”不是对讲机能存储的频率（0.00001-999.99999 MHz）"};
}

Reason OptionProblem(const std::string& text, int column) {
    if (text.empty()) {
        return {};
    }
    std::string english;
    std::string chinese;
    for (const BiText& entry : ChannelTexts::EntriesForColumn(column)) {
        if (text == entry.english || text == entry.chinese) {
            return {};
        }
        const bool same = std::string_view(entry.english) == entry.chinese;
        english += english.empty() ? "" : ", ";
        english += entry.english;
        chinese += chinese.empty() ? "" : "、";
        chinese += entry.chinese;
        if (!same) {
            english += std::string(" or ") + entry.chinese;
            chinese += std::string("或") + entry.english;
        }
    }
    if (column == ColScram && IsScramblerOffText(text)) {
        return {}; // also the forms earlier versions wrote for scrambler 0
    }
    const std::string shown = Csv::Shown(text);
    return {"\"" + shown + "\" is not one of: " + english,
            "“" + shown + "”不是以下之一：" + chinese};
}

Reason NameProblem(const std::string& text) {
    const std::u32string chars = Utf8::CodePoints(text);
    if (chars.size() > static_cast<std::size_t>(ImageMap::ChannelNameSize)) {
        return {"longer than 8 characters", "超过8个字符"};
    }
    for (char32_t c : chars) {
        if (NameCharToCode(c) == 0xFF) {
            return {"holds a character outside 0-9, A-Z, \"-\" and space",
                    "含有0-9、A-Z、“-”和空格以外的字符"};
        }
    }
    return {};
}

} // namespace

void CheckRecord(ChannelRecord& record, int line, const BandEdges& band,
                 std::vector<Problem>& problems) {
    const auto report = [&](int column, Reason reason) {
        if (!reason.empty()) {
            problems.push_back({line, Header[column], std::move(reason.english), column,
                                std::move(reason.chinese)});
        }
    };
    for (int column : {ColRxFrequency, ColTxFrequency}) {
        const FrequencyCheckResult r = CheckFrequency(record[column], band.lower, band.upper);
        if (r.verdict == FrequencyVerdict::Accepted) {
            record[column] = r.text;
        } else {
            report(column, FrequencyProblem(r.verdict, band));
        }
    }
    for (int column : {ColRxTone, ColTxTone}) {
        std::string& tone = record[column];
        if (tone.empty()) {
            continue;
        }
        // A tone named numerically ("67", "d23n") is the table's tone, as typed.
        if (const int index = ToneTable::IndexOfNamed(tone); index >= 0) {
            tone = ToneTable::Texts()[static_cast<std::size_t>(index)];
        } else {
            ChannelRules::Outcome why = ChannelRules::ToneRefusal(Csv::Shown(tone));
            report(column, {std::move(why.english), std::move(why.chinese)});
        }
    }
    for (int column = ColWidth; column <= ColScram; ++column) {
        report(column, OptionProblem(record[column], column));
    }
    report(ColName, NameProblem(record[ColName]));
}

std::string Dump(const MemoryImage& image, Lang lang) {
    std::string out = Csv::Line(std::vector<std::string>(std::begin(Header), std::end(Header)));
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        const ChannelRecord record = DecodeChannel(image, n, lang);
        std::vector<std::string> fields{std::to_string(n + 1)};
        fields.insert(fields.end(), record.texts.begin(), record.texts.end());
        out += Csv::Line(fields);
    }
    return out;
}

ImportResult Import(std::string_view csv, MemoryImage& image, bool check) {
    ImportResult result;
    // Records one at a time and only the first problems kept: a file of a
    // million short rows costs no more memory than one of ten.
    const auto add = [&](Problem problem) {
        if (result.problems.size() < MaxListedProblems) {
            result.problems.push_back(std::move(problem));
        } else {
            ++result.unlisted;
        }
    };
    const BandEdges band = DecodeBandLimits(image);
    MemoryImage staged = image;
    std::set<int> seen;
    int channelRows = 0;
    Csv::Reader reader(csv);
    Csv::Record row;
    while (reader.Next(row)) {
        if (Csv::IsBlank(row)) {
            continue;
        }
        if (IsHeader(row)) {
            if (std::string problem = HeaderProblem(row); !problem.empty()) {
                add(RowProblem(row.line, "", std::move(problem)));
            }
            continue;
        }
        ++channelRows;
        if (row.fields.size() != static_cast<std::size_t>(FieldCount)) {
            add(RowProblem(row.line, "",
                           "expected " + std::to_string(FieldCount) + " fields, found " +
                               std::to_string(row.fields.size())));
            continue;
        }
        const int channel = ChannelNumber(row.fields[0]);
        if (channel == 0) {
            add(RowProblem(row.line, Header[0],
                           "\"" + Csv::Shown(row.fields[0]) + "\" is not a channel number 1-128"));
            continue;
        }
        if (!seen.insert(channel).second) {
            add(RowProblem(row.line, Header[0],
                           "channel " + std::to_string(channel) + " is listed twice"));
            continue;
        }
        ChannelRecord record;
        for (int column = 1; column < FieldCount; ++column) {
            record[column] = std::move(row.fields[column]);
        }
        // A row that says what the base holds keeps the base's bytes, and
        // needs no check: a dump imported back changes nothing at all.
        if (ChannelImport::SaysTheSame(record, image, channel - 1)) {
            continue;
        }
        if (check) {
            std::vector<Problem> cells;
            CheckRecord(record, row.line, band, cells);
            for (Problem& cell : cells) {
                add(std::move(cell));
            }
        } else {
            for (int column : {ColRxFrequency, ColTxFrequency}) {
                if (Reason why = UnstorableFrequency(record[column], column); !why.empty()) {
                    add({row.line, Header[column], std::move(why.english), column,
                         std::move(why.chinese)});
                }
            }
        }
        ChannelRules::ApplyRow(record, channel - 1, staged);
        if (const Reason why = NameProblem(record[ColName]);
            !check && !why.empty() && result.notices.size() < MaxListedProblems) {
            const std::string stored = DecodeChannel(staged, channel - 1, Lang::English)[ColName];
            result.notices.push_back(
                {row.line, Header[ColName],
                 "\"" + Csv::Shown(record[ColName]) + "\" " + why.english + "; stored as \"" +
                     stored + "\"",
                 ColName,
                 "“" + Csv::Shown(record[ColName]) + "”" + why.chinese + "；存为“" + stored + "”"});
        }
    }
    if (reader.Failed()) {
        result.problems = {{reader.ErrorLine(), "", reader.Error(), -1, reader.ErrorChinese()}};
        result.unlisted = 0;
    } else if (channelRows == 0 && result.problems.empty()) {
        result.problems.push_back(
            {0, "", "no rows: the file lists no channel", -1, "没有数据行：文件中没有任何频道"});
    }
    result.ok = result.problems.empty();
    if (result.ok) {
        image = staged;
    }
    return result;
}

std::vector<ChannelImport::Row> PreviewRows(std::string_view csv, const MemoryImage& image,
                                            ChannelImport::Note& error) {
    MemoryImage staged = image;
    const ImportResult checked = Import(csv, staged, true);
    std::vector<ChannelImport::Row> rows;
    Csv::Reader reader(csv);
    Csv::Record record;
    while (reader.Next(record)) {
        if (Csv::IsBlank(record) || IsHeader(record)) {
            continue;
        }
        if (rows.size() == static_cast<std::size_t>(Csv::MaxRows)) {
            const std::string most = std::to_string(Csv::MaxRows);
            error = {"the file has more than " + most + " rows, far more than a channel list",
                     "文件超过 " + most + " 行，远多于频道列表"};
            return {};
        }
        ChannelImport::Row row;
        row.line = record.line;
        const bool complete = record.fields.size() == static_cast<std::size_t>(FieldCount);
        row.location = ChannelNumber(record.fields[0]);
        row.channel = row.location > 0 ? row.location : 0;
        row.frequency = record.fields.size() > 1 ? Csv::Shown(record.fields[ColRxFrequency]) : "";
        row.name = complete ? Csv::Shown(record.fields[ColName]) : "";
        for (int column = 1; complete && column < FieldCount; ++column) {
            row.record[column] = record.fields[column];
        }
        for (const Problem& p : checked.problems) {
            if (p.line == row.line) {
                const std::string what = (p.column.empty() ? "" : p.column + ": ") + p.reason;
                ChannelImport::Note note{what, "本行无法导入（" + what + "）"};
                if (row.status == ChannelImport::Status::Skipped) {
                    row.notes.push_back(std::move(note));
                } else {
                    row.Skip(std::move(note));
                }
            }
        }
        rows.push_back(std::move(row));
    }
    if (reader.Failed()) {
        error = {reader.Error(), "CSV 格式错误：" + reader.ErrorChinese()};
        return {};
    }
    for (const Problem& p : checked.problems) {
        // A problem of no channel row (the header's, or no rows at all)
        // refuses the file.
        bool ofARow = false;
        for (const ChannelImport::Row& row : rows) {
            ofARow = ofARow || row.line == p.line;
        }
        if (!ofARow && error.english.empty()) {
            const std::string at = p.line > 0 ? "line " + std::to_string(p.line) + ": " : "";
            const std::string atZh = p.line > 0 ? "第 " + std::to_string(p.line) + " 行：" : "";
            error = {at + p.reason, "CSV 文件有错误（" + atZh +
                                        (p.reasonChinese.empty() ? p.reason : p.reasonChinese) +
                                        "）"};
        }
    }
    if (!checked.ok) {
        for (ChannelImport::Row& row : rows) {
            if (row.status != ChannelImport::Status::Skipped) {
                row.Skip({"other rows of the file have problems, and this file goes in whole",
                          "文件的其他行有错误，此文件只能整体导入"});
            }
        }
    }
    return rows;
}

} // namespace ChannelCsv
