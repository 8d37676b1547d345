#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "clirunner.h"
#include "support/tempdir.h"

namespace kx::test {
namespace {

namespace fs = std::filesystem;

// Makes a file that is not a regular file, or is far too large, or is read-only at path; returns
// where it is.
using MakeSpecial = fs::path (*)(const fs::path& path);

struct SpecialFile
{
    const char* name;
    MakeSpecial make;
    const char* message; // what the error line says after the path
};

fs::path makeFolder(const fs::path& path)
{
    fs::create_directory(path);
    return path;
}

fs::path makePipe(const fs::path& path)
{
    ::mkfifo(path.c_str(), 0644);
    return path;
}

fs::path device(const fs::path& /*path*/)
{
    return "/dev/zero";
}

fs::path makeOversized(const fs::path& path)
{
    std::ofstream file(path);
    file.close();
    fs::resize_file(path, (std::uintmax_t{64} << 20U) + 1); // sparse: takes no room
    return path;
}

fs::path makeReadOnly(const fs::path& path)
{
    std::ofstream(path) << "old";
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    return path;
}

std::string nameOf(const ::testing::TestParamInfo<SpecialFile>& info)
{
    return info.param.name;
}

class CliSpecialInput : public ::testing::TestWithParam<SpecialFile>
{};

// Each would block or fill the memory if it were read as a channel list.
TEST_P(CliSpecialInput, IsRefusedAtOnceWithAMessage)
{
    TempDir dir;
    const fs::path input = GetParam().make(dir.file("input.tll"));
    const auto result = runCli({"info", input.string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "kanalyx-cli info: " + input.string() + ": " + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Files, CliSpecialInput,
    ::testing::Values(SpecialFile{"Folder", &makeFolder, "it is a folder, not a regular file"},
                      SpecialFile{"Pipe", &makePipe, "it is a pipe, not a regular file"},
                      SpecialFile{"Device", &device, "it is a device, not a regular file"},
                      SpecialFile{"Oversized", &makeOversized,
                                  "it is 67108865 bytes long; files over 64 MiB are not read"}),
    nameOf);

class CliSpecialOutput : public ::testing::TestWithParam<SpecialFile>
{};

// Devices are left out on purpose: were the check broken, a test run as root would replace one.
TEST_P(CliSpecialOutput, IsRefusedAndLeftAsItWas)
{
    TempDir dir;
    // Named as an export is named, so that both commands write to it as it is.
    const fs::path output = GetParam().make(dir.file("output.xls"));
    const auto type = fs::symlink_status(output).type();
    for (const std::string command : {"save", "export"}) {
        const auto result = runCli({command, sampleList().string(), output.string()});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, "kanalyx-cli " + command + ": " + output.string() + ": " +
                                  GetParam().message + "\n");
        EXPECT_EQ(fs::symlink_status(output).type(), type);
        EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"output.xls"});
    }
    if (type == fs::file_type::regular) {
        EXPECT_EQ(readFile(output), "old");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, CliSpecialOutput,
    ::testing::Values(
        SpecialFile{"Folder", &makeFolder,
                    "it is a folder, not a regular file; nothing was written"},
        SpecialFile{"Pipe", &makePipe, "it is a pipe, not a regular file; nothing was written"},
        SpecialFile{"ReadOnly", &makeReadOnly, "the file is read-only; it was left as it was"}),
    nameOf);

// Links to a file beside them, in another folder, and to a file that does not exist yet.
TEST(CliFiles, SavingThroughALink_WritesItsTargetAndKeepsTheLink)
{
    TempDir dir;
    fs::create_directory(dir.file("lists"));
    fs::create_directory(dir.file("links"));
    fs::create_symlink("a.tll", dir.file("lists/same.tll"));
    fs::create_symlink("../lists/a.tll", dir.file("links/other.tll"));
    fs::create_symlink("../lists/new.tll", dir.file("links/dangling.tll"));
    for (const char* link : {"lists/same.tll", "links/other.tll", "links/dangling.tll"}) {
        dir.write("lists/a.tll", "old");
        const auto result = runCli({"save", sampleList().string(), dir.file(link).string()});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_TRUE(fs::is_symlink(dir.file(link))) << link;
        EXPECT_EQ(readFile(dir.file(link)), readFile(sampleList())) << link;
    }
    EXPECT_EQ(namesIn(dir.file("lists")),
              (std::vector<std::string>{"a.tll", "new.tll", "same.tll"}));
}

TEST(CliFiles, NameOf255Bytes_IsSavedWithNothingLeftBeside)
{
    TempDir dir;
    // Two-byte characters, so a temporary name cut to fit must cut between characters.
    std::string name;
    while (name.size() < 251) {
        name += "\xC3\xA4";
    }
    name.resize(251);
    name += ".tll";
    for (int round = 0; round < 2; ++round) { // a new file, then one replaced
        const auto result = runCli({"save", sampleList().string(), dir.file(name).string()});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{name});
    }
}

TEST(CliFiles, ReplacedFile_KeepsItsModeOwnerAndGroup)
{
    TempDir dir;
    const fs::path path = dir.write("list.tll", "old");
    ::chmod(path.c_str(), 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    }
    const auto result = runCli({"save", sampleList().string(), path.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    struct stat status = {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777U, 0640U);
    EXPECT_EQ(status.st_uid, root ? 65534U : ::geteuid());
    EXPECT_EQ(status.st_gid, root ? 65534U : ::getegid());
    if (!root) {
        GTEST_SKIP() << "only root may give a file to another owner";
    }
}

TEST(CliFiles, CompareWithADamagedOther_ExitsOneWithAMessage)
{
    TempDir dir;
    // Not a list at all, though its first word reads as a list of the other kind; and a copy
    // that ends inside its settings block.
    const auto garbage = dir.write("garbage.tll", std::string(3000, '\x41'));
    const auto cut = dir.write("cut.tll", readFile(sampleList()).substr(0, 20000));
    for (const fs::path& other : {garbage, cut}) {
        const auto result = runCli({"compare", sampleList().string(), other.string()});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("kanalyx-cli compare: " + other.string() + ": ", 0), 0u)
            << result.err;
    }
}

} // namespace
} // namespace kx::test
