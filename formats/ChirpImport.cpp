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

// Moves reader past comments and blank lines to the header line; false when
// there is none.
bool FindHeader(Csv::Reader& reader, Csv::Record& header) {
    while (reader.Next(header)) {
        if (!IsComment(header) && !Csv::IsBlank(header)) {
            return true;
        }
    }
    return false;
}

// The names the header gives to more than one column, joined by ", ".
std::string RepeatedNames(const Csv::Record& header) {
    std::map<std::string, int> counts;
    for (const std::string& field : header.fields) {
        if (const std::string name = Csv::Trim(field); !name.empty()) {
            ++counts[name];
        }
    }
    std::string names;
    for (const auto& [name, count] : counts) {
        if (count > 1) {
            names += (names.empty() ? "" : ", ") + Csv::Shown(name);
        }
    }
    return names;
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
    Csv::Reader reader(csv);
    Csv::Record header;
    return FindHeader(reader, header) && NamesLocation(header);
}

ReadResult Read(std::string_view csv, const BandEdges& band) {
    // Record by record: only the rows the import reports on are kept.
    Csv::Reader reader(csv);
    Csv::Record header;
    const bool bHeader = FindHeader(reader, header);
    if (reader.Failed()) {
        return Refuse(reader.ErrorLine(), {reader.Error(), reader.ErrorChinese()});
    }
    if (!bHeader) {
        return Refuse(0, {"no rows: the file has no header line and no rows",
                          "没有数据行：文件既没有表头行也没有数据行"});
    }
    const ChirpRow::Columns columns(header);
    for (const char* required : {"Location", "Frequency"}) {
        if (!columns.Has(required)) {
            return Refuse(header.line, {std::string("the header has no ") + required + " column",
                                        std::string("表头没有 ") + required + " 列"});
        }
    }
    if (const std::string repeated = RepeatedNames(header); !repeated.empty()) {
        return Refuse(header.line, {"the header names these columns more than once: " + repeated,
                                    "表头中以下列名出现了不止一次：" + repeated});
    }
    ReadResult result;
    Csv::Record record;
    int rows = 0;
    while (reader.Next(record)) {
        if (IsComment(record) || Csv::IsBlank(record)) {
            continue;
        }
        if (++rows > Csv::MaxRows) {
            const std::string most = std::to_string(Csv::MaxRows);
            return Refuse(record.line,
                          {"the file has more than " + most + " rows, far more than a channel list",
                           "文件超过 " + most + " 行，远多于频道列表"});
        }
        const int location = LocationOf(record, columns);
        if (location >= 0 && (result.smallestLocation < 0 || location < result.smallestLocation)) {
            result.smallestLocation = location;
        }
        if (auto row = ChirpRow::Map(record, columns, band)) {
            result.rows.push_back(std::move(*row));
        }
    }
    if (reader.Failed()) {
        return Refuse(reader.ErrorLine(), {reader.Error(), reader.ErrorChinese()});
    }
    if (result.rows.empty()) {
        return Refuse(header.line, {"no rows: the file has a header line but no rows",
                                    "没有数据行：文件只有表头行"});
    }
    return result;
}

std::vector<Row> Place(ReadResult read, ChannelImport::Placement placement) {
    std::vector<Row> rows = std::move(read.rows);
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
