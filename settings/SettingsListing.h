#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Lang.h"
#include "image/ImageMap.h"
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

// The dialog a settings field belongs to.
enum class SettingsDialogKind { OptionalFeatures, SideKey };

// One control in one language, with the bits of the image it shows: `mask` of
// each byte from `address` to `address + length - 1`.
struct SettingField {
    SettingsDialogKind dialog;
    BiText label;      // the dialog's label in both languages
    std::string value; // the control's text on opening, in the language asked for
    ImageMap::Address address;
    int length;
    std::uint8_t mask;
};

// Every control of both dialogs, in dialog order, with the values the dialogs
// show in that language ("on"/"off" for a check box in English).
std::vector<SettingField> ListSettingFields(const MemoryImage& image, Lang lang);

// The dialogs' titles.
BiText SettingsDialogTitle(SettingsDialogKind dialog);
