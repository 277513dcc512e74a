#include "formats/ChannelClipboard.h"

#include <algorithm>

#include "formats/ChannelCsv.h"
#include "formats/Csv.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"

namespace ChannelClipboard {
namespace {

// "ORINCH", a format version, the channel count, then per channel its slot,
// its name and its scan bit as one byte 0 or 1.
constexpr std::string_view Magic = "ORINCH";
constexpr char Version = 1;
constexpr std::size_t HeaderSize = Magic.size() + 2;
constexpr std::size_t RecordSize = 16 + 8 + 1;

constexpr int TextColumns = RecordTextCount;        // 13: the channel texts alone
constexpr int NumberedColumns = ChannelColumnCount; // 14: the channel number first

// A title line, as a spreadsheet copy of a dump or of the grid brings along.
bool IsTitleLine(const Csv::Record& record) {
    const std::string first = Csv::Trim(record.fields[0]);
    for (int column : {ColChannel, ColRxFrequency}) {
        for (const BiText* titles :
             {ChannelTexts::ColumnTitles, ChannelTexts::SwitchedColumnTitles}) {
            for (Lang lang : {Lang::English, Lang::Chinese}) {
                if (first == Csv::Trim(titles[column].In(lang))) {
                    return true;
                }
            }
        }
    }
    return first == ChannelCsv::Header[ColChannel];
}

} // namespace

std::string PlainText(const MemoryImage& image, const std::vector<int>& channels, Lang lang) {
    std::string text;
    for (int n : channels) {
        const ChannelRecord record = DecodeChannel(image, n, lang);
        std::vector<std::string> fields{std::to_string(n + 1)};
        fields.insert(fields.end(), record.texts.begin(), record.texts.end());
        text += Csv::Line(fields, '\t');
    }
    return text;
}

std::string Payload(const std::vector<RawChannel>& channels) {
    std::string payload(Magic);
    payload += Version;
    payload += static_cast<char>(channels.size());
    for (const RawChannel& channel : channels) {
        payload.append(channel.slot.begin(), channel.slot.end());
        payload.append(channel.name.begin(), channel.name.end());
        payload += static_cast<char>(channel.scan ? 1 : 0);
    }
    return payload;
}

std::optional<std::vector<RawChannel>> ReadPayload(std::string_view payload) {
    if (payload.size() < HeaderSize || payload.substr(0, Magic.size()) != Magic ||
        payload[Magic.size()] != Version) {
        return std::nullopt;
    }
    const auto count = static_cast<std::uint8_t>(payload[Magic.size() + 1]);
    if (count == 0 || count > ImageMap::ChannelCount ||
        payload.size() != HeaderSize + count * RecordSize) {
        return std::nullopt;
    }
    std::vector<RawChannel> channels(count);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(payload.data()) + HeaderSize;
    for (RawChannel& channel : channels) {
        std::copy_n(bytes, channel.slot.size(), channel.slot.begin());
        std::copy_n(bytes + channel.slot.size(), channel.name.size(), channel.name.begin());
        const std::uint8_t scan = bytes[RecordSize - 1];
        if (scan > 1) {
            return std::nullopt;
        }
        channel.scan = scan == 1;
        bytes += RecordSize;
    }
    return channels;
}

PastedText ParseText(std::string_view text, const BandEdges& band) {
    PastedText result;
    const char separator = text.find('\t') != std::string_view::npos ? '\t' : ',';
    const Csv::ParseResult parsed = Csv::Parse(text, separator);
    if (!parsed.ok) {
        result.problems.push_back({parsed.errorLine, 0, -1, parsed.error, "引号使用有误"});
        return result;
    }
    for (const Csv::Record& row : parsed.records) {
        if (Csv::IsBlank(row) || IsTitleLine(row)) {
            continue;
        }
        const int count = static_cast<int>(row.fields.size());
        if (count != TextColumns && count != NumberedColumns) {
            result.problems.push_back({row.line, 0, -1,
                                       "expected 13 or 14 columns, found " + std::to_string(count),
                                       "应有13或14列，实有" + std::to_string(count) + "列"});
            continue;
        }
        const int skipped = count - TextColumns; // the channel number, ignored
        ChannelRecord record;
        for (int column = 1; column <= TextColumns; ++column) {
            record[column] = row.fields[skipped + column - 1];
        }
        // Names are upper-cased as typing and an import do: "rpt 1" comes in as "RPT 1".
        for (char& c : record[ColName]) {
            if (c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 'a' + 'A');
            }
        }
        std::vector<ChannelCsv::Problem> cells;
        ChannelCsv::CheckRecord(record, row.line, band, cells);
        for (ChannelCsv::Problem& cell : cells) {
            result.problems.push_back({cell.line, cell.gridColumn + skipped, cell.gridColumn,
                                       std::move(cell.reason), std::move(cell.reasonChinese)});
        }
        result.records.push_back(std::move(record));
    }
    if (!result.problems.empty()) {
        result.records.clear();
    }
    return result;
}

std::string ProblemsText(const std::vector<PasteProblem>& problems, Lang lang) {
    const bool chinese = lang == Lang::Chinese;
    std::string text =
        chinese ? "未粘贴任何内容，以下内容无效：" : "Nothing was pasted. Not valid:";
    for (const PasteProblem& p : problems) {
        const std::string line = std::to_string(p.line);
        const std::string column = std::to_string(p.textColumn);
        const std::string reason = chinese ? p.reasonChinese : p.reason;
        text += '\n';
        if (p.gridColumn < 0) {
            text += chinese ? "第" + line + "行：" + reason : "line " + line + ": " + reason;
            continue;
        }
        const std::string title = Csv::Trim(ChannelTexts::ColumnTitles[p.gridColumn].In(lang));
        text += chinese ? "第" + line + "行第" + column + "列（" + title + "）：" + reason
                        : "line " + line + ", column " + column + " (" + title + "): " + reason;
    }
    return text;
}

} // namespace ChannelClipboard
