#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "transfer/DialogTransferHost.h"
#include "link/SimulatedRadio.h"
#include "link/TransferSession.h"

class PortChoice;
class ProgressDialog;
class QAction;
class QThread;
class QWidget;
class ChannelDocument;

// The Read and Write commands and the progress dialog, over the port that
// PortChoice holds. A transfer runs on a worker thread on a copy of the document's image; the
// document changes only after a complete read. While it runs, busyChanged
// tells the main window to disable the commands that change the image.
class TransferCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int ReadCommandId = 32771;
    static constexpr int WriteCommandId = 32772;

    // The progress dialog is centred over centreOver (the channel grid).
    TransferCommands(ChannelDocument& doc, QWidget* centreOver, QWidget* parent);
    ~TransferCommands() override;

    QAction* ReadAction() const { return m_ReadAction; }
    QAction* WriteAction() const { return m_WriteAction; }
    // Port > Check Connection.
    QAction* CheckAction() const { return m_CheckAction; }
    // The port the next transfer uses, and the Port menu.
    PortChoice& Port() const { return *m_Port; }
    // The direction of the last transfer asked for.
    TransferDirection Direction() const { return m_Direction; }
    bool IsBusy() const { return m_Thread != nullptr; }
    ProgressDialog* Dialog() const { return m_Dialog; }
    TransferOutcome LastOutcome() const { return m_LastOutcome; }

    // Cancels a running transfer and waits until its port is closed, with
    // every message box suppressed. False if it did not stop in time.
    bool CancelAndWait();

    // The radio behind SimulatedPort; it keeps what was written into it.
    SimulatedRadio& BuiltInRadio() { return *m_Radio; }
    void SetBuiltInRadio(const MemoryImage& memory, const SimulatedRadioOptions& options);
    // Asked before a read replaces the document; false stops the read (the
    // user cancelled the question about unsaved changes).
    void SetBeforeRead(std::function<bool()> ask) { m_BeforeRead = std::move(ask); }
    // Asked with the image about to be written; false stops the write (the
    // user chose not to write channels outside the band edges, say).
    void SetBeforeWrite(std::function<bool(const MemoryImage&)> ask) {
        m_BeforeWrite = std::move(ask);
    }
    // Whether the image may be written (the question SetBeforeWrite installed).
    bool MayWrite(const MemoryImage& image) const { return !m_BeforeWrite || m_BeforeWrite(image); }
    // How transfers wait; tests put a virtual clock here.
    void SetSleeper(DialogTransferHost::Sleeper sleeper) { m_Sleeper = std::move(sleeper); }

    // Whether a completed write is read back at once, as a second phase of
    // the same progress dialog.
    void SetVerifyAfterWrite(bool bVerify) { m_bVerify = bVerify; }
    bool VerifyAfterWrite() const { return m_bVerify; }
    // How the read-back of the last write ended; Completed with a radio that
    // differs is a failed verify. Only meaningful after writeReadBack.
    bool LastWriteVerified() const { return m_bLastVerified; }

public slots:
    void OnRead();
    void OnWrite();
    // A read into an image of its own, for a comparison: the document, its
    // title and its history stay as they are.
    void OnCompareWithRadio();
    // The connection check on the chosen port, in its dialog.
    void OnCheckConnection();

signals:
    void busyChanged(bool busy);
    void transferFinished();
    // A read completed and the document now holds the radio's memory.
    void readCompleted();
    // A read for OnCompareWithRadio completed: radio is what the radio holds.
    void radioReadForCompare(const MemoryImage& radio);
    // A write completed and was read back (or the read-back ended early, as
    // outcome says): written is what was sent, radio what came back.
    void writeReadBack(TransferOutcome outcome, const MemoryImage& written,
                       const MemoryImage& radio);
    // What the status bar tells after a transfer ("Read 397 blocks in 8.1 s").
    void statusMessage(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Job;

    void OpenDialog(TransferDirection direction, bool bCompare = false);
    void StartTransfer();
    void FinishTransfer();
    void Retranslate();
    void SetBusy(bool bBusy);
    bool MayReplaceDocument();

    ChannelDocument& m_Doc;
    QWidget* m_CentreOver;
    QWidget* m_Owner;
    PortChoice* m_Port;
    TransferDirection m_Direction = TransferDirection::Read;
    bool m_bCompare = false; // the read asked for is for a comparison
    bool m_bVerify = false;
    bool m_bLastVerified = false;
    ProgressDialog* m_Dialog;
    QAction* m_ReadAction;
    QAction* m_WriteAction;
    QAction* m_CheckAction;
    std::unique_ptr<SimulatedRadio> m_Radio;
    DialogTransferHost::Sleeper m_Sleeper = &DialogTransferHost::RealSleep;
    std::atomic<bool> m_bQuiet{false};
    QThread* m_Thread = nullptr;
    std::shared_ptr<Job> m_Job;
    std::unique_ptr<DialogTransferHost> m_Host;
    TransferOutcome m_LastOutcome = TransferOutcome::Completed;
    std::function<bool()> m_BeforeRead;
    std::function<bool(const MemoryImage&)> m_BeforeWrite;
    qint64 m_StartedMs = 0;
    bool m_bAnswered = false; // the question about unsaved changes, for the document as it is
};
