// Saving safely with other programs and other names about: concurrent edits of one file, hard
// links, what a killed save leaves behind, the standard output and read-only folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "clirunner.h"
#include "support/tempdir.h"

namespace kx::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Each run renames another channel and saves the file over itself; unserialised, runs lost each
// other's names nearly every time.
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
            ASSERT_NE(rows.find("\tEdit" + std::to_string(row) + "\t"), std::string::npos) << rows;
        }
    }
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"t.tll"});
}

TEST(CliSafety, HardLinkedTarget_EveryNameSeesTheSavedFile)
{
    TempDir dir;
    const fs::path first = dir.write("h1", "old\n");
    fs::create_hard_link(first, dir.file("h2"));
    ASSERT_EQ(runCli({"save", sampleList().string(), first.string()}).exitCode, 0);
    EXPECT_TRUE(readFile(dir.file("h2")) == readFile(sampleList()));
    EXPECT_EQ(fs::hard_link_count(first), 2u);
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"h1", "h2"})) << "no copy is left";
}

// A save killed between naming its temporary file and renaming it leaves the name; the next
// save of that file takes such names of its own once they are a minute old, and nothing else.
TEST(CliSafety, LeftoverTemporaryFileOfTheTarget_GoesAtTheNextSave)
{
    TempDir dir;
    for (const char* name : {".list.tll.kanalyx-Old001", ".list.tll.Rsync1",
                             ".list.tll.kanalyx-old-Keep01", ".other.tll.kanalyx-Old002"}) {
        dir.write(name, "x");
        fs::last_write_time(dir.file(name), fs::file_time_type::clock::now() - 2min);
    }
    dir.write(".list.tll.kanalyx-New001", "x"); // another save may be under way
    ASSERT_EQ(runCli({"save", sampleList().string(), dir.file("list.tll").string()}).exitCode, 0);
    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{".list.tll.Rsync1", ".list.tll.kanalyx-New001",
                                        ".list.tll.kanalyx-old-Keep01", ".other.tll.kanalyx-Old002",
                                        "list.tll"}));
}

TEST(CliSafety, StandardOutputNames_TakeTheBytesOfSaveAndExport)
{
    TempDir dir;
    ASSERT_EQ(runCli({"export", sampleList().string(), dir.file("rows").string()}).exitCode, 0);
    TempDir work;
    for (const std::string name : {"-", "/dev/stdout"}) {
        for (const auto& [command, bytes] :
             {std::pair{std::string("save"), readFile(sampleList())},
              std::pair{std::string("export"), readFile(dir.file("rows"))}}) {
            const auto result = runCli({command, sampleList().string(), name}, work.path());
            EXPECT_EQ(result.err, "");
            EXPECT_TRUE(result.out == bytes) << command << " " << name;
        }
    }
    EXPECT_TRUE(fs::is_empty(work.path())) << "no file was written";
}

TEST(CliSafety, WritableFileInAReadOnlyFolder_IsLeftAsItWas)
{
    TempDir dir;
    fs::create_directory(dir.file("ro"));
    const fs::path list = dir.write("ro/list.tll", "old");
    ::chmod(dir.file("ro").c_str(), 0555);
    const auto replaced = runCli({"save", sampleList().string(), list.string()});
    const auto created = runCli({"save", sampleList().string(), dir.file("ro/new.tll").string()});
    ::chmod(dir.file("ro").c_str(), 0755);
    EXPECT_EQ(replaced.err,
              "kanalyx-cli save: " + list.string() +
                  ": the folder it is in is read-only; the file was left as it was\n");
    EXPECT_EQ(created.err, "kanalyx-cli save: " + dir.file("ro/new.tll").string() +
                               ": the folder it is to be in is read-only; nothing was written\n");
    EXPECT_EQ(namesIn(dir.file("ro")), std::vector<std::string>{"list.tll"});
    EXPECT_EQ(readFile(list), "old");
}

} // namespace
} // namespace kx::test
