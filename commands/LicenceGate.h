#pragma once

#include <string>

class MemoryImage;
class ProfileFile;
class QWidget;

// The licence the user chose in Program > "Check Channels Against Licence…",
// kept in MAIN.ini (written at once); empty when none was chosen.
std::string ChosenLicence(const ProfileFile& profile);
void ChooseLicence(ProfileFile& profile, const std::string& key);

// The check before every write to a radio: with a licence chosen and any
// channel transmitting outside it, lists them and asks "Write anyway" or
// Cancel. True when the write may go on (always, with no licence chosen).
// Every write path calls this with the image it is about to send.
bool MayWriteUnderLicence(const ProfileFile& profile, const MemoryImage& image, QWidget* owner);
