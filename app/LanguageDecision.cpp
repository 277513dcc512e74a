#include "app/LanguageDecision.h"

#include "formats/ProfileFile.h"
#include "image/TextNumbers.h"

namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](char c) {
            return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

LanguageChoice DecideLanguage(int systemLanguage, const ProfileFile& profile) {
    LanguageChoice choice;
    // Only the primary language counts: Chinese of any region is Chinese.
    if ((systemLanguage & 0x3FF) == SystemLanguageChinese) {
        choice = {Lang::Chinese, "Chinese"};
    } else {
        choice = {Lang::English, "English"};
    }
    if (LeadingInteger(profile.GetValue("MAIN", "LANGUAGE_FORCE", "")) == 1) {
        choice.languageName = profile.GetValue("MAIN", "LANGUAGE", "");
        choice.lang =
            EqualIgnoringCase(choice.languageName, "English") ? Lang::English : Lang::Chinese;
    }
    return choice;
}

std::string SettingsFileNameFor(const std::string& programPath) {
    // The whole path is used, however long: cutting it would name another file.
    std::string name = programPath;
    const auto end = name.find_last_not_of(" \t\r\n\v\f");
    name.erase(end == std::string::npos ? 0 : end + 1);
    const auto slash = name.find_last_of("/\\");
    if (slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    const auto dot = name.rfind('.');
    name = dot == std::string::npos ? std::string("MAIN") : name.substr(0, dot);
    return name + ".ini";
}
