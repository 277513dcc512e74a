#include "link/WinSerialLink.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <chrono>

#include "base/WinText.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string Reason(DWORD error, const std::string& port) {
    std::string reason = port + ": " + WinText::ErrorText(error);
    if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) {
        reason += "\nAnother program holds the port; close it and try again.";
    } else if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        reason += "\nThe port does not exist: check the cable or choose another port.";
    }
    return reason;
}

} // namespace

std::string WinSerialLink::DeviceFor(const std::string& portName) {
    const bool bCom = portName.size() > 3 &&
                      (portName.compare(0, 3, "COM") == 0 || portName.compare(0, 3, "com") == 0) &&
                      portName.find_first_not_of("0123456789", 3) == std::string::npos;
    return bCom ? "\\\\.\\" + portName : portName;
}

WinSerialLink::~WinSerialLink() {
    Close();
}

bool WinSerialLink::Open(const std::string& name) {
    Close();
    m_OpenError.clear();
    // No sharing: the port is this program's alone until Close.
    const HANDLE handle =
        CreateFileW(WinText::Wide(DeviceFor(name)).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        m_OpenError = Reason(error, name);
        // A COM port that another program holds answers "access denied".
        m_OpenProblem =
            error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ? OpenProblem::Busy
            : error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? OpenProblem::Missing
                                                                             : OpenProblem::Other;
        return false;
    }
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(handle, &dcb)) {
        m_OpenProblem = OpenProblem::NotSerial;
        m_OpenError = name + ": not a serial port";
        CloseHandle(handle);
        return false;
    }
    m_Handle = handle;
    return true;
}

void WinSerialLink::Configure() {
    if (m_Handle == nullptr) {
        return;
    }
    SetupComm(m_Handle, InputQueueSize, OutputQueueSize);
    // With these, one ReadFile of n bytes ends on n bytes, on a 30 ms gap after
    // the first byte, or after 500 ms per byte + 90 ms: the link's contract.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = ReadIntervalTimeoutMs;
    timeouts.ReadTotalTimeoutMultiplier = ReadTimeoutPerByteMs;
    timeouts.ReadTotalTimeoutConstant = ReadTimeoutConstantMs;
    timeouts.WriteTotalTimeoutMultiplier = WriteTimeoutPerByteMs;
    timeouts.WriteTotalTimeoutConstant = WriteTimeoutConstantMs;
    SetCommTimeouts(m_Handle, &timeouts);
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(m_Handle, &dcb)) {
        return;
    }
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    // Binary data: no byte may be swallowed or replaced. 0x11 and 0x13 are
    // ordinary bytes here (no XON/XOFF), zero bytes are kept, and an error does
    // not stop all further I/O. Hardware flow control and the modem lines stay
    // as the port had them.
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fAbortOnError = FALSE;
    SetCommState(m_Handle, &dcb);
}

void WinSerialLink::Purge(bool bAbort) {
    // Every Write waits until its bytes have left, so the transmit queue is
    // already empty and only the receive queue needs discarding. Clearing the
    // transmit side as well can only lose bytes: on a driver that completes a
    // write when the bytes reach its buffer, or under Wine on a pseudo-
    // terminal, where it throws away what the other side has not read yet.
    if (m_Handle != nullptr) {
        PurgeComm(m_Handle, PURGE_RXCLEAR | (bAbort ? PURGE_RXABORT : 0));
    }
}

bool WinSerialLink::Write(const std::uint8_t* data, std::size_t n) {
    if (m_Handle == nullptr) {
        return false;
    }
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(WriteTotalTimeoutMs(n));
    // WriteFile itself is bounded by the write timeouts set in Configure.
    DWORD written = 0;
    if (!WriteFile(m_Handle, data, static_cast<DWORD>(n), &written, nullptr) || written != n) {
        return false;
    }
    // Then wait, within the same time budget, until the driver's transmit
    // queue is empty. FlushFileBuffers would do that without any time limit,
    // and a port whose flow control never lets the bytes go would hang.
    for (;;) {
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(m_Handle, &errors, &status)) {
            return false;
        }
        if (status.cbOutQue == 0) {
            return true;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
        ::Sleep(1);
    }
}

RadioLink::ReadResult WinSerialLink::Read(std::uint8_t* buffer, std::size_t n) {
    if (m_Handle == nullptr) {
        return {false, 0};
    }
    DWORD got = 0;
    const bool ok = ReadFile(m_Handle, buffer, static_cast<DWORD>(n), &got, nullptr) != FALSE;
    return {ok, got};
}

std::size_t WinSerialLink::Waiting() {
    DWORD errors = 0;
    COMSTAT status{};
    return m_Handle != nullptr && ClearCommError(m_Handle, &errors, &status) ? status.cbInQue : 0;
}

void WinSerialLink::Close() {
    if (m_Handle != nullptr) {
        CloseHandle(m_Handle);
        m_Handle = nullptr;
    }
}
