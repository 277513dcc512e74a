#pragma once

#include <string>

#include "link/RadioLink.h"

// The RadioLink on a Windows serial port, with the Win32 communication calls.
// The port's own timeouts (SetCommTimeouts) give the 30 ms gap and the total
// per request exactly as the protocol wants them, so reads are plain
// synchronous ReadFile calls.
class WinSerialLink final : public RadioLink {
public:
    // "COMn" opens as "\\.\COMn": without the prefix Windows finds only COM1 to
    // COM9. Any other name (already prefixed, or another device) is used as it is.
    static std::string DeviceFor(const std::string& portName);

    WinSerialLink() = default;
    WinSerialLink(const WinSerialLink&) = delete;
    WinSerialLink& operator=(const WinSerialLink&) = delete;
    ~WinSerialLink() override;

    bool Open(const std::string& name) override;
    std::string OpenError() const override { return m_OpenError; }
    OpenProblem OpenFailure() const override { return m_OpenProblem; }
    void Configure() override;
    void Purge(bool bAbort) override;
    bool Write(const std::uint8_t* data, std::size_t n) override;
    ReadResult Read(std::uint8_t* buffer, std::size_t n) override;
    std::size_t Waiting() override;
    void Close() override;

private:
    void* m_Handle = nullptr; // the port's HANDLE while open
    std::string m_OpenError;
    OpenProblem m_OpenProblem = OpenProblem::Other;
};
