#include "document/descriptionfile.h"

#include <atomic>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/file.h"

namespace kx {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with everything in it.
class DescriptionFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        static std::atomic<int> counter{0};
        m_dir = fs::temp_directory_path() /
                ("kx-desc-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void putFile(const fs::path& path, const std::string& bytes)
    {
        File file(path, File::Mode::Write);
        file.write(bytes);
    }

    fs::path m_dir;
};

TEST(DescriptionFileName, FollowsTheVariant)
{
    EXPECT_EQ(DescriptionFile::fileName(1), "more.txt");
    EXPECT_EQ(DescriptionFile::fileName(2), "more10.txt");
    EXPECT_EQ(DescriptionFile::fileName(0), "more.txt") << "any variant but 2";
    EXPECT_EQ(DescriptionFile::fileName(3), "more.txt");
    EXPECT_EQ(DescriptionFile::pathFor("/opt/kanalyx", 2), fs::path("/opt/kanalyx/more10.txt"));
}

TEST(DescriptionFileParse, SkipsCommentsAndEmptyLinesAndKeepsOrder)
{
    EXPECT_EQ(DescriptionFile::parse("# receivers of 2009\r\n\r\nB;02\r\nA;01\n\n#x;1\nC;03"),
              (std::vector<std::string>{"B;02", "A;01", "C;03"}));
    EXPECT_TRUE(DescriptionFile::parse("# only\r\n\r\n#comments\n\n").empty());
    EXPECT_TRUE(DescriptionFile::parse("").empty());
    EXPECT_EQ(DescriptionFile::parse(" #not a comment\r\n"),
              std::vector<std::string>{" #not a comment"});
}

TEST_F(DescriptionFileTest, Read_MissingFileHasNoEntries)
{
    EXPECT_TRUE(DescriptionFile::read(m_dir / "more.txt").empty());
}

TEST_F(DescriptionFileTest, Read_UnreadableFileThrowsInsteadOfLookingEmpty)
{
    fs::create_directory(m_dir / "more.txt");
    try {
        DescriptionFile::read(m_dir / "more.txt");
        FAIL() << "a file that cannot be read must not read as empty";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Io);
        EXPECT_NE(std::string(error.what()).find("more.txt"), std::string::npos);
    }
}

TEST_F(DescriptionFileTest, WriteThenRead_CrLfEveryEntryNoComments)
{
    const fs::path path = m_dir / "more10.txt";
    putFile(path, "# old comment\r\nOld;0001\r\n");
    DescriptionFile::write(path, {"Tuner;01A2", "Mode;0100;1;1;Off,0;On,1;"});
    EXPECT_EQ(File::readAll(path), "Tuner;01A2\r\nMode;0100;1;1;Off,0;On,1;\r\n");
    EXPECT_EQ(DescriptionFile::read(path),
              (std::vector<std::string>{"Tuner;01A2", "Mode;0100;1;1;Off,0;On,1;"}));
    EXPECT_FALSE(fs::exists(m_dir / "more10.txt.new"));

    DescriptionFile::write(path, {});
    EXPECT_EQ(fs::file_size(path), 0u) << "no entries give an empty file";
}

TEST_F(DescriptionFileTest, Write_FailureThrowsAndLeavesNothingBehind)
{
    EXPECT_THROW(DescriptionFile::write(m_dir / "absent" / "more.txt", {"A;01"}), Error);

    // A folder in the target's place cannot be replaced: the write fails after the text was
    // written, and the temporary file must not stay.
    const fs::path blocked = m_dir / "more.txt";
    fs::create_directory(blocked);
    putFile(blocked / "keep", "x");
    try {
        DescriptionFile::write(blocked, {"A;01"});
        FAIL() << "replacing a folder must fail";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Io);
        EXPECT_NE(std::string(error.what()).find("more.txt"), std::string::npos);
    }
    EXPECT_TRUE(fs::exists(blocked / "keep"));
    EXPECT_FALSE(fs::exists(m_dir / "more.txt.new"));
}

} // namespace
} // namespace kx
