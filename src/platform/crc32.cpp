#include "platform/crc32.h"

#include <array>

namespace kx {

namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320U;

// The CRC of every byte value on its own, so that a byte costs one lookup instead of 8 shifts.
constexpr std::array<std::uint32_t, 256> makeTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t value = 0; value < table.size(); ++value) {
        std::uint32_t crc = value;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1U) != 0 ? (crc >> 1U) ^ kPolynomial : crc >> 1U;
        }
        table[value] = crc;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = makeTable();

} // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous) noexcept
{
    std::uint32_t crc = ~previous;
    for (const std::uint8_t byte : bytes) {
        crc = kTable[(crc ^ byte) & 0xFFU] ^ (crc >> 8U);
    }
    return ~crc;
}

} // namespace kx
