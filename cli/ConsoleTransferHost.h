#pragma once

#include <atomic>
#include <string>

#include "link/TransferHost.h"

// The TransferHost of orinctl: progress and messages on stderr in the
// language of --lang (English by default), real sleeps, Ctrl+C as Cancel, and the communication
// prompt answered Retry as many times as --retries allows.
class ConsoleTransferHost final : public TransferHost {
public:
    explicit ConsoleTransferHost(int retries, Lang lang = Lang::English);

    void SetStatusText(const std::string& text) override;
    int ProgressPosition() override { return m_Progress; }
    void StepProgress() override { ++m_Progress; }
    void SetProgress(int position) override { m_Progress = position; }
    void EnableStart() override {}
    bool CancelRequested() override;
    void Sleep(int ms) override;
    void Pump() override {}
    void ShowMessage(const HostMessage& message) override;
    bool AskRetryCancel(const BiText& text) override;
    void DestroyDialog() override {}

    // Routes SIGINT and SIGTERM to CancelRequested while the host lives.
    static void CatchInterrupts();

private:
    int m_RetriesLeft;
    Lang m_Lang;
    int m_Progress = 0;
};
