#include "fleet/FleetNumbering.h"

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

MemoryImage WithId(const MemoryImage& image, Field field, const std::string& id) {
    MemoryImage copy = image;
    if (field != Field::None) {
        IdField::EncodeId(id, copy, AddressOf(field));
    }
    return copy;
}

} // namespace FleetNumbering
