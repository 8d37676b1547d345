#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "clirunner.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx::test {
namespace {

// The names of the More rows that the settings command prints (the lines with tabs).
std::vector<std::string> rowNames(const std::string& out)
{
    std::vector<std::string> names;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.find('\t') != std::string::npos) {
            names.push_back(line.substr(0, line.find('\t')));
        }
    }
    return names;
}

// kanalyx-cli runs with a user data folder of its own, where the tests put the user's files.
class CliUserData : public ::testing::Test
{
protected:
    TempDir m_home;
    ScopedEnv m_dataHome{"XDG_DATA_HOME", m_home.path().c_str()};
    std::filesystem::path m_user = m_home.path() / "Velto/Kanalyx";
    TempDir m_dir;
};

TEST_F(CliUserData, Descriptions_TheUsersCopyFirstThenTheProgramsTheOptionAboveBoth)
{
    const std::string sample = sampleList().string(); // 176-byte records: more10.txt
    EXPECT_GT(rowNames(runCli({"settings", sample}).out).size(), 1u) << "the program's copy";

    std::filesystem::create_directories(m_user);
    m_home.write("Velto/Kanalyx/more10.txt", "# mine\r\nMine;0010\r\n");
    m_home.write("Velto/Kanalyx/more.txt", "Other;0010\r\n");
    EXPECT_EQ(rowNames(runCli({"settings", sample}).out), std::vector<std::string>{"Mine"});
    const auto named = m_dir.write("named.txt", "Named;0011\r\n").string();
    EXPECT_EQ(rowNames(runCli({"settings", sample, "--descriptions", named}).out),
              std::vector<std::string>{"Named"});

    // A user's copy that cannot be read is reported, not passed over for the program's.
    std::filesystem::remove(m_user / "more10.txt");
    std::filesystem::create_directory(m_user / "more10.txt");
    const auto result = runCli({"settings", sample});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find((m_user / "more10.txt").string()), std::string::npos) << result.err;
}

TEST_F(CliUserData, UserTable_TheUsersCodeDatUnlessOneIsNamed)
{
    // One name byte, 0xBF, without a prefix: under "User" it goes through the table.
    const auto list = m_dir.write("list.tll", TllBuilder(2)
                                                  .analog(RecordBytes(2).numberWord(1).name("\xBF"))
                                                  .trailing(std::string(1, '\0'))
                                                  .build());
    const auto nameOf = [&list](const std::vector<std::string>& extra) {
        std::vector<std::string> arguments{"list",   list.string(), "--list",
                                           "analog", "--codepage",  "1251"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        const std::string out = runCli(arguments).out;
        const std::size_t start = out.find('\t') + 1;
        return out.substr(start, out.find('\t', start) - start);
    };
    std::string identity(128, '\0');
    for (std::size_t j = 0; j < identity.size(); ++j) {
        identity[j] = static_cast<char>(128 + j);
    }
    std::string mapped = identity;
    mapped[0xBF - 128] = 'A';

    EXPECT_EQ(nameOf({}), "\xD1\x97") << "CP1251 0xBF without a table";
    std::filesystem::create_directories(m_user);
    m_home.write("Velto/Kanalyx/code.dat", mapped);
    EXPECT_EQ(nameOf({}), "A");
    EXPECT_EQ(nameOf({"--user-table", m_dir.write("code.dat", identity).string()}), "\xD1\x97");
}

} // namespace
} // namespace kx::test
