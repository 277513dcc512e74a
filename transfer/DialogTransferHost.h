#pragma once

#include <QPointer>
#include <atomic>
#include <functional>

#include "transfer/ProgressDialog.h"
#include "link/TransferHost.h"

class QWidget;

// The TransferHost of a transfer that runs on a worker thread: dialog updates
// travel to the user-interface thread as queued calls, message boxes as
// blocking queued calls to the Prompter there, Cancel arrives through the
// dialog's atomic flag. Pump points only test that flag: the interface
// thread runs on its own and needs no pumping.
class DialogTransferHost final : public TransferHost {
public:
    using Sleeper = std::function<void(int ms)>;

    // dialog and owner live on the interface thread; bQuiet, when set, makes
    // every message box answer Cancel unseen (the window is closing).
    DialogTransferHost(ProgressDialog* dialog, QWidget* owner, Sleeper sleeper,
                       const std::atomic<bool>& bQuiet);

    void SetStatusText(const std::string& text) override;
    int ProgressPosition() override { return m_Progress; }
    void StepProgress() override;
    void SetProgress(int position) override;
    void EnableStart() override;
    bool CancelRequested() override;
    void Sleep(int ms) override;
    void Pump() override {}
    void ShowMessage(const HostMessage& message) override;
    bool AskRetryCancel(const BiText& text) override;
    void DestroyDialog() override;

    // While held, DestroyDialog is kept back, so that a second transfer (the
    // read-back of a write) goes on in the same dialog; releasing the hold
    // closes the dialog if a transfer asked for it meanwhile.
    void HoldDialog(bool bHold);

    // Whether the user chose Check Connection in the message of a transfer
    // whose wake-up no radio answered.
    bool CheckAsked() const { return m_bCheckAsked; }

    // Plain sleeping, for the real line.
    static void RealSleep(int ms);

private:
    template <typename F> void Post(F f);

    QPointer<ProgressDialog> m_Dialog;
    QPointer<QWidget> m_Owner;
    Sleeper m_Sleeper;
    const std::atomic<bool>& m_bQuiet;
    int m_Progress;
    bool m_bHeld = false;
    bool m_bDestroyAsked = false;
    std::atomic<bool> m_bCheckAsked{false};
};
