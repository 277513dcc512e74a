#include "app/MainActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QRegularExpression>

#include "app/CommandIds.h"

namespace {

// Menu text, then the status prompt and the tooltip separated by a line break.
void SetTexts(QAction* action, const QString& text, const QString& promptAndTip) {
    action->setText(text);
    action->setIconText(MainActions::ButtonName(text));
    const qsizetype cut = promptAndTip.indexOf(QLatin1Char('\n'));
    action->setStatusTip(cut < 0 ? promptAndTip : promptAndTip.left(cut));
    action->setToolTip(cut < 0 ? QString() : promptAndTip.mid(cut + 1));
}

} // namespace

MainActions::MainActions(QObject* parent) : QObject(parent) {
    fileNew = Make(CommandId::FileNew, "ID_FILE_NEW");
    fileOpen = Make(CommandId::FileOpen, "ID_FILE_OPEN");
    fileSave = Make(CommandId::FileSave, "ID_FILE_SAVE");
    fileSaveAs = Make(CommandId::FileSaveAs, "ID_FILE_SAVE_AS");
    filePrint = Make(CommandId::FilePrint, "ID_FILE_PRINT");
    filePrintPreview = Make(CommandId::FilePrintPreview, "ID_FILE_PRINT_PREVIEW");
    filePrintSetup = Make(CommandId::FilePrintSetup, "ID_FILE_PRINT_SETUP");
    appExit = Make(CommandId::AppExit, "ID_APP_EXIT");
    editUndo = Make(CommandId::EditUndo, "ID_EDIT_UNDO");
    editRedo = Make(CommandId::EditRedo, "ID_EDIT_REDO");
    optionalFeatures = Make(CommandId::OptionalFeatures, "ID_OPTIONAL_FEATURES");
    sideKey = Make(CommandId::SideKey, "ID_SIDE_KEY");
    viewToolbar = Make(CommandId::ViewToolbar, "ID_VIEW_TOOLBAR");
    viewStatusBar = Make(CommandId::ViewStatusBar, "ID_VIEW_STATUS_BAR");
    switchLanguage = Make(CommandId::SwitchLanguage, "ID_SWITCH_LANGUAGE");
    helpTopics = Make(CommandId::HelpFinder, "ID_HELP_FINDER");
    appAbout = Make(CommandId::AppAbout, "ID_APP_ABOUT");
    helpContents = Make(CommandId::HelpContents, "ID_HELP_CONTENTS");

    // Every key the menus name is bound, and no menu names a key that does
    // something else (Ctrl+O belongs to Open, not to Optional Features).
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

QAction* MainActions::Make(int commandId, const char* objectName) {
    auto* action = new QAction(this);
    action->setData(commandId);
    action->setObjectName(QLatin1String(objectName));
    m_All.append(action);
    return action;
}

QString MainActions::ButtonName(const QString& menuText) {
    QString name = menuText.section(QLatin1Char('\t'), 0, 0);
    // "读取(&R)" and "&Read": the mnemonic belongs to the menu only.
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
    name.remove(mnemonic);
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    name.remove(QLatin1Char('&'));
    name.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    for (const QString& dots : {QStringLiteral("..."), QStringLiteral("…")}) {
        if (name.endsWith(dots)) {
            name.chop(dots.size());
        }
    }
    return name.trimmed();
}

void MainActions::Retranslate() {
    SetTexts(fileNew, tr("&New\tCtrl+N"), tr("Create a new document\nNew"));
    SetTexts(fileOpen, tr("&Open...\tCtrl+O"), tr("Open an existing document\nOpen"));
    SetTexts(fileSave, tr("&Save\tCtrl+S"), tr("Save the active document\nSave"));
    SetTexts(fileSaveAs, tr("Save &As..."),
             tr("Save the active document with a new name\nSave As"));
    SetTexts(filePrint, tr("&Print...\tCtrl+P"), tr("Print the active document\nPrint"));
    SetTexts(filePrintPreview, tr("Print Pre&view"), tr("Display full pages\nPrint Preview"));
    SetTexts(filePrintSetup, tr("P&rint Setup..."),
             tr("Change the printer and printing options\nPrint Setup"));
    SetTexts(appExit, tr("E&xit\tCtrl+Q"), tr("Quit the application\nExit"));
    SetTexts(optionalFeatures, tr("&Optional Features"),
             tr("Set the rest  functional features for the interphone\nOptional Features"));
    SetTexts(sideKey, tr("Side Key"), tr("Set the functions of the two side keys\nSide Key"));
    SetTexts(viewToolbar, tr("&Toolbar"), tr("Show or hide the toolbar\nToggle ToolBar"));
    SetTexts(viewStatusBar, tr("&Status Bar"), tr("Show or hide the status bar\nToggle StatusBar"));
    SetTexts(switchLanguage, tr("Switch to Chinese"),
             tr("Switch the interface language\nSwitch Language"));
    SetTexts(helpTopics, tr("&Help Topics\tF1"), tr("List Help topics\nHelp Topics"));
    SetTexts(appAbout, tr("&About Orin..."),
             tr("Display program information, version number and copyright\nAbout"));
    SetTexts(helpContents, tr("Help Contents"), tr("Display the contents of the help\nHelp"));
}
