#include "transfer/ConnectionCheckDialog.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include "base/AppLanguage.h"
#include "transfer/PortChoice.h"

ConnectionCheckDialog::ConnectionCheckDialog(const QString& port, Runner runner, QWidget* parent)
    : QDialog(parent), m_Port(port), m_Runner(std::move(runner)), m_Heading(new QLabel(this)),
      m_Copy(new QPushButton(this)), m_Again(new QPushButton(this)),
      m_Close(new QPushButton(this)) {
    setObjectName(QStringLiteral("connectionCheck"));
    auto* layout = new QVBoxLayout(this);
    m_Heading->setWordWrap(true);
    layout->addWidget(m_Heading);
    for (QLabel*& step : m_Steps) {
        step = new QLabel(this);
        step->setWordWrap(true);
        // The reasons are meant to be read out, searched for and copied.
        step->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        step->setFocusPolicy(Qt::StrongFocus);
        step->setMinimumWidth(480);
        layout->addWidget(step);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_Copy);
    buttons->addStretch(1);
    buttons->addWidget(m_Again);
    buttons->addWidget(m_Close);
    layout->addLayout(buttons);
    m_Close->setDefault(true);
    connect(m_Copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(ReportText()); });
    connect(m_Again, &QPushButton::clicked, this, &ConnectionCheckDialog::Start);
    connect(m_Close, &QPushButton::clicked, this, &QDialog::reject);
    Retranslate();
}

ConnectionCheckDialog::~ConnectionCheckDialog() {
    StopAndWait();
}

void ConnectionCheckDialog::StopAndWait() {
    if (m_Cancel) {
        *m_Cancel = true;
    }
    if (m_Thread) {
        m_Thread->wait();
        delete m_Thread;
        m_Thread = nullptr;
    }
}

void ConnectionCheckDialog::done(int result) {
    // The port is closed before the dialog goes, so that a transfer may
    // open it at once.
    StopAndWait();
    QDialog::done(result);
}

void ConnectionCheckDialog::Start() {
    if (m_Thread) {
        return;
    }
    m_Report = {};
    m_Cancel = std::make_shared<std::atomic<bool>>(false);
    QPointer<ConnectionCheckDialog> self(this);
    m_Thread = QThread::create([self, runner = m_Runner, cancel = m_Cancel] {
        const ConnectionReport report = runner(*cancel);
        if (!*cancel) {
            QMetaObject::invokeMethod(
                qApp,
                [self, report] {
                    if (self) {
                        self->Finish(report);
                    }
                },
                Qt::QueuedConnection);
        }
    });
    m_Thread->start();
    Retranslate();
}

void ConnectionCheckDialog::Finish(const ConnectionReport& report) {
    if (m_Thread) {
        m_Thread->wait();
        delete m_Thread;
        m_Thread = nullptr;
    }
    m_Report = report;
    Retranslate();
    // The first step that failed takes the focus: a screen reader reads it.
    for (int i = 0; i < static_cast<int>(m_Report.steps.size()); ++i) {
        if (!m_Report.steps[i].ok) {
            m_Steps[i]->setFocus();
        }
    }
    emit checkFinished();
}

QString ConnectionCheckDialog::ReportText() const {
    return m_Heading->text() + QLatin1Char('\n') +
           QString::fromStdString(m_Report.Text(CurrentLang()));
}

void ConnectionCheckDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void ConnectionCheckDialog::Retranslate() {
    const Lang lang = CurrentLang();
    setWindowTitle(tr("Check Connection"));
    setAccessibleName(windowTitle());
    // The simulated radio by the name the Port menu gives it in this language.
    const QString port = m_Port == PortChoice::SimulatedPort
                             ? QCoreApplication::translate("PortChoice", "Simulated radio")
                             : m_Port;
    m_Heading->setText(
        IsRunning()           ? tr("%1: checking the connection to the radio...").arg(port)
        : m_Report.bCancelled ? tr("%1: the check was stopped.").arg(port)
        : m_Report.RadioAnswered()
            ? tr("%1: the radio answers.").arg(port)
            : tr("%1: the radio does not answer; the step marked ✗ tells why.").arg(port));
    m_Heading->setAccessibleName(m_Heading->text());
    const int count = static_cast<int>(std::size(m_Steps));
    for (int i = 0; i < count; ++i) {
        const auto kind = static_cast<CheckStep::Kind>(i);
        const QString name = QString::fromUtf8(CheckStep::Name(kind, lang));
        QString text;
        QString state;
        if (i < static_cast<int>(m_Report.steps.size())) {
            const CheckStep& step = m_Report.steps[i];
            text = QString::fromStdString(step.Line(lang));
            state = (step.ok ? tr("passed") : tr("failed")) +
                    (lang == Lang::Chinese ? QStringLiteral("。") : QStringLiteral(". ")) +
                    QString::fromStdString(step.Reason(lang));
        } else {
            state = IsRunning() ? tr("checking") : tr("not checked");
            text =
                QStringLiteral("– %1%2%3")
                    .arg(name, lang == Lang::Chinese ? QStringLiteral("：") : QStringLiteral(": "),
                         state);
        }
        m_Steps[i]->setText(text);
        m_Steps[i]->setAccessibleName(
            tr("Step %1 of %2, %3: %4").arg(i + 1).arg(count).arg(name, state));
    }
    m_Copy->setText(tr("&Copy"));
    m_Copy->setAccessibleName(tr("Copy the result"));
    m_Copy->setEnabled(!IsRunning());
    m_Again->setText(tr("Check &Again"));
    m_Again->setAccessibleName(tr("Check again"));
    m_Again->setEnabled(!IsRunning());
    m_Close->setText(tr("Close"));
    m_Close->setAccessibleName(tr("Close"));
}
