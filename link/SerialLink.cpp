#include "link/SerialLink.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

int MsUntil(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

std::string Reason(int error, const std::string& device) {
    std::string reason = device + ": " + std::strerror(error);
    if (error == EACCES || error == EPERM) {
        reason += "\nSerial ports belong to the group 'dialout'. Add yourself with "
                  "'sudo adduser $USER dialout', then log out and in again.";
    } else if (error == EBUSY || error == EWOULDBLOCK) {
        reason += "\nAnother program holds the port; close it and try again.";
    } else if (error == ENOENT || error == ENXIO || error == ENODEV) {
        reason += "\nThe device does not exist: check the cable or choose another port.";
    }
    return reason;
}

RadioLink::OpenProblem ProblemOf(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return RadioLink::OpenProblem::NoPermission;
    case EBUSY:
    case EWOULDBLOCK:
        return RadioLink::OpenProblem::Busy;
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return RadioLink::OpenProblem::Missing;
    default:
        return RadioLink::OpenProblem::Other;
    }
}

} // namespace

std::string SerialLink::DeviceFor(const std::string& portName) {
    if (portName.size() > 3 && portName.compare(0, 3, "COM") == 0) {
        // Any text may come from the user: a number too large for the type
        // is simply no COM name, and the open then fails with a message.
        unsigned number = 0;
        const char* first = portName.data() + 3;
        const char* last = portName.data() + portName.size();
        const auto [end, error] = std::from_chars(first, last, number);
        if (error == std::errc() && end == last && number >= 1 && number <= MaxComNumber) {
            return "/dev/ttyS" + std::to_string(number - 1);
        }
    }
    return portName;
}

void SerialLink::SetLineSettings(termios& tio) {
    // Binary mode: no character of the data may be translated, swallowed or
    // echoed (0x11 and 0x13 are ordinary bytes here, so no software flow
    // control either). Hardware flow control stays as the port had it.
    tio.c_iflag &=
        ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY | INPCK);
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
}

SerialLink::~SerialLink() {
    Close();
}

bool SerialLink::Open(const std::string& name) {
    Close();
    m_OpenError.clear();
    const std::string device = DeviceFor(name);
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        m_OpenProblem = ProblemOf(errno);
        m_OpenError = Reason(errno, device);
        return false;
    }
    if (!isatty(fd)) {
        m_OpenProblem = OpenProblem::NotSerial;
        m_OpenError = device + ": not a serial port";
        ::close(fd);
        return false;
    }
    // Exclusive use: TIOCEXCL keeps other opens out, the lock tells programs
    // that open first and ask later (and root, whom TIOCEXCL lets through).
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_OpenProblem = OpenProblem::Busy;
        m_OpenError = Reason(EBUSY, device);
        ::close(fd);
        return false;
    }
    ::ioctl(fd, TIOCEXCL);
    m_Fd = fd;
    return true;
}

void SerialLink::Configure() {
    termios tio{};
    if (m_Fd < 0 || tcgetattr(m_Fd, &tio) != 0) {
        return;
    }
    SetLineSettings(tio);
    tcsetattr(m_Fd, TCSANOW, &tio);
}

void SerialLink::Purge(bool) {
    // Every Write waits with tcdrain until its bytes have left, so the
    // transmit queue is already empty here and only the receive queue needs
    // discarding. Flushing output as well would be worse than useless on a
    // pseudo-terminal: there it throws away bytes the other side has not read
    // yet. A synchronous link has no pending operation to abort either.
    if (m_Fd >= 0) {
        tcflush(m_Fd, TCIFLUSH);
    }
}

bool SerialLink::Write(const std::uint8_t* data, std::size_t n) {
    if (m_Fd < 0) {
        return false;
    }
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(WriteTotalTimeoutMs(n));
    std::size_t done = 0;
    while (done < n) {
        const ssize_t r = ::write(m_Fd, data + done, n - done);
        if (r > 0) {
            done += static_cast<std::size_t>(r);
            continue;
        }
        if (r < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        }
        pollfd p{m_Fd, POLLOUT, 0};
        if (::poll(&p, 1, MsUntil(deadline)) <= 0) {
            tcflush(m_Fd, TCOFLUSH);
            return false;
        }
    }
    return DrainBefore(deadline);
}

bool SerialLink::DrainBefore(Clock::time_point deadline) {
    // tcdrain alone has no time limit: with hardware flow control and no
    // CTS the queue never empties and the transfer would hang beyond Cancel.
    // So the queue is watched until the write's deadline; once it is empty,
    // tcdrain only waits for the UART itself, which the driver bounds.
    for (;;) {
        const int queued = m_QueuedOutput(m_Fd);
        if (queued <= 0) {
            break;
        }
        if (Clock::now() >= deadline) {
            // What cannot leave is dropped, so that closing the port does not
            // wait for it either.
            tcflush(m_Fd, TCOFLUSH);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return tcdrain(m_Fd) == 0;
}

int SerialLink::QueuedOutputBytes(int fd) {
    int queued = 0;
    return ::ioctl(fd, TIOCOUTQ, &queued) == 0 ? queued : 0;
}

RadioLink::ReadResult SerialLink::Read(std::uint8_t* buffer, std::size_t n) {
    if (m_Fd < 0) {
        return {false, 0};
    }
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(ReadTotalTimeoutMs(n));
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::read(m_Fd, buffer + got, n - got);
        if (r > 0) {
            got += static_cast<std::size_t>(r);
            continue;
        }
        if (r < 0 && errno != EAGAIN && errno != EINTR) {
            return {false, got};
        }
        // Before the first byte only the total timeout counts; after it, a gap
        // of 30 ms ends the read as well.
        int wait = MsUntil(deadline);
        if (got > 0 && wait > ReadIntervalTimeoutMs) {
            wait = ReadIntervalTimeoutMs;
        }
        if (wait == 0) {
            break;
        }
        pollfd p{m_Fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, wait);
        if (ready < 0 && errno != EINTR) {
            return {false, got};
        }
        if (ready == 0) {
            break;
        }
        if (p.revents & (POLLERR | POLLNVAL)) {
            return {false, got};
        }
    }
    return {true, got};
}

std::size_t SerialLink::Waiting() {
    int waiting = 0;
    return m_Fd >= 0 && ::ioctl(m_Fd, FIONREAD, &waiting) == 0 && waiting > 0
               ? static_cast<std::size_t>(waiting)
               : 0;
}

void SerialLink::Close() {
    if (m_Fd >= 0) {
        ::close(m_Fd);
        m_Fd = -1;
    }
}
