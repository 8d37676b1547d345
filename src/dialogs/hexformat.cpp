#include "dialogs/hexformat.h"

namespace kx {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

} // namespace

std::string fourDigitAddress(std::int64_t offset)
{
    const auto low = static_cast<std::uint32_t>(offset) & 0xFFFFU;
    return {kDigits[low >> 12U], kDigits[(low >> 8U) & 0xFU], kDigits[(low >> 4U) & 0xFU],
            kDigits[low & 0xFU]};
}

std::string twoDigitByte(std::uint8_t value)
{
    return {kDigits[value >> 4U], kDigits[value & 0xFU]};
}

} // namespace kx
