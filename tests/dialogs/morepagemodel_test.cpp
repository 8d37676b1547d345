#include "dialogs/morepagemodel.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "platform/error.h"
#include "support/tempdir.h"

namespace kx {
namespace {

using Editor = MorePageModel::Editor;

const std::vector<std::string> kMenuItems = {"Setup",   "Pictures", "Sound", "Time",
                                             "Options", "Lock",     "Input", "USB"};

// A zero block of size bytes with a page over it holding the given lines.
struct Page
{
    explicit Page(const std::vector<std::string>& lines, std::size_t size = 64, int variant = 1)
        : block(size, 0), model(block, variant)
    {
        for (const std::string& line : lines) {
            model.AddSettingRow(line);
        }
    }
    std::string data(std::size_t row) const { return model.rows().at(row).data; }

    std::vector<std::uint8_t> block;
    MorePageModel model;
};

TEST(MorePageModel, RowsShowNameTrimmedAddressAndTheByte)
{
    std::vector<std::uint8_t> block(64, 0);
    block[0x1A] = 5;
    block[0x01] = 171;
    MorePageModel page(block, 1);
    page.AddSettingRow("# receivers of 2009");
    page.AddSettingRow("");
    page.AddSettingRow("Volume;1A");
    page.AddSettingRow("Lower; 1a ");
    ASSERT_EQ(page.rows().size(), 2u) << "comment and empty lines give no row";
    EXPECT_EQ(page.rows()[0].name, "Volume");
    EXPECT_EQ(page.rows()[0].address, "1A");
    EXPECT_EQ(page.rows()[0].data, "05");
    EXPECT_EQ(page.rows()[0].line, "Volume;1A");
    EXPECT_EQ(page.rows()[1].address, "1a");
    EXPECT_EQ(page.rows()[1].data, "AB") << "1a reads as offset 1";
}

TEST(MorePageModel, TypedRowsShowCountryLanguageAndMenuNames)
{
    Page page({"Country;0006;2;2", "Audio;0010;3;3", "Shouting;0014;3;3", "Menu;0020;1;4",
               "Far menu;0021;1;4", "Odd;0010;3;5", "Run;0010;3"});
    EXPECT_EQ(page.model.rows().size(), 7u);
    page.block[6] = 0x45;
    page.block[7] = 0x44;
    page.block[0x10] = 'g';
    page.block[0x11] = 'n';
    page.block[0x12] = 'e';
    page.block[0x14] = 'G';
    page.block[0x15] = 'N';
    page.block[0x16] = 'E';
    page.block[0x20] = 4;
    page.block[0x21] = 8;
    page.model.refresh();
    EXPECT_EQ(page.data(0), "Germany");
    EXPECT_EQ(page.data(1), "English");
    EXPECT_EQ(page.data(2), "") << "ENG is no language code";
    EXPECT_EQ(page.data(3), "Options");
    EXPECT_EQ(page.data(4), "") << "a menu byte past the eight items has no text";
    EXPECT_EQ(page.data(5), "");
    EXPECT_EQ(page.data(6), "");
}

TEST(MorePageModel, NamedValueLineShowsAndWritesItsLabels)
{
    Page page({"Mode;20;1;1;Off,0;On,1;"});
    page.block[32] = 1;
    page.model.refresh();
    EXPECT_EQ(page.data(0), "On");
    EXPECT_EQ(page.model.choices(0), (std::vector<std::string>{"Off", "On"}));
    EXPECT_EQ(page.model.initialChoice(0), 1);
    ASSERT_TRUE(page.model.OnEndLabelEdit(0, "Off"));
    EXPECT_EQ(page.block[32], 1) << "nothing is written before Apply";
    page.model.OnApply();
    EXPECT_EQ(page.block[32], 0);
    EXPECT_EQ(page.data(0), "Off");

    page.block[32] = 7;
    page.model.refresh();
    EXPECT_EQ(page.data(0), "") << "a byte no label stands for";
    EXPECT_EQ(page.model.initialChoice(0), -1);
}

TEST(MorePageModel, NamedValuesWriteTheLowByteOfTheirValue)
{
    Page page({"Wide;20;1;1; Low,1F; High,1FF"});
    ASSERT_TRUE(page.model.OnEndLabelEdit(0, "High"));
    page.model.OnApply();
    EXPECT_EQ(page.block[32], 0xFF);
    ASSERT_TRUE(page.model.OnEndLabelEdit(0, "Low"));
    page.model.OnApply();
    EXPECT_EQ(page.block[32], 0x1F);
    EXPECT_EQ(page.data(0), "Low");
}

TEST(MorePageModel, ApplyWritesCountryLanguageAndMenuReversed)
{
    std::vector<std::uint8_t> expected(64, 0);
    Page page({"Country;0006;2;2", "Audio;0010;3;3", "Menu;0020;1;4"});
    ASSERT_TRUE(page.model.OnEndLabelEdit(0, "Austria"));
    ASSERT_TRUE(page.model.OnEndLabelEdit(1, "Swedish"));
    ASSERT_TRUE(page.model.OnEndLabelEdit(2, "USB"));
    page.model.OnApply();
    expected[6] = 0x54;
    expected[7] = 0x41;
    expected[0x10] = 'e';
    expected[0x11] = 'w';
    expected[0x12] = 's';
    expected[0x20] = 7;
    EXPECT_EQ(page.block, expected);
}

TEST(MorePageModel, EditsMustBeChoicesOrHexBytes)
{
    Page page({"Mode;20;1;1;Off,0;On,1;", "Volume;1A", "Audio;0010;3;3"});
    EXPECT_FALSE(page.model.OnEndLabelEdit(0, "")) << "an empty report is no choice";
    EXPECT_FALSE(page.model.OnEndLabelEdit(0, "off"));
    EXPECT_FALSE(page.model.OnEndLabelEdit(2, "english"));
    EXPECT_FALSE(page.model.OnEndLabelEdit(1, "f3"));
    EXPECT_FALSE(page.model.OnEndLabelEdit(1, "F"));
    EXPECT_FALSE(page.model.OnEndLabelEdit(1, "1F3"));
    EXPECT_FALSE(page.model.OnEndLabelEdit(1, "G0"));
    EXPECT_FALSE(page.model.OnEndLabelEdit(3, "00")) << "no such row";
    EXPECT_EQ(page.data(0), "Off");
    EXPECT_EQ(page.data(1), "00");
    EXPECT_EQ(page.data(2), "");
}

TEST(MorePageModel, RawByteEditIsWrittenOnApply)
{
    Page page({"Volume;1A"});
    EXPECT_EQ(page.model.editorFor(0), Editor::HexByte);
    ASSERT_TRUE(page.model.OnEndLabelEdit(0, "F3 ")) << "the hex-byte editor ends with a blank";
    EXPECT_EQ(page.data(0), "F3");
    page.model.OnApply();
    EXPECT_EQ(page.block[0x1A], 0xF3);
}

TEST(MorePageModel, TypeFieldIsTrimmedForShowingAndWriting)
{
    Page page({"Audio;0010;3; 3 "});
    page.block[0x10] = 'g';
    page.block[0x11] = 'n';
    page.block[0x12] = 'e';
    page.model.refresh();
    EXPECT_EQ(page.data(0), "English");
    ASSERT_TRUE(page.model.OnEndLabelEdit(0, "German"));
    page.model.OnApply();
    EXPECT_EQ(page.block[0x10], 'r');
    EXPECT_EQ(page.block[0x12], 'g');
}

TEST(MorePageModel, CountryRowsOfVariant2ShowAndWriteNothing)
{
    Page page({"Country;0006;3;2"}, 64, 2);
    page.block[6] = 0x45;
    page.block[7] = 0x44;
    page.model.refresh();
    EXPECT_EQ(page.data(0), "");
    EXPECT_EQ(page.model.editorFor(0), Editor::None);
    EXPECT_FALSE(page.model.OnEndLabelEdit(0, "Austria"));
    page.model.OnApply();
    EXPECT_EQ(page.block[6], 0x45);
    EXPECT_EQ(page.block[7], 0x44);
}

TEST(MorePageModel, ValuesPastTheBlockEndShowEmptyAndWriteNothing)
{
    // A 16-byte block: a language at 0E needs bytes 0E to 10, a country at 0F needs 0F and 10.
    Page page({"Raw;10", "Far raw;FFFFFFFF", "Audio;0E;3;3", "Country;0F;2;2", "Menu;20;1;4",
               "Mode;10;1;1;Off,0;On,1;", "Edge;0F"},
              16);
    page.block.assign(16, 0x01);
    const std::vector<std::uint8_t> before = page.block;
    page.model.refresh();
    for (std::size_t row = 0; row + 1 < page.model.rows().size(); ++row) {
        EXPECT_EQ(page.data(row), "") << page.model.rows()[row].line;
        EXPECT_EQ(page.model.editorFor(row), Editor::None) << page.model.rows()[row].line;
    }
    EXPECT_FALSE(page.model.OnEndLabelEdit(0, "AA"));
    EXPECT_FALSE(page.model.OnEndLabelEdit(2, "English"));
    EXPECT_FALSE(page.model.OnEndLabelEdit(5, "On"));
    EXPECT_EQ(page.data(6), "01") << "the last byte of the block is inside it";
    page.model.OnApply();
    EXPECT_EQ(page.block, before);
}

TEST(MorePageModel, ApplyWritesOnlyEditedRowsThenShowsTheBlock)
{
    Page page({"Mode;20;1;1;Off,0;On,1;", "Mode byte;20", "Menu;21;1;4"});
    page.block[32] = 1;
    page.block[33] = 2;
    page.model.refresh();

    // The Country page stores another menu item in the same Apply.
    page.block[33] = 5;
    ASSERT_TRUE(page.model.OnEndLabelEdit(0, "Off"));
    ASSERT_TRUE(page.model.OnEndLabelEdit(2, "Sound")) << "chosen again, unchanged";
    page.model.OnApply();
    EXPECT_EQ(page.block[32], 0);
    EXPECT_EQ(page.block[33], 5) << "an unchanged value is not put back";
    EXPECT_EQ(page.data(1), "00") << "rows on the same byte show the new value";
    EXPECT_EQ(page.data(2), "Lock");
}

TEST(MorePageModel, RefreshKeepsUnappliedEdits)
{
    Page page({"Volume;1A", "Bass;1B"});
    ASSERT_TRUE(page.model.OnEndLabelEdit(0, "7F"));
    page.block[0x1A] = 0x11;
    page.block[0x1B] = 0x22;
    page.model.refresh();
    EXPECT_EQ(page.data(0), "7F");
    EXPECT_EQ(page.data(1), "22");
    page.model.OnApply();
    EXPECT_EQ(page.block[0x1A], 0x7F);
}

TEST(MorePageModel, CellComboChoicesFollowTheType)
{
    using Model = MorePageModel;
    EXPECT_EQ(Model::CellComboChoices("Mode;20;1;1;Off,0;On,1"),
              (std::vector<std::string>{"Off", "On"}));
    EXPECT_EQ(Model::CellComboChoices("Mode;20;1;1;Off,0;On,1;"),
              (std::vector<std::string>{"Off", "On"}))
        << "the empty text after the final ';' is no choice";
    EXPECT_EQ(Model::CellComboChoices("Menu;01AC;1;4"), kMenuItems);
    EXPECT_TRUE(Model::CellComboChoices("Menu;01AC;1;4;").empty());
    const std::vector<std::string> countries = Model::CellComboChoices("C;0006;2;2");
    ASSERT_EQ(countries.size(), 37u);
    EXPECT_EQ(countries.front(), "--");
    EXPECT_EQ(countries.back(), "Estonia");
    const std::vector<std::string> languages = Model::CellComboChoices("L;1809;3;3");
    ASSERT_EQ(languages.size(), 32u);
    EXPECT_EQ(languages.front(), "English");
    EXPECT_EQ(languages.back(), "Ukrainian");
    EXPECT_TRUE(Model::CellComboChoices("Mode;20;1;1").empty());
    EXPECT_TRUE(Model::CellComboChoices("Odd;20;1;9").empty());
    EXPECT_TRUE(Model::CellComboChoices("Run;20;4").empty());
    EXPECT_TRUE(Model::CellComboChoices("Volume;1A").empty());
}

class MorePageModelFile : public testing::Test
{
protected:
    void put(const char* name, const std::string& text) { m_temp.write(name, text); }

    test::TempDir m_temp;
    const std::filesystem::path m_dir = m_temp.path();
};

TEST_F(MorePageModelFile, ReadsTheFileOfTheVariant)
{
    put("more.txt", "# variant 1\r\nOne;01\r\n");
    put("more10.txt", "# variant 2\r\n\r\nTwo;02\r\nThree;03;1;4\r\n");
    std::vector<std::uint8_t> block(8, 0);
    MorePageModel second(block, 2);
    second.OnInitDialog(test::sideFilesIn(m_dir));
    ASSERT_EQ(second.rows().size(), 2u);
    EXPECT_EQ(second.rows()[0].name, "Two");
    EXPECT_EQ(second.rows()[1].data, "Setup");
    EXPECT_EQ(second.findRow("Three"), 1u);
    EXPECT_FALSE(second.findRow("three"));

    MorePageModel first(block, 1);
    first.OnInitDialog(test::sideFilesIn(m_dir));
    ASSERT_EQ(first.rows().size(), 1u);
    EXPECT_EQ(first.rows()[0].name, "One");
}

TEST_F(MorePageModelFile, MissingFileGivesNoRowsUnreadableOneThrows)
{
    std::vector<std::uint8_t> block(8, 0);
    MorePageModel page(block, 1);
    page.OnInitDialog(test::sideFilesIn(m_dir));
    EXPECT_TRUE(page.rows().empty());
    std::filesystem::create_directory(m_dir / "more10.txt");
    MorePageModel second(block, 2);
    EXPECT_THROW(second.OnInitDialog(test::sideFilesIn(m_dir)), Error);
    EXPECT_TRUE(second.rows().empty());
}

} // namespace
} // namespace kx
