#include "link/PtyRadioServer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include "link/SimulatedRadio.h"

namespace {

// A radio forgets a half-received frame after this much silence.
constexpr auto FrameTimeout = std::chrono::milliseconds(1000);

std::chrono::steady_clock::duration LineTime(std::size_t bytes) {
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double, std::milli>(SimulatedRadio::ByteTimeMs *
                                                  static_cast<double>(bytes)));
}

} // namespace

PtyRadioServer::PtyRadioServer(SimulatedRadio& radio) : m_Radio(radio) {}

PtyRadioServer::~PtyRadioServer() {
    for (int fd : {m_Master, m_Slave, m_StopPipe[0], m_StopPipe[1]}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

bool PtyRadioServer::Start(std::string& error) {
    char name[256] = {};
    // The terminal stays in its default (cooked) state: setting up raw mode is
    // the serial link's job, and a link that forgets it must fail here as it
    // would on a real port.
    if (::openpty(&m_Master, &m_Slave, name, nullptr, nullptr) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    if (::pipe2(m_StopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        error = std::string("cannot create a pipe: ") + std::strerror(errno);
        return false;
    }
    ::fcntl(m_Master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_Slave, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_Master, F_SETFL, ::fcntl(m_Master, F_GETFL) | O_NONBLOCK);
    m_SlavePath = name;
    return true;
}

void PtyRadioServer::Stop() {
    const char byte = 0;
    [[maybe_unused]] const ssize_t r = ::write(m_StopPipe[1], &byte, 1);
}

void PtyRadioServer::Serve(const std::function<void()>& afterWrite) {
    Clock::time_point lastInput = Clock::now();
    int completedWrites = m_Radio.CompletedWrites();
    for (;;) {
        // Reply deadlines need sub-millisecond precision, hence ppoll.
        Clock::duration wait = FrameTimeout;
        if (!m_Outgoing.empty()) {
            wait = std::max(Clock::duration::zero(), m_Outgoing.front().due - Clock::now());
        }
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
        const timespec timeout{static_cast<time_t>(ns / 1000000000),
                               static_cast<long>(ns % 1000000000)};
        pollfd fds[2] = {{m_Master, POLLIN, 0}, {m_StopPipe[0], POLLIN, 0}};
        const int ready = ::ppoll(fds, 2, &timeout, nullptr);
        if (ready < 0 && errno != EINTR) {
            return;
        }
        if (fds[1].revents & POLLIN) {
            return;
        }
        if (fds[0].revents & POLLIN) {
            std::uint8_t data[512];
            const ssize_t r = ::read(m_Master, data, sizeof data);
            if (r > 0) {
                lastInput = Clock::now();
                TakeInput(data, static_cast<std::size_t>(r));
            }
        } else if (m_Outgoing.empty() && Clock::now() - lastInput >= FrameTimeout) {
            m_Radio.LineIdle();
            lastInput = Clock::now();
        }
        SendDue();
        if (m_Radio.CompletedWrites() != completedWrites) {
            completedWrites = m_Radio.CompletedWrites();
            if (afterWrite) {
                afterWrite();
            }
        }
    }
}

void PtyRadioServer::TakeInput(const std::uint8_t* data, std::size_t n) {
    const long vanishAfter = m_Radio.Options().vanishAfterBytes;
    m_BytesIn += static_cast<long>(n);
    if (vanishAfter >= 0 && m_BytesIn >= vanishAfter) {
        // The device goes, as a cable pulled out: the program's reads and
        // writes on its end fail from now on.
        ::close(m_Master);
        ::close(m_Slave);
        m_Master = m_Slave = -1;
        m_Outgoing.clear();
        return;
    }
    std::vector<std::uint8_t> reply = m_Radio.Receive(data, n);
    if (const double gap = m_Radio.Options().byteGapMs; gap > 0) {
        // A slow radio: a pause before each byte of its answer.
        const auto pause = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double, std::milli>(gap));
        for (const std::uint8_t byte : reply) {
            m_OutClock = std::max(m_OutClock, Clock::now()) + pause;
            m_Outgoing.push_back({m_OutClock, {byte}});
        }
        return;
    }
    if (!m_Radio.Options().bLineTiming) {
        if (!reply.empty()) {
            m_Outgoing.push_back({Clock::now(), std::move(reply)});
        }
        return;
    }
    // The bytes arrived at once over the pseudo-terminal; on the line they
    // would have taken their time, and so does the answer.
    m_InClock = std::max(m_InClock, Clock::now()) + LineTime(n);
    if (!reply.empty()) {
        m_OutClock = std::max(m_OutClock, m_InClock) + LineTime(reply.size());
        m_Outgoing.push_back({m_OutClock, std::move(reply)});
    }
}

void PtyRadioServer::SendDue() {
    while (!m_Outgoing.empty() && m_Outgoing.front().due <= Clock::now()) {
        const std::vector<std::uint8_t>& bytes = m_Outgoing.front().bytes;
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t r = ::write(m_Master, bytes.data() + done, bytes.size() - done);
            if (r > 0) {
                done += static_cast<std::size_t>(r);
            } else if (r < 0 && errno == EAGAIN) {
                pollfd p{m_Master, POLLOUT, 0};
                ::poll(&p, 1, 100);
            } else if (r < 0 && errno != EINTR) {
                break;
            }
        }
        m_Outgoing.pop_front();
    }
}
