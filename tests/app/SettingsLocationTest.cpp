// Where the settings file is kept: beside the program when it can be kept
// there, else in the user's configuration folder.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/AppStartup.h"
#include "formats/ProfileFile.h"
#include "app/SettingsLocation.h"
#include "tests/support/QtPrinters.h"

namespace {

using Facts = SettingsLocation::Facts;

TEST(SettingsLocationRule, WritableFolderOrWritableFileKeepsTheFileBesideTheProgram) {
    // A build tree or a copy unpacked into the user's own folders.
    EXPECT_TRUE(SettingsLocation::KeepBesideProgram(Facts{true, false, false}));
    EXPECT_TRUE(SettingsLocation::KeepBesideProgram(Facts{true, true, false}));
    // A writable file in a folder the user cannot add files to.
    EXPECT_TRUE(SettingsLocation::KeepBesideProgram(Facts{false, true, false}));
    EXPECT_TRUE(SettingsLocation::KeepBesideProgram(Facts{false, true, true}));
}

TEST(SettingsLocationRule, InstalledProgramKeepsItInTheUsersFolder) {
    EXPECT_FALSE(SettingsLocation::KeepBesideProgram(Facts{false, false, false}));
    // root can write /usr/bin, but a settings file does not belong there.
    EXPECT_FALSE(SettingsLocation::KeepBesideProgram(Facts{true, false, true}));
}

TEST(SettingsLocationRule, SystemFoldersAreMatchedByWholeNamesAndWindowsIgnoresCase) {
    const QStringList linux{QStringLiteral("/usr")};
    EXPECT_TRUE(SettingsLocation::InSystemFolder("/usr/bin", linux, Qt::CaseSensitive));
    EXPECT_FALSE(SettingsLocation::InSystemFolder("/usrlocal/bin", linux, Qt::CaseSensitive));
    EXPECT_FALSE(SettingsLocation::InSystemFolder("/home/u/usr/bin", linux, Qt::CaseSensitive));
    const QStringList windows{QStringLiteral("C:/Program Files/"),
                              QStringLiteral("C:/Program Files (x86)"), QString()};
    EXPECT_TRUE(SettingsLocation::InSystemFolder("c:/program files/OrinProg", windows,
                                                 Qt::CaseInsensitive));
    EXPECT_TRUE(SettingsLocation::InSystemFolder("C:/Program Files (x86)/OrinProg", windows,
                                                 Qt::CaseInsensitive));
    EXPECT_FALSE(SettingsLocation::InSystemFolder("C:/Program Files Extra/OrinProg", windows,
                                                  Qt::CaseInsensitive));
    EXPECT_FALSE(
        SettingsLocation::InSystemFolder("D:/Tools/OrinProg", windows, Qt::CaseInsensitive));
}

TEST(SettingsLocationInspect, SeesAWritableFolderAndAWritableFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Facts facts = SettingsLocation::Inspect(dir.path(), QStringLiteral("MAIN.ini"));
    EXPECT_TRUE(facts.bFolderWritable);
    EXPECT_FALSE(facts.bFileWritable);
    EXPECT_FALSE(facts.bSystemFolder);

    QFile file(dir.filePath(QStringLiteral("MAIN.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(SettingsLocation::Inspect(dir.path(), QStringLiteral("MAIN.ini")).bFileWritable);

    // A folder of that name is no settings file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("other.ini")));
    EXPECT_FALSE(SettingsLocation::Inspect(dir.path(), QStringLiteral("other.ini")).bFileWritable);

    // A folder that is not there cannot take the file.
    EXPECT_FALSE(
        SettingsLocation::Inspect(dir.filePath(QStringLiteral("gone")), QStringLiteral("MAIN.ini"))
            .bFolderWritable);
}

// A folder of the system's program tree that every machine has.
QString SystemProgramFolder() {
#ifdef _WIN32
    return QDir::fromNativeSeparators(qEnvironmentVariable("ProgramFiles")) + "/Common Files";
#else
    return QStringLiteral("/usr/bin");
#endif
}

TEST(SettingsLocationInspect, TheSystemsProgramTreeIsASystemFolder) {
    EXPECT_TRUE(
        SettingsLocation::Inspect(SystemProgramFolder(), QStringLiteral("MAIN.ini")).bSystemFolder);
    // A path that reaches it through "..".
    const QString dotted =
        SystemProgramFolder() + "/../" + QFileInfo(SystemProgramFolder()).fileName();
    EXPECT_TRUE(SettingsLocation::Inspect(dotted, QStringLiteral("MAIN.ini")).bSystemFolder);
}

TEST(SettingsLocationChoose, WithoutAUserFolderTheFileStaysBesideTheProgram) {
    EXPECT_EQ(SettingsLocation::Choose(QStringLiteral("/usr/bin/"), QStringLiteral("MAIN.ini"),
                                       QString()),
              QStringLiteral("/usr/bin"));
}

// Start-up with a user folder at hand: the decision is made once and the
// settings file is opened where it says.
class SettingsPlaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        modules = dir.filePath(QStringLiteral("modules"));
        ASSERT_TRUE(QDir().mkpath(modules));
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/English.qm",
                                modules + "/English.qm"));
        userDir = dir.filePath(QStringLiteral("home/.config/Orin/orinprog"));
    }

    StartupDecision Decide(const QString& programPath, ProfileFile& profile) {
        return AppStartup::Decide(profile, programPath, SystemLanguageEnglish, {modules}, userDir);
    }

    QTemporaryDir dir;
    QString modules;
    QString userDir;
};

TEST_F(SettingsPlaceTest, ProgramInAWritableFolderKeepsItsSettingsBesideItself) {
    ProfileFile profile;
    const StartupDecision d = Decide(dir.filePath(QStringLiteral("orinprog")), profile);
    EXPECT_EQ(d.settingsDirectory, QDir::cleanPath(dir.path()));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("MAIN.ini"))));
    // The user's folder is neither used nor made.
    EXPECT_FALSE(QDir(userDir).exists());
}

TEST_F(SettingsPlaceTest, InstalledProgramMakesTheUsersFolderAndKeepsTheChoiceThere) {
    {
        ProfileFile profile;
        const StartupDecision d = Decide(SystemProgramFolder() + "/orinprog", profile);
        EXPECT_EQ(d.settingsDirectory, QDir::cleanPath(userDir));
        EXPECT_EQ(QString::fromStdString(profile.Path()),
                  QDir::toNativeSeparators(userDir + "/MAIN.ini"));
        profile.SetValue("MAIN", "LANGUAGE_FORCE", "1");
        profile.SetValue("MAIN", "LANGUAGE", "Chinese");
    }
    EXPECT_FALSE(QFile::exists(SystemProgramFolder() + "/MAIN.ini"));
    // The next start finds the choice in the user's file.
    ProfileFile profile;
    const StartupDecision d = Decide(SystemProgramFolder() + "/orinprog", profile);
    EXPECT_EQ(d.language.lang, Lang::Chinese);
    EXPECT_EQ(d.language.languageName, "Chinese");
}

TEST_F(SettingsPlaceTest, UserFolderThatCannotBeMadeLeavesTheDefaults) {
    // A file where the folder should be.
    QFile blocker(dir.filePath(QStringLiteral("home")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ProfileFile profile;
    const StartupDecision d = Decide(SystemProgramFolder() + "/orinprog", profile);
    EXPECT_TRUE(profile.Path().empty());
    EXPECT_EQ(d.settingsNotKept, QDir::toNativeSeparators(userDir + "/MAIN.ini"));
    EXPECT_EQ(d.language.lang, Lang::English);
    EXPECT_EQ(d.language.languageName, "English");
}

TEST_F(SettingsPlaceTest, ProgramInAFolderNamedInChineseKeepsItsSettingsThere) {
    const QString folder = dir.filePath(QStringLiteral("对讲机 工具"));
    ASSERT_TRUE(QDir().mkpath(folder));
    {
        ProfileFile profile;
        const StartupDecision d = Decide(folder + "/orinprog.exe", profile);
        EXPECT_EQ(d.settingsDirectory, QDir::cleanPath(folder));
        EXPECT_EQ(d.settingsNotKept, QString());
        profile.SetValue("MAIN", "LANGUAGE", "Chinese");
    }
    QFile kept(folder + "/orinprog.ini");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "[MAIN]\nLANGUAGE=Chinese\n");
    // Under no other name anywhere.
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("orinprog.ini")});
    EXPECT_FALSE(QDir(userDir).exists());
}

TEST_F(SettingsPlaceTest, SettingsFileThatCannotBeWrittenBesideTheProgramIsKeptInTheUsersFolder) {
    for (const bool bFolder : {false, true}) {
        // A read-only settings file, or a folder in its place.
        QTemporaryDir program;
        const QString beside = program.filePath(QStringLiteral("MAIN.ini"));
        if (bFolder) {
            ASSERT_TRUE(QDir().mkpath(beside));
        } else {
            QFile file(beside);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.close();
            ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::ReadUser));
        }
        ProfileFile profile;
        const StartupDecision d = Decide(program.filePath(QStringLiteral("orinprog")), profile);
        EXPECT_EQ(d.settingsDirectory, QDir::cleanPath(userDir)) << bFolder;
        EXPECT_EQ(QString::fromStdString(profile.Path()),
                  QDir::toNativeSeparators(userDir + "/MAIN.ini"));
        EXPECT_EQ(d.settingsNotKept, QString());
        QFile::setPermissions(beside, QFile::ReadOwner | QFile::WriteOwner);
    }
}

} // namespace
