#pragma once

#include <cstdint>
#include <span>

namespace kx {

// The files store every number little-endian: lowest byte first.

// The value of up to four bytes.
constexpr std::uint32_t readLittleEndian(std::span<const std::uint8_t> bytes)
{
    std::uint32_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) {
        value = (value << 8U) | bytes[i];
    }
    return value;
}

// Stores the low bytes of value in up to four bytes.
constexpr void writeLittleEndian(std::span<std::uint8_t> bytes, std::uint32_t value)
{
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(value & 0xFFU);
        value >>= 8U;
    }
}

} // namespace kx
