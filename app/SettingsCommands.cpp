#include "app/SettingsCommands.h"

#include "app/ModalRunner.h"
#include "image/CProgramDoc.h"
#include "settings/OptionalFeaturesDialog.h"
#include "settings/SideKeyDialog.h"

SettingsCommands::SettingsCommands(CProgramDoc& doc, QWidget* owner, QObject* parent)
    : QObject(parent), m_Doc(doc), m_Owner(owner) {}

void SettingsCommands::OnOptionalFeatures() {
    OptionalFeaturesDialog dialog(m_Doc.Image(), m_Owner);
    ModalRunner::Run(dialog);
}

void SettingsCommands::OnSideKey() {
    SideKeyDialog dialog(m_Doc.Image(), m_Owner);
    ModalRunner::Run(dialog);
}
