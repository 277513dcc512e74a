#include "compare/CompareDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CompareDialog::CompareDialog(const ImageComparison& comparison, Lang lang, const QString& title,
                             const QString& heading, const QString& before, const QString& after,
                             QWidget* parent)
    : QDialog(parent), m_Summary(new QLabel(this)), m_List(new QTreeWidget(this)),
      m_Copy(new QPushButton(tr("&Copy"), this)) {
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(title);
    setModal(true);

    auto* headingLabel = new QLabel(heading, this);
    headingLabel->setWordWrap(true);
    // The headlines are read as shown; what they are goes in the description.
    headingLabel->setAccessibleDescription(tr("What is compared"));
    const QString summary = Q(ComparisonSummary(comparison, lang));
    m_Summary->setText(summary);
    m_Summary->setAccessibleDescription(tr("Number of differences"));
    QFont bold = m_Summary->font();
    bold.setBold(true);
    m_Summary->setFont(bold);

    m_List->setObjectName(QStringLiteral("Differences"));
    m_List->setAccessibleName(tr("Differences"));
    m_List->setColumnCount(3);
    m_List->setHeaderLabels({tr("Field"), before, after});
    m_List->setRootIsDecorated(true);
    m_List->setUniformRowHeights(true);
    m_List->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_List->header()->setSectionResizeMode(QHeaderView::Interactive);

    // One group per channel, per settings dialog and for the other bytes.
    m_Text = heading + QLatin1Char('\n') + summary + QLatin1Char('\n');
    QTreeWidgetItem* group = nullptr;
    QString groupName;
    for (const Difference& d : comparison.differences) {
        QString place = Q(DifferencePlace(d, lang));
        place[0] = place[0].toUpper(); // a heading: "Channel 12"
        if (!group || place != groupName) {
            group = new QTreeWidgetItem(m_List, {place});
            group->setFirstColumnSpanned(true);
            groupName = place;
        }
        const QString field = d.field.empty() ? tr("whole channel") : Q(d.field);
        QString beforeText = Q(d.before);
        QString afterText = Q(d.after);
        if (d.kind == DifferenceKind::Bytes && d.before.empty()) {
            beforeText = afterText = tr("%n bytes", nullptr, d.lastAddress - d.firstAddress + 1);
        }
        auto* item = new QTreeWidgetItem(group, {field, beforeText, afterText});
        item->setToolTip(1, beforeText);
        item->setToolTip(2, afterText);
        m_Text += Q(DifferenceLine(d, lang)) + QLatin1Char('\n');
    }
    m_List->expandAll();
    for (int c = 0; c < 3; ++c) {
        m_List->resizeColumnToContents(c);
    }
    m_List->setVisible(!comparison.Same());

    m_Copy->setObjectName(QStringLiteral("CopyButton"));
    m_Copy->setAccessibleName(tr("Copy the differences as text"));
    connect(m_Copy, &QPushButton::clicked, this, &CompareDialog::CopyToClipboard);
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    connect(copyKey, &QShortcut::activated, this, &CompareDialog::CopyToClipboard);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
    buttons->addButton(m_Copy, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel);
    layout->addWidget(m_Summary);
    layout->addWidget(m_List, 1);
    layout->addWidget(buttons);
    resize(comparison.Same() ? QSize(420, 140) : QSize(720, 480));
}

QString CompareDialog::Summary() const {
    return m_Summary->text();
}

void CompareDialog::CopyToClipboard() {
    QApplication::clipboard()->setText(m_Text);
}
