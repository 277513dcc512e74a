// The run-time language switch, on the frame's side.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "app/AppStartup.h"
#include "commands/LanguageSwitch.h"
#include "commands/MainActions.h"
#include "editor/ChannelTableModel.h"
#include "tests/app/ShellFixture.h"

namespace {

class LanguageSwitchTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeFrame();
    }

    QString FileMenuTitle() const { return frame->FileMenu()->title(); }
    // The channel table's first column title, as a screen reader reads it.
    QString GridTitle() const {
        return view->Model().headerData(0, Qt::Horizontal, Qt::AccessibleTextRole).toString();
    }

};

TEST_F(LanguageSwitchTest, AnsweringNoLeavesEverythingButCommitsTheEditor) {
    prompter.answers = {false};
    EXPECT_FALSE(frame->Language().SwitchLanguage());
    EXPECT_EQ(prompter.questions, QStringList{QStringLiteral("Confirm change language")});
    EXPECT_EQ(bChinese, 0);
    EXPECT_EQ(LanguageName(), QStringLiteral("English"));
    EXPECT_FALSE(profile.IsDirty());
    EXPECT_EQ(FileMenuTitle(), QStringLiteral("&File"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Untitled[*] - Orin Programing Software"));
}

TEST_F(LanguageSwitchTest, SwitchToChineseRelabelsTheFrameAndThenTheView) {
    frame->Actions().switchLanguage->trigger();
    EXPECT_EQ(bChinese, 1);
    EXPECT_EQ(LanguageName(), QStringLiteral("Chinese"));
    EXPECT_EQ(GridTitle(), QStringLiteral("接收频率"));
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(FileMenuTitle(), QStringLiteral("文件(&F)"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("未命名[*] - Orin 写频软件"));
    EXPECT_EQ(frame->Actions().switchLanguage->text(), QStringLiteral("切换到英文"));
    EXPECT_EQ(frame->Actions().fileNew->statusTip(), QStringLiteral("新建一个文档"));
    EXPECT_EQ(frame->Actions().fileNew->toolTip(), QStringLiteral("新建"));
    EXPECT_EQ(frame->IdleLabel()->text(), QStringLiteral("如需帮助，请按 F1"));
}

TEST_F(LanguageSwitchTest, SwitchingBackAsksInChineseAndRestoresEnglish) {
    ASSERT_TRUE(frame->Language().SwitchLanguage());
    ASSERT_TRUE(frame->Language().SwitchLanguage());
    EXPECT_EQ(prompter.questions, (QStringList{QStringLiteral("Confirm change language"),
                                               QStringLiteral(" 请确认是否修改语言")}));
    EXPECT_EQ(bChinese, 0);
    EXPECT_EQ(LanguageName(), QStringLiteral("English"));
    EXPECT_EQ(FileMenuTitle(), QStringLiteral("&File"));
    EXPECT_EQ(frame->Actions().switchLanguage->text(), QStringLiteral("Switch to Chinese"));
    EXPECT_EQ(GridTitle(), QStringLiteral("Rx Frequency"));
}

TEST_F(LanguageSwitchTest, ChoiceIsWrittenForTheNextStart) {
    ASSERT_TRUE(frame->Language().SwitchLanguage());
    EXPECT_EQ(profile.GetValue("MAIN", "LANGUAGE", ""), "Chinese");
    EXPECT_EQ(profile.GetValue("MAIN", "LANGUAGE_FORCE", ""), "1");
    ASSERT_TRUE(profile.Save());

    // The next start on an English system comes up in Chinese.
    ProfileFile next;
    const StartupDecision d = AppStartup::Decide(next, TempPath(QStringLiteral("orinprog")),
                                                 SystemLanguageEnglish, {ModuleDir()});
    EXPECT_EQ(d.language.lang, Lang::Chinese);
    EXPECT_EQ(d.language.languageName, "Chinese");
}

TEST_F(LanguageSwitchTest, MissingChineseModuleIsReportedAndTheViewStillSwitches) {
    // A module folder that has only the English module.
    const QString englishOnly = TempPath(QStringLiteral("english-only"));
    ASSERT_TRUE(QDir().mkpath(englishOnly));
    ASSERT_TRUE(QFile::copy(ModuleDir() + "/English.qm", englishOnly + "/English.qm"));
    frame.reset();
    module = std::make_unique<LanguageModule>(QStringList{englishOnly});
    ASSERT_TRUE(module->Load(QStringLiteral("English")));
    MakeFrame();

    ASSERT_TRUE(frame->Language().SwitchLanguage());
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("Load Dll Resources fail")});
    EXPECT_EQ(bChinese, 1);
    EXPECT_EQ(LanguageName(), QStringLiteral("Chinese"));
    EXPECT_EQ(profile.GetValue("MAIN", "LANGUAGE", ""), "Chinese");
    EXPECT_EQ(GridTitle(), QStringLiteral("接收频率"));
    // The English module is still in force for the menus.
    EXPECT_EQ(FileMenuTitle(), QStringLiteral("&File"));
    EXPECT_TRUE(module->IsLoaded());
}

TEST_F(LanguageSwitchTest, DialogsMadeAfterTheSwitchUseTheNewLanguage) {
    ASSERT_TRUE(frame->Language().SwitchLanguage());
    frame->Actions().appAbout->trigger();
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("关于")});
}

} // namespace
