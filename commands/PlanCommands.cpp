#include "commands/PlanCommands.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QInputDialog>
#include <QListView>

#include "commands/LicenceDialog.h"
#include "commands/LicenceGate.h"
#include "base/ModalRunner.h"
#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "document/ChannelDocument.h"
#include "image/BandLimits.h"
#include "image/CommandTexts.h"
#include "plans/PlanInsert.h"

namespace {

constexpr BiText InsertStep = CommandTexts::Steps::InsertChannelPlan;
constexpr BiText ReceiveOnlyStep = CommandTexts::Steps::MakeReceiveOnly;
constexpr BiText NarrowStep = CommandTexts::Steps::SetToNarrow;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

PlanCommands::PlanCommands(ChannelDocument& doc, const QAbstractItemView& grid,
                           ProfileFile& profile, QWidget* owner)
    : QObject(owner), m_Doc(doc), m_Grid(grid), m_Profile(profile), m_Owner(owner), m_Insert(new QAction(this)),
      m_Check(new QAction(this)) {
    m_Insert->setObjectName(QStringLiteral("editInsertPlan"));
    m_Check->setObjectName(QStringLiteral("programCheckLicence"));
    connect(m_Insert, &QAction::triggered, this, &PlanCommands::OnInsert);
    connect(m_Check, &QAction::triggered, this, &PlanCommands::OnCheck);
    owner->installEventFilter(this);
    Retranslate();
}

bool PlanCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_Owner && event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    return QObject::eventFilter(watched, event);
}

void PlanCommands::Retranslate() {
    m_Insert->setText(tr("Insert C&hannel Plan..."));
    m_Insert->setStatusTip(tr("Put a licence-free channel plan into the next empty channels"));
    m_Check->setText(tr("Check Channels Against &Licence..."));
    m_Check->setStatusTip(tr("List the channels that would transmit outside your licence"));
}

int PlanCommands::CurrentChannel() const {
    return m_Grid.currentIndex().isValid() ? m_Grid.currentIndex().row() : 0;
}

void PlanCommands::OnInsert() {
    QInputDialog dialog(m_Owner);
    dialog.setObjectName(QStringLiteral("PlanChoiceDialog"));
    dialog.setWindowTitle(tr("Insert Channel Plan"));
    dialog.setLabelText(tr("Channel plan:"));
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    QStringList titles;
    std::vector<const char*> keys;
    for (const ChannelPlan& plan : AllPlans()) {
        if (!plan.IsBand()) {
            titles << Tr(plan.title) + Tr(CommandTexts::TitleSeparator) + Text(PlanSummary(plan, CurrentLang()));
            keys.push_back(plan.key);
        }
    }
    dialog.setComboBoxItems(titles);
    dialog.setTextValue(titles.first()); // the first plan is current, ready for Enter
    if (auto* list = dialog.findChild<QListView*>()) {
        list->setAccessibleName(tr("Channel plans"));
        // Wide enough for the longest plan with its channels, and tall enough for all plans.
        list->setMinimumSize(list->sizeHintForColumn(0) + 2 * list->frameWidth() + 8,
                             list->sizeHintForRow(0) * (titles.size() + 1));
    }
    if (ModalRunner::Run(dialog) != QDialog::Accepted) {
        return;
    }
    const auto chosen = titles.indexOf(dialog.textValue());
    if (chosen >= 0) {
        InsertPlan(keys[static_cast<std::size_t>(chosen)]);
    }
}

bool PlanCommands::InsertPlan(const char* key) {
    const ChannelPlan* plan = FindPlan(key);
    if (!plan || plan->IsBand()) {
        return false;
    }
    const MemoryImage& image = m_Doc.settledImage();
    const Lang lang = CurrentLang();
    if (const auto outside = PlanInsert::OutsideBandEdges(*plan, DecodeBandLimits(image), lang)) {
        CurrentPrompter().ShowMessage(m_Owner, Text(*outside));
        return false;
    }
    const int from = CurrentChannel();
    const PlanInsert::Placement placement = PlanInsert::Place(image, *plan, from);
    if (!placement.Complete()) {
        const QString room = Text(PlanInsert::RoomText(placement, *plan, from, lang));
        if (placement.channels.empty()) {
            CurrentPrompter().ShowMessage(m_Owner, room);
            return false;
        }
        if (!CurrentPrompter().AskYesNo(m_Owner,
                                        room + QLatin1Char(' ') +
                                            Tr(CommandTexts::InsertFitting).arg(placement.channels.size()))) {
            return false;
        }
    }
    return m_Doc.apply(InsertStep, [&](MemoryImage& target) {
        PlanInsert::Insert(target, *plan, placement.channels);
        return true;
    });
}

void PlanCommands::OnCheck() {
    LicenceDialog dialog(
        ChosenLicence(m_Profile), [this] { return m_Doc.settledImage(); },
        [this](LicenceDialog::Repair repair, const std::vector<int>& channels) {
            const bool narrow = repair == LicenceDialog::Repair::Narrow;
            m_Doc.apply(narrow ? NarrowStep : ReceiveOnlyStep, [&](MemoryImage& image) {
                narrow ? LicenceCheck::SetNarrow(image, channels)
                       : LicenceCheck::MakeReceiveOnly(image, channels);
                return true;
            });
        },
        m_Owner);
    connect(dialog.LicenceBox(), &QComboBox::currentIndexChanged, this,
            [this, &dialog] { ChooseLicence(m_Profile, dialog.Licence()); });
    ModalRunner::Run(dialog);
}
