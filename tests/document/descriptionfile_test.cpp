#include "document/descriptionfile.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/file.h"
#include "support/tempdir.h"

namespace kx {
namespace {

namespace fs = std::filesystem;

class DescriptionFileTest : public testing::Test
{
protected:
    test::TempDir m_temp;
    const fs::path m_dir = m_temp.path();
};

TEST(DescriptionFileName, FollowsTheVariant)
{
    EXPECT_EQ(DescriptionFile::fileName(1), "more.txt");
    EXPECT_EQ(DescriptionFile::fileName(2), "more10.txt");
    EXPECT_EQ(DescriptionFile::fileName(0), "more.txt") << "any variant but 2 and 3";
    // The newer receivers' settings blocks are laid out like neither.
    EXPECT_EQ(DescriptionFile::fileName(3), "more3.txt");
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

TEST_F(DescriptionFileTest, WriteThenRead_CrLfEveryEntry)
{
    const fs::path path = m_dir / "more10.txt";
    DescriptionFile::write(path, "", {"Tuner;01A2", "Mode;0100;1;1;Off,0;On,1;"});
    EXPECT_EQ(File::readAll(path), "Tuner;01A2\r\nMode;0100;1;1;Off,0;On,1;\r\n");
    EXPECT_EQ(DescriptionFile::read(path),
              (std::vector<std::string>{"Tuner;01A2", "Mode;0100;1;1;Off,0;On,1;"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1)
        << "no temporary file stays";

    DescriptionFile::write(path, "", {});
    EXPECT_EQ(fs::file_size(path), 0u) << "no entries give an empty file";
}

// Entries go into the places of the old ones; comments and empty lines stay where they were.
TEST_F(DescriptionFileTest, Format_KeepsCommentsAndEmptyLinesInPlace)
{
    const std::string original = "# Tuner\r\nOld;0001\r\n\r\n# Sound\nMid;0002\nLast;0003\r\n# end";
    EXPECT_EQ(DescriptionFile::format(original, {"A;01", "B;02", "C;03"}),
              "# Tuner\r\nA;01\r\n\r\n# Sound\nB;02\r\nC;03\r\n# end");
    EXPECT_EQ(DescriptionFile::format(original, {"A;01"}), "# Tuner\r\nA;01\r\n\r\n# Sound\n# end")
        << "entries that went leave no line";
    EXPECT_EQ(DescriptionFile::format(original, {"A;01", "B;02", "C;03", "D;04"}),
              "# Tuner\r\nA;01\r\n\r\n# Sound\nB;02\r\nC;03\r\n# end\r\nD;04\r\n")
        << "new entries go at the end";
}

TEST_F(DescriptionFileTest, Write_FailureThrowsAndLeavesNothingBehind)
{
    EXPECT_THROW(DescriptionFile::write(m_dir / "absent" / "more.txt", "", {"A;01"}), Error);

    // A folder in the target's place cannot be replaced: the write fails after the text was
    // written, and the temporary file must not stay.
    const fs::path blocked = m_dir / "more.txt";
    fs::create_directory(blocked);
    m_temp.write("more.txt/keep", "x");
    try {
        DescriptionFile::write(blocked, "", {"A;01"});
        FAIL() << "replacing a folder must fail";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Io);
        EXPECT_NE(std::string(error.what()).find("more.txt"), std::string::npos);
    }
    EXPECT_TRUE(fs::exists(blocked / "keep"));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1)
        << "no temporary file stays";
}

} // namespace
} // namespace kx
