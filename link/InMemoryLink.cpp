#include "link/InMemoryLink.h"

#include <algorithm>

#include "link/SimulatedRadio.h"

InMemoryLink::InMemoryLink(Responder responder, Waiter waiter, bool bLineTiming)
    : m_Responder(std::move(responder)), m_Waiter(std::move(waiter)), m_bLineTiming(bLineTiming) {}

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
    return true;
}

void InMemoryLink::Purge(bool bAbort) {
    if (bAbort) {
        ++m_AbortPurges;
    }
    m_Incoming.clear();
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
    return true;
}

RadioLink::ReadResult InMemoryLink::Read(std::uint8_t* buffer, std::size_t n) {
    if (!m_bOpen || (m_ReadFails && m_ReadFails(n))) {
        return {false, 0};
    }
    const std::size_t count = std::min(n, m_Incoming.size());
    std::copy_n(m_Incoming.begin(), count, buffer);
    m_Incoming.erase(m_Incoming.begin(), m_Incoming.begin() + static_cast<long>(count));
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
