#pragma once

#include <QList>
#include <QObject>

class QAction;

// Every command of the menu bar, toolbar and accelerator table as a QAction,
// carrying its command id, and the actions of the command groups added to
// them; each is tagged with what it needs. Texts, status prompts and tooltips
// come from the language module and are set again by Retranslate after a
// language switch; keys are the actions' own, and Qt shows them in the menus.
class MainActions : public QObject {
    Q_OBJECT
public:
    // What an action needs to be available.
    enum class Need {
        Nothing,
        // It changes, replaces or reads the whole image: off while a
        // transfer runs.
        NoTransfer,
    };

    explicit MainActions(QObject* parent);

    // An action a command group made, tagged with what it needs.
    void Add(QAction* action, Need need);
    // Every action tagged NoTransfer off while a transfer runs, on after.
    void SetTransferRunning(bool running);

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
    struct Tagged {
        QAction* action;
        Need need;
    };
    QAction* Make(const char* objectName, Need need = Need::Nothing);
    QList<QAction*> m_All;
    QList<Tagged> m_Tagged;
};
