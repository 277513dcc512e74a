#include "formats/Csv.h"

#include <algorithm>
#include <cstdio>

#include "image/Utf8.h"

namespace Csv {
namespace {

using namespace std::string_view_literals;

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 (without its byte order mark) as UTF-8; false when it is not well
// formed: an odd length or a surrogate without its partner.
bool Utf16ToUtf8(std::string_view bytes, bool bigEndian, std::string& out) {
    if (bytes.size() % 2 != 0) {
        return false;
    }
    out.reserve(bytes.size() / 2 * 3 / 2);
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? a << 8 | b : b << 8 | a);
    };
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xDC00 && c <= 0xDFFF) {
            return false;
        }
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 3 >= bytes.size()) {
                return false;
            }
            const char32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF) {
                return false;
            }
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        AppendUtf8(c, out);
    }
    return true;
}

} // namespace

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

std::string Shown(std::string_view cell) {
    return Utf8::Escaped(cell, 40);
}

Reader::Reader(std::string_view text, char separator) : m_Separator(separator) {
    const auto starts = [&](std::string_view mark) { return text.substr(0, mark.size()) == mark; };
    if (starts("\xFF\xFE\x00\x00"sv) || starts("\x00\x00\xFE\xFF"sv)) {
        Fail(1, "the file is in UTF-32; save it as UTF-8 or UTF-16",
             "文件编码为 UTF-32，请另存为 UTF-8 或 UTF-16");
        return;
    }
    if (starts("\xFF\xFE"sv) || starts("\xFE\xFF"sv)) {
        if (!Utf16ToUtf8(text.substr(2), text[0] == '\xFE', m_Decoded)) {
            m_Decoded.clear();
            Fail(1, "the file begins as UTF-16 but is not well-formed UTF-16",
                 "文件以 UTF-16 开头，但不是有效的 UTF-16");
            return;
        }
        m_Text = m_Decoded;
        return;
    }
    m_Text = starts("\xEF\xBB\xBF"sv) ? text.substr(3) : text;
}

bool Reader::Fail(int line, std::string english, std::string chinese) {
    m_ErrorLine = line;
    m_Error = std::move(english);
    m_ErrorChinese = std::move(chinese);
    m_At = m_Text.size();
    return false;
}

bool Reader::LineEndAt(std::size_t i) const {
    return m_Text[i] == '\n' || m_Text[i] == '\r';
}

std::size_t Reader::SkipLineEnd(std::size_t i) const {
    return m_Text[i] == '\r' && i + 1 < m_Text.size() && m_Text[i + 1] == '\n' ? i + 2 : i + 1;
}

bool Reader::Next(Record& record) {
    record.fields.clear();
    if (Failed() || m_At >= m_Text.size()) {
        return false;
    }
    record.line = m_Line;
    const char stops[] = {m_Separator, '\n', '\r'};
    const std::string_view stop(stops, sizeof stops);
    for (;;) {
        std::string field;
        if (m_At < m_Text.size() && m_Text[m_At] == '"') {
            const int quoteLine = m_Line;
            ++m_At;
            for (;;) {
                if (m_At >= m_Text.size()) {
                    return Fail(quoteLine, "a quoted field is never closed",
                                "引号中的字段没有结束");
                }
                const char c = m_Text[m_At];
                if (c == '"') {
                    if (m_At + 1 < m_Text.size() && m_Text[m_At + 1] == '"') {
                        field += '"';
                        m_At += 2;
                        continue;
                    }
                    ++m_At;
                    break;
                }
                if (LineEndAt(m_At) && SkipLineEnd(m_At) == m_At + 1) {
                    ++m_Line; // LF, CR, or the LF of a CRLF
                }
                field += c;
                ++m_At;
            }
            if (m_At < m_Text.size() && m_Text[m_At] != m_Separator && !LineEndAt(m_At)) {
                return Fail(m_Line, "text follows a closing quote", "结束引号之后还有文字");
            }
        } else {
            const std::size_t end = std::min(m_Text.find_first_of(stop, m_At), m_Text.size());
            field.assign(m_Text.substr(m_At, end - m_At));
            m_At = end;
        }
        if (record.fields.size() == MaxFields) {
            return Fail(record.line,
                        "a line has more than " + std::to_string(MaxFields) + " fields",
                        "某行的字段超过 " + std::to_string(MaxFields) + " 个");
        }
        record.fields.push_back(std::move(field));
        if (m_At >= m_Text.size()) {
            return true;
        }
        if (m_Text[m_At] == m_Separator) {
            ++m_At;
            continue;
        }
        m_At = SkipLineEnd(m_At);
        ++m_Line;
        return true;
    }
}

ParseResult Parse(std::string_view text, char separator) {
    ParseResult result;
    Reader reader(text, separator);
    Record record;
    while (reader.Next(record)) {
        result.records.push_back(std::move(record));
        record = Record{};
    }
    if (reader.Failed()) {
        result.ok = false;
        result.records.clear();
        result.errorLine = reader.ErrorLine();
        result.error = reader.Error();
        result.errorChinese = reader.ErrorChinese();
    }
    return result;
}

} // namespace Csv
