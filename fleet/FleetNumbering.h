#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fleet/FleetText.h"
#include "image/MemoryImage.h"
#include "settings/SettingsMap.h"

// One number per radio in one of the Optional Features ID boxes: the first
// value as the user gives it, then its trailing digits counting up with their
// width kept (A009, A010; 0099, 0100).
namespace FleetNumbering {

enum class Field { None, Id, CallId };

// "id" or "call-id", as orinctl names them.
std::optional<Field> ParseField(std::string_view name);
SettingsMap::Address AddressOf(Field field);
// The box's label in Optional Features.
const char* LabelOf(Field field);

// The value with lower-case letters made capitals, as the box stores them.
std::string Normalized(std::string_view text);
// Whether the box holds text as it is: 1-8 digits and capital letters.
bool Fits(std::string_view text);
// The value after text: its trailing digits plus one, as wide as before or
// one wider when they were all 9s. Nothing when text ends in no digit or the
// next value would be longer than the box.
std::optional<std::string> Next(std::string_view text);

// The IDs of count radios from first (normalized), or why they cannot be
// given: a first value the box cannot hold, one that cannot count up, or a
// last one that would no longer fit.
struct Sequence {
    std::vector<std::string> ids;
    std::optional<FleetText> error;
};
Sequence Ids(std::string_view first, std::size_t count);

// The numbering of one document from run to run: the next new ID, and the IDs
// of radios that did not end verified (failed or stopped), which the next
// radios get again before any new one, so that no ID is lost or given twice.
struct Book {
    Field field = Field::Id;
    std::string next = "1001";
    std::vector<std::string> again; // in the order they are given again

    // The IDs of the next count radios: again first, then new ones from next.
    Sequence Take(std::size_t count) const;
    // After a run of the radios Take gave ids to: the IDs given again are
    // used up, next moves past the new ones, and the IDs of radios not
    // verified are kept to be given again.
    void Done(const std::vector<std::string>& given, const std::vector<bool>& verified);

    // As one line of MAIN.ini, "id 1005 1002 1003", and back; nothing from a
    // line that is no Book.
    std::string Text() const;
    static std::optional<Book> FromText(std::string_view text);
};

// A copy of image with id in the field's box (the image itself is untouched).
MemoryImage WithId(const MemoryImage& image, Field field, const std::string& id);

} // namespace FleetNumbering
