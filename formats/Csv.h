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

std::string Field(std::string_view text, char separator = ',');
// The fields joined by the separator, ended by a line feed.
std::string Line(const std::vector<std::string>& fields, char separator = ',');

struct Record {
    int line = 0; // line of the file the record starts on, from 1
    std::vector<std::string> fields;
};

struct ParseResult {
    bool ok = true;
    std::vector<Record> records;
    int errorLine = 0;
    std::string error;
};

// Splits text into records. Accepts LF and CRLF line ends, quoted fields with
// line breaks inside, and a UTF-8 byte order mark at the start. A quote that
// is never closed, or text after a closing quote, is an error.
ParseResult Parse(std::string_view text, char separator = ',');

// text without the blanks and tabs at either end.
std::string Trim(std::string_view text);
// A line with nothing but blanks on it.
bool IsBlank(const Record& record);

} // namespace Csv
