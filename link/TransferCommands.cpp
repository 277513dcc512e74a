#include "link/TransferCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEvent>
#include <QInputDialog>
#include <QKeySequence>
#include <QMenu>
#include <QSerialPortInfo>
#include <QThread>
#include <QWidget>

#include "base/ViewHooks.h"
#include "link/InMemoryLink.h"
#include "link/LoggingLink.h"
#include "link/ProgressDialog.h"
#include "link/SystemSerialLink.h"
#include "link/TransferArchive.h"

const QString TransferCommands::SimulatedPort = QStringLiteral("Simulated radio");

struct TransferCommands::Job {
    TransferDirection direction = TransferDirection::Read;
    std::string port;
    MemoryImage image;
    TransferOutcome outcome = TransferOutcome::Completed;
    std::string log;
};

namespace {

constexpr BiText ReadStep{"Read From Radio", "从对讲机读取"};

const char* const ComTexts[4] = {
    QT_TRANSLATE_NOOP("TransferCommands", "COM1(&P)"),
    QT_TRANSLATE_NOOP("TransferCommands", "COM2(&Q)"),
    QT_TRANSLATE_NOOP("TransferCommands", "COM3(&S)"),
    QT_TRANSLATE_NOOP("TransferCommands", "COM4(&T)"),
};
const char* const ComPrompts[4] = {
    QT_TRANSLATE_NOOP("TransferCommands", "Choose Communication Port one "),
    QT_TRANSLATE_NOOP("TransferCommands", "Choose Communication Port two "),
    QT_TRANSLATE_NOOP("TransferCommands", "Choose Communication Port three "),
    QT_TRANSLATE_NOOP("TransferCommands", "Choose Communication Port four "),
};

const char* OutcomeName(TransferOutcome outcome) {
    switch (outcome) {
    case TransferOutcome::Completed:
        return "completed";
    case TransferOutcome::PortNotOpened:
        return "port not opened";
    case TransferOutcome::SyncFailed:
        return "synchronization error";
    case TransferOutcome::ModelMismatch:
        return "model mismatch";
    case TransferOutcome::CommunicationFailed:
        return "communication error";
    case TransferOutcome::ShortReply:
        return "short reply";
    case TransferOutcome::AcknowledgeLost:
        return "acknowledgement lost";
    case TransferOutcome::BlockRefused:
        return "block refused";
    case TransferOutcome::Cancelled:
        return "cancelled";
    }
    return "?";
}

} // namespace

TransferCommands::TransferCommands(ViewHooks& hooks, QWidget* parent)
    : QObject(parent), m_Hooks(hooks), m_Owner(parent), m_Dialog(new ProgressDialog(parent)),
      m_ReadAction(new QAction(this)), m_WriteAction(new QAction(this)),
      m_Radio(std::make_unique<SimulatedRadio>()) {
    m_ReadAction->setData(ReadCommandId);
    m_WriteAction->setData(WriteCommandId);
    // The menu texts name these keys, so they work too. The COM entries have
    // none: Ctrl+C and its neighbours belong to editing.
    m_ReadAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    m_WriteAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+W")));
    connect(m_ReadAction, &QAction::triggered, this, &TransferCommands::OnRead);
    connect(m_WriteAction, &QAction::triggered, this, &TransferCommands::OnWrite);
    for (int i = 0; i < 4; ++i) {
        auto* action = new QAction(this);
        action->setCheckable(true);
        action->setData(ComCommandIds[i]);
        const QString name = QStringLiteral("COM%1").arg(i + 1);
        connect(action, &QAction::triggered, this, [this, name] { SetPortName(name); });
        m_ComActions.push_back(action);
    }
    connect(m_Dialog, &ProgressDialog::startRequested, this, &TransferCommands::StartTransfer);
    qApp->installEventFilter(this);
    Retranslate();
    SetPortName(m_PortName);
}

TransferCommands::~TransferCommands() {
    if (!CancelAndWait() && m_Thread) {
        m_Thread->wait();
    }
    delete m_Thread;
    delete m_Dialog;
}

void TransferCommands::Retranslate() {
    m_ReadAction->setText(tr("&Read From Radio\tCtrl+R"));
    m_ReadAction->setStatusTip(tr("Read Data From Radio"));
    m_ReadAction->setToolTip(tr("Read"));
    m_WriteAction->setText(tr("&Write To Radio\tCtrl+W"));
    m_WriteAction->setStatusTip(tr("Write Data to Radio "));
    m_WriteAction->setToolTip(tr("Write"));
    for (int i = 0; i < 4; ++i) {
        m_ComActions[i]->setText(tr(ComTexts[i]));
        m_ComActions[i]->setStatusTip(tr(ComPrompts[i]));
        // Which device the name stands for here, by the serial link's rule.
        m_ComActions[i]->setToolTip(tr("Com%1 (%2)")
                                        .arg(i + 1)
                                        .arg(QString::fromStdString(SystemSerialLink::DeviceFor(
                                            "COM" + std::to_string(i + 1)))));
    }
}

bool TransferCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    return QObject::eventFilter(watched, event);
}

void TransferCommands::SetPortName(const QString& name) {
    m_PortName = name;
    for (int i = 0; i < 4; ++i) {
        m_ComActions[i]->setChecked(m_PortName == QStringLiteral("COM%1").arg(i + 1));
    }
}

void TransferCommands::SetBuiltInRadio(const MemoryImage& memory,
                                       const SimulatedRadioOptions& options) {
    if (!IsBusy()) {
        m_Radio = std::make_unique<SimulatedRadio>(memory, options);
    }
}

void TransferCommands::PopulatePortMenu(QMenu* menu) {
    menu->setToolTipsVisible(true);
    FillPortMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillPortMenu(menu); });
}

void TransferCommands::FillPortMenu(QMenu* menu) {
    // clear() deletes only the entries the menu owns: the COM actions stay.
    menu->clear();
    for (QAction* com : m_ComActions) {
        menu->addAction(com);
    }
    menu->addSeparator();
    auto addChoice = [this, menu](const QString& text, const QString& port, const QString& tip) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(m_PortName == port);
        action->setStatusTip(tip);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, [this, port] { SetPortName(port); });
        return action;
    };
    bool bListed = m_PortName == SimulatedPort || m_PortName.startsWith(QStringLiteral("COM"));
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString path = info.systemLocation();
        const QString text = info.description().isEmpty()
                                 ? path
                                 : QStringLiteral("%1 (%2)").arg(path, info.description());
        addChoice(text, path, tr("Use the serial port %1").arg(path));
        bListed = bListed || path == m_PortName;
    }
    if (!bListed) {
        // A device path typed earlier stays visible, checked.
        addChoice(m_PortName, m_PortName, tr("Use the serial port %1").arg(m_PortName));
    }
    QAction* other = menu->addAction(tr("Other port..."));
    other->setStatusTip(tr("Type the path of any serial device, a pseudo-terminal for example"));
    connect(other, &QAction::triggered, this, &TransferCommands::AskForDevicePath);
    menu->addSeparator();
    addChoice(tr("Simulated radio"), SimulatedPort,
              tr("Read and write a radio simulated inside the program, without a cable"));
}

void TransferCommands::AskForDevicePath() {
    bool ok = false;
    const QString path = QInputDialog::getText(m_Owner, tr("Other port"), tr("Device path:"),
                                               QLineEdit::Normal, m_PortName, &ok)
                             .trimmed();
    if (ok && !path.isEmpty()) {
        SetPortName(path);
    }
}

void TransferCommands::OnRead() {
    OpenDialog(0);
}

void TransferCommands::OnWrite() {
    OpenDialog(1);
}

void TransferCommands::OpenDialog(int writeMode) {
    if (IsBusy()) {
        return; // the direction of a running transfer does not change
    }
    m_Hooks.CommitCellEdit();
    m_WriteMode = writeMode;
    m_Dialog->SetTitle(writeMode ? tr("Writing Data Progress") : tr("Reading Data Progress"));
    m_Dialog->Create(m_Hooks.GridWidget());
}

void TransferCommands::SetBusy(bool bBusy) {
    m_ReadAction->setEnabled(!bBusy);
    m_WriteAction->setEnabled(!bBusy);
    emit busyChanged(bBusy);
}

void TransferCommands::StartTransfer() {
    if (m_Thread) {
        // The last attempt is about to end (a synchronization error re-enables
        // Start just before the port closes).
        m_Thread->wait();
        FinishTransfer();
    }
    auto job = std::make_shared<Job>();
    job->direction = m_WriteMode ? TransferDirection::Write : TransferDirection::Read;
    if (job->direction == TransferDirection::Write) {
        m_Hooks.CommitGrid();
    }
    job->image = m_Hooks.DocumentImage();
    if (job->direction == TransferDirection::Write) {
        TransferArchive::SaveBackup(job->image, QStringLiteral("before-write"));
    }
    job->port = m_PortName.toStdString();
    const bool bSimulated = m_PortName == SimulatedPort;
    m_bQuiet = false;
    m_Job = job;
    m_Host = std::make_unique<DialogTransferHost>(m_Dialog, m_Owner, m_Sleeper, m_bQuiet);
    DialogTransferHost* host = m_Host.get();
    SimulatedRadio* radio = m_Radio.get();
    DialogTransferHost::Sleeper sleeper = m_Sleeper;
    m_Thread = QThread::create([job, host, radio, bSimulated, sleeper] {
        SystemSerialLink serial;
        InMemoryLink simulated(InMemoryLink::Over(*radio),
                               [sleeper](double ms) { sleeper(static_cast<int>(ms + 0.5)); });
        LoggingLink link(bSimulated ? static_cast<RadioLink&>(simulated) : serial);
        TransferSession session(link, *host);
        job->outcome = session.Run(job->direction, job->port, job->image);
        job->log = link.Text();
    });
    connect(m_Thread, &QThread::finished, this, &TransferCommands::FinishTransfer);
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
    m_Host.reset();
    const std::shared_ptr<Job> job = std::move(m_Job);
    m_LastOutcome = job->outcome;
    const bool bRead = job->direction == TransferDirection::Read;
    if (bRead && job->outcome == TransferOutcome::Completed) {
        // One undo step from what was there; the radio now holds the result.
        m_Hooks.ApplyImageChange(ReadStep, [&job](MemoryImage& image) {
            image = job->image;
            return true;
        });
        m_Hooks.MarkClean();
        TransferArchive::SaveBackup(job->image, QStringLiteral("read"));
    } else if (job->outcome == TransferOutcome::Completed) {
        m_Hooks.MarkSafe(job->image);
    }
    const QString head =
        QStringLiteral("%1 %2 on %3: %4\n")
            .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs),
                 bRead ? QStringLiteral("read") : QStringLiteral("write"),
                 QString::fromStdString(job->port), QString::fromUtf8(OutcomeName(job->outcome)));
    TransferArchive::SaveLog(head + QString::fromStdString(job->log));
    SetBusy(false);
    emit transferFinished();
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
