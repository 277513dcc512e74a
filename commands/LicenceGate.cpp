#include "commands/LicenceGate.h"

#include "formats/ProfileFile.h"
#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "image/CommandTexts.h"
#include "plans/LicenceCheck.h"

namespace {

constexpr const char* Section = "MAIN";
constexpr const char* LicenceKey = "LICENCE";

} // namespace

std::string ChosenLicence(const ProfileFile& profile) {
    const std::string key = profile.GetValue(Section, LicenceKey, "");
    return FindPlan(key) ? key : std::string();
}

void ChooseLicence(ProfileFile& profile, const std::string& key) {
    profile.SetValue(Section, LicenceKey, key);
    profile.Save(); // kept at once, as the port is
}

bool MayWriteUnderLicence(const ProfileFile& profile, const MemoryImage& image, QWidget* owner) {
    const ChannelPlan* plan = FindPlan(ChosenLicence(profile));
    if (!plan) {
        return true;
    }
    const std::vector<int> outside =
        LicenceCheck::ChannelsOutside(LicenceCheck::Check(image, *plan));
    if (outside.empty()) {
        return true;
    }
    return CurrentPrompter().AskProceedOrCancel(
        owner, QString::fromStdString(LicenceCheck::OutsideText(outside, *plan, CurrentLang())),
        Tr(CommandTexts::WriteAnyway));
}
