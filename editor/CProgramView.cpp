#include "editor/CProgramView.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "editor/ChannelCommands.h"
#include "editor/ChannelTable.h"
#include "editor/ChannelTableModel.h"
#include "editor/TypeSettingBar.h"
#include "image/BandLimits.h"
#include "image/CProgramDoc.h"
#include "image/ChannelCodec.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"
#include "image/RawChannel.h"

namespace {

constexpr BiText EditBandStep{"Edit Band Edges", "编辑频段"};
constexpr BiText EditTypeSettingStep{"Edit Type Setting", "编辑整机设置"};

// The widest texts a column shows in either language, titles aside.
const char* const WidestValues[ChannelColumnCount] = {
    "128",  "888.88888", "888.88888", "D754N",   "D754N",   "Narrow", "Yes",
    "High", "MDC1200",   "OFF",       "Carrier", "Reverse", "OFF",    "WWWWWWWW"};

constexpr int TextPadding = 6;
constexpr int ListPadding = 20; // room for a list editor's arrow

// The first cell whose text differs between two images; none when equal.
GridCell FirstChangedCell(const MemoryImage& before, const MemoryImage& after) {
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        if (ReadRawChannel(before, n) == ReadRawChannel(after, n)) {
            continue;
        }
        const ChannelRecord a = DecodeChannel(before, n, Lang::English);
        const ChannelRecord b = DecodeChannel(after, n, Lang::English);
        for (int col = 1; col <= RecordTextCount; ++col) {
            if (a[col] != b[col]) {
                return {n + 1, col};
            }
        }
        return {n + 1, 1};
    }
    return {};
}

} // namespace

CProgramView::CProgramView(CProgramDoc& doc, QWidget* parent)
    : QWidget(parent), m_Doc(doc), m_History(*this, this) {
    setObjectName(QStringLiteral("ProgramView"));
    m_Model = new ChannelTableModel(m_Doc.Image(), m_History, this);
    m_Model->SetMessageOwner(this);
    m_Bar = new TypeSettingBar(this);
    m_Table = new ChannelTable(*m_Model, this);
    // A frequency is checked against the edges the boxes show, or the stored
    // ones while the boxes hold something they will refuse.
    m_Model->SetBandSource([this](ChannelTableModel::CommitWay) {
        return ParseBandEdges(m_Bar->LowerBox()->text().toStdString(),
                              m_Bar->UpperBox()->text().toStdString())
            .value_or(DecodeBandLimits(m_Doc.Image()));
    });

    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(4, 8, 4, 4);
    form->setSpacing(10);
    form->addWidget(m_Bar, 0, Qt::AlignLeft);
    form->addWidget(m_Table, 1);
    setTabOrder(m_Bar->TypeList(), m_Table);
    setTabOrder(m_Table, m_Bar->ManualList());
    setTabOrder(m_Bar->ManualList(), m_Bar->LowerBox());
    setTabOrder(m_Bar->LowerBox(), m_Bar->UpperBox());

    // The table reads a point smaller than the form, so that all 14 columns
    // fit the main window.
    QFont gridFont = m_Table->font();
    gridFont.setPointSizeF(std::max(7.0, gridFont.pointSizeF() - 1));
    m_Table->setFont(gridFont);
    m_Table->horizontalHeader()->setFont(gridFont);
    m_Table->verticalHeader()->setFont(gridFont);
    m_Table->verticalHeader()->setDefaultSectionSize(QFontMetrics(gridFont).height() + 8);
    const int base = BaseColumnWidth();
    m_Table->verticalHeader()->setFixedWidth(
        static_cast<int>(base * ChannelTexts::ColumnWidthFactors[0]));
    for (int column = 1; column < ChannelColumnCount; ++column) {
        m_Table->setColumnWidth(column - 1,
                                static_cast<int>(base * ChannelTexts::ColumnWidthFactors[column]));
    }

    m_Channels = new ChannelCommands(*this, *m_Table);
    connect(m_Table, &ChannelTable::LeaveForward, this, [this] { MoveFocusOn(m_Table); });
    connect(m_Bar->TypeList(), &QComboBox::activated, this, [this](int entry) {
        ApplyImageChange(EditTypeSettingStep, [entry](MemoryImage& image) {
            image[ImageMap::RadioTypeCode] =
                static_cast<std::uint8_t>(entry + ImageMap::RadioTypeBase);
            return true;
        });
    });
    connect(m_Bar->ManualList(), &QComboBox::activated, this, [this](int entry) {
        ApplyImageChange(EditTypeSettingStep, [entry](MemoryImage& image) {
            std::uint8_t& manual = image[ImageMap::ManualSettingByte];
            manual = static_cast<std::uint8_t>(entry == 0 ? manual | ImageMap::ManualSettingFlag
                                                          : manual & ~ImageMap::ManualSettingFlag);
            return true;
        });
    });
    for (QLineEdit* box : {m_Bar->LowerBox(), m_Bar->UpperBox()}) {
        connect(box, &QLineEdit::editingFinished, this, &CProgramView::CommitBandBoxes);
    }
    for (QWidget* control : std::array<QWidget*, 4>{m_Bar->TypeList(), m_Bar->ManualList(),
                                                    m_Bar->LowerBox(), m_Bar->UpperBox()}) {
        control->installEventFilter(this);
    }
}

CProgramView::~CProgramView() {
    // Closing the form moves the focus out of a band box; nothing is recorded
    // any more.
    for (QLineEdit* box : {m_Bar->LowerBox(), m_Bar->UpperBox()}) {
        disconnect(box, nullptr, this, nullptr);
    }
}

int CProgramView::BaseColumnWidth() const {
    const QFontMetrics metrics(m_Table->font());
    const QFontMetrics headerMetrics(m_Table->horizontalHeader()->font());
    double base = 0;
    for (int column = 0; column < ChannelColumnCount; ++column) {
        int need = metrics.horizontalAdvance(QString::fromUtf8(WidestValues[column])) +
                   (column >= ColRxTone && column <= ColScram ? ListPadding : TextPadding);
        for (const Lang lang : {Lang::English, Lang::Chinese}) {
            need = std::max(need, headerMetrics.horizontalAdvance(QString::fromUtf8(
                                      ChannelTexts::ColumnTitles[column].In(lang))) +
                                      TextPadding);
        }
        base = std::max(base, need / ChannelTexts::ColumnWidthFactors[column]);
    }
    return static_cast<int>(std::ceil(base));
}

void CProgramView::OnInitialUpdate() {
    m_Table->CancelEditor();
    // Every save writes the commit marker; the document holds it from the start.
    m_Doc.Image()[ImageMap::CommitMarker] = ImageMap::CommitMarkerValue;
    m_Table->ClearChannelSelection();
    m_Model->Refresh();
    ShowBar();
    m_History.Reset(m_Doc.Image());
    m_bShown = true;
    m_Bar->TypeList()->setFocus(Qt::OtherFocusReason);
}

void CProgramView::ShowBar() {
    const MemoryImage& image = m_Doc.Image();
    m_Bar->TypeList()->setCurrentIndex(
        ImageMap::IsKnownRadioType(image[ImageMap::RadioTypeCode]) ? 0 : -1);
    const bool manual = (image[ImageMap::ManualSettingByte] & ImageMap::ManualSettingFlag) != 0;
    m_Bar->ManualList()->setCurrentIndex(manual ? 0 : 1);
    const BandEdges band = DecodeBandLimits(image);
    m_Bar->SetBandEdges(band.lower, band.upper);
    m_Bar->MoveMembersToControls();
}

void CProgramView::CommitBandBoxes() {
    if (!m_bShown) {
        return; // the boxes show no document yet
    }
    const BandEdges stored = DecodeBandLimits(m_Doc.Image());
    const QString lower = m_Bar->LowerBox()->text().trimmed();
    const QString upper = m_Bar->UpperBox()->text().trimmed();
    if (lower == QString::number(stored.lower) && upper == QString::number(stored.upper)) {
        return; // the bytes stay as they are, whatever form they have
    }
    const std::optional<BandEdges> typed = ParseBandEdges(lower.toStdString(), upper.toStdString());
    if (!typed || (typed->lower == stored.lower && typed->upper == stored.upper)) {
        // The boxes show the stored edges again before a message takes the focus.
        ShowBar();
        if (!typed) {
            CurrentPrompter().ShowMessage(this, Tr(BandEdgesMessage));
        }
        return;
    }
    const BandEdges band = *typed;
    ApplyImageChange(EditBandStep, [band](MemoryImage& image) {
        EncodeBandLimits(band.lower, band.upper, image);
        return true;
    });
}

void CProgramView::CommitGrid() {
    SettleEdits();
}

void CProgramView::CommitCellEdit() {
    m_Table->CommitEditor();
}

void CProgramView::SettleEdits() {
    CommitCellEdit();
    CommitBandBoxes();
}

void CProgramView::RelabelForLanguage() {
    m_Model->Relabel();
    m_Table->viewport()->update();
}

bool CProgramView::ApplyImageChange(const BiText& stepName,
                                    const std::function<bool(MemoryImage&)>& change,
                                    GridCell focus) {
    CommitCellEdit();
    const MemoryImage before = m_Doc.Image();
    MemoryImage after = before;
    if (!change(after)) {
        return false;
    }
    after[ImageMap::CommitMarker] = ImageMap::CommitMarkerValue;
    if (after == before) {
        return false;
    }
    if (focus.row <= 0) {
        focus = FirstChangedCell(before, after);
    }
    m_Doc.Image() = after;
    m_Model->Refresh();
    ShowBar();
    m_History.Record(StepName::Of(stepName), after, focus);
    return true;
}

bool CProgramView::ApplyImageChange(const BiText& stepName,
                                    const std::function<bool(MemoryImage&)>& change) {
    return ApplyImageChange(stepName, change, GridCell{});
}

void CProgramView::Undo() {
    SettleEdits();
    m_History.Undo();
}

void CProgramView::Redo() {
    SettleEdits();
    m_History.Redo();
}

void CProgramView::RestoreStep(const MemoryImage& image, GridCell focus) {
    m_Doc.Image() = image;
    m_Model->Refresh();
    ShowBar();
    if (focus.row > 0) {
        m_Table->SetCurrentCell(focus.row, focus.col);
        m_Table->scrollTo(m_Table->currentIndex());
    }
}

void CProgramView::MarkClean() {
    m_History.MarkClean();
}

void CProgramView::MarkSafe(const MemoryImage& image) {
    m_History.MarkClean(image);
}

MemoryImage CProgramView::ImageToSave() {
    SettleEdits();
    return m_Doc.Image();
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
    return m_Table;
}

int CProgramView::RowCount() {
    return ChannelTable::Rows;
}

int CProgramView::ColumnCount() {
    return ChannelTable::Columns;
}

QString CProgramView::CellText(int row, int col) {
    return m_Table->CellText(row, col);
}

bool CProgramView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            MoveFocusOn(qobject_cast<QWidget*>(watched));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CProgramView::MoveFocusOn(QWidget* from) {
    // The form's order: Type list, table, "Manul Setting", lower and upper
    // band box, and round again.
    const std::array<QWidget*, 5> stops = {m_Bar->TypeList(), m_Table, m_Bar->ManualList(),
                                           m_Bar->LowerBox(), m_Bar->UpperBox()};
    std::size_t at = 1;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        if (from == stops[i]) {
            at = i;
        }
    }
    stops[(at + 1) % stops.size()]->setFocus(Qt::TabFocusReason);
}
