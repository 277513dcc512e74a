#include "formats/ImportPreviewDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/AppLanguage.h"
#include "image/ImageMap.h"

namespace {

using ChannelImport::Row;
using ChannelImport::Status;

// Rows that go in need no colour; the others are marked so they stand out.
QColor StatusColour(Status status) {
    switch (status) {
    case Status::Changed:
        return QColor(255, 244, 204);
    case Status::Skipped:
        return QColor(255, 221, 221);
    case Status::NotPlaced:
        return QColor(230, 230, 230);
    default:
        return QColor();
    }
}

QString StatusCell(const Row& row) {
    QString text = QString::fromStdString(ChannelImport::StatusText(row.status, CurrentLang()));
    const std::string why = ChannelImport::NotesText(row, CurrentLang());
    if (!why.empty()) {
        text +=
            (bChinese ? QStringLiteral("：") : QStringLiteral(": ")) + QString::fromStdString(why);
    }
    return text;
}

} // namespace

ImportPreviewDialog::ImportPreviewDialog(const QString& fileName, bool canPlace, Placer placer,
                                         QWidget* parent)
    : QDialog(parent), m_FileName(fileName), m_CanPlace(canPlace), m_Placer(std::move(placer)) {
    setObjectName(QStringLiteral("ImportPreviewDialog"));
    m_FileLabel = new QLabel(this);
    m_Table = new QTableWidget(0, ColCount, this);
    m_Table->setObjectName(QStringLiteral("importRows"));
    m_Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_Table->verticalHeader()->hide();
    m_Table->horizontalHeader()->setStretchLastSection(true);

    m_InOrder = new QRadioButton(this);
    m_InOrder->setObjectName(QStringLiteral("inFileOrder"));
    m_InOrder->setChecked(true);
    m_Start = new QSpinBox(this);
    m_Start->setObjectName(QStringLiteral("startChannel"));
    m_Start->setRange(1, ImageMap::ChannelCount);
    m_ByLocation = new QRadioButton(this);
    m_ByLocation->setObjectName(QStringLiteral("byLocation"));
    m_EmptyOthers = new QCheckBox(this);
    m_EmptyOthers->setObjectName(QStringLiteral("emptyOthers"));
    m_Summary = new QLabel(this);
    m_Summary->setObjectName(QStringLiteral("importSummary"));
    m_BandNote = new QLabel(this);
    m_BandNote->setObjectName(QStringLiteral("bandNote"));
    m_BandNote->setWordWrap(true);
    m_BandNote->hide();
    m_Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* choices = new QGridLayout;
    choices->addWidget(m_InOrder, 0, 0);
    choices->addWidget(m_Start, 0, 1);
    choices->addWidget(m_ByLocation, 1, 0, 1, 2);
    choices->addWidget(m_EmptyOthers, 2, 0, 1, 2);
    choices->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_FileLabel);
    layout->addWidget(m_Table, 1);
    layout->addLayout(choices);
    layout->addWidget(m_Summary);
    layout->addWidget(m_BandNote);
    layout->addWidget(m_Buttons);

    m_InOrder->setEnabled(m_CanPlace);
    m_ByLocation->setEnabled(m_CanPlace);
    m_Start->setEnabled(m_CanPlace);
    connect(m_InOrder, &QRadioButton::toggled, this, &ImportPreviewDialog::Replace);
    connect(m_Start, &QSpinBox::valueChanged, this, &ImportPreviewDialog::Replace);
    connect(m_Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    resize(760, 480);
    Retranslate();
    Replace();
}

QPushButton* ImportPreviewDialog::ImportButton() const {
    return m_Buttons->button(QDialogButtonBox::Ok);
}

ChannelImport::Placement ImportPreviewDialog::CurrentPlacement() const {
    return {m_ByLocation->isChecked(), m_Start->value()};
}

bool ImportPreviewDialog::EmptyOthers() const {
    return m_EmptyOthers->isChecked();
}

void ImportPreviewDialog::Replace() {
    m_Start->setEnabled(m_CanPlace && m_InOrder->isChecked());
    m_Rows = m_Placer(CurrentPlacement());
    FillTable();
}

void ImportPreviewDialog::FillTable() {
    m_Table->setRowCount(static_cast<int>(m_Rows.size()));
    for (int r = 0; r < static_cast<int>(m_Rows.size()); ++r) {
        const Row& row = m_Rows[r];
        const QString cells[ColCount] = {
            QString::number(row.line),
            // A row the file gives no number (too few fields, say) is found
            // by its line.
            row.location >= 0 ? QString::number(row.location)
                              : ImportPreviewDialog::tr("line %1").arg(row.line),
            QString::fromStdString(row.frequency),
            QString::fromStdString(row.name),
            row.channel > 0 ? QString::number(row.channel) : QStringLiteral("-"),
            StatusCell(row),
        };
        for (int c = 0; c < ColCount; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (const QColor colour = StatusColour(row.status); colour.isValid()) {
                item->setBackground(colour);
            }
            item->setToolTip(c == ColStatus ? cells[c] : QString());
            m_Table->setItem(r, c, item);
        }
    }
    m_Table->resizeColumnsToContents();
    const int placed = ChannelImport::PlacedCount(m_Rows);
    const int reported = static_cast<int>(m_Rows.size()) - placed;
    m_Summary->setText(
        tr("Rows into channels: %1; rows not imported: %2.").arg(placed).arg(reported));
    m_Summary->setAccessibleName(m_Summary->text());
    ImportButton()->setEnabled(placed > 0);
    ShowBandNote();
}

void ImportPreviewDialog::SetBandEdges(const BandEdges& band, int admittedByWiderBand) {
    m_Band = band;
    m_AdmittedByWiderBand = admittedByWiderBand;
    ShowBandNote();
}

void ImportPreviewDialog::ShowBandNote() {
    if (!m_Band) {
        return;
    }
    const int outside = m_AdmittedByWiderBand;
    QString text = tr("Frequencies are checked against the band edges %1-%2 MHz (Type "
                      "Setting, Field).")
                       .arg(m_Band->lower)
                       .arg(m_Band->upper);
    if (outside > 0) {
        text += QLatin1Char(' ') +
                tr("Rows outside them: %1. To import them, change Field in the Type Setting bar "
                   "above the channels first, then import again.")
                    .arg(outside);
    }
    m_BandNote->setText(text);
    m_BandNote->setAccessibleName(text);
    m_BandNote->show();
}

void ImportPreviewDialog::Retranslate() {
    setWindowTitle(tr("Import Channels"));
    m_FileLabel->setText(tr("Rows of %1 and the channels they go to:").arg(m_FileName));
    m_Table->setHorizontalHeaderLabels(
        {tr("Line"), tr("Location"), tr("Frequency"), tr("Name"), tr("Channel"), tr("Status")});
    m_Table->setAccessibleName(tr("Rows of the file"));
    m_InOrder->setText(tr("Fill channels in file order from channel:"));
    m_InOrder->setAccessibleName(tr("Fill channels in file order"));
    m_Start->setAccessibleName(tr("Start channel"));
    m_ByLocation->setText(tr("Put each row into the channel of its Location"));
    m_ByLocation->setAccessibleName(tr("By location"));
    m_EmptyOthers->setText(tr("Empty the other channels"));
    m_EmptyOthers->setAccessibleName(tr("Empty the other channels"));
    ImportButton()->setText(tr("Import"));
    ImportButton()->setAccessibleName(tr("Import"));
    m_Buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    m_Buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    m_FileLabel->setAccessibleName(m_FileLabel->text());
    if (!m_Rows.empty() || m_Table->rowCount() > 0) {
        FillTable(); // the status texts follow the language too
    }
}

void ImportPreviewDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}
