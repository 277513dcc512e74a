#pragma once

#include <string>
#include <vector>

#include "image/MemoryImage.h"

// One control of the settings dialogs as it shows on opening: its English
// label and its text (a list's selected entry, empty when none; an edit box's
// text; "on" or "off" for a check box).
struct SettingLine {
    std::string label;
    std::string value;
    bool operator==(const SettingLine&) const = default;
};

// Every control of the Optional Features dialog, then the four side-key lists,
// in dialog order, in English.
std::vector<SettingLine> ListSettings(const MemoryImage& image);
