#include "fleet/FleetRecord.h"

#include <cstdio>
#include <ctime>
#include <mutex>

#include "formats/Csv.h"
#include "image/NativeFile.h"
#include "image/Utf8.h"

namespace FleetRecord {

std::vector<std::string> Header(Lang lang) {
    if (lang == Lang::Chinese) {
        return {"日期时间", "串口", "ID", "机型", "版本", "结果", "秒"};
    }
    return {"date and time", "port", "ID", "model", "version", "result", "seconds"};
}

std::vector<std::string> Fields(const FleetResult& result, Lang lang) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", result.seconds);
    return {result.when,  result.port,    result.id,
            result.model, result.version, result.result.In(lang),
            seconds};
}

std::string Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::string BesideDocument(const std::string& documentPath) {
    const std::size_t folderEnd = documentPath.find_last_of(NativeFile::Separators);
    const std::size_t nameStart = folderEnd == std::string::npos ? 0 : folderEnd + 1;
    std::size_t dot = documentPath.rfind('.');
    if (dot == std::string::npos || dot <= nameStart) {
        dot = documentPath.size();
    }
    return documentPath.substr(0, dot) + "-fleet.csv";
}

namespace {

// Adds lines to the record in one write, after the header when the file is new.
// The radios of one fleet finish on their own threads: one at a time opens,
// writes and closes, so the header stays first and no line is lost even where
// appending is not one indivisible write (Wine puts each write at the size it
// read just before).
bool AddLines(const std::string& path, std::string lines, Lang lang, FleetText& error) {
    static std::mutex oneAtATime;
    const std::lock_guard<std::mutex> lock(oneAtATime);
    bool bCreated = false;
    NativeFile file = NativeFile::OpenForAppending(path, bCreated);
    if (bCreated) {
        lines = Csv::Line(Header(lang)) + lines;
    }
    if (file.IsOpen() && (lines.empty() || file.WriteAll(lines)) && file.Close()) {
        return true;
    }
    const std::string why = NativeFile::Describe(file.Error());
    error = {"The record " + Utf8::ShownPath(path) + " cannot be written: " + why,
             "无法写入记录 " + Utf8::ShownPath(path) + "：" + why};
    return false;
}

} // namespace

bool Append(const std::string& path, const FleetResult& result, Lang lang, FleetText& error) {
    return AddLines(path, Csv::Line(Fields(result, lang)), lang, error);
}

bool Prepare(const std::string& path, Lang lang, FleetText& error) {
    return AddLines(path, {}, lang, error);
}

} // namespace FleetRecord
