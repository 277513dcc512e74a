#include "link/ProgressDialog.h"

#include <QCloseEvent>
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
    m_Bar->setTextVisible(false);
    connect(m_Start, &QPushButton::clicked, this, &ProgressDialog::OnStart);
    connect(m_Cancel, &QPushButton::clicked, this, &ProgressDialog::OnCancel);
    Retranslate();
}

void ProgressDialog::Retranslate() {
    m_Start->setText(tr("Start"));
    m_Cancel->setText(tr("Cancel"));
    m_ProgressLabel->setText(tr("Progress："));
    if (m_bStatusUntouched) {
        m_Status->setText(tr("   Not start yet"));
    }
}

void ProgressDialog::Create(QWidget* centreOver) {
    if (isVisible()) {
        return;
    }
    m_Bar->setRange(0, BarMaximum);
    m_Bar->setValue(0);
    m_bCancelRequested = false;
    m_Start->setEnabled(true);
    m_bStatusUntouched = true;
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
    m_Phase->setAccessibleName(phase);
    m_Phase->setVisible(!phase.isEmpty());
}

void ProgressDialog::SetStatusText(const QString& text) {
    m_bStatusUntouched = false;
    m_Status->setText(text);
}

void ProgressDialog::SetProgress(int position) {
    m_Bar->setValue(position);
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
