#include "commands/SettingsCommands.h"

#include <QDialog>

#include "base/ModalRunner.h"
#include "document/ChannelDocument.h"
#include "image/CommandTexts.h"
#include "settings/OptionalFeaturesDialog.h"
#include "settings/SideKeyDialog.h"

namespace {

constexpr BiText OptionalFeaturesStep = CommandTexts::Steps::OptionalFeatures;
constexpr BiText SideKeyStep = CommandTexts::Steps::SideKey;

// Runs a dialog of type Dialog over a copy of the image; OK (and only OK)
// makes what it changed one step named step. The dialog runs before the
// change, not inside it.
template <typename Dialog> void RunOver(ChannelDocument& doc, const BiText& step, QWidget* owner) {
    MemoryImage image = doc.settledImage();
    Dialog dialog(image, owner);
    if (ModalRunner::Run(dialog) != QDialog::Accepted) {
        return;
    }
    doc.apply(step, [&image](MemoryImage& target) {
        target = image;
        return true;
    });
}

} // namespace

SettingsCommands::SettingsCommands(ChannelDocument& doc, QWidget* owner, QObject* parent)
    : QObject(parent), m_Doc(doc), m_Owner(owner) {}

void SettingsCommands::OnOptionalFeatures() {
    RunOver<OptionalFeaturesDialog>(m_Doc, OptionalFeaturesStep, m_Owner);
}

void SettingsCommands::OnSideKey() {
    RunOver<SideKeyDialog>(m_Doc, SideKeyStep, m_Owner);
}
