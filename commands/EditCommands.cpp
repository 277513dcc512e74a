#include "commands/EditCommands.h"

#include <QAction>

#include "commands/MainActions.h"
#include "base/AppLanguage.h"
#include "document/ChannelDocument.h"

EditCommands::EditCommands(ChannelDocument& doc, MainActions& actions, QObject* parent)
    : QObject(parent), m_Doc(doc), m_Actions(actions) {
    connect(&doc, &ChannelDocument::historyChanged, this, &EditCommands::Refresh);
}

void EditCommands::OnUndo() {
    if (m_bAllowed) {
        m_Doc.undo();
    }
}

void EditCommands::OnRedo() {
    if (m_bAllowed) {
        m_Doc.redo();
    }
}

void EditCommands::SetAllowed(bool allowed) {
    m_bAllowed = allowed;
    Refresh();
}

void EditCommands::Refresh() {
    const Lang lang = CurrentLang();
    QAction* undo = m_Actions.editUndo;
    QAction* redo = m_Actions.editRedo;
    undo->setText(m_Doc.canUndo() ? tr("&Undo %1").arg(m_Doc.undoName(lang))
                                    : tr("&Undo"));
    redo->setText(m_Doc.canRedo() ? tr("&Redo %1").arg(m_Doc.redoName(lang))
                                    : tr("&Redo"));
    undo->setStatusTip(tr("Undo the last change"));
    undo->setToolTip(tr("Undo"));
    redo->setStatusTip(tr("Redo the last change undone"));
    redo->setToolTip(tr("Redo"));
    undo->setEnabled(m_bAllowed && m_Doc.canUndo());
    redo->setEnabled(m_bAllowed && m_Doc.canRedo());
}
