#include "link/ReplyGuard.h"

#include <algorithm>

namespace {

constexpr std::size_t EchoPlaces = ReplyGuard::HeaderLength - 1; // at 0, 1 or 2

} // namespace

void ReplyGuard::Reset() {
    m_Probed = 0;
    m_EchoAt.reset();
    m_Fixed.fill(std::nullopt);
}

bool ReplyGuard::Echoes(unsigned address, const std::uint8_t* header, std::size_t at) const {
    return header[at] == static_cast<std::uint8_t>(address >> 8) &&
           header[at + 1] == static_cast<std::uint8_t>(address & 0xFF);
}

bool ReplyGuard::Accept(unsigned address, const std::uint8_t* header) {
    if (m_Probed < ProbeReplies) {
        Probe& probe = m_Probes[static_cast<std::size_t>(m_Probed++)];
        probe.address = address;
        std::copy_n(header, HeaderLength, probe.header.begin());
        return m_Probed < ProbeReplies || Learn();
    }
    if (!m_EchoAt) {
        return true;
    }
    if (!Echoes(address, header, *m_EchoAt)) {
        return false;
    }
    for (std::size_t i = 0; i < HeaderLength; ++i) {
        if (m_Fixed[i] && header[i] != *m_Fixed[i]) {
            return false;
        }
    }
    return true;
}

bool ReplyGuard::Learn() {
    std::size_t best = 0;
    int bestCount = 0;
    for (std::size_t at = 0; at < EchoPlaces; ++at) {
        const int count =
            static_cast<int>(std::count_if(m_Probes.begin(), m_Probes.end(), [&](const Probe& p) {
                return Echoes(p.address, p.header.data(), at);
            }));
        if (count > bestCount) {
            best = at;
            bestCount = count;
        }
    }
    if (bestCount < EchoesNeeded) {
        return true; // no echo: the header is not this program's business
    }
    m_EchoAt = best;
    for (std::size_t i = 0; i < HeaderLength; ++i) {
        const std::uint8_t first = m_Probes[0].header[i];
        const bool bSame = std::all_of(m_Probes.begin(), m_Probes.end(),
                                       [&](const Probe& p) { return p.header[i] == first; });
        if (bSame && i != best && i != best + 1) {
            m_Fixed[i] = first;
        }
    }
    // The first replies themselves are held to what they taught.
    return bestCount == ProbeReplies;
}
