// Saving safely with other programs and other names about: concurrent edits of one file, hard
// links, what a killed save leaves behind, the standard output and read-only folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "clirunner.h"
#include "support/tempdir.h"

namespace kx::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Each run renames another channel of one file and saves it over itself; none may lose another's
// name, which unserialised runs did nearly every time.
TEST(CliSafety, ConcurrentEditsOfOneFile_AreAllKept)
{
    TempDir dir;
    const std::string list = dir.file("t.tll").string();
    for (int round = 0; round < 3; ++round) {
        dir.write("t.tll", readFile(sampleList()));
        std::vector<std::vector<std::string>> runs;
        for (int row = 0; row < 8; ++row) {
            runs.push_back({"edit", list, "-o", list, "--list", "dtv", "--rename",
                            std::to_string(row), "Edit" + std::to_string(row)});
        }
        for (const CliResult& result : runCliTogether(runs)) {
            EXPECT_EQ(result.exitCode, 0) << result.err;
        }
        const std::string rows = runCli({"list", list, "--list", "dtv"}).out;
        for (int row = 0; row < 8; ++row) {
            ASSERT_NE(rows.find("\tEdit" + std::to_string(row) + "\t"), std::string::npos)
                << "round " << round << ":\n"
                << rows;
        }
    }
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"t.tll"});
}

TEST(CliSafety, HardLinkedTarget_EveryNameSeesTheSavedFile)
{
    TempDir dir;
    const fs::path first = dir.write("h1", "old\n");
    fs::create_hard_link(first, dir.file("h2"));
    const auto result = runCli({"save", sampleList().string(), first.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(readFile(dir.file("h2")) == readFile(sampleList()));
    EXPECT_TRUE(fs::equivalent(first, dir.file("h2")));
    EXPECT_EQ(fs::hard_link_count(first), 2u);
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"h1", "h2"}))
        << "the copy of the old bytes is gone";
}

// A save killed between naming its temporary file and renaming it leaves the name; the next
// save of that file takes such names once they are a minute old, and nothing else.
TEST(CliSafety, LeftoverTemporaryFileOfTheTarget_GoesAtTheNextSave)
{
    TempDir dir;
    struct Name
    {
        std::string name;
        bool old;  // last written two minutes ago
        bool kept; // there after the save
    };
    const Name names[] = {
        {".list.tll.kanalyx-Old001", true, false},
        {".list.tll.kanalyx-New001", false, true},    // a save may be under way
        {".list.tll.Rsync1", true, true},             // another program's naming
        {".list.tll.kanalyx-old-Keep01", true, true}, // old bytes of a write in place
        {".other.tll.kanalyx-Old002", true, true},    // another file's
    };
    std::vector<std::string> expected{"list.tll"};
    for (const Name& name : names) {
        dir.write(name.name, "x");
        if (name.old) {
            fs::last_write_time(dir.file(name.name),
                                fs::file_time_type::clock::now() - std::chrono::minutes(2));
        }
        if (name.kept) {
            expected.push_back(name.name);
        }
    }
    std::sort(expected.begin(), expected.end());
    const auto result = runCli({"save", sampleList().string(), dir.file("list.tll").string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(namesIn(dir.path()), expected);
}

class CliStandardOutput : public ::testing::TestWithParam<const char*>
{};

TEST_P(CliStandardOutput, TakesTheBytesOfSaveAndExport)
{
    TempDir work;
    TempDir dir;
    const auto exported = runCli({"export", sampleList().string(), dir.file("rows").string()});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    for (const auto& [command, bytes] :
         {std::pair<std::string, std::string>{"save", readFile(sampleList())},
          {"export", readFile(dir.file("rows"))}}) {
        const auto result = runCli({command, sampleList().string(), GetParam()}, work.path());
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err, "");
        EXPECT_TRUE(result.out == bytes) << command;
    }
    EXPECT_TRUE(fs::is_empty(work.path())) << "no file was written";
}

INSTANTIATE_TEST_SUITE_P(Names, CliStandardOutput, ::testing::Values("-", "/dev/stdout"),
                         [](const auto& info) { return info.index == 0 ? "Dash" : "DevStdout"; });

TEST(CliSafety, WritableFileInAReadOnlyFolder_IsLeftAsItWas)
{
    TempDir dir;
    fs::create_directory(dir.file("ro"));
    const fs::path list = dir.write("ro/list.tll", "old");
    ::chmod(dir.file("ro").c_str(), 0555);
    const auto replaced = runCli({"save", sampleList().string(), list.string()});
    const auto created = runCli({"save", sampleList().string(), dir.file("ro/new.tll").string()});
    ::chmod(dir.file("ro").c_str(), 0755);
    EXPECT_EQ(replaced.exitCode, 1);
    EXPECT_EQ(replaced.err,
              "kanalyx-cli save: " + list.string() +
                  ": the folder it is in is read-only; the file was left as it was\n");
    EXPECT_EQ(created.err, "kanalyx-cli save: " + dir.file("ro/new.tll").string() +
                               ": the folder it is to be in is read-only; nothing was written\n");
    EXPECT_EQ(readFile(list), "old");
    EXPECT_EQ(namesIn(dir.file("ro")), std::vector<std::string>{"list.tll"});
}

} // namespace
} // namespace kx::test
