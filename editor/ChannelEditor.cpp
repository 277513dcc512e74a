#include "editor/ChannelEditor.h"

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
#include "editor/ChannelTable.h"
#include "editor/ChannelTableModel.h"
#include "editor/TypeSettingBar.h"
#include "image/BandLimits.h"
#include "image/ChannelTexts.h"
#include "image/CommandTexts.h"
#include "image/ImageMap.h"

namespace {

using CommandTexts::Steps::EditBandEdges;
using CommandTexts::Steps::EditTypeSetting;

// The widest texts a column shows in either language, titles aside.
const char* const WidestValues[ChannelColumnCount] = {
    "128",  "888.88888", "888.88888", "D754N",   "D754N",   "Narrow", "Yes",
    "High", "MDC1200",   "OFF",       "Carrier", "Reverse", "OFF",    "WWWWWWWW"};

constexpr int TextPadding = 6;
constexpr int ListPadding = 20; // room for a list editor's arrow

} // namespace

ChannelEditor::ChannelEditor(ChannelDocument& doc, QWidget* parent)
    : QWidget(parent), m_Doc(doc) {
    setObjectName(QStringLiteral("ProgramView"));
    m_Model = new ChannelTableModel(m_Doc, this);
    connect(m_Model, &ChannelTableModel::EditRefused, this,
            [this](const QString& message) { CurrentPrompter().ShowMessage(this, message); });
    m_Bar = new TypeSettingBar(this);
    m_Table = new ChannelTable(*m_Model, this);

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

    m_Doc.setPendingEdits(this);
    connect(&m_Doc, &ChannelDocument::settingsChanged, this, &ChannelEditor::ShowBar);
    connect(&m_Doc, &ChannelDocument::reset, this, &ChannelEditor::ShowNewDocument);
    connect(&m_Doc, &ChannelDocument::focusRequested, this, [this](ChannelCell cell) {
        m_Table->SetCurrentCell(cell.channel + 1, cell.column);
        m_Table->scrollTo(m_Table->currentIndex());
    });
    connect(m_Table, &ChannelTable::LeaveForward, this, [this] { MoveFocusOn(m_Table); });
    connect(m_Bar->TypeList(), &QComboBox::activated, this, [this](int entry) {
        m_Doc.apply(EditTypeSetting, [entry](MemoryImage& image) {
            image[ImageMap::RadioTypeCode] =
                static_cast<std::uint8_t>(entry + ImageMap::RadioTypeBase);
            return true;
        });
    });
    connect(m_Bar->ManualList(), &QComboBox::activated, this, [this](int entry) {
        m_Doc.apply(EditTypeSetting, [entry](MemoryImage& image) {
            std::uint8_t& manual = image[ImageMap::ManualSettingByte];
            manual = static_cast<std::uint8_t>(entry == 0 ? manual | ImageMap::ManualSettingFlag
                                                          : manual & ~ImageMap::ManualSettingFlag);
            return true;
        });
    });
    for (QLineEdit* box : {m_Bar->LowerBox(), m_Bar->UpperBox()}) {
        connect(box, &QLineEdit::editingFinished, this, &ChannelEditor::CommitBandBoxes);
        // A frequency is checked against the edges the boxes show, or the
        // stored ones while the boxes hold something they will refuse.
        connect(box, &QLineEdit::textChanged, this, [this] {
            m_Model->SetShownBand(ParseBandEdges(m_Bar->LowerBox()->text().toStdString(),
                                                 m_Bar->UpperBox()->text().toStdString()));
        });
    }
    for (QWidget* control : std::array<QWidget*, 4>{m_Bar->TypeList(), m_Bar->ManualList(),
                                                    m_Bar->LowerBox(), m_Bar->UpperBox()}) {
        control->installEventFilter(this);
    }
    ShowNewDocument();
}

ChannelEditor::~ChannelEditor() {
    // Closing the form moves the focus out of a band box or an open editor;
    // nothing reaches the document any more.
    for (QLineEdit* box : {m_Bar->LowerBox(), m_Bar->UpperBox()}) {
        disconnect(box, nullptr, this, nullptr);
    }
    disconnect(&m_Doc, nullptr, this, nullptr);
    if (m_Doc.pendingEdits() == this) {
        m_Doc.setPendingEdits(nullptr);
    }
    m_Table->CancelEditor();
}

int ChannelEditor::BaseColumnWidth() const {
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

void ChannelEditor::ShowNewDocument() {
    m_Table->CancelEditor();
    m_Table->ClearChannelSelection();
    m_Model->Refresh();
    ShowBar();
    m_Bar->TypeList()->setFocus(Qt::OtherFocusReason);
}

void ChannelEditor::ShowBar() {
    const MemoryImage& image = m_Doc.image();
    m_Bar->TypeList()->setCurrentIndex(
        ImageMap::IsKnownRadioType(image[ImageMap::RadioTypeCode]) ? 0 : -1);
    const bool manual = (image[ImageMap::ManualSettingByte] & ImageMap::ManualSettingFlag) != 0;
    m_Bar->ManualList()->setCurrentIndex(manual ? 0 : 1);
    const BandEdges band = DecodeBandLimits(image);
    m_Bar->ShowBandEdges(band.lower, band.upper);
}

void ChannelEditor::CommitBandBoxes() {
    const BandEdges stored = DecodeBandLimits(m_Doc.image());
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
    m_Doc.commitEdit(StepName::Of(EditBandEdges), [band](MemoryImage& image) {
        EncodeBandLimits(band.lower, band.upper, image);
        return true;
    });
}

void ChannelEditor::commitPendingEdits() {
    m_Table->CommitEditor();
    CommitBandBoxes();
}

void ChannelEditor::RelabelForLanguage() {
    m_Model->Relabel();
    m_Table->viewport()->update();
}

bool ChannelEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            MoveFocusOn(qobject_cast<QWidget*>(watched));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChannelEditor::MoveFocusOn(QWidget* from) {
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
