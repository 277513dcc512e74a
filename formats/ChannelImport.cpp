#include "formats/ChannelImport.h"

#include <set>
#include <vector>

#include "image/ChannelRules.h"
#include "image/ImageMap.h"

namespace ChannelImport {

void Row::Skip(Note why) {
    status = Status::Skipped;
    notes = {std::move(why)};
    channel = 0;
}

void Row::Change(Note what) {
    if (status == Status::Imported) {
        status = Status::Changed;
    }
    notes.push_back(std::move(what));
}

void Row::NotPlaced(Note why) {
    status = Status::NotPlaced;
    notes.push_back(std::move(why));
    channel = 0;
}

std::string StatusText(Status status, Lang lang) {
    static constexpr BiText Words[] = {{"imported", "已导入"},
                                       {"changed", "已修改"},
                                       {"skipped", "已跳过"},
                                       {"not placed", "未放置"}};
    return Words[static_cast<int>(status)].In(lang);
}

std::string NotesText(const Row& row, Lang lang) {
    std::string text;
    for (const Note& note : row.notes) {
        text += text.empty() ? "" : (lang == Lang::Chinese ? "；" : "; ");
        text += note.In(lang);
    }
    return text;
}

std::string ReportLine(const Row& row, Lang lang) {
    if (row.notes.empty()) {
        return {};
    }
    const bool zh = lang == Lang::Chinese;
    const std::string colon = zh ? "：" : ": ";
    return (zh ? "第 " + std::to_string(row.line) + " 行" : "line " + std::to_string(row.line)) +
           colon + StatusText(row.status, lang) + colon + NotesText(row, lang);
}

int PlacedCount(const std::vector<Row>& rows) {
    int count = 0;
    for (const Row& row : rows) {
        count += row.channel > 0 ? 1 : 0;
    }
    return count;
}

int AdmittedByWidestBand(const std::vector<Row>& rows, const std::vector<Row>& widest) {
    std::set<int> refused;
    for (const Row& row : rows) {
        if (!row.Storable()) {
            refused.insert(row.line);
        }
    }
    int count = 0;
    for (const Row& row : widest) {
        count += row.Storable() && refused.count(row.line) ? 1 : 0;
    }
    return count;
}

bool SaysTheSame(const ChannelRecord& record, const MemoryImage& image, int n) {
    return record == DecodeChannel(image, n, Lang::English) ||
           record == DecodeChannel(image, n, Lang::Chinese);
}

void Apply(const std::vector<Row>& rows, bool emptyOthers, MemoryImage& image) {
    std::vector<bool> filled(ImageMap::ChannelCount, false);
    for (const Row& row : rows) {
        if (row.channel >= 1 && row.channel <= ImageMap::ChannelCount && row.Storable()) {
            ChannelRules::ApplyRow(row.record, row.channel - 1, image);
            filled[row.channel - 1] = true;
        }
    }
    if (emptyOthers) {
        for (int n = 0; n < ImageMap::ChannelCount; ++n) {
            if (!filled[n]) {
                ChannelRules::ApplyRow(ChannelRecord{}, n, image);
            }
        }
    }
}

} // namespace ChannelImport
