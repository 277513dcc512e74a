#include "commands/MainActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>

#include "base/ButtonName.h"


namespace {

// Menu text, then the status prompt and the tooltip separated by a line break.
void SetTexts(QAction* action, const QString& text, const QString& promptAndTip) {
    action->setText(text);
    action->setIconText(ButtonName(text));
    const qsizetype cut = promptAndTip.indexOf(QLatin1Char('\n'));
    action->setStatusTip(cut < 0 ? promptAndTip : promptAndTip.left(cut));
    action->setToolTip(cut < 0 ? QString() : promptAndTip.mid(cut + 1));
}

} // namespace

MainActions::MainActions(QObject* parent) : QObject(parent) {
    fileNew = Make("ID_FILE_NEW", Need::NoTransfer);
    fileOpen = Make("ID_FILE_OPEN", Need::NoTransfer);
    fileSave = Make("ID_FILE_SAVE", Need::NoTransfer);
    fileSaveAs = Make("ID_FILE_SAVE_AS", Need::NoTransfer);
    filePrint = Make("ID_FILE_PRINT");
    filePrintPreview = Make("ID_FILE_PRINT_PREVIEW");
    filePrintSetup = Make("ID_FILE_PRINT_SETUP");
    appExit = Make("ID_APP_EXIT");
    editUndo = Make("ID_EDIT_UNDO");
    editRedo = Make("ID_EDIT_REDO");
    optionalFeatures = Make("ID_OPTIONAL_FEATURES", Need::NoTransfer);
    sideKey = Make("ID_SIDE_KEY", Need::NoTransfer);
    viewToolbar = Make("ID_VIEW_TOOLBAR");
    viewStatusBar = Make("ID_VIEW_STATUS_BAR");
    switchLanguage = Make("ID_SWITCH_LANGUAGE", Need::NoTransfer);
    helpTopics = Make("ID_HELP_FINDER");
    appAbout = Make("ID_APP_ABOUT");
    helpContents = Make("ID_HELP_CONTENTS");

    // The keys of the commands; Qt shows them in the menus. No two commands
    // share one (Ctrl+O belongs to Open, not to Optional Features).
    fileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    fileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    fileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    filePrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    editUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    editRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    appExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // F1 opens what the Help menu's first item opens, and the menu says so.
    helpTopics->setShortcut(QKeySequence(Qt::Key_F1));
    helpContents->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    for (QAction* a : m_All) {
        a->setShortcutContext(Qt::WindowShortcut);
    }

    viewToolbar->setCheckable(true);
    viewToolbar->setChecked(true);
    viewStatusBar->setCheckable(true);
    viewStatusBar->setChecked(true);
    Retranslate();
}

QAction* MainActions::Make(const char* objectName, Need need) {
    auto* action = new QAction(this);
    action->setObjectName(QLatin1String(objectName));
    m_All.append(action);
    m_Tagged.append({action, need});
    return action;
}

void MainActions::Add(QAction* action, Need need) {
    m_Tagged.append({action, need});
}

void MainActions::SetTransferRunning(bool running) {
    for (const Tagged& tagged : m_Tagged) {
        if (tagged.need == Need::NoTransfer) {
            tagged.action->setEnabled(!running);
        }
    }
}

void MainActions::Retranslate() {
    SetTexts(fileNew, tr("&New"), tr("Create a new document\nNew"));
    SetTexts(fileOpen, tr("&Open..."), tr("Open an existing document\nOpen"));
    SetTexts(fileSave, tr("&Save"), tr("Save the active document\nSave"));
    SetTexts(fileSaveAs, tr("Save &As..."),
             tr("Save the active document with a new name\nSave As"));
    SetTexts(filePrint, tr("&Print..."), tr("Print the active document\nPrint"));
    SetTexts(filePrintPreview, tr("Print Pre&view"), tr("Display full pages\nPrint Preview"));
    SetTexts(filePrintSetup, tr("P&rint Setup..."),
             tr("Change the printer and printing options\nPrint Setup"));
    SetTexts(appExit, tr("E&xit"), tr("Quit the application\nExit"));
    SetTexts(optionalFeatures, tr("&Optional Features"),
             tr("Set the rest  functional features for the interphone\nOptional Features"));
    SetTexts(sideKey, tr("Side Key"), tr("Set the functions of the two side keys\nSide Key"));
    SetTexts(viewToolbar, tr("&Toolbar"), tr("Show or hide the toolbar\nToggle ToolBar"));
    SetTexts(viewStatusBar, tr("&Status Bar"), tr("Show or hide the status bar\nToggle StatusBar"));
    SetTexts(switchLanguage, tr("Switch to Chinese"),
             tr("Switch the interface language\nSwitch Language"));
    SetTexts(helpTopics, tr("&Help Topics"), tr("List Help topics\nHelp Topics"));
    SetTexts(appAbout, tr("&About Orin..."),
             tr("Display program information, version number and copyright\nAbout"));
    SetTexts(helpContents, tr("Help Contents"), tr("Display the contents of the help\nHelp"));
}
