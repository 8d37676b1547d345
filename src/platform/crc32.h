#pragma once

#include <cstdint>
#include <span>

namespace kx {

// The CRC-32 that zip files and zlib use (reflected polynomial 0xEDB88320, initial value and
// final XOR 0xFFFFFFFF) of bytes. crc32({}) is 0; crc32(b, crc32(a)) is the CRC of a then b.
std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous = 0) noexcept;

} // namespace kx
