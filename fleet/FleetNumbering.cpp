#include "fleet/FleetNumbering.h"

#include <algorithm>
#include <cstddef>

#include "settings/IdField.h"

namespace FleetNumbering {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

FleetText Quoted(const char* english, const char* chinese, std::string_view value) {
    const std::string v(value);
    return {std::string(english) + " \"" + v + "\"", std::string(chinese) + "“" + v + "”"};
}

} // namespace

std::optional<Field> ParseField(std::string_view name) {
    if (name == "id") {
        return Field::Id;
    }
    if (name == "call-id") {
        return Field::CallId;
    }
    return std::nullopt;
}

SettingsMap::Address AddressOf(Field field) {
    return field == Field::CallId ? SettingsMap::CallId : SettingsMap::OwnId;
}

const char* LabelOf(Field field) {
    return field == Field::CallId ? "Call ID" : "ID";
}

std::string Normalized(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

bool Fits(std::string_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(SettingsMap::IdMaxLength)) {
        return false;
    }
    for (char c : text) {
        if (!IsDigit(c) && !(c >= 'A' && c <= 'Z')) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> Next(std::string_view text) {
    std::string next(text);
    std::size_t i = next.size();
    while (i > 0 && IsDigit(next[i - 1])) {
        if (next[i - 1] != '9') {
            ++next[i - 1];
            return next;
        }
        next[--i] = '0';
    }
    if (i == next.size()) {
        return std::nullopt; // no trailing digit to count
    }
    next.insert(i, 1, '1'); // all 9s: one digit wider
    if (!Fits(next)) {
        return std::nullopt;
    }
    return next;
}

Sequence Ids(std::string_view first, std::size_t count) {
    Sequence out;
    std::string id = Normalized(first);
    if (!Fits(id)) {
        out.error = Quoted("The ID box holds 1 to 8 digits and capital letters; it cannot hold",
                           "ID 栏只能填 1 到 8 位数字和大写字母，无法填入", first);
        return out;
    }
    for (std::size_t n = 0; n < count; ++n) {
        if (n > 0) {
            const std::optional<std::string> next = Next(id);
            if (!next) {
                out.ids.clear();
                out.error = IsDigit(id.back())
                                ? Quoted("The ID box (8 characters) cannot hold the ID after",
                                         "ID 栏（8 个字符）填不下此 ID 之后的 ID：", id)
                                : Quoted("An ID that ends in no digit cannot count up:",
                                         "ID 末尾没有数字，无法递增：", id);
                return out;
            }
            id = *next;
        }
        out.ids.push_back(id);
    }
    return out;
}

Sequence Book::Take(std::size_t count) const {
    const std::size_t reused = std::min(count, again.size());
    Sequence out;
    if (reused < count) {
        out = Ids(next, count - reused);
        if (out.error) {
            return out;
        }
    }
    out.ids.insert(out.ids.begin(), again.begin(), again.begin() + std::ptrdiff_t(reused));
    return out;
}

void Book::Done(const std::vector<std::string>& given, const std::vector<bool>& verified) {
    const std::size_t reused = std::min(given.size(), again.size());
    again.erase(again.begin(), again.begin() + std::ptrdiff_t(reused));
    if (given.size() > reused) {
        // None after the last (the box is full, or no digit counts): the
        // user gives the next one, rather than one given already.
        next = Next(given.back()).value_or(std::string());
    }
    for (std::size_t i = 0; i < given.size() && i < verified.size(); ++i) {
        if (!verified[i]) {
            again.push_back(given[i]);
        }
    }
}

std::string Book::Text() const {
    std::string text = field == Field::None ? "none" : field == Field::Id ? "id" : "call-id";
    text += ' ' + (next.empty() ? std::string("-") : next); // "-": the user gives it
    for (const std::string& id : again) {
        text += ' ' + id;
    }
    return text;
}

std::optional<Book> Book::FromText(std::string_view text) {
    std::vector<std::string> words;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (end > at) {
            words.emplace_back(text.substr(at, end - at));
        }
        at = end + 1;
    }
    Book book;
    const std::optional<Field> field =
        words.empty() || words[0] == "none" ? std::optional<Field>(Field::None)
                                            : ParseField(words[0]);
    if (words.size() < 2 || !field || (words[1] != "-" && !Fits(words[1]))) {
        return std::nullopt;
    }
    book.field = *field;
    book.next = words[1] == "-" ? std::string() : words[1];
    for (std::size_t i = 2; i < words.size(); ++i) {
        if (!Fits(words[i])) {
            return std::nullopt;
        }
        book.again.push_back(words[i]);
    }
    return book;
}

MemoryImage WithId(const MemoryImage& image, Field field, const std::string& id) {
    MemoryImage copy = image;
    if (field != Field::None) {
        IdField::EncodeId(id, copy, AddressOf(field));
    }
    return copy;
}

} // namespace FleetNumbering
