#pragma once

#include <string>
#include <vector>

#include "base/Lang.h"
#include "image/MemoryImage.h"
#include "settings/ListPosition.h"

// What the Optional Features dialog shows: list positions (NoSelection when
// nothing is selected), texts and check states. It is the whole link between
// the dialog and the image, so every byte rule can be checked without a window.
struct OptionalFeaturesState {
    // "Function Set"
    int timeoutPosition = 0; // spin position 0-40; this, not the text, is stored
    std::string timeoutText; // "OFF" or the seconds
    int squelchLevel = NoSelection;
    int languageChoose = NoSelection;
    int voxSwitch = NoSelection;
    int voxGainPosition = NoSelection;
    std::string voxGainText; // the list's edit field; the level is read from it
    int priorityChannel = NoSelection;
    int roger = NoSelection;
    int scramblerActivation = NoSelection;
    bool beep = false;
    bool batterySave = false;

    // " ID" with its "Frequent Mode Option" group
    std::string groupId;
    std::string id;
    std::string callId;
    std::string killId;
    std::string checkId;
    std::string listenId;
    bool beginOfTx = false;
    bool endOfTx = false;
    int optSignal = NoSelection;
    int repeatInvert = NoSelection;

    // Audio levels and switches
    int micGain = NoSelection;
    int audioReceiveGain = NoSelection;
    int modulationGain = NoSelection;
    int audioOutputGain = NoSelection;
    int compander = NoSelection;
    int preDeEmphasis = NoSelection;

    bool operator==(const OptionalFeaturesState&) const = default;
};

// The rules between the settings bytes and the Optional Features dialog.
namespace OptionalFeaturesCodec {

// Entries of the lists whose texts come from the dialog's resources (English
// here; the dialog translates them). Positions are stored, so the order is fixed.
const std::vector<std::string>& SquelchEntries();      // "0" … "9"
const std::vector<std::string>& LanguageEntries();     // "Chinese", "English", "Off"
const std::vector<std::string>& VoxSwitchEntries();    // "On", "Off"
const std::vector<std::string>& RogerEntries();        // "Off", "1" … "10"
const std::vector<std::string>& OptSignalEntries();    // "MSK", "DTMF", "CCIR", "OFF"
const std::vector<std::string>& RepeatInvertEntries(); // "Forward", "Reverse"
const std::vector<std::string>& OffOnEntries();        // "Off", "On": compander, Pre/De-emphasis

// Entries the dialog fills itself when it opens.
std::vector<std::string> VoxGainEntries(Lang lang);   // "Off"/"关", "1" … "9"
std::vector<std::string> PriorityEntries();           // "1" … "128"
std::vector<std::string> ScramblerEntries(Lang lang); // "Off", "On" / "关", "开"
std::vector<std::string> LowGainEntries();            // "0" … "7": MIC, Audio Recieve
std::vector<std::string> HighGainEntries();           // "1" … "7": Modulation, Audio Output

// The time-out timer text for a spin position: "OFF" or steps × 15.
std::string TimeoutText(int steps);

// The dialog's controls as they are on opening over this image.
OptionalFeaturesState Open(const MemoryImage& image, Lang lang);

// Writes into the image (OK) the fields whose control the user changed: shown
// differs from opened, the state the dialog opened with. Every other byte and
// bit stays as found, whatever it holds, so OK without a change writes nothing.
// A list without a selection leaves its field as found, except where no
// selection has a meaning of its own.
void Accept(const OptionalFeaturesState& opened, const OptionalFeaturesState& shown,
            MemoryImage& image);

} // namespace OptionalFeaturesCodec
