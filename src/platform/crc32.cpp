#include "platform/crc32.h"

#include <array>

namespace kx {

namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320U;

using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

// Table 0 holds the CRC of every byte value on its own; table k the CRC of that byte followed by
// k zero bytes, so that eight bytes cost eight lookups and no shifts of single bits ("slicing
// by eight"). A DVB-S block of 900 KB is checked when a file is opened and again when it is
// saved.
constexpr Tables makeTables()
{
    Tables tables{};
    for (std::uint32_t value = 0; value < 256; ++value) {
        std::uint32_t crc = value;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1U) != 0 ? (crc >> 1U) ^ kPolynomial : crc >> 1U;
        }
        tables[0][value] = crc;
    }
    for (std::size_t k = 1; k < tables.size(); ++k) {
        for (std::uint32_t value = 0; value < 256; ++value) {
            const std::uint32_t previous = tables[k - 1][value];
            tables[k][value] = (previous >> 8U) ^ tables[0][previous & 0xFFU];
        }
    }
    return tables;
}

constexpr Tables kTables = makeTables();

std::uint32_t littleEndianWord(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8U |
           static_cast<std::uint32_t>(bytes[2]) << 16U |
           static_cast<std::uint32_t>(bytes[3]) << 24U;
}

} // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous) noexcept
{
    std::uint32_t crc = ~previous;
    const std::uint8_t* next = bytes.data();
    std::size_t left = bytes.size();
    for (; left >= 8; left -= 8, next += 8) {
        const std::uint32_t low = littleEndianWord(next) ^ crc;
        const std::uint32_t high = littleEndianWord(next + 4);
        crc = kTables[7][low & 0xFFU] ^ kTables[6][(low >> 8U) & 0xFFU] ^
              kTables[5][(low >> 16U) & 0xFFU] ^ kTables[4][low >> 24U] ^ kTables[3][high & 0xFFU] ^
              kTables[2][(high >> 8U) & 0xFFU] ^ kTables[1][(high >> 16U) & 0xFFU] ^
              kTables[0][high >> 24U];
    }
    for (; left > 0; --left, ++next) {
        crc = kTables[0][(crc ^ *next) & 0xFFU] ^ (crc >> 8U);
    }
    return ~crc;
}

} // namespace kx
