#include "app/EditCommands.h"

#include <QAction>

#include "app/MainActions.h"
#include "base/AppLanguage.h"
#include "base/ViewHooks.h"
#include "base/EditHistory.h"

EditCommands::EditCommands(ViewHooks& view, MainActions& actions, QObject* parent)
    : QObject(parent), m_View(view), m_Actions(actions) {
    connect(&view.History(), &EditHistory::Changed, this, &EditCommands::Refresh);
}

void EditCommands::OnUndo() {
    if (m_bAllowed) {
        m_View.Undo();
    }
}

void EditCommands::OnRedo() {
    if (m_bAllowed) {
        m_View.Redo();
    }
}

void EditCommands::SetAllowed(bool allowed) {
    m_bAllowed = allowed;
    Refresh();
}

void EditCommands::Refresh() {
    const EditHistory& history = m_View.History();
    const Lang lang = CurrentLang();
    QAction* undo = m_Actions.editUndo;
    QAction* redo = m_Actions.editRedo;
    undo->setText(history.CanUndo() ? tr("&Undo %1\tCtrl+Z").arg(history.UndoName(lang))
                                    : tr("&Undo\tCtrl+Z"));
    redo->setText(history.CanRedo() ? tr("&Redo %1\tCtrl+Y").arg(history.RedoName(lang))
                                    : tr("&Redo\tCtrl+Y"));
    undo->setStatusTip(tr("Undo the last change"));
    undo->setToolTip(tr("Undo"));
    redo->setStatusTip(tr("Redo the last change undone"));
    redo->setToolTip(tr("Redo"));
    undo->setEnabled(m_bAllowed && history.CanUndo());
    redo->setEnabled(m_bAllowed && history.CanRedo());
}
