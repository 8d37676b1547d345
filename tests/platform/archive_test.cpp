#include "platform/archive.h"

#include <gtest/gtest.h>

#include "platform/error.h"

namespace kx {
namespace {

TEST(Archive, ReadU32_LittleEndianThenTruncatedFieldThrows)
{
    Archive ar(std::string("\x04\x03\x02\x01\xAA\xBB\xCC", 7), "list.tll");
    EXPECT_EQ(ar.readU32(), 0x01020304u);
    EXPECT_EQ(ar.remaining(), 3u);
    try {
        ar.readU32();
        FAIL() << "a 4-byte field with 3 bytes left must throw";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Truncated);
        EXPECT_STREQ(error.what(),
                     "list.tll: the file ends at offset 7, inside a 4-byte field that "
                     "starts at offset 4");
    }
    EXPECT_EQ(ar.position(), 4u) << "a failed read consumes nothing";
}

TEST(Archive, Read_DeliversShortAtEndWithoutThrowing)
{
    Archive ar(std::string("abc"), "x");
    char buffer[8] = {};
    EXPECT_EQ(ar.read(buffer, sizeof buffer), 3u);
    EXPECT_EQ(std::string(buffer, 3), "abc");
    EXPECT_EQ(ar.read(buffer, 1), 0u);
}

} // namespace
} // namespace kx
