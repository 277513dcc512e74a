#include "transfer/ProgressDialog.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent), m_Start(new QPushButton(this)), m_Cancel(new QPushButton(this)),
      m_Bar(new QProgressBar(this)), m_ProgressLabel(new QLabel(this)), m_Status(new QLabel(this)),
      m_Phase(new QLabel(this)) {
    setModal(false);
    // The template's layout: Start top left, the bar below it, "Progress：" and
    // the status line under the bar, Cancel bottom right.
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_Start, 0, 0, Qt::AlignLeft);
    grid->addWidget(m_Phase, 0, 1, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(m_Bar, 1, 0, 1, 3);
    grid->addWidget(m_ProgressLabel, 2, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(m_Status, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(m_Cancel, 2, 2, Qt::AlignRight | Qt::AlignTop);
    m_Phase->setObjectName(QStringLiteral("phase"));
    m_Phase->hide();
    grid->setColumnStretch(1, 1);
    m_Status->setMinimumWidth(200);
    m_Start->setDefault(true);
    m_Start->setAutoDefault(true);
    m_Cancel->setAutoDefault(false);
    m_Bar->setRange(0, BarMaximum);
    m_Bar->setTextVisible(true);
    m_ProgressLabel->setBuddy(m_Bar);
    m_Status->setWordWrap(true);
    m_Status->setObjectName(QStringLiteral("progressStatus"));
    m_Bar->setObjectName(QStringLiteral("progressBar"));
    connect(m_Start, &QPushButton::clicked, this, &ProgressDialog::OnStart);
    connect(m_Cancel, &QPushButton::clicked, this, &ProgressDialog::OnCancel);
    auto steady = std::make_shared<QElapsedTimer>();
    steady->start();
    m_Clock = [steady] { return steady->elapsed(); };
    Retranslate();
}

void ProgressDialog::Retranslate() {
    m_Start->setText(tr("Start"));
    m_Cancel->setText(tr("Cancel"));
    m_ProgressLabel->setText(tr("Progress："));
    m_Bar->setAccessibleName(tr("Transfer progress"));
    // The line's name is its text (what is shown is what a screen reader
    // hears); the description says what the line is.
    m_Status->setAccessibleDescription(tr("Transfer status"));
    ShowStatus();
}

int ProgressDialog::Percent(int position) {
    return position * 100 / BarMaximum;
}

QString ProgressDialog::BlockText(int position) const {
    QString text = tr("Block %1 of %2, %3%").arg(position).arg(BarMaximum).arg(Percent(position));
    // The time left, once enough blocks have gone to tell the pace.
    const int done = position - m_FirstBlock;
    const qint64 spent = m_Clock() - m_FirstMs;
    if (m_FirstBlock >= 0 && done >= 5 && spent > 0 && position < BarMaximum) {
        const qint64 leftMs = spent * (BarMaximum - position) / done;
        text += tr(", about %1 s left").arg((leftMs + 999) / 1000);
    }
    return text;
}

void ProgressDialog::ShowStatus() {
    if (m_Block >= 0) {
        m_Status->setText(BlockText(m_Block));
    } else if (m_StatusSource.isEmpty()) {
        m_Status->setText(tr("Not started yet. Connect the radio, switch it on and press Start."));
    } else {
        // The transfer's own lines are looked up by their English text.
        m_Status->setText(tr(m_StatusSource.toUtf8().constData()));
    }
}

void ProgressDialog::Create(QWidget* centreOver) {
    if (isVisible()) {
        return;
    }
    m_Bar->setRange(0, BarMaximum);
    ShowBar(0);
    // A phase belongs to the transfer that set it, not to the next one.
    SetPhase(QString());
    m_bCancelRequested = false;
    m_Start->setEnabled(true);
    m_StatusSource.clear();
    m_Block = -1;
    m_FirstBlock = -1;
    Retranslate();
    setWindowTitle(m_Title);
    adjustSize();
    if (centreOver) {
        const QPoint centre = centreOver->mapToGlobal(centreOver->rect().center());
        move(centre - rect().center());
    }
    show();
    m_Start->setFocus();
}

bool ProgressDialog::IsStartEnabled() const {
    return m_Start->isEnabled();
}

int ProgressDialog::ProgressPosition() const {
    return m_Bar->value();
}

QString ProgressDialog::StatusText() const {
    return m_Status->text();
}

QString ProgressDialog::Phase() const {
    return m_Phase->text();
}

void ProgressDialog::SetPhase(const QString& phase) {
    m_Phase->setText(phase);
    m_Phase->setVisible(!phase.isEmpty());
}

void ProgressDialog::SetStatusText(const QString& text) {
    bool bNumber = false;
    text.toInt(&bNumber);
    if (bNumber) {
        return; // the block count; SetProgress tells it in words
    }
    m_StatusSource = text;
    m_Block = -1;
    ShowStatus();
}

void ProgressDialog::ShowBar(int position) {
    // The bar tells the same percentage as the status line, rounded the same way.
    m_Bar->setFormat(QStringLiteral("%1%").arg(Percent(position)));
    m_Bar->setValue(position);
}

void ProgressDialog::SetProgress(int position) {
    ShowBar(position);
    if (position <= 0) {
        // A new phase (the read-back of a verified write) measures its own pace.
        m_FirstBlock = -1;
        m_Block = -1;
        ShowStatus();
        return;
    }
    if (m_FirstBlock < 0) {
        m_FirstBlock = position;
        m_FirstMs = m_Clock();
    }
    m_Block = position;
    ShowStatus();
}

void ProgressDialog::EnableStart() {
    m_Start->setEnabled(true);
    m_Start->setFocus();
}

void ProgressDialog::Destroy() {
    hide();
}

void ProgressDialog::OnStart() {
    if (!m_Start->isEnabled() || !isVisible()) {
        return;
    }
    m_Start->setEnabled(false);
    m_bCancelRequested = false;
    m_FirstBlock = -1; // a new attempt measures its own pace
    QMetaObject::invokeMethod(this, &ProgressDialog::startRequested, Qt::QueuedConnection);
}

void ProgressDialog::OnCancel() {
    m_bCancelRequested = true;
    // With no transfer running the window goes at once; a running transfer
    // sees the flag at its next pump point and closes the window itself.
    if (m_Start->isEnabled()) {
        Destroy();
    }
}

void ProgressDialog::reject() {
    OnCancel();
}

void ProgressDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnCancel();
}

void ProgressDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}
