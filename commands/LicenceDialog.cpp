#include "commands/LicenceDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/AppLanguage.h"

LicenceDialog::LicenceDialog(const std::string& licence, ImageSource image, Repairer repair,
                             QWidget* parent)
    : QDialog(parent), m_Image(std::move(image)), m_Repair(std::move(repair)),
      m_Licence(new QComboBox(this)), m_List(new QListWidget(this)),
      m_NotesLabel(new QLabel(tr("&Notes (the buttons change nothing here):"), this)),
      m_Notes(new QListWidget(this)), m_Summary(new QLabel(this)),
      m_ReceiveOnly(new QPushButton(tr("Make these receive only"), this)),
      m_Narrow(new QPushButton(tr("Set these to narrow"), this)) {
    setObjectName(QStringLiteral("LicenceDialog"));
    setWindowTitle(tr("Check Channels Against Licence"));
    m_Licence->addItem(tr("None"), QString());
    for (const ChannelPlan& plan : AllPlans()) {
        m_Licence->addItem(Tr(plan.title), QString::fromLatin1(plan.key));
    }
    m_Licence->setCurrentIndex(std::max(0, m_Licence->findData(QString::fromStdString(licence))));
    m_Licence->setAccessibleName(tr("Licence"));
    m_List->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_List->setAccessibleName(tr("Channels outside the licence"));
    m_Notes->setSelectionMode(QAbstractItemView::NoSelection);
    m_Notes->setAccessibleName(tr("Notes, not repaired"));
    m_NotesLabel->setBuddy(m_Notes);
    m_Summary->setWordWrap(true);
    m_Summary->setAccessibleName(tr("Result of the check"));
    m_ReceiveOnly->setAccessibleName(m_ReceiveOnly->text());
    m_Narrow->setAccessibleName(m_Narrow->text());
    auto* note = new QLabel(tr("The check is a help, not legal advice: the radio's watts, "
                               "antenna and approval are not in its memory."),
                            this);
    note->setWordWrap(true);
    note->setAccessibleName(tr("Limits of the check"));

    auto* form = new QFormLayout;
    auto* licenceLabel = new QLabel(tr("&Licence:"), this);
    licenceLabel->setBuddy(m_Licence);
    form->addRow(licenceLabel, m_Licence);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_ReceiveOnly, QDialogButtonBox::ActionRole);
    buttons->addButton(m_Narrow, QDialogButtonBox::ActionRole);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    buttons->button(QDialogButtonBox::Close)->setDefault(true); // Enter never repairs by surprise
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_List, 2);
    layout->addWidget(m_NotesLabel);
    layout->addWidget(m_Notes, 1);
    layout->addWidget(m_Summary);
    layout->addWidget(note);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_Licence, &QComboBox::currentIndexChanged, this, &LicenceDialog::Refresh);
    connect(m_List, &QListWidget::itemSelectionChanged, this, &LicenceDialog::UpdateButtons);
    for (auto [button, kind] :
         {std::pair{m_ReceiveOnly, Repair::ReceiveOnly}, std::pair{m_Narrow, Repair::Narrow}}) {
        connect(button, &QPushButton::clicked, this, [this, kind = kind] {
            const auto channels =
                SelectedChannels(kind == Repair::ReceiveOnly ? LicenceCheck::Kind::TxOutside
                                                             : LicenceCheck::Kind::Wide);
            if (!channels.empty()) {
                m_Repair(kind, channels);
            }
            Refresh();
        });
    }
    resize(560, 420);
    Refresh();
}

std::string LicenceDialog::Licence() const {
    return m_Licence->currentData().toString().toStdString();
}

std::vector<int> LicenceDialog::SelectedChannels(LicenceCheck::Kind kind) const {
    std::vector<int> channels;
    for (int row = 0; row < m_List->count(); ++row) {
        const LicenceCheck::Finding& f = m_Findings[static_cast<std::size_t>(row)];
        if (m_List->item(row)->isSelected() && f.kind == kind) {
            channels.push_back(f.channel);
        }
    }
    return channels;
}

void LicenceDialog::Refresh() {
    // The buttons follow the selection once the list is whole, so the one
    // just pressed keeps the focus.
    const QSignalBlocker quiet(m_List);
    m_List->clear();
    m_Notes->clear();
    m_Findings.clear();
    m_NotesLabel->hide();
    m_Notes->hide();
    const ChannelPlan* plan = FindPlan(Licence());
    if (!plan) {
        m_Summary->setText(tr("No licence chosen: nothing is checked, and a write is not asked "
                              "about."));
        UpdateButtons();
        return;
    }
    const Lang lang = CurrentLang();
    const std::vector<LicenceCheck::Finding> findings = LicenceCheck::Check(m_Image(), *plan);
    for (const LicenceCheck::Finding& f : findings) {
        const QString text =
            tr("CH %1: %2")
                .arg(f.channel)
                .arg(QString::fromStdString(LicenceCheck::FindingText(f, *plan, lang)));
        if (f.IsNote()) {
            m_Notes->addItem(text);
        } else {
            m_Findings.push_back(f);
            (new QListWidgetItem(text, m_List))->setSelected(true);
        }
    }
    m_NotesLabel->setVisible(m_Notes->count() > 0);
    m_Notes->setVisible(m_Notes->count() > 0);
    m_Summary->setText(QString::fromStdString(
        LicenceCheck::OutsideText(LicenceCheck::ChannelsOutside(findings), *plan, lang)));
    if (m_List->count() > 0) {
        m_List->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    }
    UpdateButtons();
}

void LicenceDialog::UpdateButtons() {
    // What the result says is what a screen reader says of it.
    m_Summary->setAccessibleDescription(m_Summary->text());
    // A button that would change nothing is not offered.
    m_ReceiveOnly->setEnabled(!SelectedChannels(LicenceCheck::Kind::TxOutside).empty());
    m_Narrow->setEnabled(!SelectedChannels(LicenceCheck::Kind::Wide).empty());
}
