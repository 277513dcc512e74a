#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 has them: a field holding a comma, a
// double quote or a line break is quoted, and its quotes are doubled. The same
// rules with a tab in place of the comma are what spreadsheets put on the
// clipboard.
namespace Csv {

// The largest channel list read: far above any real one (128 channels), and a
// guard against reading a huge or endless file into memory.
inline constexpr std::size_t MaxFileBytes = 4 << 20;
// The most rows a channel list may have, for the same reason: each row an
// import reports on costs memory, and a list of short rows could otherwise
// hold a million of them.
inline constexpr int MaxRows = 10000;
// The most fields a record may have: a line of a million commas would
// otherwise cost a hundred megabytes.
inline constexpr std::size_t MaxFields = 1000;

std::string Field(std::string_view text, char separator = ',');
// The fields joined by the separator, ended by a line feed.
std::string Line(const std::vector<std::string>& fields, char separator = ',');

struct Record {
    int line = 0; // line of the file the record starts on, from 1
    std::vector<std::string> fields;
};

// Splits a text into records one at a time, so that a long file never exists
// as records all at once. Accepts LF, CRLF and CR line ends, quoted fields with
// line breaks inside, a UTF-8 byte order mark at the start, and UTF-16 text
// with its byte order mark (turned into UTF-8). A quote that is never closed,
// text after a closing quote, a record of more than MaxFields fields, or a
// file in another encoding that announces
// itself (UTF-32, or UTF-16 that is not well formed) is an error.
class Reader {
public:
    explicit Reader(std::string_view text, char separator = ',');
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // The next record; false at the end of the text or on an error.
    bool Next(Record& record);

    bool Failed() const { return !m_Error.empty(); }
    int ErrorLine() const { return m_ErrorLine; }
    const std::string& Error() const { return m_Error; }
    const std::string& ErrorChinese() const { return m_ErrorChinese; }

private:
    bool Fail(int line, std::string english, std::string chinese);
    bool LineEndAt(std::size_t i) const;
    std::size_t SkipLineEnd(std::size_t i) const;

    std::string m_Decoded; // the text as UTF-8, when it came in UTF-16
    std::string_view m_Text;
    char m_Separator;
    std::size_t m_At = 0;
    int m_Line = 1;
    int m_ErrorLine = 0;
    std::string m_Error;
    std::string m_ErrorChinese;
};

struct ParseResult {
    bool ok = true;
    std::vector<Record> records;
    int errorLine = 0;
    std::string error;
    std::string errorChinese;
};

// Every record of text at once, as Reader splits them.
ParseResult Parse(std::string_view text, char separator = ',');

// text without the blanks and tabs at either end.
std::string Trim(std::string_view text);
// A line with nothing but blanks on it.
bool IsBlank(const Record& record);

// A cell as a message may quote it: control characters and bytes that are not
// UTF-8 written as escapes (\n, \x1B), and anything past 40 characters cut
// off with "...", so that no file can fill a message or a terminal.
std::string Shown(std::string_view cell);

} // namespace Csv
