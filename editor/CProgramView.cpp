#include "editor/CProgramView.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "base/AppLanguage.h"
#include "editor/CellEditController.h"
#include "editor/ChangeRecorder.h"
#include "editor/ChannelCommands.h"
#include "editor/ChannelDisplay.h"
#include "editor/ChannelGrid.h"
#include "editor/EnterKeyFilter.h"
#include "editor/LanguageRelabeler.h"
#include "editor/TypeSettingBar.h"
#include "image/CProgramDoc.h"
#include "image/ChannelTexts.h"

namespace {

// The widest texts a column shows in either language, titles aside.
const char* const WidestValues[ChannelColumnCount] = {
    "128",  "888.88888", "888.88888", "D754N",   "D754N",   "Narrow", "Yes",
    "High", "MDC1200",   "OFF",       "Carrier", "Reverse", "Off",    "WWWWWW"};

constexpr int TextPadding = 6;
constexpr int ListPadding = 20; // room for a list editor's arrow

} // namespace

CProgramView::CProgramView(CProgramDoc& doc, QWidget* parent) : QWidget(parent), m_Doc(doc) {
    setObjectName(QStringLiteral("ProgramView"));
    m_Bar = new TypeSettingBar(this);
    m_Grid = new ChannelGrid(this);
    m_Grid->setProperty("controlId", 1007);

    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(4, 8, 4, 4);
    form->setSpacing(10);
    form->addWidget(m_Bar, 0, Qt::AlignLeft);
    form->addWidget(m_Grid, 1);

    setTabOrder(m_Bar->TypeList(), m_Grid);
    setTabOrder(m_Grid, m_Bar->ManualList());
    setTabOrder(m_Bar->ManualList(), m_Bar->LowerBox());
    setTabOrder(m_Bar->LowerBox(), m_Bar->UpperBox());

    // The table reads a point smaller than the form, as grid controls do, so
    // that all 14 columns fit the main window.
    QFont gridFont = m_Grid->font();
    gridFont.setPointSizeF(std::max(7.0, gridFont.pointSizeF() - 1));
    m_Grid->setFont(gridFont);
    m_Grid->horizontalHeader()->setFont(gridFont);
    m_Grid->verticalHeader()->setFont(gridFont);
    m_Grid->verticalHeader()->setDefaultSectionSize(QFontMetrics(gridFont).height() + 8);
    m_Grid->horizontalHeader()->setDefaultSectionSize(BaseColumnWidth());

    m_Display = std::make_unique<ChannelDisplay>(*m_Grid, *m_Bar);
    m_Relabeler = std::make_unique<LanguageRelabeler>(*m_Grid, *m_Bar, m_Editors);
    m_Editing = new CellEditController(*m_Grid, *m_Bar, m_Editors, this);
    m_Editing->Connect();
    m_Keys = new EnterKeyFilter(*m_Editing, *m_Grid, *m_Bar, m_Editors, this);
    m_Channels = new ChannelCommands(*this);
    m_Recorder = new ChangeRecorder(m_Doc, *m_Grid, *m_Bar, *m_Display, *m_Editing, this);
    m_Recorder->Connect();
}

CProgramView::~CProgramView() {
    // Closing the form moves the focus out of a bar box, which would record
    // into a history whose display is already gone.
    delete m_Recorder;
}

int CProgramView::BaseColumnWidth() const {
    const QFontMetrics metrics(m_Grid->font());
    const QFontMetrics headerMetrics(m_Grid->horizontalHeader()->font());
    double base = 0;
    for (int column = 0; column < ChannelColumnCount; ++column) {
        int need = metrics.horizontalAdvance(QString::fromUtf8(WidestValues[column])) +
                   (column >= ColRxTone && column <= ColScram ? ListPadding : TextPadding);
        for (const BiText* titles :
             {ChannelTexts::ColumnTitles, ChannelTexts::SwitchedColumnTitles}) {
            for (const Lang lang : {Lang::English, Lang::Chinese}) {
                need = std::max(need, headerMetrics.horizontalAdvance(
                                          QString::fromUtf8(titles[column].In(lang))) +
                                          TextPadding);
            }
        }
        base = std::max(base, need / ChannelTexts::ColumnWidthFactors[column]);
    }
    return static_cast<int>(std::ceil(base));
}

void CProgramView::OnInitialUpdate() {
    if (!m_bSetupDone) {
        OneTimeSetup();
    }

    QLineEdit* frequency = m_Editors.FrequencyEdit();
    frequency->clear();
    frequency->hide();
    QLineEdit* name = m_Editors.NameEdit();
    name->clear();
    name->hide();
    name->setMaxLength(6);
    for (QWidget* editor : m_Editors.All()) {
        editor->hide();
    }

    m_Recorder->Unrecorded([this] { m_Display->Display(m_Doc.Image(), CurrentLang()); });

    for (int column = 0; column < ChannelColumnCount; ++column) {
        m_Grid->SetCellText(0, column, Tr(ChannelTexts::ColumnTitles[column]));
    }
    for (int row = 1; row < ChannelGrid::Rows; ++row) {
        m_Grid->SetCellText(row, 0, QString::number(row));
    }
    m_Bar->TypeList()->setFocus(Qt::OtherFocusReason);
    m_Recorder->StartDocument();
}

void CProgramView::OneTimeSetup() {
    m_Editors.Create(m_Grid->EditorParent(), CurrentLang());
    for (int column = 0; column < m_Grid->ColumnCount(); ++column) {
        m_Grid->SetColumnAlignment(column, ChannelGrid::AlignCentre);
    }
    m_bSetupDone = true;

    const int base = m_Grid->ColumnWidth(ColTxFrequency); // read once
    for (int column = 0; column < ChannelColumnCount; ++column) {
        m_Grid->SetColumnWidth(column,
                               static_cast<int>(base * ChannelTexts::ColumnWidthFactors[column]));
    }

    m_Bar->TypeList()->setCurrentIndex(0);
    m_Bar->MoveMembersToControls();
    m_Keys->Install();
    m_Editing->WatchListPicks();
}

void CProgramView::DisplayImage() {
    m_Recorder->Flush();
    m_Recorder->Unrecorded([this] {
        m_Display->Display(m_Doc.Image(), CurrentLang());
        m_Editing->LoadCellEditor();
    });
}

void CProgramView::CommitGrid() {
    m_Display->Commit(m_Doc.Image());
}

void CProgramView::CommitCellEdit() {
    m_Editing->CommitCellEdit();
}

void CProgramView::RelabelForLanguage() {
    m_Recorder->Flush();
    const Lang lang = CurrentLang();
    m_Recorder->Unrecorded([&] { m_Relabeler->Relabel(lang); });
    // Undo puts back texts of the language now in force.
    m_Recorder->History().ForEachChange([lang](CellChange& change) {
        change.before = LanguageRelabeler::TranslatedText(change.col, change.before, lang);
        change.after = LanguageRelabeler::TranslatedText(change.col, change.after, lang);
    });
}

bool CProgramView::ApplyImageChange(const BiText& stepName,
                                    const std::function<bool(MemoryImage&)>& change,
                                    GridCell focus) {
    return m_Recorder->ApplyImageChange(StepName::Of(stepName), change, focus);
}

bool CProgramView::ApplyImageChange(const BiText& stepName,
                                    const std::function<bool(MemoryImage&)>& change) {
    return ApplyImageChange(stepName, change, GridCell{});
}

ImageHistory& CProgramView::History() {
    return m_Recorder->History();
}

void CProgramView::Undo() {
    m_Recorder->Undo();
}

void CProgramView::Redo() {
    m_Recorder->Redo();
}

void CProgramView::SettleEdits() {
    m_Recorder->Settle();
}

void CProgramView::MarkClean() {
    m_Recorder->MarkClean();
}

MemoryImage CProgramView::ImageToSave() {
    m_Recorder->Settle();
    return m_Recorder->History().Current();
}

void CProgramView::MarkSafe(const MemoryImage& image) {
    m_Recorder->MarkSafe(image);
}

QWidget* CProgramView::EditorForColumn() const {
    return m_Editing->EditorForColumn();
}

void CProgramView::SetImageCommandsEnabled(bool enabled) {
    m_Channels->SetTransferRunning(!enabled);
}

QList<QAction*> CProgramView::EditMenuActions() {
    return m_Channels->MenuActions();
}

MemoryImage& CProgramView::DocumentImage() {
    return m_Doc.Image();
}

QWidget* CProgramView::GridWidget() {
    return m_Grid;
}

int CProgramView::RowCount() {
    return m_Grid->RowCount();
}

int CProgramView::ColumnCount() {
    return m_Grid->ColumnCount();
}

QString CProgramView::CellText(int row, int col) {
    return m_Grid->CellText(row, col);
}
