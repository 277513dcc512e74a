#include "formats/ProfileFile.h"

#include <algorithm>
#include <filesystem>

#include "image/AtomicFileWriter.h"
#include "image/FileContents.h"
#include "image/NativeFile.h"
#include "image/Utf8.h"

namespace {

constexpr const char* Blanks = " \t\r\n\v\f";

std::string Strip(const std::string& text) {
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(Blanks);
    return text.substr(first, last - first + 1);
}

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsCommentKey(const std::string& key) {
    const char c = key[0];
    return c == ';' || c == '/' || c == '\\' || c == '*';
}

// An end-of-line comment in a value: "//", a tab followed by ";", or "/*".
std::string CutComment(std::string value) {
    for (const char* marker : {"//", "\t;", "/*"}) {
        const auto at = value.find(marker);
        if (at != std::string::npos) {
            value.erase(at);
        }
    }
    return value;
}

// A value is written as it is unless it could be read back as something else:
// a line break in it would start a line of its own (a file name with "\n[MAIN]"
// in it must not set the language), blanks at its ends would be stripped and
// comment markers cut. Such a value is written in double quotes, with '%',
// '"', '/' and every control character as %XX; plain values, Windows paths
// with their backslashes included, keep the form older files have.
bool NeedsQuotes(const std::string& value) {
    if (value.empty()) {
        return false;
    }
    const bool bControl = std::any_of(value.begin(), value.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    return bControl || value != Strip(value) || value.front() == '"' || CutComment(value) != value;
}

std::string Quote(const std::string& value) {
    static const char Hex[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '%' || c == '"' || c == '/') {
            quoted += {'%', Hex[byte >> 4], Hex[byte & 15]};
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

bool IsQuoted(const std::string& text) {
    return text.size() >= 2 && text.front() == '"' && text.back() == '"' &&
           text.find('"', 1) == text.size() - 1;
}

int HexDigit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

std::string Unquote(const std::string& text) {
    std::string value;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        const int high = i + 3 < text.size() && text[i] == '%' ? HexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
        if (low >= 0) {
            value += static_cast<char>(high << 4 | low);
            i += 2;
        } else {
            value += text[i];
        }
    }
    return value;
}

} // namespace

ProfileFile::~ProfileFile() {
    if (m_bSaveOnClose) {
        Save();
    }
    Clear();
}

bool ProfileFile::Open(const std::string& directory, const std::string& fileName, bool saveOnClose,
                       bool caseInsensitive) {
    const std::string path =
        directory.empty() ? fileName : Utf8::PathText(Utf8::Path(directory) / Utf8::Path(fileName));
    if (!m_Path.empty()) {
        if (m_bSaveOnClose) {
            Save();
        }
        Clear();
    }
    m_bSaveOnClose = saveOnClose;
    m_bCaseInsensitive = caseInsensitive;

    FileContents file = FileContents::Read(path, MaxSize, FileContents::Excess::Refuse);
    if (file.failure == FileContents::Failure::Missing) {
        // Created exclusively: a link or a file that appears under the name in
        // the meantime is read, never truncated or written through.
        NativeFile created = NativeFile::CreateNew(path);
        if (!created.IsOpen()) {
            file = FileContents::Read(path, MaxSize, FileContents::Excess::Refuse);
        } else {
            file = FileContents{};
        }
    }
    // A folder, pipe or device in the file's place, or a file far larger than
    // any settings file, is not read: the program runs on its defaults.
    if (!file.Ok()) {
        return false;
    }
    m_Path = path;
    LoadText(file.data);
    return true;
}

void ProfileFile::LoadText(std::string_view text) {
    m_Sections.clear();
    m_Sections.push_back(Section{});
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string line = Strip(std::string(text.substr(0, end)));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            // A repeated name starts a second section of that name; lookups
            // only ever find the first.
            m_Sections.push_back(Section{line.substr(1, line.size() - 2), {}, {}});
            continue;
        }
        const auto eq = line.find('=');
        std::string key = Strip(line.substr(0, eq));
        std::string value = eq == std::string::npos ? std::string() : Strip(line.substr(eq + 1));
        if (key.empty() || IsCommentKey(key)) {
            continue;
        }
        m_Sections.back().keys.push_back(std::move(key));
        m_Sections.back().values.push_back(std::move(value));
    }
}

std::string ProfileFile::GetValue(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const {
    const int s = FindSection(section);
    if (s < 0) {
        return defaultValue;
    }
    const Section& sec = m_Sections[s];
    // The last entry of a repeated key wins.
    for (std::size_t i = sec.keys.size(); i-- > 0;) {
        if (Equal(sec.keys[i], key)) {
            const std::string& text = sec.values[i];
            return IsQuoted(text) ? Unquote(text) : CutComment(text);
        }
    }
    return Strip(defaultValue);
}

void ProfileFile::SetValue(const std::string& section, const std::string& key,
                           const std::string& plain) {
    if (m_Path.empty()) {
        return;
    }
    const std::string value = NeedsQuotes(plain) ? Quote(plain) : plain;
    int s = FindSection(section);
    if (s < 0) {
        m_Sections.push_back(Section{section, {}, {}});
        s = static_cast<int>(m_Sections.size()) - 1;
        m_bDirty = true;
    }
    Section& sec = m_Sections[s];
    for (std::size_t i = sec.keys.size(); i-- > 0;) {
        if (Equal(sec.keys[i], key)) {
            // A change of letter case only is no change when names are
            // compared without case, but the new spelling is kept in memory.
            if (!Equal(sec.values[i], value)) {
                m_bDirty = true;
            }
            sec.values[i] = value;
            return;
        }
    }
    sec.keys.push_back(key);
    sec.values.push_back(value);
    m_bDirty = true;
}

bool ProfileFile::Save() {
    if (!m_bDirty) {
        return true;
    }
    if (m_Path.empty()) {
        return false;
    }
    // Never truncate the settings file in place: a failed write must leave
    // the old file whole.
    if (!AtomicFileWriter(m_Path).Write(Text())) {
        return false;
    }
    m_bDirty = false;
    return true;
}

std::string ProfileFile::Text() const {
    std::string text;
    for (std::size_t s = 0; s < m_Sections.size(); ++s) {
        const Section& sec = m_Sections[s];
        if (s > 0) {
            text += "[" + sec.name + "]\n";
        }
        for (std::size_t i = 0; i < sec.keys.size(); ++i) {
            text += sec.keys[i].empty() ? sec.values[i] : sec.keys[i] + "=" + sec.values[i];
            text += '\n';
        }
    }
    return text;
}

int ProfileFile::FindSection(const std::string& name) const {
    for (std::size_t s = 0; s < m_Sections.size(); ++s) {
        if (Equal(m_Sections[s].name, name)) {
            return static_cast<int>(s);
        }
    }
    return -1;
}

bool ProfileFile::Equal(const std::string& a, const std::string& b) const {
    if (!m_bCaseInsensitive) {
        return a == b;
    }
    if (a.size() != b.size()) {
        return false;
    }
    // Bytes of multibyte characters compare exactly; only ASCII letters fold.
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

void ProfileFile::Clear() {
    m_Path.clear();
    m_Sections.clear();
    m_bDirty = false;
}
