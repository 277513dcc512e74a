#include "transfer/TransferCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QPointer>
#include <QEvent>
#include <QKeySequence>
#include <QThread>
#include <QWidget>

#include "base/ButtonName.h"
#include "base/ModalRunner.h"
#include "link/ConnectionCheck.h"
#include "link/PortFacts.h"
#include "transfer/ConnectionCheckDialog.h"
#include "transfer/PortChoice.h"
#include "document/ChannelDocument.h"
#include "compare/ImageCompare.h"
#include "image/ImageMap.h"
#include "link/InMemoryLink.h"
#include "link/LoggingLink.h"
#include "transfer/ProgressDialog.h"
#include "link/SystemSerialLink.h"
#include "transfer/TransferArchive.h"

struct TransferCommands::Job {
    TransferDirection direction = TransferDirection::Read;
    bool bCompare = false; // a read for a comparison: the document stays as it is
    bool bVerify = false;  // a write read back at once
    std::string port;
    MemoryImage image;
    TransferOutcome outcome = TransferOutcome::Completed;
    std::optional<TransferOutcome> readBackOutcome; // set when a read-back ran
    MemoryImage readBack;
    std::string log;
};

namespace {

constexpr BiText ReadStep{"Read From Radio", "从对讲机读取"};

} // namespace

TransferCommands::TransferCommands(ChannelDocument& doc, QWidget* centreOver, QWidget* parent)
    : QObject(parent), m_Doc(doc), m_CentreOver(centreOver), m_Owner(parent), m_Port(new PortChoice(parent, this)),
      m_Dialog(new ProgressDialog(parent)), m_ReadAction(new QAction(this)),
      m_WriteAction(new QAction(this)), m_CheckAction(new QAction(this)),
      m_Radio(std::make_unique<SimulatedRadio>()) {
    m_ReadAction->setData(ReadCommandId);
    m_WriteAction->setData(WriteCommandId);
    // Qt shows the keys in the menus.
    m_ReadAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    m_WriteAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+W")));
    connect(m_ReadAction, &QAction::triggered, this, &TransferCommands::OnRead);
    connect(m_WriteAction, &QAction::triggered, this, &TransferCommands::OnWrite);
    connect(m_CheckAction, &QAction::triggered, this, &TransferCommands::OnCheckConnection);
    // The answer about unsaved changes holds until the document changes.
    const auto changed = [this] { m_bAnswered = false; };
    connect(&m_Doc, &ChannelDocument::channelsChanged, this, changed);
    connect(&m_Doc, &ChannelDocument::settingsChanged, this, changed);
    connect(&m_Doc, &ChannelDocument::reset, this, changed);
    m_Port->SetCheckAction(m_CheckAction);
    connect(m_Dialog, &ProgressDialog::startRequested, this, &TransferCommands::StartTransfer);
    qApp->installEventFilter(this);
    Retranslate();
}

TransferCommands::~TransferCommands() {
    if (!CancelAndWait() && m_Thread) {
        m_Thread->wait();
    }
    delete m_Thread;
    delete m_Dialog;
}

void TransferCommands::Retranslate() {
    m_ReadAction->setText(tr("&Read From Radio"));
    m_ReadAction->setStatusTip(tr("Read Data From Radio"));
    m_ReadAction->setToolTip(tr("Read"));
    m_ReadAction->setIconText(ButtonName(m_ReadAction->text()));
    m_WriteAction->setText(tr("&Write To Radio"));
    m_WriteAction->setStatusTip(tr("Write Data to Radio "));
    m_WriteAction->setToolTip(tr("Write"));
    m_WriteAction->setIconText(ButtonName(m_WriteAction->text()));
    m_CheckAction->setText(tr("Check Connection..."));
    m_CheckAction->setStatusTip(
        tr("Tell step by step why the radio on the chosen port does not answer"));
}

bool TransferCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    return QObject::eventFilter(watched, event);
}

void TransferCommands::SetBuiltInRadio(const MemoryImage& memory,
                                       const SimulatedRadioOptions& options) {
    if (!IsBusy()) {
        m_Radio = std::make_unique<SimulatedRadio>(memory, options);
    }
}

void TransferCommands::OnRead() {
    OpenDialog(TransferDirection::Read);
}

void TransferCommands::OnWrite() {
    OpenDialog(TransferDirection::Write);
}

void TransferCommands::OnCompareWithRadio() {
    OpenDialog(TransferDirection::Read, true);
}

void TransferCommands::OnCheckConnection() {
    if (IsBusy()) {
        return;
    }
    const std::string port = m_Port->PortName().toStdString();
    const bool bSimulated = m_Port->IsSimulated();
    SimulatedRadio* radio = m_Radio.get();
    const DialogTransferHost::Sleeper sleeper = m_Sleeper;
    auto run = [port, bSimulated, radio, sleeper](const std::atomic<bool>& cancel) {
        SystemSerialLink serial;
        InMemoryLink simulated(InMemoryLink::Over(*radio),
                               [sleeper](double ms) { sleeper(static_cast<int>(ms + 0.5)); });
        QElapsedTimer clock;
        clock.start();
        ConnectionCheck check(
            bSimulated ? static_cast<RadioLink&>(simulated) : serial, sleeper,
            [&clock] { return static_cast<double>(clock.nsecsElapsed()) / 1e6; },
            [&cancel] { return cancel.load(); });
        PortFacts facts = bSimulated ? PortFacts{} : PortFacts::Inspect(port);
        facts.bSimulated = bSimulated;
        return check.Run(port, facts);
    };
    ConnectionCheckDialog dialog(m_Port->PortName(), run, m_Owner);
    m_CheckAction->setEnabled(false);
    dialog.Start();
    ModalRunner::Run(dialog);
    m_CheckAction->setEnabled(!IsBusy());
}

void TransferCommands::OpenDialog(TransferDirection direction, bool bCompare) {
    if (IsBusy()) {
        return; // the direction of a running transfer does not change
    }
    if (!m_Dialog->IsCreated()) {
        m_bAnswered = false;
    }
    // A read for a comparison replaces nothing: no question about changes.
    if (direction == TransferDirection::Read && !bCompare && !MayReplaceDocument()) {
        return;
    }
    m_Direction = direction;
    m_bCompare = bCompare;
    m_Dialog->SetTitle(bCompare                                ? tr("Reading the Radio to Compare")
                       : direction == TransferDirection::Write ? tr("Writing Data Progress")
                                                               : tr("Reading Data Progress"));
    m_Dialog->Create(m_CentreOver);
}

bool TransferCommands::MayReplaceDocument() {
    if (!m_BeforeRead) {
        return true;
    }
    // Asked once per state of the document: a change made while the dialog
    // waits for Start is asked about again.
    m_Doc.settledImage(); // what is being typed counts as a change
    if (m_bAnswered) {
        return true;
    }
    m_bAnswered = m_BeforeRead();
    return m_bAnswered;
}

void TransferCommands::SetBusy(bool bBusy) {
    m_ReadAction->setEnabled(!bBusy);
    m_WriteAction->setEnabled(!bBusy);
    m_CheckAction->setEnabled(!bBusy);
    emit busyChanged(bBusy);
}

void TransferCommands::StartTransfer() {
    if (m_Thread) {
        // The last attempt is about to end (a synchronization error re-enables
        // Start just before the port closes).
        m_Thread->wait();
        FinishTransfer();
    }
    if (m_Direction == TransferDirection::Read && !m_bCompare && !MayReplaceDocument()) {
        m_Dialog->EnableStart();
        return;
    }
    auto job = std::make_shared<Job>();
    job->direction = m_Direction;
    job->bCompare = m_bCompare && m_Direction == TransferDirection::Read;
    job->bVerify = m_bVerify && m_Direction == TransferDirection::Write;
    job->image = m_Doc.settledImage();
    if (job->direction == TransferDirection::Write && m_BeforeWrite && !m_BeforeWrite(job->image)) {
        m_Dialog->EnableStart();
        return;
    }
    if (job->direction == TransferDirection::Write) {
        m_Doc.forgetWritten();
        TransferArchive::SaveBackup(job->image, QStringLiteral("before-write"));
    }
    job->port = m_Port->PortName().toStdString();
    const bool bSimulated = m_Port->IsSimulated();
    m_bQuiet = false;
    m_Job = job;
    m_Host = std::make_unique<DialogTransferHost>(m_Dialog, m_Owner, m_Sleeper, m_bQuiet);
    DialogTransferHost* host = m_Host.get();
    SimulatedRadio* radio = m_Radio.get();
    DialogTransferHost::Sleeper sleeper = m_Sleeper;
    // A verified write shows its two phases in the same dialog.
    m_Dialog->SetPhase(job->bVerify ? tr("Step 1 of 2: writing") : QString());
    const QString readBackPhase = tr("Step 2 of 2: reading the radio back to verify");
    QPointer<ProgressDialog> dialog = m_Dialog;
    m_Thread = QThread::create([job, host, radio, bSimulated, sleeper, dialog, readBackPhase] {
        SystemSerialLink serial;
        InMemoryLink simulated(InMemoryLink::Over(*radio),
                               [sleeper](double ms) { sleeper(static_cast<int>(ms + 0.5)); });
        LoggingLink link(bSimulated ? static_cast<RadioLink&>(simulated) : serial);
        TransferSession session(link, *host);
        // A write to be verified keeps the dialog open for its second phase.
        host->HoldDialog(job->bVerify);
        job->outcome = session.Run(job->direction, job->port, job->image);
        if (job->bVerify && job->outcome == TransferOutcome::Completed) {
            if (dialog) {
                QMetaObject::invokeMethod(
                    dialog.data(), [dialog, readBackPhase] { dialog->SetPhase(readBackPhase); },
                    Qt::QueuedConnection);
            }
            host->SetProgress(0);
            // The read-back is a full read at the protocol's own speed, into
            // an image of its own.
            job->readBack = job->image;
            job->readBackOutcome = session.Run(TransferDirection::Read, job->port, job->readBack);
        }
        host->HoldDialog(false);
        job->log = link.Text();
    });
    connect(m_Thread, &QThread::finished, this, &TransferCommands::FinishTransfer);
    m_StartedMs = QDateTime::currentMSecsSinceEpoch();
    SetBusy(true);
    m_Thread->start();
}

void TransferCommands::FinishTransfer() {
    if (!m_Thread || !m_Thread->isFinished()) {
        return;
    }
    m_Thread->wait();
    delete m_Thread;
    m_Thread = nullptr;
    const bool bCheck = m_Host && m_Host->CheckAsked();
    m_Host.reset();
    const std::shared_ptr<Job> job = std::move(m_Job);
    m_LastOutcome = job->outcome;
    const bool bRead = job->direction == TransferDirection::Read;
    m_bLastVerified = false;
    if (bRead && job->bCompare) {
        if (job->outcome == TransferOutcome::Completed) {
            TransferArchive::SaveBackup(job->image, QStringLiteral("read"));
        }
    } else if (bRead && job->outcome == TransferOutcome::Completed) {
        // One undo step from what was there, which also leaves the file open
        // before: a Save cannot overwrite it by accident, and offers the
        // date's name instead.
        m_Doc.applyRead(ReadStep, job->image,
                        QCoreApplication::translate("FileCommands", "Radio %1")
                                .arg(QDate::currentDate().toString(Qt::ISODate)) +
                            QStringLiteral(".sin"));
        TransferArchive::SaveBackup(job->image, QStringLiteral("read"));
        emit readCompleted();
    } else if (job->outcome == TransferOutcome::Completed) {
        // A radio that was read back and holds something else is not safe
        // keeping for the document.
        m_bLastVerified =
            job->readBackOutcome == TransferOutcome::Completed &&
            CompareImages(job->image, job->readBack, CompareScope::Transferred, Lang::English)
                .Same();
        if (job->readBackOutcome != TransferOutcome::Completed || m_bLastVerified) {
            m_Doc.markWritten(job->image);
        }
    }
    const QString head =
        QStringLiteral("%1 %2 on %3: %4\n")
            .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs),
                 bRead ? QStringLiteral("read")
                 : job->readBackOutcome
                     ? QStringLiteral("write, read back %1")
                           .arg(QString::fromUtf8(OutcomeName(*job->readBackOutcome)))
                     : QStringLiteral("write"),
                 QString::fromStdString(job->port), QString::fromUtf8(OutcomeName(job->outcome)));
    TransferArchive::SaveLog(head + QString::fromStdString(job->log));
    if (job->outcome == TransferOutcome::Completed) {
        const double seconds = (QDateTime::currentMSecsSinceEpoch() - m_StartedMs) / 1000.0;
        const QString said = bRead ? tr("Read %1 blocks in %2 s")
                             : job->readBackOutcome
                                 ? tr("Wrote %1 blocks and read them back in %2 s")
                                 : tr("Wrote %1 blocks in %2 s");
        emit statusMessage(said.arg(ImageMap::BlockCount).arg(seconds, 0, 'f', 1));
    }
    SetBusy(false);
    if (job->bCompare && job->outcome == TransferOutcome::Completed) {
        emit radioReadForCompare(job->image);
    }
    if (job->readBackOutcome) {
        emit writeReadBack(*job->readBackOutcome, job->image, job->readBack);
    }
    emit transferFinished();
    if (bCheck) {
        // After this handler: the check's dialog runs an event loop of its own.
        QMetaObject::invokeMethod(this, &TransferCommands::OnCheckConnection, Qt::QueuedConnection);
    }
}

bool TransferCommands::CancelAndWait() {
    if (!m_Thread) {
        return true;
    }
    m_bQuiet = true;
    m_Dialog->CancelRequested() = true;
    // A read can wait up to about 6 s for a silent radio; the queued calls of
    // the transfer must still be served meanwhile.
    QElapsedTimer waited;
    waited.start();
    while (!m_Thread->wait(QDeadlineTimer(20))) {
        QCoreApplication::processEvents();
        if (waited.elapsed() > 15000) {
            return false;
        }
    }
    FinishTransfer();
    return true;
}
