#include "platform/sidefiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
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
                                           ReadCase{"UsersOnly", true, false, false, "user"},
                                           ReadCase{"BothShipped", false, true, true, "first"},
                                           ReadCase{"SecondShipped", false, false, true, "second"},
                                           ReadCase{"Nowhere", false, false, false, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SideFiles, BrokenUserCopy_IsReadAndReportedNotPassedOver)
{
    test::TempDir dir;
    fs::create_directories(dir.file("user/more.txt"));
    dir.write("more.txt", "shipped");
    EXPECT_EQ(SideFiles(dir.file("user"), {dir.path()}).toRead("more.txt"),
              dir.file("user/more.txt"));
    EXPECT_EQ(SideFiles().toRead("more.txt"), fs::path()) << "no folder finds nothing";
}

TEST(SideFiles, ToWrite_MakesTheUsersFolderOrSaysWhyNot)
{
    test::TempDir dir;
    EXPECT_EQ(SideFiles(dir.file("a/b"), {}).toWrite("code.dat"), dir.file("a/b/code.dat"));
    EXPECT_TRUE(fs::is_directory(dir.file("a/b")));

    dir.write("file", "");
    try {
        SideFiles(dir.file("file/sub"), {dir.path()}).toWrite("code.dat");
        FAIL() << "no folder can be made under a file";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Io);
        EXPECT_NE(std::string(error.what()).find("code.dat"), std::string::npos) << error.what();
    }
    EXPECT_THROW(SideFiles({}, {dir.path()}).toWrite("code.dat"), Error) << "never the shipped";
}

// XDG_DATA_HOME and HOME as set (nullptr: unset), and the user's data folder they give.
struct DataHomeCase
{
    const char* name;
    const char* dataHome;
    const char* home;
    const char* expected;
};

class SideFilesUserFolder : public ::testing::TestWithParam<DataHomeCase>
{
protected:
    void SetUp() override
    {
        for (const char* variable : {"XDG_DATA_HOME", "HOME"}) {
            const char* value = std::getenv(variable);
            m_saved.emplace_back(variable, value == nullptr ? std::nullopt
                                                            : std::optional<std::string>(value));
        }
    }
    void TearDown() override
    {
        for (const auto& [variable, value] : m_saved) {
            if (value) {
                ::setenv(variable, value->c_str(), 1);
            } else {
                ::unsetenv(variable);
            }
        }
    }

    std::vector<std::pair<const char*, std::optional<std::string>>> m_saved;
};

TEST_P(SideFilesUserFolder, FollowsTheDataHomeLikeQt)
{
    const DataHomeCase& c = GetParam();
    if (c.dataHome == nullptr) {
        ::unsetenv("XDG_DATA_HOME");
    } else {
        ::setenv("XDG_DATA_HOME", c.dataHome, 1);
    }
    ::setenv("HOME", c.home, 1);
    EXPECT_EQ(SideFiles::userDataFolder(), fs::path(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Environment, SideFilesUserFolder,
    ::testing::Values(
        DataHomeCase{"DataHome", "/data", "/home/u", "/data/Velto/Kanalyx"},
        DataHomeCase{"Unset", nullptr, "/home/u", "/home/u/.local/share/Velto/Kanalyx"},
        DataHomeCase{"Empty", "", "/home/u", "/home/u/.local/share/Velto/Kanalyx"},
        DataHomeCase{"Relative", "data", "/home/u", "/home/u/.local/share/Velto/Kanalyx"}),
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
