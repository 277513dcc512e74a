#include "fleet/FleetRecord.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>
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

std::string HeaderLine(Lang lang) {
    std::string line = Csv::Line(Header(lang));
    line.pop_back();
    return line;
}

FleetText CannotWrite(const std::string& path, int error) {
    return {"The record " + Utf8::ShownPath(path) +
                " cannot be written: " + NativeFile::Describe(error),
            "无法写入记录 " + Utf8::ShownPath(path) + "：" +
                NativeFile::Describe(error, Lang::Chinese)};
}

// Why the file at path cannot take the record's lines, if it cannot: what a
// save of the user's own file refuses, the same way. target receives the file
// the name leads to.
std::optional<FleetText> Refusal(const std::string& path, NativeFile::Target& target) {
    target = NativeFile::Inspect(path);
    if (target.bForeignLink) {
        return FleetText{"The record " + Utf8::ShownPath(path) +
                             " is a symbolic link that another user made in a shared folder; it "
                             "is not followed.",
                         "记录 " + Utf8::ShownPath(path) +
                             " 是其他用户在共享文件夹中建立的符号链接，不予跟随。"};
    }
    if (target.error != 0) {
        return CannotWrite(path, target.error);
    }
    if (target.kind == NativeFile::Kind::Other) {
        return FleetText{"The record " + Utf8::ShownPath(path) +
                             " is a folder, a device or a pipe, not a file.",
                         "记录 " + Utf8::ShownPath(path) + " 是文件夹、设备或管道，不是普通文件。"};
    }
    if (target.kind == NativeFile::Kind::Regular && !target.bWritable) {
        return FleetText{"The record " + Utf8::ShownPath(path) + " is read-only.",
                         "记录 " + Utf8::ShownPath(path) + " 是只读文件。"};
    }
    return std::nullopt;
}

// Adds lines to the record in one write, after the header when the file is new.
// The radios of one fleet finish on their own threads: one at a time opens,
// writes and closes, so the header stays first and no line is lost even where
// appending is not one indivisible write (Wine puts each write at the size it
// read just before).
bool AddLines(const std::string& path, std::string lines, Lang lang, FleetText& error,
              bool bHeader = false) {
    static std::mutex oneAtATime;
    const std::lock_guard<std::mutex> lock(oneAtATime);
    NativeFile::Target target;
    if (const std::optional<FleetText> refused = Refusal(path, target)) {
        error = *refused;
        return false;
    }
    bool bCreated = false;
    NativeFile file = NativeFile::OpenForAppending(target.path, bCreated);
    if (bCreated || bHeader) {
        lines = Csv::Line(Header(lang)) + lines;
    }
    if (file.IsOpen() && (lines.empty() || file.WriteAll(lines)) && file.Close()) {
        return true;
    }
    error = CannotWrite(path, file.Error());
    return false;
}

// The first line of the file (without its line end), "" for an empty file.
std::optional<std::string> FirstLine(const std::string& path, int& error) {
    NativeFile::Kind kind = NativeFile::Kind::Missing;
    NativeFile file = NativeFile::OpenForReading(path, kind);
    char buffer[1024];
    const long long n = file.IsOpen() ? file.Read(buffer, sizeof buffer) : -1;
    if (n < 0) {
        error = file.Error();
        return std::nullopt;
    }
    std::string line(buffer, static_cast<std::size_t>(n));
    if (line.rfind("\xEF\xBB\xBF", 0) == 0) {
        line.erase(0, 3); // a byte-order mark a spreadsheet may have put there
    }
    line = line.substr(0, line.find('\n'));
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

bool IsChannelFileName(const std::string& path) {
    if (path.size() < 4) {
        return false;
    }
    std::string end = path.substr(path.size() - 4);
    for (char& c : end) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return end == ".sin";
}

} // namespace

bool Append(const std::string& path, const FleetResult& result, Lang lang, FleetText& error) {
    return AddLines(path, Csv::Line(Fields(result, lang)), lang, error);
}

std::optional<Lang> Prepare(const std::string& path, Lang lang, FleetText& error,
                            const std::string& channelFile) {
    std::error_code ignored;
    if (IsChannelFileName(path) ||
        (!channelFile.empty() &&
         std::filesystem::equivalent(Utf8::Path(path), Utf8::Path(channelFile), ignored))) {
        error = {"The record " + Utf8::ShownPath(path) +
                     " is a channel file, not a record; name a .csv file.",
                 "记录 " + Utf8::ShownPath(path) + " 是频道文件，不是记录；请指定一个 .csv 文件。"};
        return std::nullopt;
    }
    NativeFile::Target target;
    if (const std::optional<FleetText> refused = Refusal(path, target)) {
        error = *refused;
        return std::nullopt;
    }
    bool bEmpty = target.kind == NativeFile::Kind::Missing;
    if (!bEmpty) {
        int readError = 0;
        const std::optional<std::string> first = FirstLine(target.path, readError);
        if (!first) {
            error = CannotWrite(path, readError);
            return std::nullopt;
        }
        bEmpty = first->empty();
        if (!bEmpty) {
            for (const Lang kept : {Lang::English, Lang::Chinese}) {
                if (*first == HeaderLine(kept)) {
                    return kept;
                }
            }
            error = {"The file " + Utf8::ShownPath(path) +
                         " is not a record of written radios: its first line is not the "
                         "record's header. It was left as it is.",
                     "文件 " + Utf8::ShownPath(path) +
                         " 不是写入记录：其第一行不是记录的表头。文件保持不变。"};
            return std::nullopt;
        }
    }
    if (!AddLines(path, {}, lang, error, bEmpty)) {
        return std::nullopt;
    }
    return lang;
}

} // namespace FleetRecord
