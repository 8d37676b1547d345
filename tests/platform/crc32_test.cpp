#include "platform/crc32.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/tllbuilder.h"

namespace kx {
namespace {

std::span<const std::uint8_t> bytesOf(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(Crc32, MatchesTheCheckValueAndACrcWorkedOutBitByBit)
{
    EXPECT_EQ(crc32(bytesOf("123456789")), 0xCBF43926U); // the CRC-32 check value
    EXPECT_EQ(crc32({}), 0U);
    std::mt19937 random(7);
    std::string bytes(5000, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random());
    }
    EXPECT_EQ(crc32(bytesOf(bytes)), test::bitwiseCrc32(bytes));
    // In two pieces, the second continuing from the first.
    EXPECT_EQ(crc32(bytesOf(bytes.substr(1234)), crc32(bytesOf(bytes.substr(0, 1234)))),
              crc32(bytesOf(bytes)));
}

} // namespace
} // namespace kx
