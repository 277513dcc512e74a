#pragma once

#include <string>

#include "link/RadioLink.h"
#include "link/TransferHost.h"

// The serial port of the page: Web Serial, driven by the page's script
// (Module.serial). Every wait is an await in the script, which Asyncify turns
// into the blocking calls the transfer session expects.
class PageSerialLink final : public RadioLink {
public:
    bool Open(const std::string& name) override;
    std::string OpenError() const override { return m_OpenError; }
    void Configure() override {} // the page opens the port at 9600 8N1
    void Purge(bool bAbort) override;
    bool Write(const std::uint8_t* data, std::size_t n) override;
    ReadResult Read(std::uint8_t* buffer, std::size_t n) override;
    std::size_t Waiting() override;
    void Close() override;

private:
    std::string m_OpenError;
};

// The page's progress dialog and message boxes (Module.host): status line,
// progress, Cancel, sleeps that keep their time, messages and the
// Retry/Cancel question.
class PageHost final : public TransferHost {
public:
    void SetStatusText(const std::string& text) override;
    int ProgressPosition() override { return m_Position; }
    void StepProgress() override;
    void SetProgress(int position) override;
    void EnableStart() override {}
    bool CancelRequested() override;
    void Sleep(int ms) override;
    void Pump() override {} // the page runs its events at every await
    void ShowMessage(const HostMessage& message) override;
    bool AskRetryCancel(const BiText& text) override;
    void DestroyDialog() override {}

private:
    int m_Position = 0;
};
