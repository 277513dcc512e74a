#include "transfer/DialogTransferHost.h"

#include <QCoreApplication>
#include <QThread>
#include <QWidget>
#include <chrono>
#include <cstring>
#include <thread>

#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "link/TransferTexts.h"

DialogTransferHost::DialogTransferHost(ProgressDialog* dialog, QWidget* owner, Sleeper sleeper,
                                       const std::atomic<bool>& bQuiet)
    : m_Dialog(dialog), m_Owner(owner), m_Sleeper(std::move(sleeper)), m_bQuiet(bQuiet),
      m_Progress(dialog->ProgressPosition()) {}

template <typename F> void DialogTransferHost::Post(F f) {
    if (m_Dialog) {
        QMetaObject::invokeMethod(m_Dialog.data(), std::move(f), Qt::QueuedConnection);
    }
}

void DialogTransferHost::SetStatusText(const std::string& text) {
    const QString status = QString::fromStdString(text);
    ProgressDialog* dialog = m_Dialog.data();
    Post([dialog, status] { dialog->SetStatusText(status); });
}

void DialogTransferHost::StepProgress() {
    SetProgress(m_Progress + 1);
}

void DialogTransferHost::SetProgress(int position) {
    m_Progress = position;
    ProgressDialog* dialog = m_Dialog.data();
    Post([dialog, position] { dialog->SetProgress(position); });
}

void DialogTransferHost::EnableStart() {
    ProgressDialog* dialog = m_Dialog.data();
    Post([dialog] { dialog->EnableStart(); });
}

bool DialogTransferHost::CancelRequested() {
    return m_bQuiet || (m_Dialog && m_Dialog->CancelRequested().load());
}

void DialogTransferHost::Sleep(int ms) {
    m_Sleeper(ms);
}

void DialogTransferHost::RealSleep(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void DialogTransferHost::ShowMessage(const HostMessage& message) {
    if (m_bQuiet) {
        return;
    }
    QWidget* owner = m_Owner.data();
    const std::atomic<bool>* bQuiet = &m_bQuiet;
    // No radio answered the wake-up: the connection check tells why.
    const bool bOfferCheck =
        std::strcmp(message.text.english, TransferTexts::SyncFailed.english) == 0;
    std::atomic<bool>* bCheckAsked = &m_bCheckAsked;
    // The flag is tested again on the interface thread: the window may have
    // started closing while this call waited in the queue.
    auto show = [owner, message, bQuiet, bOfferCheck, bCheckAsked] {
        if (*bQuiet) {
            return;
        }
        QString text = Tr(message.text);
        if (message.note) {
            text += QStringLiteral("\n\n") + Tr(*message.note);
        }
        if (!bOfferCheck) {
            CurrentPrompter().ShowMessage(owner, text, QString::fromStdString(message.details));
            return;
        }
        const QStringList buttons = {
            QCoreApplication::translate("TransferCommands", "Check Connection..."),
            QCoreApplication::translate("TransferCommands", "OK")};
        *bCheckAsked = CurrentPrompter().AskChoice(owner, text, buttons, 1) == 0;
    };
    QMetaObject::invokeMethod(qApp, show, Qt::BlockingQueuedConnection);
}

bool DialogTransferHost::AskRetryCancel(const BiText& text) {
    if (m_bQuiet) {
        return false;
    }
    QWidget* owner = m_Owner.data();
    const std::atomic<bool>* bQuiet = &m_bQuiet;
    bool bRetry = false;
    QMetaObject::invokeMethod(
        qApp,
        [owner, text, bQuiet, &bRetry] {
            bRetry = !*bQuiet && CurrentPrompter().AskRetryCancel(owner, Tr(text));
        },
        Qt::BlockingQueuedConnection);
    return bRetry;
}

void DialogTransferHost::HoldDialog(bool bHold) {
    m_bHeld = bHold;
    if (!bHold && m_bDestroyAsked) {
        DestroyDialog();
    }
}

void DialogTransferHost::DestroyDialog() {
    m_bDestroyAsked = m_bHeld;
    if (m_bHeld) {
        return;
    }
    ProgressDialog* dialog = m_Dialog.data();
    Post([dialog] { dialog->Destroy(); });
}
