#pragma once
// Explicit little-endian field access for the fixed-size records of the board files; the byte
// layout lives here and in the record encoders, never in a struct's memory image.

#include <cstddef>
#include <cstdint>
#include <span>

namespace pcb::le {

inline int16_t getS16(std::span<const uint8_t> b, size_t at)
{
    return static_cast<int16_t>(static_cast<uint16_t>(b[at] | (b[at + 1] << 8)));
}

inline uint16_t getU16(std::span<const uint8_t> b, size_t at)
{
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

inline uint32_t getU32(std::span<const uint8_t> b, size_t at)
{
    return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
           (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

inline int32_t getS32(std::span<const uint8_t> b, size_t at)
{
    return static_cast<int32_t>(getU32(b, at));
}

// Stores the low 16 bits of value.
inline void put16(std::span<uint8_t> b, size_t at, int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    b[at] = static_cast<uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
}

inline void put32(std::span<uint8_t> b, size_t at, int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    for (size_t i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>((v >> (8 * i)) & 0xFF);
}

}  // namespace pcb::le
