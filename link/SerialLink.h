#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <termios.h>

#include "link/RadioLink.h"

// The RadioLink on a real serial device (or a pseudo-terminal), with termios
// and poll(): poll gives the 30 ms gap and the total read timeout exactly, and
// tcdrain makes a write return only once its bytes have left, so a purge that
// follows cannot drop them. QSerialPort offers neither without the same
// native calls underneath.
class SerialLink final : public RadioLink {
public:
    // The rule by which the program's port names reach devices: "COM1" to
    // "COM4" (any "COMn") stand for /dev/ttyS0 to /dev/ttyS3 (/dev/ttyS(n-1)),
    // as on other Unix ports of Windows programs; any other name is a device
    // path and is used as it is.
    static std::string DeviceFor(const std::string& portName);
    static constexpr unsigned MaxComNumber = 256;

    // The line settings Configure applies: 9600 baud, 8 data bits, no parity,
    // 1 stop bit, raw bytes both ways; flow control left as it was.
    static void SetLineSettings(termios& tio);

    // How many bytes wait in the driver's transmit queue. Tests replace it to
    // stand for a port whose queue never empties (hardware flow control
    // without CTS).
    using QueuedOutput = std::function<int(int fd)>;
    void SetQueuedOutputProbe(QueuedOutput probe) { m_QueuedOutput = std::move(probe); }

    SerialLink() = default;
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;
    ~SerialLink() override;

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
    using Clock = std::chrono::steady_clock;
    // Waits until the written bytes have left, but never past deadline; false
    // when they could not leave in time.
    bool DrainBefore(Clock::time_point deadline);
    static int QueuedOutputBytes(int fd);

    int m_Fd = -1;
    QueuedOutput m_QueuedOutput = QueuedOutputBytes;
    std::string m_OpenError;
    OpenProblem m_OpenProblem = OpenProblem::Other;
};
