#include "formats/Csv.h"

namespace Csv {

std::string Field(std::string_view text, char separator) {
    const char special[] = {separator, '"', '\r', '\n', '\0'};
    if (text.find_first_of(special) == std::string_view::npos) {
        return std::string(text);
    }
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
    return out;
}

std::string Line(const std::vector<std::string>& fields, char separator) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += separator;
        }
        out += Field(fields[i], separator);
    }
    out += '\n';
    return out;
}

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

bool IsBlank(const Record& record) {
    return record.fields.size() == 1 && Trim(record.fields[0]).empty();
}

ParseResult Parse(std::string_view text, char separator) {
    ParseResult result;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    int line = 1;
    std::size_t i = 0;
    const auto fail = [&](int at, std::string error) {
        result.ok = false;
        result.errorLine = at;
        result.error = std::move(error);
        return result;
    };
    while (i < text.size()) {
        Record record;
        record.line = line;
        std::string field;
        bool endOfRecord = false;
        while (!endOfRecord) {
            if (i < text.size() && text[i] == '"') {
                const int quoteLine = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        return fail(quoteLine, "a quoted field is never closed");
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == '\n') {
                        ++line;
                    }
                    field += text[i++];
                }
                if (i < text.size() && text[i] != separator && text[i] != '\n' &&
                    !(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
                    return fail(line, "text follows a closing quote");
                }
            } else {
                while (i < text.size() && text[i] != separator && text[i] != '\n' &&
                       !(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
                    field += text[i++];
                }
            }
            record.fields.push_back(std::move(field));
            field.clear();
            if (i >= text.size()) {
                endOfRecord = true;
            } else if (text[i] == separator) {
                ++i;
            } else {
                i += text[i] == '\r' ? 2 : 1;
                ++line;
                endOfRecord = true;
            }
        }
        result.records.push_back(std::move(record));
    }
    return result;
}

} // namespace Csv
