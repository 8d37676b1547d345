#include "platform/sidefiles.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/error.h"
#include "platform/programfolder.h"
#include "support/tempdir.h"

namespace kx {
namespace {

namespace fs = std::filesystem;

// Which of the user's folder and two shipped folders hold more.txt, and which copy is read.
struct ReadCase
{
    const char* name;
    bool user;
    bool first;
    bool second;
    const char* expected; // "user", "first", "second" or "" for none
};

class SideFilesRead : public ::testing::TestWithParam<ReadCase>
{};

TEST_P(SideFilesRead, TheUsersCopyFirstThenTheShippedOnesInOrder)
{
    test::TempDir dir;
    const ReadCase& c = GetParam();
    for (const auto& [folder, present] :
         {std::pair{"user", c.user}, {"first", c.first}, {"second", c.second}}) {
        fs::create_directory(dir.file(folder));
        if (present) {
            dir.write(std::string(folder) + "/more.txt", folder);
        }
    }
    const SideFiles sideFiles(dir.file("user"), {dir.file("first"), dir.file("second")});
    const fs::path expected = *c.expected == '\0' ? fs::path() : dir.file(c.expected) / "more.txt";
    EXPECT_EQ(sideFiles.toRead("more.txt"), expected);
}

INSTANTIATE_TEST_SUITE_P(Order, SideFilesRead,
                         ::testing::Values(ReadCase{"Everywhere", true, true, true, "user"},
                                           ReadCase{"BothShipped", false, true, true, "first"},
                                           ReadCase{"SecondShipped", false, false, true, "second"},
                                           ReadCase{"Nowhere", false, false, false, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SideFiles, WritesOnlyTheUsersCopy)
{
    test::TempDir dir;
    EXPECT_EQ(SideFiles(dir.file("a/b"), {dir.path()}).toWrite("code.dat"),
              dir.file("a/b/code.dat"));
    EXPECT_TRUE(fs::is_directory(dir.file("a/b"))) << "the folder is made";
    EXPECT_THROW(SideFiles({}, {dir.path()}).toWrite("code.dat"), Error) << "never the shipped";
}

// XDG_DATA_HOME (nullptr: unset) and the user's data folder it gives with HOME=/home/u.
struct DataHomeCase
{
    const char* name;
    const char* dataHome;
    const char* expected;
};

class SideFilesUserFolder : public ::testing::TestWithParam<DataHomeCase>
{};

TEST_P(SideFilesUserFolder, FollowsTheDataHomeAsQtDoes)
{
    const test::ScopedEnv home("HOME", "/home/u");
    const test::ScopedEnv dataHome("XDG_DATA_HOME", GetParam().dataHome);
    EXPECT_EQ(SideFiles::userDataFolder(), fs::path(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Environment, SideFilesUserFolder,
    ::testing::Values(DataHomeCase{"DataHome", "/data", "/data/Velto/Kanalyx"},
                      DataHomeCase{"Unset", nullptr, "/home/u/.local/share/Velto/Kanalyx"},
                      DataHomeCase{"Empty", "", "/home/u/.local/share/Velto/Kanalyx"},
                      // Relative paths are invalid there and ignored.
                      DataHomeCase{"Relative", "data", "/home/u/.local/share/Velto/Kanalyx"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SideFiles, InstalledProgram_FindsTheDataFolderBesideItsBinFolder)
{
    test::TempDir dir;
    fs::create_directories(dir.file("usr/bin"));
    fs::create_directories(dir.file("usr/share/kanalyx"));
    dir.write("usr/share/kanalyx/more10.txt", "A;01\r\n");
    EXPECT_EQ(SideFiles({}, ShippedDataFolders(dir.file("usr/bin"))).toRead("more10.txt"),
              dir.file("usr/share/kanalyx/more10.txt"));
    EXPECT_TRUE(ShippedDataFolders({}).empty()) << "no program folder, no shipped copies";
}

} // namespace
} // namespace kx
