// Start-up of the whole program, up to the shown window.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/AppStartup.h"
#include "shell/MainWindow.h"
#include "app/Application.h"
#include "commands/FileCommands.h"
#include "app/InstallCheck.h"
#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingPrompter.h"

namespace {

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        programDir = dir.filePath(QStringLiteral("bin"));
        ASSERT_TRUE(QDir().mkpath(programDir));
    }
    void TearDown() override {
        bChinese = 0;
        LanguageName() = QStringLiteral("English");
    }

    void CopyModule(const char* language) {
        const QString name = QStringLiteral("%1.qm").arg(QLatin1String(language));
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/" + name,
                                programDir + "/" + name));
    }

    QString Program() const { return programDir + QStringLiteral("/orinprog"); }

    QTemporaryDir dir;
    QString programDir;
    RecordingPrompter prompter;
};

TEST_F(ApplicationTest, MissingLanguageModuleEndsTheProgramWithTheMessage) {
    CopyModule("English");
    Application app;
    EXPECT_FALSE(app.Start({}, Program(), SystemLanguageChinese));
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("Load Resource DLL english.dll Fail")});
    EXPECT_EQ(app.Window(), nullptr);
}

TEST_F(ApplicationTest, CommandLineFileThatCannotBeOpenedEndsTheProgram) {
    CopyModule("English");
    Application app;
    EXPECT_FALSE(app.Start({dir.filePath(QStringLiteral("missing.sin"))}, Program(),
                                  SystemLanguageEnglish));
    EXPECT_EQ(prompter.messages.size(), 1);
}

TEST_F(ApplicationTest, SettingsKeptNowhereAreNamedInTheStatusBar) {
    CopyModule("English");
    // A folder in the settings file's place, and a file where the user's
    // folder would be made.
    ASSERT_TRUE(QDir().mkpath(programDir + "/MAIN.ini"));
    QFile blocker(dir.filePath(QStringLiteral("home")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Application app;
    ASSERT_TRUE(app.Start({}, Program(), SystemLanguageEnglish,
                                 dir.filePath(QStringLiteral("home/orinprog"))));
    EXPECT_EQ(app.Window()->statusBar()->currentMessage(),
              "The settings cannot be kept: \"" +
                  QDir::toNativeSeparators(dir.filePath(QStringLiteral("home/orinprog/MAIN.ini"))) +
                  "\" cannot be written.");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(ApplicationTest, StartsChineseWithTheCommandLineFileAndTheToneTable) {
    CopyModule("Chinese");
    const QString file = dir.filePath(QStringLiteral("radio.sin"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, '\x44'));
    f.close();

    Application app;
    ASSERT_TRUE(app.Start({file}, Program(), SystemLanguageChinese));
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(bChinese, 1);
    ASSERT_NE(app.Window(), nullptr);
    EXPECT_TRUE(app.Window()->isVisible());
    EXPECT_EQ(app.Window()->Files().CurrentPath(), QFileInfo(file).absoluteFilePath());
    EXPECT_TRUE(QFile::exists(programDir + QStringLiteral("/MAIN.ini")));
}

// The check an installed copy runs: its report and its verdict.
TEST_F(ApplicationTest, InstallCheckSwitchesReportsAndWritesTheSettingsFile) {
    CopyModule("English");
    CopyModule("Chinese");
    Application app;
    ASSERT_TRUE(app.Start({}, Program(), SystemLanguageEnglish));
    testing::internal::CaptureStdout();
    const int code = InstallCheck::Run(app);
    const QString report = QString::fromStdString(testing::internal::GetCapturedStdout());
    EXPECT_EQ(code, 0) << report.toStdString();
    const QStringList lines = report.split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("language: English")));
    EXPECT_TRUE(lines.contains(QStringLiteral("switched to: Chinese")));
    EXPECT_TRUE(lines.contains("language module: " + programDir + "/Chinese.qm"));
    EXPECT_TRUE(lines.contains(QStringLiteral("help book: Orin6140_CH")));
    EXPECT_TRUE(
        lines.contains("settings file: " + QDir::toNativeSeparators(programDir + "/MAIN.ini")));
    QFile settings(programDir + QStringLiteral("/MAIN.ini"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("LANGUAGE=Chinese"));
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(&CurrentPrompter(), &prompter);
}

TEST_F(ApplicationTest, InstallCheckFailsWhenTheOtherLanguageModuleIsMissing) {
    CopyModule("English");
    Application app;
    ASSERT_TRUE(app.Start({}, Program(), SystemLanguageEnglish));
    testing::internal::CaptureStdout();
    const int code = InstallCheck::Run(app);
    const std::string report = testing::internal::GetCapturedStdout();
    EXPECT_EQ(code, 1);
    EXPECT_NE(report.find("message: Load Dll Resources fail"), std::string::npos) << report;
}

} // namespace
