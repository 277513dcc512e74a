#pragma once

#include <string>

#include "base/Lang.h"

class ProfileFile;

// The start-up decision of the interface language.
struct LanguageChoice {
    Lang lang = Lang::English;
    std::string languageName; // also the base name of the language module
};

// systemLanguage: the primary language of the operating system's default
// language (4 = Chinese, 9 = English, anything else counts as English).
LanguageChoice DecideLanguage(int systemLanguage, const ProfileFile& profile);

// The settings file name for a program path: base name without extension plus
// ".ini", or "MAIN.ini" when the program name has no extension.
std::string SettingsFileNameFor(const std::string& programPath);

inline constexpr int SystemLanguageChinese = 4;
inline constexpr int SystemLanguageEnglish = 9;
