#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The serial line to the radio as the programming protocol sees it. A link is
// opened at the start of each transfer and closed at its end.
class RadioLink {
public:
    // What one read brought: ok is false only for a port error; a timeout is
    // ok with fewer bytes than asked for.
    struct ReadResult {
        bool ok = false;
        std::size_t count = 0;
    };

    // Line and timing settings applied by Configure.
    static constexpr int BaudRate = 9600;
    static constexpr int InputQueueSize = 1024;
    static constexpr int OutputQueueSize = 512;
    static constexpr int ReadIntervalTimeoutMs = 30;
    static constexpr int ReadTimeoutPerByteMs = 500;
    static constexpr int ReadTimeoutConstantMs = 90;
    static constexpr int WriteTimeoutPerByteMs = 50;
    static constexpr int WriteTimeoutConstantMs = 50;

    static constexpr int ReadTotalTimeoutMs(std::size_t n) {
        return ReadTimeoutPerByteMs * static_cast<int>(n) + ReadTimeoutConstantMs;
    }
    static constexpr int WriteTotalTimeoutMs(std::size_t n) {
        return WriteTimeoutPerByteMs * static_cast<int>(n) + WriteTimeoutConstantMs;
    }

    virtual ~RadioLink() = default;

    // Opens the named port for this program alone.
    virtual bool Open(const std::string& name) = 0;
    // Why the last Open failed, in the system's words (empty when unknown).
    virtual std::string OpenError() const { return {}; }
    // Why the last Open failed, as far as the user can do something about it.
    enum class OpenProblem { Other, Missing, Busy, NoPermission, NotSerial };
    virtual OpenProblem OpenFailure() const { return OpenProblem::Other; }
    // 9600 baud, 8 data bits, no parity, 1 stop bit, binary; the timeouts above.
    // Failures are not reported: a dead line shows up in the protocol.
    virtual void Configure() = 0;
    // Discards both queues; bAbort also abandons pending operations.
    virtual void Purge(bool bAbort) = 0;
    // Returns when the bytes have left the driver, so a purge that follows
    // cannot drop them.
    virtual bool Write(const std::uint8_t* data, std::size_t n) = 0;
    // Returns on n bytes, on a gap of 30 ms after the first byte, or when the
    // total timeout of 500 ms per byte + 90 ms has run out.
    virtual ReadResult Read(std::uint8_t* buffer, std::size_t n) = 0;
    // How many received bytes wait to be read, without waiting for more: lets
    // the protocol see a reply that went on after its last byte.
    virtual std::size_t Waiting() = 0;
    virtual void Close() = 0;
};
