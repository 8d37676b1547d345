// kanalyx-cli on GlobalClone files: info names the format, the model and the lists, list and
// edit take the lists' names, edits keep every other byte, and what has no meaning for such a
// file is refused with exit code 2.
#include <gtest/gtest.h>

#include <string>

#include "clirunner.h"
#include "support/tempdir.h"

namespace kx::test {
namespace {

class CliGlobalClone : public ::testing::Test
{
protected:
    const std::string m_file = KANALYX_GLOBALCLONE_CORPUS "/gc-satellite-lf.tll";
    std::string path(const std::string& name) const { return dir.file(name).string(); }

    TempDir dir;
};

TEST_F(CliGlobalClone, InfoListAndSave_ShowTheReceiversListsAndKeepTheBytes)
{
    auto result = runCli({"info", m_file});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "format: GlobalClone\nmodel: TEST42Z9\ndvbs-tv: 2\ndvbs-radio: 1\n"
                          "unlisted: 1\n");
    // Radio numbers without the radio mark; the deleted channel is in no list.
    EXPECT_EQ(runCli({"list", m_file, "--list", "dvbs-radio"}).out,
              "1\tRadio G\xC3\xA4mma\tNone\t103\t2\t\t1\n");
    ASSERT_EQ(runCli({"save", m_file, path("GlobalClone00001.TLL")}).exitCode, 0);
    EXPECT_EQ(readFile(path("GlobalClone00001.TLL")), readFile(m_file));
}

TEST_F(CliGlobalClone, Edit_MovesRenamesAndSetsEightFavourites)
{
    auto result = runCli({"edit", m_file, "-o", path("out.tll"), "--select", "1", "--up",
                          "--rename", "0", "Neu", "--flags", "1", "18LS"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(runCli({"list", path("out.tll"), "--list", "dvbs-tv"}).out,
              "1\tNeu\tNone\t102\t1\t\t1\n2\tAlpha One\tNone\t101\t1\t18LS\t0\n")
        << "the first list by default; skip is the check box";
    const std::string saved = readFile(path("out.tll"));
    EXPECT_NE(saved.find("<isUserSelCHNo>1</isUserSelCHNo>"), std::string::npos);
    EXPECT_NE(saved.find("<hexVchName>4e6575</hexVchName>"), std::string::npos);
}

TEST_F(CliGlobalClone, WhatHasNoMeaningForTheFile_IsRefusedWithExitCode2)
{
    const struct
    {
        std::vector<std::string> arguments;
        const char* says;
    } cases[] = {
        {{"list", m_file, "--list", "sat-tv"}, "(dvbs-tv, dvbs-radio)"},
        {{"edit", m_file, "-o", path("no.tll"), "--select", "0", "--duplicate"},
         "keeps every channel in its place"},
        {{"edit", m_file, "-o", path("no.tll"), "--flags", "0", "9"}, "favourites 1 to 8"},
        {{"export", m_file, path("no.tll")}, "nothing to export"},
        {{"import", m_file, m_file, "-o", path("no.tll")}, "no lists of another file"},
        {{"settings", m_file}, "settings block"},
        {{"compare", m_file, m_file}, "no settings block"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        const CliResult result = runCli(c.arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("no.tll")));
}

} // namespace
} // namespace kx::test
