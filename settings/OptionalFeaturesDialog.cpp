#include "settings/OptionalFeaturesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "base/AppLanguage.h"
#include "settings/DialogUnits.h"
#include "settings/IdEdit.h"
#include "settings/OkCancelRow.h"
#include "settings/SettingsMap.h"
#include "settings/TimeoutTimerSpin.h"

namespace {

QStringList ToQt(const std::vector<std::string>& entries) {
    QStringList out;
    for (const std::string& e : entries) {
        out << QString::fromStdString(e);
    }
    return out;
}

QComboBox* MakeList(const char* name, QWidget* parent, bool bEditable = false) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(bEditable);
    if (bEditable) {
        list->setInsertPolicy(QComboBox::NoInsert);
    }
    // Long lists (Priority Channel) scroll instead of covering the screen.
    list->setMaxVisibleItems(12);
    return list;
}

QCheckBox* MakeCheck(const QString& text, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

IdEdit* MakeId(const char* name, int maxLength, int options, QWidget* parent) {
    auto* edit = new IdEdit(maxLength, options, parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

void Fill(QComboBox* list, const QStringList& entries) {
    list->clear();
    list->addItems(entries);
}

// Selects a position; one the list does not have selects nothing.
void Select(QComboBox* list, int position) {
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

} // namespace

OptionalFeaturesDialog::OptionalFeaturesDialog(MemoryImage& image, QWidget* parent)
    : QDialog(parent), m_Image(image), m_Lang(CurrentLang()) {
    setObjectName(QStringLiteral("OptionalFeaturesDialog"));
    setWindowTitle(tr("Optional Features"));
    setModal(true);
    BuildControls();
    LayOut();
    FillLists();
    Show(OptionalFeaturesCodec::Open(m_Image, m_Lang));
    m_Opened = Shown();
    // The template's size, unless the texts of the language need more.
    resize(sizeHint().expandedTo(DialogUnits(this, 425, 250)));
}

void OptionalFeaturesDialog::accept() {
    OptionalFeaturesCodec::Accept(m_Opened, Shown(), m_Image);
    QDialog::accept();
}

QStringList OptionalFeaturesDialog::Translated(const std::vector<std::string>& entries) const {
    QStringList out;
    for (const std::string& e : entries) {
        out << tr(e.c_str());
    }
    return out;
}

void OptionalFeaturesDialog::BuildControls() {
    using namespace SettingsMap;
    m_TimeoutTimer = new TimeoutTimerSpin(this);
    m_TimeoutTimer->setObjectName(QStringLiteral("TimeoutTimer"));
    // The lists the user may type into are those whose typed text means
    // something: Vox Gain Level is read as a number. The others store their
    // position, so they offer their entries only.
    m_SquelchLevel = MakeList("SquelchLevel", this);
    m_LanguageChoose = MakeList("LanguageChoose", this);
    m_VoxSwitch = MakeList("VoxSwitch", this);
    m_VoxGainLevel = MakeList("VoxGainLevel", this, true);
    m_PriorityChannel = MakeList("PriorityChannel", this);
    m_Roger = MakeList("Roger", this);
    m_ScramblerActivation = MakeList("ScramblerActivation", this);
    m_Beep = MakeCheck(tr("Beep"), "Beep", this);
    m_BatterySave = MakeCheck(tr("Battery Save"), "BatterySave", this);

    m_GroupId = MakeId("GroupId", GroupIdMaxLength, IdEdit::Plain, this);
    m_GroupId->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_GroupId));
    m_Id = MakeId("Id", IdMaxLength, IdEdit::UpperCase | IdEdit::KeyFilter, this);
    m_CallId = MakeId("CallId", IdMaxLength, IdEdit::UpperCase, this);
    m_KillId = MakeId("KillId", IdMaxLength, IdEdit::Plain, this);
    m_CheckId = MakeId("CheckId", IdMaxLength, IdEdit::Plain, this);
    m_ListenId = MakeId("ListenId", IdMaxLength, IdEdit::Plain, this);
    m_BeginOfTx = MakeCheck(tr("Begin of Tx"), "BeginOfTx", this);
    m_EndOfTx = MakeCheck(tr("End of Tx"), "EndOfTx", this);
    m_OptSignal = MakeList("OptSignal", this);
    m_RepeatInvert = MakeList("RepeatInvert", this);

    m_MicGain = MakeList("MicGain", this);
    m_AudioReceiveGain = MakeList("AudioReceiveGain", this);
    m_ModulationGain = MakeList("ModulationGain", this);
    m_AudioOutputGain = MakeList("AudioOutputGain", this);
    m_Compander = MakeList("Compander", this);
    m_PreDeEmphasis = MakeList("PreDeEmphasis", this);
}

void OptionalFeaturesDialog::LayOut() {
    auto* functionSet = new QGroupBox(tr("Function Set"), this);
    auto* functionForm = new QFormLayout(functionSet);
    functionForm->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    functionForm->addRow(tr("Time-out Timer"), m_TimeoutTimer);
    functionForm->addRow(tr("Squelch Level"), m_SquelchLevel);
    functionForm->addRow(tr("Language Choose"), m_LanguageChoose);
    functionForm->addRow(tr("Vox Switch"), m_VoxSwitch);
    functionForm->addRow(tr("Vox Gain Level"), m_VoxGainLevel);
    functionForm->addRow(tr("Priority Channel"), m_PriorityChannel);
    functionForm->addRow(tr("Roger"), m_Roger);
    functionForm->addRow(tr("Scrambler Activation"), m_ScramblerActivation);
    functionForm->addRow(m_Beep);
    functionForm->addRow(m_BatterySave);

    auto* frequentMode = new QGroupBox(tr("Frequent Mode Option"), this);
    auto* frequentForm = new QFormLayout(frequentMode);
    frequentForm->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    frequentForm->addRow(tr("Opt Signal In Frequent Mode"), m_OptSignal);
    frequentForm->addRow(tr("Repeat Invert"), m_RepeatInvert);

    auto* idGroup = new QGroupBox(tr(" ID"), this);
    // A group inside a group would be read by the outer one's title; and the
    // title's leading blank is for the eye only.
    idGroup->setAccessibleName(idGroup->title().trimmed());
    frequentMode->setAccessibleName(frequentMode->title());
    auto* idColumn = new QVBoxLayout(idGroup);
    auto* idForm = new QFormLayout;
    idForm->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    idForm->addRow(tr("Group ID"), m_GroupId);
    idForm->addRow(tr("ID"), m_Id);
    idForm->addRow(tr("Call ID"), m_CallId);
    idForm->addRow(tr("Kill ID"), m_KillId);
    idForm->addRow(tr("Check ID"), m_CheckId);
    idForm->addRow(tr("Listen ID"), m_ListenId);
    idColumn->addLayout(idForm);
    auto* txFlags = new QHBoxLayout;
    txFlags->addWidget(m_BeginOfTx);
    txFlags->addWidget(m_EndOfTx);
    txFlags->addStretch();
    idColumn->addLayout(txFlags);
    idColumn->addStretch();
    idColumn->addWidget(frequentMode);

    auto* audio = new QGroupBox(this);
    audio->setObjectName(QStringLiteral("AudioGroup"));
    auto* audioGrid = new QGridLayout(audio);
    const std::pair<const char*, QComboBox*> audioControls[] = {
        {QT_TR_NOOP("MIC Gain Level"), m_MicGain},
        {QT_TR_NOOP("Audio Recieve Gain Level"), m_AudioReceiveGain},
        {QT_TR_NOOP("Modulation Gain Level"), m_ModulationGain},
        {QT_TR_NOOP("Audio Output Gain Level"), m_AudioOutputGain},
        {QT_TR_NOOP("compander"), m_Compander},
        {QT_TR_NOOP("Pre/De-emphasis"), m_PreDeEmphasis},
    };
    // No title on the form, but a name for a screen reader.
    audio->setAccessibleName(tr("Audio"));
    // Three columns of two: label and list side by side in each column.
    for (int i = 0; i < 6; ++i) {
        const int row = i % 2;
        const int column = (i / 2) * 2;
        auto* label = new QLabel(tr(audioControls[i].first), audio);
        label->setBuddy(audioControls[i].second);
        audioGrid->addWidget(label, row, column);
        audioGrid->addWidget(audioControls[i].second, row, column + 1);
        audioGrid->setColumnStretch(column + 1, 1);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(functionSet, 1);
    top->addWidget(idGroup, 1);
    auto* dialog = new QVBoxLayout(this);
    dialog->addLayout(top);
    dialog->addWidget(audio);
    dialog->addLayout(MakeOkCancelRow(this));
}

void OptionalFeaturesDialog::FillLists() {
    using namespace OptionalFeaturesCodec;
    // Lists with entries of the dialog's resources.
    Fill(m_SquelchLevel, Translated(SquelchEntries()));
    Fill(m_LanguageChoose, Translated(LanguageEntries()));
    Fill(m_VoxSwitch, Translated(VoxSwitchEntries()));
    Fill(m_Roger, Translated(RogerEntries()));
    Fill(m_OptSignal, Translated(OptSignalEntries()));
    Fill(m_RepeatInvert, Translated(RepeatInvertEntries()));
    Fill(m_Compander, Translated(OffOnEntries()));
    Fill(m_PreDeEmphasis, Translated(OffOnEntries()));
    // Lists the dialog fills itself, some by the interface language.
    Fill(m_VoxGainLevel, ToQt(VoxGainEntries(m_Lang)));
    Fill(m_PriorityChannel, ToQt(PriorityEntries()));
    Fill(m_ScramblerActivation, ToQt(ScramblerEntries(m_Lang)));
    Fill(m_MicGain, ToQt(LowGainEntries()));
    Fill(m_AudioReceiveGain, ToQt(LowGainEntries()));
    Fill(m_ModulationGain, ToQt(HighGainEntries()));
    Fill(m_AudioOutputGain, ToQt(HighGainEntries()));
}

void OptionalFeaturesDialog::Show(const OptionalFeaturesState& s) {
    m_TimeoutTimer->SetPosition(s.timeoutPosition);
    Select(m_SquelchLevel, s.squelchLevel);
    Select(m_LanguageChoose, s.languageChoose);
    Select(m_VoxSwitch, s.voxSwitch);
    Select(m_VoxGainLevel, s.voxGainPosition);
    m_VoxGainLevel->setEditText(QString::fromStdString(s.voxGainText));
    Select(m_PriorityChannel, s.priorityChannel);
    Select(m_Roger, s.roger);
    Select(m_ScramblerActivation, s.scramblerActivation);
    m_Beep->setChecked(s.beep);
    m_BatterySave->setChecked(s.batterySave);

    m_GroupId->setText(QString::fromStdString(s.groupId));
    m_Id->setText(QString::fromStdString(s.id));
    m_CallId->setText(QString::fromStdString(s.callId));
    m_KillId->setText(QString::fromStdString(s.killId));
    m_CheckId->setText(QString::fromStdString(s.checkId));
    m_ListenId->setText(QString::fromStdString(s.listenId));
    m_BeginOfTx->setChecked(s.beginOfTx);
    m_EndOfTx->setChecked(s.endOfTx);
    Select(m_OptSignal, s.optSignal);
    Select(m_RepeatInvert, s.repeatInvert);

    Select(m_MicGain, s.micGain);
    Select(m_AudioReceiveGain, s.audioReceiveGain);
    Select(m_ModulationGain, s.modulationGain);
    Select(m_AudioOutputGain, s.audioOutputGain);
    Select(m_Compander, s.compander);
    Select(m_PreDeEmphasis, s.preDeEmphasis);
}

OptionalFeaturesState OptionalFeaturesDialog::Shown() const {
    OptionalFeaturesState s;
    s.timeoutPosition = m_TimeoutTimer->Position();
    s.timeoutText = m_TimeoutTimer->text().toStdString();
    s.squelchLevel = m_SquelchLevel->currentIndex();
    s.languageChoose = m_LanguageChoose->currentIndex();
    s.voxSwitch = m_VoxSwitch->currentIndex();
    s.voxGainPosition = m_VoxGainLevel->currentIndex();
    s.voxGainText = m_VoxGainLevel->currentText().toStdString();
    s.priorityChannel = m_PriorityChannel->currentIndex();
    s.roger = m_Roger->currentIndex();
    s.scramblerActivation = m_ScramblerActivation->currentIndex();
    s.beep = m_Beep->isChecked();
    s.batterySave = m_BatterySave->isChecked();

    s.groupId = m_GroupId->CodecText();
    s.id = m_Id->CodecText();
    s.callId = m_CallId->CodecText();
    s.killId = m_KillId->CodecText();
    s.checkId = m_CheckId->CodecText();
    s.listenId = m_ListenId->CodecText();
    s.beginOfTx = m_BeginOfTx->isChecked();
    s.endOfTx = m_EndOfTx->isChecked();
    s.optSignal = m_OptSignal->currentIndex();
    s.repeatInvert = m_RepeatInvert->currentIndex();

    s.micGain = m_MicGain->currentIndex();
    s.audioReceiveGain = m_AudioReceiveGain->currentIndex();
    s.modulationGain = m_ModulationGain->currentIndex();
    s.audioOutputGain = m_AudioOutputGain->currentIndex();
    s.compander = m_Compander->currentIndex();
    s.preDeEmphasis = m_PreDeEmphasis->currentIndex();
    return s;
}
