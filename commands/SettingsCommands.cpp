#include "commands/SettingsCommands.h"

#include <QDialog>

#include "base/ModalRunner.h"
#include "document/ChannelDocument.h"
#include "settings/OptionalFeaturesDialog.h"
#include "settings/SideKeyDialog.h"

namespace {

constexpr BiText OptionalFeaturesStep{"Optional Features", "可选功能"};
constexpr BiText SideKeyStep{"Side Key", "侧键"};

// Runs a dialog of type Dialog over the image; OK (and only OK) is a change.
template <typename Dialog> bool RunOver(MemoryImage& image, QWidget* owner) {
    Dialog dialog(image, owner);
    return ModalRunner::Run(dialog) == QDialog::Accepted;
}

} // namespace

SettingsCommands::SettingsCommands(ChannelDocument& doc, QWidget* owner, QObject* parent)
    : QObject(parent), m_Doc(doc), m_Owner(owner) {}

void SettingsCommands::OnOptionalFeatures() {
    m_Doc.flushEdits();
    m_Doc.apply(OptionalFeaturesStep, [this](MemoryImage& image) {
        return RunOver<OptionalFeaturesDialog>(image, m_Owner);
    });
}

void SettingsCommands::OnSideKey() {
    m_Doc.flushEdits();
    m_Doc.apply(
        SideKeyStep, [this](MemoryImage& image) { return RunOver<SideKeyDialog>(image, m_Owner); });
}
