#pragma once

#include <QObject>

class ChannelDocument;
class MainActions;

// The Edit menu's commands over the document's history: Undo and Redo, each
// naming the step it would take in the interface language, disabled when
// there is none or while a transfer runs.
class EditCommands : public QObject {
    Q_OBJECT
public:
    EditCommands(ChannelDocument& doc, MainActions& actions, QObject* parent);

    void OnUndo();
    void OnRedo();

    // Texts and states from the history, in the current language.
    void Refresh();
    // False while the image must not change (a transfer runs).
    void SetAllowed(bool allowed);

private:
    ChannelDocument& m_Doc;
    MainActions& m_Actions;
    bool m_bAllowed = true;
};
