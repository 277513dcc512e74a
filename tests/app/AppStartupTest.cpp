// Start-up decisions, without a window: settings file, language, module.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/AppStartup.h"
#include "formats/ProfileFile.h"
#include "base/AppLanguage.h"
#include "tests/support/QtPrinters.h"

namespace {

// A program folder with copies of the two built language modules.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        programDir = dir.filePath(QStringLiteral("bin"));
        ASSERT_TRUE(QDir().mkpath(programDir));
        for (const char* lang : {"English", "Chinese"}) {
            const QString name = QStringLiteral("%1.qm").arg(QLatin1String(lang));
            ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/" + name,
                                    programDir + "/" + name));
        }
    }

    StartupDecision Decide(int systemLanguage, const QString& program = "orinprog") {
        ProfileFile profile;
        return AppStartup::Decide(profile, programDir + "/" + program, systemLanguage,
                                  AppStartup::ModuleDirectories(programDir));
    }

    void WriteSettings(const QString& fileName, const QByteArray& text) {
        QFile f(programDir + "/" + fileName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    QTemporaryDir dir;
    QString programDir;
};

TEST_F(StartupTest, ChineseSystemWithoutSettingsFileStartsChineseAndCreatesAnEmptyFile) {
    const StartupDecision d = Decide(SystemLanguageChinese);
    EXPECT_EQ(d.language.lang, Lang::Chinese);
    EXPECT_EQ(d.language.languageName, "Chinese");
    EXPECT_EQ(QFileInfo(d.modulePath).fileName(), QStringLiteral("Chinese.qm"));
    // A program name without an extension uses MAIN.ini.
    EXPECT_EQ(d.settingsFileName, QStringLiteral("MAIN.ini"));
    QFile settings(programDir + "/MAIN.ini");
    ASSERT_TRUE(settings.exists());
    EXPECT_EQ(settings.size(), 0);
}

TEST_F(StartupTest, GermanOrEnglishSystemStartsEnglish) {
    for (int system : {0, SystemLanguageEnglish}) {
        const StartupDecision d = Decide(system);
        EXPECT_EQ(d.language.lang, Lang::English);
        EXPECT_EQ(d.language.languageName, "English");
        EXPECT_EQ(QFileInfo(d.modulePath).fileName(), QStringLiteral("English.qm"));
    }
}

TEST_F(StartupTest, ProgramWithExtensionReadsItsOwnSettingsFile) {
    WriteSettings("orinprog.ini", "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=Chinese\n");
    const StartupDecision d = Decide(SystemLanguageEnglish, "orinprog.exe");
    EXPECT_EQ(d.settingsFileName, QStringLiteral("orinprog.ini"));
    EXPECT_EQ(d.language.lang, Lang::Chinese);
}

TEST_F(StartupTest, ForcedLowerCaseEnglishFindsTheEnglishModule) {
    WriteSettings("MAIN.ini", "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=english\n");
    const StartupDecision d = Decide(SystemLanguageChinese);
    EXPECT_EQ(d.language.lang, Lang::English);
    EXPECT_EQ(d.language.languageName, "english");
    // The module as it is on disk (Windows' file names ignore case anyway).
    EXPECT_TRUE(QFileInfo(d.modulePath).isFile()) << d.modulePath.toStdString();
    EXPECT_EQ(QFileInfo(d.modulePath).fileName().compare("English.qm", Qt::CaseInsensitive), 0);
}

TEST_F(StartupTest, ForcedWithoutLanguageKeyFindsNoModule) {
    WriteSettings("MAIN.ini", "[MAIN]\nLANGUAGE_FORCE=1\n");
    const StartupDecision d = Decide(SystemLanguageEnglish);
    EXPECT_EQ(d.language.lang, Lang::Chinese);
    EXPECT_EQ(d.language.languageName, "");
    EXPECT_TRUE(d.modulePath.isEmpty());
}

TEST_F(StartupTest, ForceValuesOtherThanOneLeaveTheSystemLanguage) {
    for (const char* force : {"2", "yes"}) {
        WriteSettings("MAIN.ini",
                      QByteArray("[MAIN]\nLANGUAGE_FORCE=") + force + "\nLANGUAGE=Chinese\n");
        const StartupDecision d = Decide(SystemLanguageEnglish);
        EXPECT_EQ(d.language.lang, Lang::English) << force;
        EXPECT_EQ(d.language.languageName, "English") << force;
    }
}

TEST_F(StartupTest, MissingModuleIsReportedAsTheEnglishDllMessage) {
    QFile::remove(programDir + "/Chinese.qm");
    const StartupDecision d = Decide(SystemLanguageChinese);
    EXPECT_TRUE(d.modulePath.isEmpty());
    EXPECT_EQ(AppStartup::MissingModuleMessage(),
              QStringLiteral("Load Resource DLL english.dll Fail"));
}

TEST_F(StartupTest, InstalledModulesAreFoundBesideTheInstalledProgram) {
    const QString installed = dir.filePath(QStringLiteral("share/orinprog/translations"));
    ASSERT_TRUE(QDir().mkpath(installed));
    ASSERT_TRUE(QFile::rename(programDir + "/Chinese.qm", installed + "/Chinese.qm"));
    const StartupDecision d = Decide(SystemLanguageChinese);
    EXPECT_EQ(QFileInfo(d.modulePath).absolutePath(), QFileInfo(installed).absoluteFilePath());
}

TEST_F(StartupTest, ApplySetsTheProcessWideLanguage) {
    StartupDecision d;
    d.language = {Lang::Chinese, "Chinese"};
    AppStartup::Apply(d);
    EXPECT_EQ(bChinese, 1);
    EXPECT_EQ(LanguageName(), QStringLiteral("Chinese"));
    d.language = {Lang::English, "English"};
    AppStartup::Apply(d);
    EXPECT_EQ(bChinese, 0);
    EXPECT_EQ(LanguageName(), QStringLiteral("English"));
}

TEST(SystemLanguage, OnlyChineseAndEnglishHaveTheirOwnNumbers) {
    EXPECT_EQ(AppStartup::SystemLanguageOf(QLocale(QLocale::Chinese, QLocale::China)), 4);
    EXPECT_EQ(AppStartup::SystemLanguageOf(QLocale(QLocale::Chinese, QLocale::Taiwan)), 4);
    EXPECT_EQ(AppStartup::SystemLanguageOf(QLocale(QLocale::English, QLocale::UnitedKingdom)), 9);
    EXPECT_EQ(AppStartup::SystemLanguageOf(QLocale(QLocale::German)), 0);
}

} // namespace
