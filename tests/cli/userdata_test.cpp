#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "clirunner.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx::test {
namespace {

namespace fs = std::filesystem;

// The lines of the settings command that are More rows (name, address and value by tabs).
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

// Runs kanalyx-cli with a user data folder of its own ($XDG_DATA_HOME), so the user's side files
// can be put there.
class CliUserData : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("XDG_DATA_HOME")) {
            m_saved = old;
        }
        ::setenv("XDG_DATA_HOME", m_home.path().c_str(), 1);
        fs::create_directories(userFile(""));
    }
    void TearDown() override
    {
        if (m_saved) {
            ::setenv("XDG_DATA_HOME", m_saved->c_str(), 1);
        } else {
            ::unsetenv("XDG_DATA_HOME");
        }
    }

    fs::path userFile(const std::string& name) const
    {
        return m_home.path() / "Velto/Kanalyx" / name;
    }
    void putUserFile(const std::string& name, const std::string& bytes) const
    {
        m_home.write("Velto/Kanalyx/" + name, bytes);
    }

    TempDir m_home;
    TempDir m_dir;
    std::optional<std::string> m_saved;
};

TEST_F(CliUserData, Descriptions_TheUsersCopyFirstThenTheProgramsTheOptionAboveBoth)
{
    const std::string sample = sampleList().string(); // 176-byte records: more10.txt
    const auto shipped = rowNames(runCli({"settings", sample}).out);
    EXPECT_GT(shipped.size(), 1u) << "the copy that comes with the program";

    putUserFile("more10.txt", "# mine\r\nMine;0010\r\n");
    putUserFile("more.txt", "Other;0010\r\n");
    auto result = runCli({"settings", sample});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(rowNames(result.out), std::vector<std::string>{"Mine"});

    const auto named = m_dir.write("named.txt", "Named;0011\r\n");
    result = runCli({"settings", sample, "--descriptions", named.string()});
    EXPECT_EQ(rowNames(result.out), std::vector<std::string>{"Named"});

    // A user's copy that cannot be read is reported, not passed over for the program's.
    fs::remove(userFile("more10.txt"));
    fs::create_directory(userFile("more10.txt"));
    result = runCli({"settings", sample});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find(userFile("more10.txt").string()), std::string::npos) << result.err;
}

TEST_F(CliUserData, UserTable_TheUsersCodeDatUnlessOneIsNamed)
{
    // A name of one byte, 0xBF, stored without a prefix: under "User" it goes through the table.
    const auto list = m_dir.write("list.tll", TllBuilder(2)
                                                  .analog(RecordBytes(2).numberWord(1).name("\xBF"))
                                                  .trailing(std::string(1, '\0'))
                                                  .build());
    const auto nameOf = [&list](std::initializer_list<std::string> extra) {
        std::vector<std::string> arguments{"list",   list.string(), "--list",
                                           "analog", "--codepage",  "1251"};
        arguments.insert(arguments.end(), extra);
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
    putUserFile("code.dat", mapped);
    EXPECT_EQ(nameOf({}), "A");
    EXPECT_EQ(nameOf({"--user-table", m_dir.write("code.dat", identity).string()}), "\xD1\x97");
}

} // namespace
} // namespace kx::test
