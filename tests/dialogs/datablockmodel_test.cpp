#include "dialogs/datablockmodel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <span>
#include <string>
#include <vector>

#include "dialogs/settingscompare.h"
#include "document/kanalyxdoc.h"
#include "platform/error.h"
#include "platform/file.h"
#include "support/realdata.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// The text of a description file that holds the lines as entries.
std::string descriptionText(const Lines& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}
using Bytes = std::vector<std::uint8_t>;

constexpr unsigned kLeft = HexGridModel::kLeftButton;
constexpr unsigned kLeftShift = HexGridModel::kLeftButton | HexGridModel::kShift;

// Byte b (0 to 15) of the grid's row r from the top: its hex digits are at x = 50 + 24 b.
constexpr int cellX(int column)
{
    return 55 + 24 * column;
}
constexpr int rowY(int row)
{
    return 18 * row + 5;
}

class DataBlockModelTest : public ::testing::Test
{
protected:
    DataBlockModelTest() : m_block(0x300) {}

    Bytes m_block;
};

TEST(DataBlockMark, LinesNameTheirBytes)
{
    EXPECT_EQ(DataBlockModel::markForLine("Tuner;01A2"), (MarkRange{0x1A2, 0x1A2}));
    EXPECT_EQ(DataBlockModel::markForLine("Tuner;01A2;4"), (MarkRange{0x1A2, 0x1A5}));
    EXPECT_EQ(DataBlockModel::markForLine("Lang;0010;3;3"), (MarkRange{0x10, 0x12}));
    EXPECT_EQ(DataBlockModel::markForLine("Mode;0020;1;1;Off,0;On,1;"), (MarkRange{0x20, 0x20}));
    EXPECT_EQ(DataBlockModel::markForLine("Zero;0010;0"), (MarkRange{0x10, 0x0F}));
    EXPECT_EQ(DataBlockModel::markForLine("NoDigits;0010;x"), (MarkRange{0x10, 0x0F}));
    EXPECT_EQ(DataBlockModel::markForLine("Lenient; 1a2;2"), (MarkRange{0x12, 0x13}));
    EXPECT_EQ(DataBlockModel::markForLine("Alone"), (MarkRange{-1, -1}));
    EXPECT_EQ(DataBlockModel::markForLine(";0010;2"), (MarkRange{-1, -1}));
    EXPECT_EQ(DataBlockModel::markForLine("Huge;FFFFFFFF;2").first, 2147483647);
}

TEST_F(DataBlockModelTest, SelectingAnEntryMarksAndScrollsToIt)
{
    DataBlockModel model(m_block, 1, descriptionText({"Tuner;01A2;2", "Zero;0100;0", "Alone"}),
                         1252);
    model.OnSelectEntry(0);
    EXPECT_EQ(model.grid().markStart(), 0x1A2);
    EXPECT_EQ(model.grid().markEnd(), 0x1A3);
    EXPECT_EQ(model.grid().scrollPosition(), 0x1A);
    model.OnSelectEntry(1);
    EXPECT_EQ(model.grid().scrollPosition(), 0x10) << "a zero length still scrolls";
    model.OnSelectEntry(2);
    EXPECT_EQ(model.grid().markStart(), -1);
    EXPECT_EQ(model.grid().scrollPosition(), 0);
    EXPECT_EQ(model.entryName(0), "Tuner");
    EXPECT_EQ(model.entryName(2), "");
}

TEST_F(DataBlockModelTest, AddLine_NeedsANameAndSelectedBytes)
{
    DataBlockModel model(m_block, 1, descriptionText({}), 1252);
    EXPECT_EQ(model.addLine("Volume"), std::nullopt) << "nothing selected";
    // Bytes 0x1A2 and 0x1A3: row 0x1A, columns 2 and 3.
    model.grid().OnLButtonDown(cellX(2), rowY(0x1A), kLeft);
    model.grid().OnLButtonDown(cellX(3), rowY(0x1A), kLeftShift);
    EXPECT_EQ(model.addLine("Volume"), "Volume;01A2;2");
    EXPECT_EQ(model.addLine(""), std::nullopt);

    model.grid().OnLButtonDown(cellX(3), rowY(0), kLeft);
    model.grid().OnMouseMove(cellX(2), rowY(0), kLeft);
    EXPECT_EQ(model.grid().GetSelCount(), 0);
    EXPECT_EQ(model.addLine("Volume"), std::nullopt) << "a backward drag selects nothing";
}

TEST_F(DataBlockModelTest, EditedEntryMovesToTheEndDeleteClearsTheMark)
{
    DataBlockModel model(m_block, 2, descriptionText({"A;0001", "B;0002", "C;0003"}), 1252);
    EXPECT_EQ(model.replaceEntry(0, "A2;0001;3;3"), 2u);
    EXPECT_EQ(model.entries(), (Lines{"B;0002", "C;0003", "A2;0001;3;3"}));
    model.addEntry("D;0004;1;4");
    model.OnSelectEntry(3);
    model.OnDeleteEntry(0);
    EXPECT_EQ(model.entries(), (Lines{"C;0003", "A2;0001;3;3", "D;0004;1;4"}));
    EXPECT_EQ(model.grid().markStart(), -1);
    model.OnDeleteEntry(7);
    EXPECT_EQ(model.entries().size(), 3u);
}

TEST_F(DataBlockModelTest, EntriesComeFromAndGoToTheVariantsFile)
{
    test::TempDir folder;
    folder.write("more10.txt", "# comment\r\n\r\nTuner;01A2;4\r\nMode;0020;1;1;Off,0;On,1;\n");
    folder.write("more.txt", "Other;0001\r\n");
    DataBlockModel model(m_block, 2, DataBlockModel::readDescriptionText(folder.path(), 2), 1252);
    EXPECT_EQ(model.entries(), (Lines{"Tuner;01A2;4", "Mode;0020;1;1;Off,0;On,1;"}));
    EXPECT_FALSE(model.entriesChanged());
    std::filesystem::remove(folder.path() / "more10.txt");
    model.save(folder.path());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "more10.txt"))
        << "no entry changed: the file is not written";

    model.OnDeleteEntry(0);
    EXPECT_TRUE(model.entriesChanged());
    model.save(folder.path());
    EXPECT_EQ(File::readAll(folder.path() / "more10.txt"),
              "# comment\r\n\r\nMode;0020;1;1;Off,0;On,1;\r\n")
        << "the comment and the empty line stay";
    EXPECT_EQ(File::readAll(folder.path() / "more.txt"), "Other;0001\r\n");
}

TEST(SettingsCompareLines, OtherBytesAndOffsetsOverTheShorterBlock)
{
    const Bytes block = {0x00, 0x01, 0x02, 0x03};
    EXPECT_EQ(SettingsCompare::differences(block, Bytes{0x00, 0x09, 0x02, 0xA4, 0x07}),
              (Lines{"09 : 0001", "A4 : 0003"}));
    EXPECT_EQ(SettingsCompare::differences(block, Bytes{0x05}), (Lines{"05 : 0000"}));
    EXPECT_EQ(SettingsCompare::differences(block, block), Lines{});
    Bytes big(0x10002, 0);
    Bytes changed = big;
    changed[0x10001] = 0xFF;
    EXPECT_EQ(SettingsCompare::differences(big, changed), (Lines{"FF : 0001"}));
}

TEST(SettingsCompareLines, OffsetIsTheSecondPartNotTheByte)
{
    EXPECT_EQ(SettingsCompare::offsetOfLine("05 : 001A"), 0x1Au);
    EXPECT_EQ(SettingsCompare::offsetOfLine("FF : 5A37"), 0x5A37u);
    EXPECT_EQ(SettingsCompare::offsetOfLine("05"), 0x5u);
}

// A list with one analog record, the settings bytes and no digital records.
std::string container(int variant, const Bytes& settings)
{
    test::TllBuilder builder(variant);
    builder.analog(test::RecordBytes(variant))
        .settings(std::string(settings.begin(), settings.end()));
    if (variant == 2) {
        builder.trailing(std::string(1, '\0'));
    }
    return builder.build();
}

class SettingsCompareFile : public ::testing::Test
{
protected:
    fs::path write(const std::string& bytes)
    {
        return m_folder.write("f" + std::to_string(++m_count) + ".tll", bytes);
    }
    test::TempDir m_folder;
    int m_count = 0;
};

TEST_F(SettingsCompareFile, SameVariantListsDifferencesOfBothVariants)
{
    const Bytes own = {1, 2, 3, 4, 5, 6};
    for (const int variant : {1, 2}) {
        const auto path = write(container(variant, {1, 2, 0xEE, 4, 5, 0x06}));
        const auto result = SettingsCompare::compareWithFile(own, variant, path);
        EXPECT_TRUE(result.sameVariant);
        EXPECT_EQ(result.lines, (Lines{"EE : 0002"})) << "variant " << variant;
    }
}

TEST_F(SettingsCompareFile, OtherVariantComparesNothing)
{
    const Bytes own = {1, 2, 3};
    const auto v1 = write(container(1, {9, 9, 9}));
    const auto v2 = write(container(2, {9, 9, 9}));
    EXPECT_FALSE(SettingsCompare::compareWithFile(own, 2, v1).sameVariant);
    const auto result = SettingsCompare::compareWithFile(own, 1, v2);
    EXPECT_FALSE(result.sameVariant);
    EXPECT_TRUE(result.lines.empty());
    EXPECT_THROW(SettingsCompare::compareWithFile(own, 0, v1), Error);
}

TEST_F(SettingsCompareFile, BlocksOfDifferentSizeCompareOverTheShorter)
{
    const auto path = write(container(1, {0, 0, 0, 0, 0, 7}));
    EXPECT_EQ(SettingsCompare::compareWithFile(Bytes{1, 0, 0, 0}, 1, path).lines,
              (Lines{"00 : 0000"}))
        << "offsets past this block are not listed";
    EXPECT_EQ(SettingsCompare::compareWithFile(Bytes(10, 0), 1, path).lines, (Lines{"07 : 0005"}));
}

TEST_F(SettingsCompareFile, SizesAreCheckedAgainstTheFile)
{
    std::string file = container(1, {0xAA, 0xBB, 0xCC, 0xDD});
    // Settings size field says 1000; only 4 + 8 bytes follow it.
    std::string longSettings = file;
    longSettings[8 + 164] = '\xE8';
    longSettings[8 + 164 + 1] = '\x03';
    // The 12 real bytes are read: the four settings bytes, then the digital block's size word
    // 4 and its count 0.
    EXPECT_EQ(SettingsCompare::compareWithFile(Bytes(20, 0), 1, write(longSettings)).lines,
              (Lines{"AA : 0000", "BB : 0001", "CC : 0002", "DD : 0003", "04 : 0004"}));

    std::string analogPastEnd = file;
    analogPastEnd[2] = '\x01'; // analog size 0x100A8 > file
    try {
        SettingsCompare::compareWithFile(Bytes(4, 0), 1, write(analogPastEnd));
        FAIL() << "an analog block past the end must be refused";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Truncated);
        EXPECT_NE(std::string(error.what()).find("offset 4"), std::string::npos) << error.what();
    }
    EXPECT_THROW(SettingsCompare::compareWithFile(Bytes(4, 0), 1, write(file.substr(0, 174))),
                 Error)
        << "the file ends inside the settings block size";
    EXPECT_THROW(SettingsCompare::compareWithFile(Bytes(4, 0), 2, write("\x5A\x5A")), Error);
    EXPECT_THROW(SettingsCompare::compareWithFile(Bytes(4, 0), 1, m_folder.path() / "none.tll"),
                 Error);
}

TEST_F(DataBlockModelTest, CompareListsThenSelectingMarksTheOffset)
{
    test::TempDir folder;
    Bytes settings(m_block);
    settings[0x1A] = 0x05;
    settings[0x2FF] = 0x80;
    const fs::path other = folder.write("other.tll", container(2, settings));

    DataBlockModel model(m_block, 2, descriptionText({}), 1252);
    model.OnSelectEntry(0);
    EXPECT_TRUE(model.compareWith(other));
    EXPECT_EQ(model.differences(), (Lines{"05 : 001A", "80 : 02FF"}));
    model.OnSelectDifference(1);
    EXPECT_EQ(model.grid().markStart(), 0x2FF);
    EXPECT_EQ(model.grid().markEnd(), 0x2FF);
    EXPECT_EQ(model.grid().scrollPosition(), 0x2F);
    model.startCompare();
    EXPECT_TRUE(model.differences().empty());
    EXPECT_EQ(model.grid().markStart(), -1);
    EXPECT_EQ(model.grid().scrollPosition(), 0);
}

TEST_F(DataBlockModelTest, TypedBytesChangeTheModelsCopyOnly)
{
    const Bytes before = m_block;
    DataBlockModel model(m_block, 1, descriptionText({}), 1252);
    model.grid().OnLButtonDown(cellX(4), rowY(1), kLeft);
    model.grid().OnChar(U'7');
    model.grid().OnChar(U'e');
    EXPECT_EQ(model.block()[0x14], 0x7E);
    EXPECT_EQ(m_block, before) << "the document's bytes change only on OK";
}

// Real files: the settings block starts after the size fields and the analog records, which
// the sample notes give: 2350D (variant 1) has 31 analog records of 164 bytes, LD750
// (variant 2) 30 of 176 bytes.
struct RealCase
{
    const char* name;
    int variant;
    std::size_t blockStart;
};

class SettingsCompareReal : public ::testing::TestWithParam<RealCase>
{};

TEST_P(SettingsCompareReal, EditedCopyListsExactlyTheEditedBytes)
{
    KX_REQUIRE_REALDATA();
    const RealCase real = GetParam();
    const fs::path original = test::realDataFile(real.name);
    CKanalyxDoc doc;
    doc.OnOpenDocument(original);
    ASSERT_EQ(doc.GetVariant(), real.variant);
    const std::vector<std::uint8_t> ownBytes(doc.Settings().begin(), doc.Settings().end());
    const std::span<const std::uint8_t> own(ownBytes);

    EXPECT_TRUE(SettingsCompare::compareWithFile(own, real.variant, original).lines.empty());

    std::string bytes = File::readAll(original);
    const std::size_t last = own.size() - 1;
    ASSERT_NE(static_cast<std::uint8_t>(bytes[real.blockStart + 0x1A]), 0x05);
    ASSERT_NE(static_cast<std::uint8_t>(bytes[real.blockStart + last]), 0xEE);
    bytes[real.blockStart + 0x1A] = '\x05';
    bytes[real.blockStart + last] = '\xEE';
    test::TempDir folder;
    const fs::path copy = folder.write("edited.tll", bytes);

    const auto result = SettingsCompare::compareWithFile(own, real.variant, copy);
    EXPECT_TRUE(result.sameVariant);
    const std::string lastLine = real.variant == 1 ? "EE : 2AFF" : "EE : 5A37";
    EXPECT_EQ(result.lines, (Lines{"05 : 001A", lastLine}));

    EXPECT_FALSE(SettingsCompare::compareWithFile(own, 3 - real.variant, copy).sameVariant);
}

INSTANTIATE_TEST_SUITE_P(RealFiles, SettingsCompareReal,
                         ::testing::Values(RealCase{"xx2350D-PZM00001.TLL.in", 1, 8 + 164 * 31 + 4},
                                           RealCase{"xxLD750-ZA00001.TLL.in", 2,
                                                    12 + 176 * 30 + 4}));

} // namespace
} // namespace kx
