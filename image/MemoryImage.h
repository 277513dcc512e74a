#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

// The radio's programmable memory as the tool holds it: 4096 bytes, byte k being
// radio address k. Every field is read and written straight through to these
// bytes, so bits that no part of the tool owns survive untouched.
class MemoryImage {
public:
    static constexpr std::size_t Size = 4096;
    using Bytes = std::array<std::uint8_t, Size>;

    MemoryImage() { m_Bytes.fill(0xFF); }
    explicit MemoryImage(const Bytes& bytes) : m_Bytes(bytes) {}

    std::uint8_t& operator[](std::size_t address) {
        assert(address < Size);
        return m_Bytes[address];
    }
    std::uint8_t operator[](std::size_t address) const {
        assert(address < Size);
        return m_Bytes[address];
    }

    std::uint8_t* data() { return m_Bytes.data(); }
    const std::uint8_t* data() const { return m_Bytes.data(); }
    static constexpr std::size_t size() { return Size; }
    Bytes& bytes() { return m_Bytes; }
    const Bytes& bytes() const { return m_Bytes; }

    bool operator==(const MemoryImage&) const = default;

private:
    Bytes m_Bytes;
};
