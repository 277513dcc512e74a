#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// What a read holds the header of every block reply to. The header's layout
// is the radio's own: many radios echo the block address somewhere in it,
// some do not. The first replies of a read teach it: where the two bytes equal
// to the requested address stand (bytes 0-1, 1-2 or 2-3), and which header
// bytes stay the same from block to block. Every later reply, the closing one
// included, must then name its own block there and keep those bytes; a radio
// whose replies echo nothing is taken as it is.
class ReplyGuard {
public:
    static constexpr std::size_t HeaderLength = 4;
    // The replies that teach the layout, and how many of them must echo at
    // the same place: a header that happens to hold 00 00 for block 0 is not
    // enough.
    static constexpr int ProbeReplies = 3;
    static constexpr int EchoesNeeded = 2;

    // Forgets what was learnt: a new read may be another radio.
    void Reset();
    // Whether the reply with this header may be taken for address. The first
    // ProbeReplies calls teach; the last of them is refused when the replies
    // echo but not every one of them named its own block.
    bool Accept(unsigned address, const std::uint8_t* header);
    // Where the echo stands, once learnt; nothing for a radio that does not echo.
    std::optional<std::size_t> EchoAt() const { return m_EchoAt; }

private:
    bool Learn();
    bool Echoes(unsigned address, const std::uint8_t* header, std::size_t at) const;

    struct Probe {
        unsigned address = 0;
        std::array<std::uint8_t, HeaderLength> header{};
    };
    std::array<Probe, ProbeReplies> m_Probes{};
    int m_Probed = 0;
    std::optional<std::size_t> m_EchoAt;
    std::array<std::optional<std::uint8_t>, HeaderLength> m_Fixed{};
};
