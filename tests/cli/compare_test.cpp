#include <gtest/gtest.h>

#include <string>

#include "clirunner.h"
#include "support/realdata.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx::test {
namespace {

std::string list(int variant, const std::string& settings)
{
    TllBuilder builder(variant);
    builder.analog(RecordBytes(variant).numberWord(1).name("One")).settings(settings);
    if (variant == 2) {
        builder.trailing(std::string(1, '\0'));
    }
    return builder.build();
}

TEST(CliCompare, PrintsOtherByteAndOffsetPerDifference)
{
    TempDir dir;
    const auto mine = dir.write("mine.tll", list(2, std::string("\x00\x01\x02\x03\x04\x05", 6)));
    const auto other = dir.write("other.tll", list(2, std::string("\x00\xFF\x02\x03\x1A", 5)));
    auto result = runCli({"compare", mine.string(), other.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "FF : 0001\n1A : 0004\n");
    EXPECT_EQ(result.err, "");

    result = runCli({"compare", mine.string(), mine.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
}

TEST(CliCompare, OtherVariantPrintsNothingAndSucceeds)
{
    TempDir dir;
    const auto v1 = dir.write("v1.tll", list(1, "ABCD"));
    const auto v2 = dir.write("v2.tll", list(2, "WXYZ"));
    const auto result = runCli({"compare", v1.string(), v2.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
}

TEST(CliCompare, UnreadableOtherExitsOneWrongArgumentsTwo)
{
    TempDir dir;
    const auto mine = dir.write("mine.tll", list(1, "ABCD"));
    const auto missing = dir.file("missing.tll").string();
    auto result = runCli({"compare", mine.string(), missing});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("kanalyx-cli compare: " + missing + ": ", 0), 0u) << result.err;

    const auto shortFile = dir.write("short.tll", list(1, "ABCD").substr(0, 100));
    result = runCli({"compare", mine.string(), shortFile.string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("analog block"), std::string::npos) << result.err;

    EXPECT_EQ(runCli({"compare", mine.string()}).exitCode, 2);
    EXPECT_EQ(runCli({"compare", "--help"}).out.rfind("Usage: kanalyx-cli compare", 0), 0u);
}

TEST(CliCompare, RealFileAgainstAnEditedCopy)
{
    KX_REQUIRE_REALDATA();
    // LH5000 (variant 1): 35 analog records of 164 bytes, so the settings block starts at
    // 8 + 164 * 35 + 4 = 5752; it is 6944 bytes long.
    const auto original = realDataFile("xxLH5000-ZB00002.TLL.in");
    std::string bytes = readFile(original);
    ASSERT_NE(bytes[5752 + 0x123], '\x42');
    bytes[5752 + 0x123] = '\x42';
    TempDir dir;
    const auto copy = dir.write("copy.tll", bytes);
    const auto result = runCli({"compare", original.string(), copy.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "42 : 0123\n");
}

} // namespace
} // namespace kx::test
