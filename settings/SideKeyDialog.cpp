#include "settings/SideKeyDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "base/AppLanguage.h"
#include "settings/DialogUnits.h"
#include "settings/OkCancelRow.h"

SideKeyDialog::SideKeyDialog(MemoryImage& image, QWidget* parent)
    : QDialog(parent), m_Image(image), m_Lang(CurrentLang()) {
    setObjectName(QStringLiteral("SideKeyDialog"));
    setWindowTitle(tr("Side Key"));
    setModal(true);

    static const char* const names[SideKeyListCount] = {"Key1Short", "Key1Long", "Key2Short",
                                                        "Key2Long"};
    for (int i = 0; i < SideKeyListCount; ++i) {
        auto* list = new QComboBox(this);
        list->setObjectName(QString::fromLatin1(names[i]));
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        m_Lists[i] = list;
    }

    auto* dialog = new QVBoxLayout(this);
    for (int key = 0; key < 2; ++key) {
        const QString title = key == 0 ? tr("Side Key1") : tr("Side Key2");
        auto* group = new QGroupBox(title, this);
        auto* form = new QFormLayout(group);
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        form->addRow(tr("Short Press"), m_Lists[key * 2]);
        form->addRow(tr("Long Press"), m_Lists[key * 2 + 1]);
        // Named by key and press, so the two "Short Press" lists differ.
        m_Lists[key * 2]->setAccessibleName(tr("%1, %2").arg(title, tr("Short Press")));
        m_Lists[key * 2 + 1]->setAccessibleName(tr("%1, %2").arg(title, tr("Long Press")));
        dialog->addWidget(group);
    }
    dialog->addLayout(MakeOkCancelRow(this));

    // Each list offers only the functions its key and press can have, so the
    // selection is found by name, never by position.
    const auto positions = SideKeyCodec::Open(m_Image, m_Lang);
    for (int i = 0; i < SideKeyListCount; ++i) {
        for (const std::string& name : SideKeyCodec::Entries(static_cast<SideKeyList>(i), m_Lang)) {
            m_Lists[i]->addItem(QString::fromStdString(name));
        }
        m_Lists[i]->setCurrentIndex(positions[i]);
    }
    m_Opened = Texts();
    // The template's size, unless the texts of the language need more.
    resize(sizeHint().expandedTo(DialogUnits(this, 183, 157)));
}

std::array<std::string, SideKeyListCount> SideKeyDialog::Texts() const {
    std::array<std::string, SideKeyListCount> texts;
    for (int i = 0; i < SideKeyListCount; ++i) {
        texts[i] = m_Lists[i]->currentText().toStdString();
    }
    return texts;
}

void SideKeyDialog::accept() {
    SideKeyCodec::Accept(m_Opened, Texts(), m_Lang, m_Image);
    QDialog::accept();
}
