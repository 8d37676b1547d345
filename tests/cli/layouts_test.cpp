// kanalyx-cli on a list of the newer receivers: the lines info adds, the satellite lists, flags,
// and the refusals of commands such a list does not allow.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "clirunner.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx::test {
namespace {

class CliLayouts : public ::testing::Test
{
protected:
    void SetUp() override { m_list = dir.write("xxLM620S-ZE00001.TLL", newerList(true)).string(); }

    std::string path(const std::string& name) const { return dir.file(name).string(); }

    TempDir dir;
    std::string m_list;
};

TEST_F(CliLayouts, InfoListAndEdit_ShowAndSetTheSatelliteChannelsAndTheirFlags)
{
    auto result = runCli({"info", m_list});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "variant: 3\nanalog: 2\nradio: 1\ndtv: 1\nsettings: 16\ntrailing: 8\n"
                          "record-size: 192\nmodel: LM, LS, PM\nsat-tv: 2\nsat-radio: 0\n"
                          "hospitality: 8\n");

    // Number, name, character table, service id, service type, flags, then the check box.
    result = runCli({"list", m_list, "--list", "sat-tv"});
    EXPECT_EQ(result.out, "1\tSat One\tNone\t0\t1\tH\t1\n2\tSat Two\tNone\t0\t1\t\t1\n");

    result = runCli({"edit", m_list, "-o", path("out.tll"), "--list", "sat-tv", "--flags", "0",
                     "13L", "--flags", "1", "-", "--list", "dtv", "--flags", "0", "S"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(runCli({"list", path("out.tll"), "--list", "sat-tv"}).out,
              "1\tSat One\tNone\t0\t1\t13L\t1\n2\tSat Two\tNone\t0\t1\t\t1\n");
    EXPECT_EQ(runCli({"list", path("out.tll"), "--list", "dtv"}).out, "1\tTV\tNone\t0\t0\tS\t0\n")
        << "the skip flag is the check box";

    for (const auto& [operation, says] :
         {std::pair<std::string, std::string>{"--duplicate", "keeps every channel in its place"},
          {"--flags", "flags are favourites 1 to 4"}}) {
        SCOPED_TRACE(operation);
        result = operation == "--flags" ? runCli({"edit", m_list, "-o", path("no.tll"), "--list",
                                                  "sat-tv", "--flags", "0", "5X"})
                                        : runCli({"edit", m_list, "-o", path("no.tll"), "--list",
                                                  "sat-tv", "--select", "0", operation});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find(says), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("no.tll")));
    }
}

TEST_F(CliLayouts, ImportAndExport_TakeTheSatelliteLists)
{
    const std::string other =
        dir.write("other.tll",
                  TllBuilder(3)
                      .digital(RecordBytes(3).numberWord(7).name("Seven"))
                      .satellite(SatelliteBlockBytes().channel(0x4000 + 5, "Five").build())
                      .trailing(std::string(8, '\0'))
                      .build())
            .string();
    auto result = runCli({"import", m_list, other, "--sat", "-o", path("imported.tll")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(runCli({"list", path("imported.tll"), "--list", "sat-tv"}).out, "");
    EXPECT_EQ(runCli({"list", path("imported.tll"), "--list", "sat-radio"}).out,
              "5\tFive\tNone\t0\t2\t\t1\n");
    EXPECT_EQ(runCli({"list", path("imported.tll"), "--list", "dtv"}).out,
              runCli({"list", m_list, "--list", "dtv"}).out)
        << "only the satellite lists came";

    // Analog, radio, digital TV, then the satellite lists: 2 + 1 + 1 + 2 records.
    result = runCli({"export", m_list, path("list.xls")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string lines = readFile(dir.file("list.xls"));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 6);
    EXPECT_EQ(lines.substr(lines.rfind("\r\n", lines.size() - 3) + 2).size(), 68 * 3 + 2)
        << "the last line is a satellite record of 68 bytes";
}

} // namespace
} // namespace kx::test
