#pragma once

#include <QList>
#include <QObject>

class QAction;

// Every command of the menu bar, toolbar and accelerator table as a QAction,
// carrying its command id. Texts, status prompts and tooltips come from the
// language module and are set again by Retranslate after a language switch.
class MainActions : public QObject {
    Q_OBJECT
public:
    explicit MainActions(QObject* parent);

    QAction* fileNew;
    QAction* fileOpen;
    QAction* fileSave;
    QAction* fileSaveAs;
    QAction* filePrint;
    QAction* filePrintPreview;
    QAction* filePrintSetup;
    QAction* appExit;
    QAction* editUndo; // texts name the step: EditCommands sets them
    QAction* editRedo;
    QAction* optionalFeatures;
    QAction* sideKey;
    QAction* viewToolbar;
    QAction* viewStatusBar;
    QAction* switchLanguage;
    QAction* helpTopics;
    QAction* appAbout;
    QAction* helpContents; // Shift+F1, no menu item

    const QList<QAction*>& All() const { return m_All; }

    void Retranslate();

private:
    QAction* Make(const char* objectName);
    QList<QAction*> m_All;
};
