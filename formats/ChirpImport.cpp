#include "formats/ChirpImport.h"

#include <map>

#include "formats/ChirpFields.h"
#include "formats/ChirpRow.h"
#include "formats/Csv.h"
#include "image/ImageMap.h"

namespace ChirpImport {
namespace {

using ChannelImport::Note;
using ChannelImport::Row;

bool IsComment(const Csv::Record& record) {
    return !record.fields.empty() && !record.fields[0].empty() && record.fields[0][0] == '#';
}

// The index of the header line among records, or records.size().
std::size_t HeaderIndex(const std::vector<Csv::Record>& records) {
    std::size_t i = 0;
    while (i < records.size() && (IsComment(records[i]) || Csv::IsBlank(records[i]))) {
        ++i;
    }
    return i;
}

bool NamesLocation(const Csv::Record& header) {
    for (const std::string& field : header.fields) {
        if (Csv::Trim(field) == "Location") {
            return true;
        }
    }
    return false;
}

ReadResult Refuse(int line, Note why) {
    ReadResult result;
    result.ok = false;
    result.errorLine = line;
    result.error = std::move(why);
    return result;
}

int LocationOf(const Csv::Record& row, const ChirpRow::Columns& columns) {
    const std::string text = columns.Value(row, "Location");
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    return std::stoi(text);
}

} // namespace

bool LooksLikeChirp(std::string_view csv) {
    const Csv::ParseResult parsed = Csv::Parse(csv);
    const std::size_t header = HeaderIndex(parsed.records);
    return header < parsed.records.size() && NamesLocation(parsed.records[header]);
}

ReadResult Read(std::string_view csv, const BandEdges& band) {
    const Csv::ParseResult parsed = Csv::Parse(csv);
    if (!parsed.ok) {
        const bool unclosed = parsed.error.find("never closed") != std::string::npos;
        return Refuse(parsed.errorLine,
                      {parsed.error, unclosed ? "引号中的字段没有结束" : "结束引号之后还有文字"});
    }
    const std::size_t headerAt = HeaderIndex(parsed.records);
    if (headerAt == parsed.records.size()) {
        return Refuse(0, {"the file has no header line", "文件没有表头行"});
    }
    const Csv::Record& header = parsed.records[headerAt];
    const ChirpRow::Columns columns(header);
    for (const char* required : {"Location", "Frequency"}) {
        if (!columns.Has(required)) {
            return Refuse(header.line, {std::string("the header has no ") + required + " column",
                                        std::string("表头没有 ") + required + " 列"});
        }
    }
    ReadResult result;
    for (std::size_t i = headerAt + 1; i < parsed.records.size(); ++i) {
        const Csv::Record& record = parsed.records[i];
        if (IsComment(record)) {
            continue;
        }
        const int location = LocationOf(record, columns);
        if (location >= 0 && (result.smallestLocation < 0 || location < result.smallestLocation)) {
            result.smallestLocation = location;
        }
        if (auto row = ChirpRow::Map(record, columns, band)) {
            result.rows.push_back(std::move(*row));
        }
    }
    return result;
}

std::vector<Row> Place(const ReadResult& read, ChannelImport::Placement placement) {
    std::vector<Row> rows = read.rows;
    if (!placement.byLocation) {
        int next = placement.start;
        for (Row& row : rows) {
            if (!row.Storable()) {
                continue;
            }
            if (next >= 1 && next <= ImageMap::ChannelCount) {
                row.channel = next++;
            } else {
                row.NotPlaced({"no channel left", "没有剩余的频道"});
            }
        }
        return rows;
    }
    const int shift = read.smallestLocation == 0 ? 1 : 0;
    std::map<int, Row*> byChannel;
    for (Row& row : rows) {
        if (!row.Storable()) {
            continue;
        }
        const int channel = row.location + shift;
        if (channel < 1 || channel > ImageMap::ChannelCount) {
            const std::string where = "Location " + std::to_string(row.location) +
                                      " gives channel " + std::to_string(channel);
            row.NotPlaced({where + ", outside 1-128", "Location " + std::to_string(row.location) +
                                                          " 对应频道 " + std::to_string(channel) +
                                                          "，超出 1-128"});
            continue;
        }
        if (const auto earlier = byChannel.find(channel); earlier != byChannel.end()) {
            const std::string line = std::to_string(row.line);
            earlier->second->NotPlaced({"Location " + std::to_string(row.location) +
                                            " comes again on line " + line + ", which wins",
                                        "Location " + std::to_string(row.location) + " 在第 " +
                                            line + " 行再次出现，以该行为准"});
        }
        row.channel = channel;
        byChannel[channel] = &row;
    }
    return rows;
}

} // namespace ChirpImport
