#pragma once

#include <string>

#include "base/Lang.h"

// A text made at run time (a value or a reason put into it) in both
// languages, chosen when it is shown or recorded.
struct FleetText {
    std::string english;
    std::string chinese;
    const std::string& In(Lang lang) const { return lang == Lang::Chinese ? chinese : english; }
    bool operator==(const FleetText&) const = default;
};
