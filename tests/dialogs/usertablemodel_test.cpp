#include "dialogs/usertablemodel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/namecodec.h"
#include "platform/codepage.h"
#include "platform/error.h"
#include "platform/file.h"
#include "platform/profile.h"
#include "support/tempdir.h"

namespace kx {
namespace {

namespace fs = std::filesystem;

class UserTableModelTest : public ::testing::Test
{
protected:
    void SetUp() override { m_folder = m_temp.path(); }
    fs::path codeDat() const { return m_folder / "code.dat"; }
    void writeCodeDat(const std::string& bytes) const { m_temp.write("code.dat", bytes); }

    test::TempDir m_temp;
    fs::path m_folder;
    UserTableModel m_model{1252};
};

// Cell (column, row) spans x 34 + 24 column to 58 + 24 column; its middle is 12 further.
constexpr int middleX(int column)
{
    return 46 + 24 * column;
}
constexpr int middleY(int row)
{
    return 46 + 24 * row;
}

TEST_F(UserTableModelTest, Load_WithoutCodeDatShowsEachByteItself)
{
    m_model.load(codeDat());
    EXPECT_EQ(m_model.table()[0x4A], 0xCA);
    EXPECT_EQ(m_model.cellText({0xA, 4}), "\xC3\x8A") << "byte 0xCA is E with circumflex";
    EXPECT_EQ(m_model.selected(), (TableCell{0, 0}));
    EXPECT_EQ(m_model.selectedText(), "\xE2\x82\xAC") << "byte 0x80 is the euro sign";
    EXPECT_EQ(m_model.cellText({1, 0}), "\xEF\xBF\xBD") << "0x81 has no character";
}

TEST_F(UserTableModelTest, Load_ShortFileReplacesOnlyItsEntries)
{
    writeCodeDat("ABCDEFGHIJ");
    m_model.load(codeDat());
    EXPECT_EQ(m_model.table()[0], 'A');
    EXPECT_EQ(m_model.table()[9], 'J');
    EXPECT_EQ(m_model.table()[10], 0x8A);
    EXPECT_EQ(m_model.table()[127], 0xFF);
}

TEST_F(UserTableModelTest, Click_StoresEditCharacterIntoSelectedThenSelectsClicked)
{
    EXPECT_TRUE(m_model.OnLButtonDown(middleX(3), middleY(2), "Z"));
    EXPECT_EQ(m_model.table()[0], 'Z');
    EXPECT_EQ(m_model.selected(), (TableCell{3, 2}));
    EXPECT_EQ(m_model.selectedText(), "\xC2\xA3") << "byte 0xA3, the pound sign";

    EXPECT_TRUE(m_model.OnLButtonDown(middleX(3), middleY(2), "\xC3\xA9"));
    EXPECT_EQ(m_model.table()[35], 0xE9) << "clicking the selected cell stores and keeps it";
    EXPECT_EQ(m_model.selected(), (TableCell{3, 2}));
}

TEST_F(UserTableModelTest, Click_EmptyOrLongerTextLeavesTheEntry)
{
    EXPECT_TRUE(m_model.OnLButtonDown(middleX(1), middleY(0), ""));
    EXPECT_EQ(m_model.table()[0], 0x80);
    EXPECT_TRUE(m_model.OnLButtonDown(middleX(2), middleY(0), "ab"));
    EXPECT_EQ(m_model.table()[1], 0x81);
    EXPECT_EQ(m_model.selected(), (TableCell{2, 0}));
}

TEST_F(UserTableModelTest, Click_CharacterOutsideCodePageIsRefused)
{
    EXPECT_FALSE(m_model.acceptsText("\xD0\xAF")); // Cyrillic capital Ya
    EXPECT_TRUE(m_model.acceptsText("\xC3\xA9"));
    EXPECT_TRUE(m_model.acceptsText(""));
    EXPECT_TRUE(m_model.OnLButtonDown(middleX(1), middleY(0), "\xD0\xAF"));
    EXPECT_EQ(m_model.table()[0], 0x80);

    UserTableModel cyrillic(1251);
    EXPECT_TRUE(cyrillic.acceptsText("\xD0\xAF"));
    EXPECT_TRUE(cyrillic.OnLButtonDown(middleX(2), middleY(0), "\xD0\xAF"));
    EXPECT_EQ(cyrillic.table()[0], 0xDF) << "stored into the cell that was selected";
}

TEST_F(UserTableModelTest, Click_OutsideTheGridChangesNothing)
{
    for (const auto& [x, y] : {std::pair{33, 40}, {40, 33}, {418, 40}, {40, 226}, {500, 500}}) {
        EXPECT_FALSE(m_model.OnLButtonDown(x, y, "Z")) << x << "," << y;
    }
    EXPECT_EQ(m_model.table()[0], 0x80);
    EXPECT_EQ(m_model.selected(), (TableCell{0, 0}));
}

TEST_F(UserTableModelTest, HitTest_EdgesBelongToTheCellRightAndBelow)
{
    EXPECT_EQ(UserTableModel::hitTest(34, 34), (TableCell{0, 0}));
    EXPECT_EQ(UserTableModel::hitTest(57, 57), (TableCell{0, 0}));
    EXPECT_EQ(UserTableModel::hitTest(58, 34), (TableCell{1, 0}));
    EXPECT_EQ(UserTableModel::hitTest(34, 58), (TableCell{0, 1}));
    EXPECT_EQ(UserTableModel::hitTest(417, 225), (TableCell{15, 7}));
}

TEST_F(UserTableModelTest, Geometry_EditTextAndHeadingPositions)
{
    EXPECT_EQ(UserTableModel::cellRect({2, 3}), (PixelRect{82, 106, 106, 130}));
    EXPECT_EQ(UserTableModel::editRect({2, 3}), (PixelRect{83, 107, 107, 131}));
    EXPECT_EQ(UserTableModel::cellTextPosition({2, 3}), (PixelPoint{88, 110}));
    EXPECT_EQ(UserTableModel::columnHeading(10), "A");
    EXPECT_EQ(UserTableModel::columnHeadingPosition(10), (PixelPoint{281, 16}));
    EXPECT_EQ(UserTableModel::rowHeading(0), "80");
    EXPECT_EQ(UserTableModel::rowHeading(7), "F0");
    EXPECT_EQ(UserTableModel::rowHeadingPosition(7), (PixelPoint{10, 206}));
    EXPECT_EQ(UserTableModel::verticalLineX(16), 418);
    EXPECT_EQ(UserTableModel::horizontalLineY(8), 226);
    EXPECT_THROW(UserTableModel::cellRect({16, 0}), Error);
}

TEST_F(UserTableModelTest, OK_WritesExactly128BytesWithTheLastTypedCharacter)
{
    writeCodeDat(std::string(200, 'q'));
    m_model.load(codeDat());
    m_model.OnLButtonDown(middleX(15), middleY(7), "A");
    m_model.OnOK("B", codeDat());
    const std::string written = File::readAll(codeDat());
    ASSERT_EQ(written.size(), 128u);
    EXPECT_EQ(written[0], 'A');
    EXPECT_EQ(written[127], 'B');
    EXPECT_EQ(written.substr(1, 126), std::string(126, 'q'));
}

TEST_F(UserTableModelTest, OK_UnwritableFileThrowsAndCancelWritesNothing)
{
    EXPECT_THROW(m_model.OnOK("", m_folder / "missing" / "code.dat"), Error);
    m_model.OnLButtonDown(middleX(1), middleY(0), "Z");
    EXPECT_FALSE(fs::exists(codeDat()));
}

TEST_F(UserTableModelTest, OK_WrittenTableIsWhatTheCodecThenUses)
{
    UserTableModel cyrillic(1251);
    cyrillic.OnOK("\xD0\x96", codeDat()); // Cyrillic capital Zhe into the cell of byte 0x80
    MemoryProfile profile;
    profile.setInt(kCodecSection, kCodePageValue, 1251);
    const CodecSettings codec = LoadCodecSettings(m_folder, profile);
    std::array<std::uint8_t, kNameFieldSize> name{};
    name[0] = 'A';
    name[1] = 0x80;
    EXPECT_EQ(Decode(name, 2, codec), "A\xD0\x96");
}

} // namespace
} // namespace kx
