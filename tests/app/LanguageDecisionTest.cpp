#include <gtest/gtest.h>

#include "app/LanguageDecision.h"
#include "formats/ProfileFile.h"
#include "support/ScratchDir.h"

namespace {

LanguageChoice Decide(int systemLanguage, const std::string& ini) {
    ScratchDir dir;
    dir.Write("orin.ini", ini);
    ProfileFile profile;
    EXPECT_TRUE(profile.Open(dir.Text(), "orin.ini", false, true));
    return DecideLanguage(systemLanguage, profile);
}

} // namespace

TEST(LanguageDecision, SystemLanguageDecidesWhenNothingIsForced) {
    LanguageChoice c = Decide(SystemLanguageChinese, "");
    EXPECT_EQ(c.lang, Lang::Chinese);
    EXPECT_EQ(c.languageName, "Chinese");
    c = Decide(0x0804, ""); // Chinese (PRC): the primary language is the low 10 bits
    EXPECT_EQ(c.lang, Lang::Chinese);
    c = Decide(SystemLanguageEnglish, "");
    EXPECT_EQ(c.lang, Lang::English);
    EXPECT_EQ(c.languageName, "English");
    c = Decide(7, ""); // German
    EXPECT_EQ(c.lang, Lang::English);
    EXPECT_EQ(c.languageName, "English");
}

TEST(LanguageDecision, ForcedLanguageComparesEnglishWithoutCase) {
    const LanguageChoice c =
        Decide(SystemLanguageChinese, "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=english\n");
    EXPECT_EQ(c.lang, Lang::English);
    EXPECT_EQ(c.languageName, "english");
}

TEST(LanguageDecision, ForcedAnythingButEnglishIsChinese) {
    LanguageChoice c =
        Decide(SystemLanguageEnglish, "[main]\nlanguage_force=1\nLANGUAGE=Klingon\n");
    EXPECT_EQ(c.lang, Lang::Chinese);
    EXPECT_EQ(c.languageName, "Klingon");
    c = Decide(SystemLanguageEnglish, "[MAIN]\nLANGUAGE_FORCE=1\n");
    EXPECT_EQ(c.lang, Lang::Chinese);
    EXPECT_EQ(c.languageName, "");
}

TEST(LanguageDecision, OnlyTheNumberOneForces) {
    for (const char* force : {"2", "yes", "0", "", "01x"}) {
        const std::string ini =
            std::string("[MAIN]\nLANGUAGE_FORCE=") + force + "\nLANGUAGE=Chinese\n";
        const LanguageChoice c = Decide(SystemLanguageEnglish, ini);
        EXPECT_EQ(c.lang == Lang::Chinese, std::string(force) == "01x") << force;
    }
}

TEST(SettingsFileName, IsTheProgramBaseNamePlusIni) {
    EXPECT_EQ(SettingsFileNameFor("C:\\Tools\\OrinProg.exe"), "OrinProg.ini");
    EXPECT_EQ(SettingsFileNameFor("/opt/orin/orinprog.bin  \n"), "orinprog.ini");
    EXPECT_EQ(SettingsFileNameFor("/opt/my.dir/orinprog"), "MAIN.ini");
    EXPECT_EQ(SettingsFileNameFor("orin.prog.exe"), "orin.prog.ini");
    EXPECT_EQ(SettingsFileNameFor(""), "MAIN.ini");
}
