#include "commands/LanguageSwitch.h"

#include <QCoreApplication>
#include <QEvent>

#include "base/LanguageModule.h"
#include "formats/ProfileFile.h"
#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelTable.h"

namespace {
constexpr BiText ConfirmChange{"Confirm change language", " 请确认是否修改语言"};
} // namespace

LanguageSwitch::LanguageSwitch(const ShellContext& context, QWidget* owner, QObject* parent)
    : QObject(parent), m_Context(context), m_Owner(owner) {}

bool LanguageSwitch::SwitchLanguage() {
    m_Context.editor.Grid()->CommitEditor();
    if (!CurrentPrompter().AskYesNo(m_Owner, Tr(ConfirmChange))) {
        return false;
    }
    bChinese = bChinese ? 0 : 1;
    LanguageName() = bChinese ? QStringLiteral("Chinese") : QStringLiteral("English");
    m_Context.profile.SetValue("MAIN", "LANGUAGE", LanguageName().toStdString());
    m_Context.profile.SetValue("MAIN", "LANGUAGE_FORCE", "1");

    // The new module is loaded before the old one is released; when it is
    // missing the old one keeps the menus readable, and the language the user
    // chose still holds for the view's own texts and for the next start.
    if (!m_Context.languageModule.Load(LanguageName())) {
        CurrentPrompter().ShowMessage(m_Owner, QStringLiteral("Load Dll Resources fail"));
    }
    // Installing a translator only posts the change; menus, title and prompts
    // must read in the new language before this command returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    m_Context.editor.RelabelForLanguage();
    return true;
}
