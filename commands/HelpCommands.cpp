#include "commands/HelpCommands.h"

#include "commands/AboutDialog.h"
#include "commands/HelpWindow.h"
#include "base/ModalRunner.h"
#include "base/AppLanguage.h"

HelpCommands::HelpCommands(QWidget* owner, QObject* parent) : QObject(parent), m_Owner(owner) {}

HelpCommands::~HelpCommands() {
    delete m_Window;
}

QString HelpCommands::HelpFileName() {
    return bChinese ? QStringLiteral("Orin6140_CH") : QStringLiteral("Orin6140_EN");
}

HelpWindow* HelpCommands::OpenBook() {
    if (!m_Window) {
        // A window of its own, not a child of the frame: it stays usable beside
        // the program and is closed by its owner.
        m_Window = new HelpWindow;
    }
    // The language may have been switched since the window was last used.
    if (m_Window->Book() != HelpFileName()) {
        m_Window->LoadBook(HelpFileName());
    }
    m_Window->show();
    m_Window->raise();
    m_Window->activateWindow();
    return m_Window;
}

void HelpCommands::OnHelpTopics() {
    OpenBook()->ShowIndex();
}

void HelpCommands::OnHelpContents() {
    OpenBook()->ShowContents();
}

void HelpCommands::OnAbout() {
    AboutDialog dialog(m_Owner);
    ModalRunner::Run(dialog);
}
