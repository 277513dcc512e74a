#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <vector>

#include "link/DialogTransferHost.h"
#include "link/SimulatedRadio.h"
#include "link/TransferSession.h"

class QAction;
class QMenu;
class QThread;
class QWidget;
class ProgressDialog;
class ViewHooks;

// The Read and Write commands, the port choice and the progress dialog. A
// transfer runs on a worker thread on a copy of the document's image; the
// document changes only after a complete read. While it runs, busyChanged
// tells the main window to disable the commands that change the image.
class TransferCommands : public QObject {
    Q_OBJECT
public:
    // The port name that stands for the radio simulated inside the program.
    static const QString SimulatedPort;
    // Command ids of the four COM commands, in menu order.
    static constexpr int ComCommandIds[4] = {32773, 32775, 32776, 32777};
    static constexpr int ReadCommandId = 32771;
    static constexpr int WriteCommandId = 32772;

    TransferCommands(ViewHooks& hooks, QWidget* parent);
    ~TransferCommands() override;

    QAction* ReadAction() const { return m_ReadAction; }
    QAction* WriteAction() const { return m_WriteAction; }
    // Fills menu with the four COM entries, every serial port the system
    // reports, an entry to type a device path and the simulated radio; the
    // list is refreshed each time the menu opens.
    void PopulatePortMenu(QMenu* menu);

    const QString& PortName() const { return m_PortName; }
    void SetPortName(const QString& name);
    // 0 = read from the radio, 1 = write to it.
    int WriteMode() const { return m_WriteMode; }
    bool IsBusy() const { return m_Thread != nullptr; }
    ProgressDialog* Dialog() const { return m_Dialog; }
    TransferOutcome LastOutcome() const { return m_LastOutcome; }

    // Cancels a running transfer and waits until its port is closed, with
    // every message box suppressed. False if it did not stop in time.
    bool CancelAndWait();

    // The radio behind SimulatedPort; it keeps what was written into it.
    SimulatedRadio& BuiltInRadio() { return *m_Radio; }
    void SetBuiltInRadio(const MemoryImage& memory, const SimulatedRadioOptions& options);
    // How transfers wait; tests put a virtual clock here.
    void SetSleeper(DialogTransferHost::Sleeper sleeper) { m_Sleeper = std::move(sleeper); }

public slots:
    void OnRead();
    void OnWrite();

signals:
    void busyChanged(bool busy);
    void transferFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Job;

    void OpenDialog(int writeMode);
    void StartTransfer();
    void FinishTransfer();
    void FillPortMenu(QMenu* menu);
    void AskForDevicePath();
    void Retranslate();
    void SetBusy(bool bBusy);

    ViewHooks& m_Hooks;
    QWidget* m_Owner;
    QString m_PortName = QStringLiteral("COM1");
    int m_WriteMode = 0;
    ProgressDialog* m_Dialog;
    QAction* m_ReadAction;
    QAction* m_WriteAction;
    std::vector<QAction*> m_ComActions;
    std::unique_ptr<SimulatedRadio> m_Radio;
    DialogTransferHost::Sleeper m_Sleeper = &DialogTransferHost::RealSleep;
    std::atomic<bool> m_bQuiet{false};
    QThread* m_Thread = nullptr;
    std::shared_ptr<Job> m_Job;
    std::unique_ptr<DialogTransferHost> m_Host;
    TransferOutcome m_LastOutcome = TransferOutcome::Completed;
};
