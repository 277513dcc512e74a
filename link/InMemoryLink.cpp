#include "link/InMemoryLink.h"

#include <algorithm>

#include "link/SimulatedRadio.h"

InMemoryLink::InMemoryLink(Responder responder, Waiter waiter, bool bLineTiming, double byteGapMs)
    : m_Responder(std::move(responder)), m_Waiter(std::move(waiter)), m_bLineTiming(bLineTiming),
      m_ByteGapMs(byteGapMs) {}

InMemoryLink::Responder InMemoryLink::Over(SimulatedRadio& radio) {
    return [&radio](const Bytes& written) { return radio.Receive(written); };
}

bool InMemoryLink::Open(const std::string& name) {
    m_PortName = name;
    if (!m_OpenFailure.empty() || m_bOpen) {
        return false;
    }
    m_bOpen = true;
    ++m_Opens;
    m_Incoming.clear();
    m_Arrivals.clear();
    return true;
}

void InMemoryLink::Purge(bool bAbort) {
    if (bAbort) {
        ++m_AbortPurges;
    }
    // Only what has arrived: a byte still on its way comes after the purge,
    // as on a port.
    while (!m_Arrivals.empty() && m_Arrivals.front() <= m_NowMs) {
        m_Incoming.pop_front();
        m_Arrivals.pop_front();
    }
}

bool InMemoryLink::Write(const std::uint8_t* data, std::size_t n) {
    const Bytes bytes(data, data + n);
    if (!m_bOpen || (m_WriteFails && m_WriteFails(bytes))) {
        return false;
    }
    m_Written.push_back(bytes);
    if (m_bLineTiming) {
        Wait(static_cast<double>(n) * SimulatedRadio::ByteTimeMs);
    }
    const Bytes reply = m_Responder(bytes);
    m_Incoming.insert(m_Incoming.end(), reply.begin(), reply.end());
    double at = m_Arrivals.empty() ? m_NowMs : std::max(m_NowMs, m_Arrivals.back());
    for (std::size_t i = 0; i < reply.size(); ++i) {
        at += m_ByteGapMs;
        m_Arrivals.push_back(at);
    }
    return true;
}

std::size_t InMemoryLink::Waiting() {
    if (!m_bOpen) {
        return 0;
    }
    return static_cast<std::size_t>(std::count_if(m_Arrivals.begin(), m_Arrivals.end(),
                                                  [&](double at) { return at <= m_NowMs; }));
}

// Byte by byte as they come: the first within the total timeout, each
// further one within the interval timeout of the one before.
RadioLink::ReadResult InMemoryLink::ReadPaced(std::uint8_t* buffer, std::size_t n) {
    const double deadline = m_NowMs + ReadTotalTimeoutMs(n);
    std::size_t count = 0;
    while (count < n) {
        const double limit = count == 0 ? deadline : m_NowMs + ReadIntervalTimeoutMs;
        if (m_Arrivals.empty() || m_Arrivals.front() > limit) {
            Wait(limit - m_NowMs);
            break;
        }
        Wait(std::max(0.0, m_Arrivals.front() - m_NowMs));
        buffer[count++] = m_Incoming.front();
        m_Incoming.pop_front();
        m_Arrivals.pop_front();
    }
    return {true, count};
}

RadioLink::ReadResult InMemoryLink::Read(std::uint8_t* buffer, std::size_t n) {
    if (!m_bOpen || (m_ReadFails && m_ReadFails(n))) {
        return {false, 0};
    }
    if (m_ByteGapMs > 0) {
        return ReadPaced(buffer, n);
    }
    const std::size_t count = std::min(n, m_Incoming.size());
    std::copy_n(m_Incoming.begin(), count, buffer);
    m_Incoming.erase(m_Incoming.begin(), m_Incoming.begin() + static_cast<long>(count));
    m_Arrivals.erase(m_Arrivals.begin(), m_Arrivals.begin() + static_cast<long>(count));
    if (m_bLineTiming) {
        Wait(static_cast<double>(count) * SimulatedRadio::ByteTimeMs);
    }
    if (count == 0) {
        Wait(ReadTotalTimeoutMs(n));
    } else if (count < n) {
        Wait(ReadIntervalTimeoutMs);
    }
    return {true, count};
}

void InMemoryLink::Close() {
    // Counted whether open or not: a second close is a fault the tests must see.
    ++m_Closes;
    m_bOpen = false;
}
