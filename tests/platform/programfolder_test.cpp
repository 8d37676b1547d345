#include "platform/programfolder.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(ProgramFolder, IsTheFolderOfTheRunningTest)
{
    const std::filesystem::path folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(folder.is_absolute());
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "platform_tests"));
}

} // namespace
} // namespace kx
