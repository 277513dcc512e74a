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

QStringList MenuTexts(QMenu* menu) {
    return ShownTexts(menu);
}

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

TEST_F(MainWindowTest, MenusHoldTheItemsWithMnemonicsAndTheirKeys) {
    QStringList titles;
    for (QAction* a : frame->menuBar()->actions()) {
        titles.append(a->text());
    }
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Program", "P&ort", "&View", "&Help"}));
    EXPECT_EQ(MenuTexts(frame->FileMenu()),
              (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
                           "&Import Channels...", "&Export Channels...", "-", "&Print...\tCtrl+P",
                           "Print Pre&view", "P&rint Setup...", "-", "E&xit\tCtrl+Q"}));
    EXPECT_EQ(MenuTexts(frame->EditMenu()),
              (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                           "&Paste\tCtrl+V", "C&lear\tDel", "-", "&Insert Empty Channel",
                           "&Delete Channel", "-", "&Move Up\tCtrl+Shift+Up",
                           "Move Do&wn\tCtrl+Shift+Down", "&Sort By Rx Frequency", "-",
                           "Insert C&hannel Plan..."}));
    EXPECT_EQ(MenuTexts(frame->ProgramMenu()), (QStringList{"&Optional Features", "Side Key", "-",
                                                            "Check Channels Against &Licence..."}));
    EXPECT_EQ(MenuTexts(frame->ViewMenu()),
              (QStringList{"&Toolbar", "&Status Bar", "Switch to Chinese"}));
    EXPECT_EQ(MenuTexts(frame->HelpMenu()),
              (QStringList{"&Help Topics\tF1", "-", "&About Orin..."}));
}

TEST_F(MainWindowTest, KeysNoMenuShowsAreBoundTooAndNoTextCarriesAKey) {
    // The menus show each item's keys (above); these have none there.
    MainActions& a = frame->Actions();
    EXPECT_EQ(a.helpContents->shortcut(), QKeySequence(QStringLiteral("Shift+F1")));
    EXPECT_EQ(a.editRedo->shortcuts().value(1), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    // The keys are the actions' own, in either language.
    for (const bool chinese : {false, true}) {
        if (chinese) {
            frame->Language().SwitchLanguage();
        }
        for (QMenu* menu : {frame->FileMenu(), frame->EditMenu(), frame->ProgramMenu(),
                            frame->ViewMenu(), frame->HelpMenu()}) {
            for (QAction* action : menu->actions()) {
                EXPECT_FALSE(action->text().contains(QLatin1Char('\t')))
                    << action->text().toStdString();
            }
        }
    }
}

TEST_F(MainWindowTest, CtrlOOpensTheFileDialogNotOptionalFeatures) {
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(chooserCalls.size(), 1);
    EXPECT_TRUE(chooserCalls.value(0).startsWith(QStringLiteral("open:")));
    EXPECT_TRUE(dialogs.isEmpty());
}

TEST_F(MainWindowTest, ToolbarHoldsFileTransferPrintAndAboutButtons) {
    QList<QAction*> actions = frame->ToolBar()->actions();
    MainActions& a = frame->Actions();
    auto read = std::make_unique<QAction>(QStringLiteral("Read"));
    auto write = std::make_unique<QAction>(QStringLiteral("Write"));
    frame->InstallTransferActions(read.get(), write.get());
    actions = frame->ToolBar()->actions();
    ASSERT_EQ(actions.size(), 9);
    EXPECT_EQ(actions[0], a.fileNew);
    EXPECT_EQ(actions[1], a.fileOpen);
    EXPECT_EQ(actions[2], a.fileSave);
    EXPECT_TRUE(actions[3]->isSeparator());
    EXPECT_EQ(actions[4], read.get());
    EXPECT_EQ(actions[5], write.get());
    EXPECT_TRUE(actions[6]->isSeparator());
    EXPECT_EQ(actions[7], a.filePrint);
    EXPECT_EQ(actions[8], a.appAbout);
    EXPECT_EQ(MenuTexts(frame->ProgramMenu()),
              (QStringList{"Read", "Write", "-", "&Optional Features", "Side Key", "-",
                           "Check Channels Against &Licence..."}));
    for (QAction* button : {a.fileNew, a.fileOpen, a.fileSave, a.filePrint, a.appAbout}) {
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_FALSE(button->toolTip().isEmpty());
    }
    frame.reset(); // before the actions go
}

TEST_F(MainWindowTest, ToolbarButtonsAreNamedWithoutShortcutOrMnemonic) {
    auto read = std::make_unique<QAction>(QStringLiteral("&Read From Radio\tCtrl+R"));
    read->setIconText(ButtonName(read->text()));
    auto write = std::make_unique<QAction>(QStringLiteral("&Write To Radio\tCtrl+W"));
    write->setIconText(ButtonName(write->text()));
    frame->InstallTransferActions(read.get(), write.get());
    QStringList names;
    for (QAction* action : frame->ToolBar()->actions()) {
        if (QWidget* button = frame->ToolBar()->widgetForAction(action); !action->isSeparator()) {
            names << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
        }
    }
    EXPECT_EQ(names, (QStringList{"New", "Open", "Save", "Read From Radio", "Write To Radio",
                                  "Print", "About Orin"}));
    EXPECT_EQ(ButtonName(QStringLiteral("从对讲机读取(&R)\tCtrl+R")),
              QStringLiteral("从对讲机读取"));
    frame.reset(); // before the actions go
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
