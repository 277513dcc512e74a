// The main window's command surface.
#include <QAccessible>
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>

#include "commands/AboutDialog.h"
#include "commands/FileCommands.h"
#include "commands/HelpCommands.h"
#include "commands/HelpWindow.h"
#include "commands/LanguageSwitch.h"
#include "base/ButtonName.h"
#include "commands/MainActions.h"
#include "settings/OptionalFeaturesDialog.h"
#include "settings/SideKeyDialog.h"
#include "tests/app/ShellFixture.h"
#include "tests/support/MenuText.h"

namespace {

class MainWindowTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeFrame();
        ChooseFilesByScript();
    }

};

TEST_F(MainWindowTest, WindowIsAtLeast1024By768WithTheProgramTitle) {
    EXPECT_GE(frame->width(), 1024);
    EXPECT_EQ(frame->height(), 768);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Untitled[*] - Orin Programing Software"));
    EXPECT_EQ(frame->centralWidget(), view.get());
}

TEST_F(MainWindowTest, CtrlOOpensTheFileDialogNotOptionalFeatures) {
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(chooserCalls.size(), 1);
    EXPECT_TRUE(chooserCalls.value(0).startsWith(QStringLiteral("open:")));
    EXPECT_TRUE(dialogs.isEmpty());
}

TEST_F(MainWindowTest, StatusBarShowsIdleTextAndPrompts) {
    EXPECT_EQ(frame->IdleLabel()->text(), QStringLiteral("For Help，Please Press F1"));
    EXPECT_EQ(frame->Actions().fileNew->statusTip(), QStringLiteral("Create a new document"));
    EXPECT_EQ(frame->Actions().fileNew->toolTip(), QStringLiteral("New"));
    EXPECT_EQ(frame->Actions().helpTopics->statusTip(), QStringLiteral("List Help topics"));
    EXPECT_EQ(frame->Actions().optionalFeatures->statusTip(),
              QStringLiteral("Set the rest  functional features for the interphone"));
}

TEST_F(MainWindowTest, ViewMenuTogglesToolbarAndStatusBarWithCheckMarks) {
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    MainActions& a = frame->Actions();
    ASSERT_TRUE(a.viewToolbar->isChecked());
    a.viewToolbar->trigger();
    EXPECT_FALSE(frame->ToolBar()->isVisible());
    EXPECT_FALSE(a.viewToolbar->isChecked());
    a.viewToolbar->trigger();
    EXPECT_TRUE(frame->ToolBar()->isVisible());
    EXPECT_TRUE(a.viewToolbar->isChecked());

    a.viewStatusBar->trigger();
    EXPECT_FALSE(frame->statusBar()->isVisible());
    EXPECT_FALSE(a.viewStatusBar->isChecked());
    a.viewStatusBar->trigger();
    EXPECT_TRUE(frame->statusBar()->isVisible());
}

TEST_F(MainWindowTest, HelpTopicsOpensTheIndexOfTheBookOfTheLanguage) {
    frame->Actions().helpTopics->trigger();
    HelpWindow* help = frame->Help().Window();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Book(), QStringLiteral("Orin6140_EN"));
    EXPECT_EQ(help->CurrentTab(), 1);
    EXPECT_TRUE(help->Keywords().contains(QStringLiteral("backups")));
    EXPECT_GE(help->ContentsTree()->topLevelItemCount(), 5);
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Orin-6140D")));

    bChinese = 1;
    frame->Actions().helpContents->trigger(); // Shift+F1
    EXPECT_EQ(help->Book(), QStringLiteral("Orin6140_CH"));
    EXPECT_EQ(help->CurrentTab(), 0);
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("对讲机")));
    EXPECT_TRUE(help->Keywords().contains(QStringLiteral("备份")));
}

TEST_F(MainWindowTest, EveryHelpPageOfBothBooksIsListedAndHasATitle) {
    frame->Actions().helpContents->trigger();
    HelpWindow* help = frame->Help().Window();
    ASSERT_NE(help, nullptr);
    const int english = help->ContentsTree()->topLevelItemCount();
    for (int i = 0; i < english; ++i) {
        EXPECT_FALSE(help->ContentsTree()->topLevelItem(i)->text(0).isEmpty());
    }
    bChinese = 1;
    frame->Actions().helpContents->trigger();
    EXPECT_EQ(help->ContentsTree()->topLevelItemCount(), english);
}

TEST_F(MainWindowTest, AboutShowsVersion700) {
    ModalRunner::Set([this](QDialog& dialog) {
        dialogs.append(dialog.windowTitle());
        auto* version = dialog.findChild<QLabel*>(QStringLiteral("version"));
        EXPECT_NE(version, nullptr);
        if (version) {
            EXPECT_EQ(version->text(), QStringLiteral("Version 7.0.0"));
        }
        return 1;
    });
    frame->Actions().appAbout->trigger();
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("About")});
}

TEST_F(MainWindowTest, SettingsCommandsOpenTheirDialogsOverTheDocument) {
    QStringList kinds;
    ModalRunner::Set([&kinds](QDialog& dialog) {
        kinds.append(QLatin1String(dialog.metaObject()->className()));
        return 0;
    });
    frame->Actions().optionalFeatures->trigger();
    frame->Actions().sideKey->trigger();
    EXPECT_EQ(kinds, (QStringList{"OptionalFeaturesDialog", "SideKeyDialog"}));
}

} // namespace
