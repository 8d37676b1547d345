#include "dialogs/hexgridmodel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

#include "platform/codepage.h"

namespace kx {
namespace {

using Grid = HexGridModel;
constexpr unsigned kLeft = Grid::kLeftButton;
constexpr unsigned kLeftShift = Grid::kLeftButton | Grid::kShift;

// The selection as the status box names it: its first byte and its length, or -1 and 0.
std::pair<int, int> selection(const Grid& grid)
{
    return grid.GetSelStart() < 0 ? std::pair{-1, 0}
                                  : std::pair{grid.GetSelStart(), grid.GetSelCount()};
}

// Points worked out by hand from the cell positions: byte b of row 0 has its hex digits at
// x = 50 + 24 b; "+5" lands inside both the button-down box and the move box of b.
constexpr int hexX(int column)
{
    return 50 + 24 * column + 5;
}

class HexGridModelTest : public ::testing::Test
{
protected:
    explicit HexGridModelTest(std::size_t size = 300) : m_bytes(size)
    {
        std::iota(m_bytes.begin(), m_bytes.end(), std::uint8_t{0});
    }
    void show(std::size_t size)
    {
        m_bytes.assign(size, 0);
        ASSERT_TRUE(m_grid.SetData(m_bytes));
    }
    std::vector<std::uint8_t> m_bytes;
    Grid m_grid{1252};
};

TEST_F(HexGridModelTest, SetData_RefusesEmptyNullAndOversizedBlocks)
{
    EXPECT_FALSE(m_grid.SetData({}));
    EXPECT_FALSE(m_grid.SetData(std::span<std::uint8_t>(m_bytes.data(), 0)));
    std::vector<std::uint8_t> huge(0x100000);
    EXPECT_FALSE(m_grid.SetData(huge));
    EXPECT_EQ(m_grid.count(), 0);
    huge.resize(0xFFFFF);
    EXPECT_TRUE(m_grid.SetData(huge));
    EXPECT_EQ(m_grid.count(), 0xFFFFF);
}

TEST_F(HexGridModelTest, TwentyBytes_TwoRowsSecondHoldsFourAndNeverScrolls)
{
    show(20);
    const auto rows = m_grid.paintPlan(390);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].cells.size(), 16u);
    ASSERT_EQ(rows[1].cells.size(), 4u);
    EXPECT_EQ(rows[1].y, 18);
    EXPECT_EQ(rows[1].address, "0010");
    EXPECT_EQ(rows[1].cells[3].index, 19);
    EXPECT_EQ(rows[1].cells[3].hexX, 122);
    EXPECT_EQ(rows[1].cells[3].charX, 486);
    EXPECT_EQ(m_grid.scrollMaximum(), 1);
    EXPECT_EQ(m_grid.scrollWheel(-120), 0);
    EXPECT_EQ(m_grid.scrollBar(Grid::ScrollAction::LineDown), 0);
    EXPECT_EQ(m_grid.scrollBar(Grid::ScrollAction::ThumbTrack, 1), 0);
    EXPECT_EQ(m_grid.scrollPosition(), 0);
}

TEST_F(HexGridModelTest, PaintPlan_DrawsOnePartlyVisibleRowAtTheBottom)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    EXPECT_EQ(m_grid.paintPlan(36).size(), 3u);
    EXPECT_EQ(m_grid.paintPlan(40).size(), 3u);
    EXPECT_EQ(m_grid.paintPlan(390).size(), 19u) << "300 bytes end in row 18";
    m_grid.scrollWheel(-240); // 240 / 16 = 15 rows
    const auto rows = m_grid.paintPlan(18);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].address, "00F0");
    EXPECT_EQ(rows[0].cells[0].index, 240);
    EXPECT_EQ(rows[0].y, 0);
}

TEST_F(HexGridModelTest, PaintPlan_CharacterCellsShowControlBytesAsDots)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    const auto rows = m_grid.paintPlan(100);
    EXPECT_EQ(rows[1].cells[15].hex, "1F");
    EXPECT_EQ(rows[1].cells[15].character, ".");
    EXPECT_EQ(rows[0].cells[0].character, ".");
    EXPECT_EQ(rows[4].cells[1].hex, "41");
    EXPECT_EQ(rows[4].cells[1].character, "A");
    EXPECT_EQ(rows[2].cells[0].character, " ");
}

TEST_F(HexGridModelTest, PaintPlan_ColoursSelectionMarkAndBoth)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    m_grid.OnLButtonDown(hexX(2), 5, kLeft);
    m_grid.OnLButtonDown(hexX(5), 5, kLeftShift);
    m_grid.SetMark(4, 7);
    const auto plan = m_grid.paintPlan(18);
    const auto& cells = plan[0].cells;
    EXPECT_EQ(cells[1].background, (Rgb{255, 255, 255}));
    EXPECT_EQ(cells[3].background, (Rgb{127, 127, 255}));
    EXPECT_EQ(cells[4].background, (Rgb{255, 0, 255}));
    EXPECT_EQ(cells[5].background, (Rgb{255, 0, 255}));
    EXPECT_EQ(cells[6].background, (Rgb{255, 127, 127}));
    EXPECT_EQ(cells[8].background, (Rgb{255, 255, 255}));
}

TEST_F(HexGridModelTest, HitTest_ButtonDownBoxLiesTwelvePixelsLeftOfMoveBox)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    // Byte 10's digits start at x = 290; x = 280 is between bytes 9 and 10.
    EXPECT_EQ(m_grid.hitTest(280, 5, Grid::HitBoxes::ButtonDown), 10);
    EXPECT_EQ(m_grid.hitTest(280, 5, Grid::HitBoxes::MoveOrRelease), 9);
    EXPECT_EQ(m_grid.hitTest(278, 0, Grid::HitBoxes::ButtonDown), 10);
    EXPECT_EQ(m_grid.hitTest(277, 0, Grid::HitBoxes::ButtonDown), 9);
    EXPECT_EQ(m_grid.hitTest(313, 17, Grid::HitBoxes::MoveOrRelease), 10);
    EXPECT_EQ(m_grid.hitTest(314, 17, Grid::HitBoxes::MoveOrRelease), 11);
    EXPECT_EQ(m_grid.hitTest(37, 5, Grid::HitBoxes::ButtonDown), std::nullopt);
    EXPECT_EQ(m_grid.hitTest(49, 5, Grid::HitBoxes::MoveOrRelease), std::nullopt);
    EXPECT_EQ(m_grid.hitTest(433, 5, Grid::HitBoxes::MoveOrRelease), 15);
    EXPECT_EQ(m_grid.hitTest(434, 5, Grid::HitBoxes::MoveOrRelease), std::nullopt);
    EXPECT_EQ(m_grid.hitTest(422, 5, Grid::HitBoxes::ButtonDown), std::nullopt);
    // Character boxes are the same for every handler: x = 450 + 12 col, 12 wide.
    EXPECT_EQ(m_grid.hitTest(570, 18, Grid::HitBoxes::ButtonDown), 26);
    EXPECT_EQ(m_grid.hitTest(581, 35, Grid::HitBoxes::MoveOrRelease), 26);
    EXPECT_EQ(m_grid.hitTest(449, 5, Grid::HitBoxes::MoveOrRelease), std::nullopt);
    EXPECT_EQ(m_grid.hitTest(642, 5, Grid::HitBoxes::MoveOrRelease), std::nullopt);
    EXPECT_EQ(m_grid.hitTest(100, -1, Grid::HitBoxes::MoveOrRelease), std::nullopt);
}

TEST_F(HexGridModelTest, HitTest_CountsFromTheTopRowAndStopsAtTheEnd)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    m_grid.scrollBar(Grid::ScrollAction::LineDown);
    m_grid.scrollBar(Grid::ScrollAction::LineDown);
    EXPECT_EQ(m_grid.hitTest(hexX(0), 0, Grid::HitBoxes::ButtonDown), 32);
    // Row 16 from the top holds bytes 288 to 299; column 12 is byte 300, past the end.
    EXPECT_EQ(m_grid.hitTest(hexX(11), 16 * 18, Grid::HitBoxes::ButtonDown), 299);
    EXPECT_EQ(m_grid.hitTest(hexX(12), 16 * 18, Grid::HitBoxes::ButtonDown), std::nullopt);
}

TEST_F(HexGridModelTest, ShiftClick_ExtendsForwardsOrStrictlyBetweenBackwards)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    EXPECT_EQ(selection(m_grid), (std::pair{-1, 0}));
    m_grid.OnLButtonDown(hexX(10), 5, kLeft);
    m_grid.OnLButtonUp(hexX(10), 5);
    m_grid.OnLButtonDown(hexX(15), 5, kLeftShift);
    m_grid.OnLButtonUp(hexX(15), 5);
    EXPECT_EQ(m_grid.GetSelStart(), 10);
    EXPECT_EQ(m_grid.GetSelCount(), 6);
    EXPECT_EQ(selection(m_grid), (std::pair{0x000A, 6}));

    m_grid.OnLButtonDown(hexX(5), 5, kLeftShift);
    m_grid.OnLButtonUp(hexX(5), 5);
    EXPECT_EQ(m_grid.GetSelStart(), 6);
    EXPECT_EQ(m_grid.selEnd(), 9);
    EXPECT_EQ(m_grid.GetSelCount(), 4);
    EXPECT_EQ(m_grid.anchor(), 10);
}

TEST_F(HexGridModelTest, ShiftClick_BeforeAnyPlainClickExtendsFromTheFirstByte)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    m_grid.OnLButtonDown(hexX(3), 20, kLeftShift);
    EXPECT_EQ(m_grid.GetSelStart(), 0);
    EXPECT_EQ(m_grid.selEnd(), 19);
}

TEST_F(HexGridModelTest, ShiftWithControlOrAnotherButtonIsAPlainClick)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    m_grid.OnLButtonDown(hexX(10), 5, kLeft);
    m_grid.OnLButtonDown(hexX(15), 5, kLeftShift | Grid::kControl);
    EXPECT_EQ(m_grid.GetSelStart(), 15);
    EXPECT_EQ(m_grid.GetSelCount(), 1);
    EXPECT_EQ(m_grid.anchor(), 15);
}

TEST_F(HexGridModelTest, Drag_BackOneByteGivesEmptySelection)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    m_grid.OnLButtonDown(hexX(10), 5, kLeft);
    m_grid.OnMouseMove(hexX(9), 5, kLeft);
    EXPECT_EQ(m_grid.GetSelStart(), 10);
    EXPECT_EQ(m_grid.selEnd(), 9);
    EXPECT_EQ(m_grid.GetSelCount(), 0);
    EXPECT_EQ(selection(m_grid), (std::pair{0x000A, 0}));
    m_grid.OnMouseMove(hexX(4), 23, kLeft);
    EXPECT_EQ(m_grid.GetSelStart(), 10);
    EXPECT_EQ(m_grid.selEnd(), 20);
    m_grid.OnMouseMove(hexX(8), 40, kLeftShift);
    EXPECT_EQ(m_grid.selEnd(), 20) << "moves with Shift held do not extend";
    m_grid.OnMouseMove(hexX(8), 40, 0);
    EXPECT_EQ(m_grid.selEnd(), 20) << "moves without the button do not extend";
    m_grid.OnLButtonUp(hexX(8), 40);
    EXPECT_EQ(m_grid.selEnd(), 40);
}

TEST_F(HexGridModelTest, ClickBetweenCellsThenReleaseSelectsNothing)
{
    // The button-down box takes byte 10, the release box byte 9: released where it was pressed
    // the selection is the empty one before the anchor.
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    m_grid.OnLButtonDown(280, 5, kLeft);
    EXPECT_EQ(m_grid.GetSelStart(), 10);
    m_grid.OnLButtonUp(280, 5);
    EXPECT_EQ(m_grid.GetSelCount(), 0);
}

TEST_F(HexGridModelTest, ClickOutsideEveryCellClearsSelectionKeepsAnchor)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    m_grid.OnLButtonDown(hexX(10), 5, kLeft);
    m_grid.OnLButtonDown(445, 5, kLeft);
    EXPECT_EQ(m_grid.GetSelStart(), -1);
    EXPECT_EQ(m_grid.GetSelCount(), 1) << "-1 to -1 counts one, as the owner reads it";
    EXPECT_EQ(selection(m_grid), (std::pair{-1, 0}));
    m_grid.OnMouseMove(hexX(12), 5, kLeft);
    m_grid.OnLButtonUp(hexX(12), 5);
    EXPECT_EQ(m_grid.GetSelStart(), -1);
    m_grid.OnLButtonDown(hexX(12), 5, kLeftShift);
    EXPECT_EQ(m_grid.GetSelStart(), 10);
    EXPECT_EQ(m_grid.selEnd(), 12);
}

TEST_F(HexGridModelTest, Typing_HighThenLowDigitThenNextByte)
{
    show(20);
    m_bytes[7] = 0x5C;
    m_grid.OnLButtonDown(hexX(5), 5, kLeft);
    m_grid.OnLButtonDown(hexX(8), 5, kLeftShift);
    EXPECT_TRUE(m_grid.OnChar(U'1'));
    EXPECT_EQ(m_grid.GetSelCount(), 1) << "the first digit collapses the selection";
    EXPECT_EQ(m_bytes[5], 0x10);
    EXPECT_TRUE(m_grid.OnChar(U'2'));
    EXPECT_TRUE(m_grid.OnChar(U'3'));
    EXPECT_TRUE(m_grid.OnChar(U'4'));
    EXPECT_EQ(m_bytes[5], 0x12);
    EXPECT_EQ(m_bytes[6], 0x34);
    EXPECT_EQ(m_grid.GetSelStart(), 7);
    EXPECT_EQ(m_grid.GetSelCount(), 1);
    EXPECT_TRUE(m_grid.OnChar(U'a'));
    EXPECT_EQ(m_bytes[7], 0xA0) << "the low digit is 0 until the second digit";
    EXPECT_FALSE(m_grid.OnChar(U'g'));
    EXPECT_FALSE(m_grid.OnChar(U'\r'));
    EXPECT_TRUE(m_grid.OnChar(U'F'));
    EXPECT_EQ(m_bytes[7], 0xAF);
}

TEST_F(HexGridModelTest, Typing_ButtonDownRestartsAtTheHighDigit)
{
    show(20);
    m_grid.OnLButtonDown(hexX(2), 5, kLeft);
    m_grid.OnChar(U'7');
    m_grid.OnLButtonDown(hexX(3), 5, kLeft);
    m_grid.OnChar(U'9');
    EXPECT_EQ(m_bytes[2], 0x70);
    EXPECT_EQ(m_bytes[3], 0x90);
}

TEST_F(HexGridModelTest, Typing_WithoutSelectionOrPastTheEndChangesNothing)
{
    show(20);
    const auto before = m_bytes;
    EXPECT_FALSE(m_grid.OnChar(U'1'));
    EXPECT_EQ(m_bytes, before);

    m_grid.OnLButtonDown(hexX(3), 18, kLeft); // byte 19, the last
    EXPECT_TRUE(m_grid.OnChar(U'1'));
    EXPECT_TRUE(m_grid.OnChar(U'2'));
    EXPECT_EQ(m_bytes[19], 0x12);
    EXPECT_EQ(m_grid.GetSelStart(), 20);
    EXPECT_FALSE(m_grid.OnChar(U'3'));
    EXPECT_FALSE(m_grid.OnChar(U'4'));
    auto expected = before;
    expected[19] = 0x12;
    EXPECT_EQ(m_bytes, expected);
}

TEST_F(HexGridModelTest, Typing_AfterBackwardDragWritesTheAnchorByte)
{
    show(20);
    m_grid.OnLButtonDown(hexX(10), 5, kLeft);
    m_grid.OnMouseMove(hexX(9), 5, kLeft);
    EXPECT_TRUE(m_grid.OnChar(U'B'));
    EXPECT_EQ(m_bytes[10], 0xB0);
    EXPECT_EQ(m_grid.GetSelCount(), 1);
}

TEST_F(HexGridModelTest, Wheel_SevenRowsANotchWithinRange)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes)); // 300 bytes: rows 0 to 18, top row at most 17
    EXPECT_EQ(m_grid.scrollMaximum(), 18);
    EXPECT_EQ(m_grid.scrollWheel(120), 0) << "a notch up at the top";
    EXPECT_EQ(m_grid.scrollWheel(-120), 7);
    EXPECT_EQ(m_grid.scrollPosition(), 7);
    EXPECT_EQ(m_grid.scrollWheel(-120), 7);
    EXPECT_EQ(m_grid.scrollWheel(-120), 3);
    EXPECT_EQ(m_grid.scrollPosition(), 17);
    EXPECT_EQ(m_grid.scrollWheel(-120), 0);
    EXPECT_EQ(m_grid.scrollWheel(15), 0) << "less than 16 is no row";
    EXPECT_EQ(m_grid.scrollWheel(40), -2);
    EXPECT_EQ(m_grid.scrollPosition(), 15);
}

TEST_F(HexGridModelTest, ScrollBar_StepsAndThumb)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    EXPECT_EQ(m_grid.scrollBar(Grid::ScrollAction::PageDown), 16);
    EXPECT_EQ(m_grid.scrollBar(Grid::ScrollAction::PageDown), 1);
    EXPECT_EQ(m_grid.scrollBar(Grid::ScrollAction::LineDown), 0);
    EXPECT_EQ(m_grid.scrollBar(Grid::ScrollAction::LineUp), -1);
    EXPECT_EQ(m_grid.scrollBar(Grid::ScrollAction::PageUp), -16);
    EXPECT_EQ(m_grid.scrollBar(Grid::ScrollAction::LineUp), 0);
    EXPECT_EQ(m_grid.scrollBar(Grid::ScrollAction::ThumbTrack, 5), 5);
    EXPECT_EQ(m_grid.scrollBar(Grid::ScrollAction::ThumbTrack, 18), 12);
    EXPECT_EQ(m_grid.scrollBar(Grid::ScrollAction::Other, 0), 0);
    EXPECT_EQ(m_grid.scrollPosition(), 17);
}

TEST_F(HexGridModelTest, SetMark_ScrollsToTheMarkedRowAndClearingScrollsHome)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    m_grid.SetMark(0x50, 0x52);
    EXPECT_EQ(m_grid.scrollPosition(), 5);
    EXPECT_EQ(m_grid.markStart(), 0x50);
    EXPECT_EQ(m_grid.markEnd(), 0x52);
    m_grid.SetMark(295, 295);
    EXPECT_EQ(m_grid.scrollPosition(), 18) << "within the bar's range 0 to 18";
    m_grid.SetMark(5000, 5000);
    EXPECT_EQ(m_grid.scrollPosition(), 18);
    m_grid.SetMark(-1, -1);
    EXPECT_EQ(m_grid.scrollPosition(), 0);
    const auto rows = m_grid.paintPlan(18);
    for (const auto& cell : rows[0].cells) {
        EXPECT_EQ(cell.background, Grid::kWhite);
    }
}

TEST_F(HexGridModelTest, SetData_KeepsSelectionAndMarkButScrollsHome)
{
    ASSERT_TRUE(m_grid.SetData(m_bytes));
    m_grid.OnLButtonDown(hexX(1), 5, kLeft);
    m_grid.SetMark(100, 101);
    std::vector<std::uint8_t> other(200);
    ASSERT_TRUE(m_grid.SetData(other));
    EXPECT_EQ(m_grid.scrollPosition(), 0);
    EXPECT_EQ(m_grid.GetSelStart(), 1);
    EXPECT_EQ(m_grid.markStart(), 100);
}

TEST(HexGridAddress, LargeIndexesShowTheirLowFourDigits)
{
    std::vector<std::uint8_t> bytes(0x10020);
    Grid grid(1252);
    ASSERT_TRUE(grid.SetData(bytes));
    grid.SetMark(0x10010, 0x10010);
    EXPECT_EQ(grid.paintPlan(0)[0].address, "0010");
    grid.OnLButtonDown(hexX(2), 0, kLeft);
    EXPECT_EQ(selection(grid), (std::pair{0x10012, 1}));
}

} // namespace
} // namespace kx

namespace kx {
namespace {

TEST(HexGridCharacters, ShowTheSystemCodePage)
{
    Grid grid(1251);
    std::vector<std::uint8_t> bytes = {0xC0, 0x98, 0xFF, 0x7E, 0x00};
    ASSERT_TRUE(grid.SetData(bytes));
    const auto plan = grid.paintPlan(0);
    const auto& cells = plan[0].cells;
    EXPECT_EQ(cells[0].character, "\xD0\x90") << "Cyrillic capital A";
    EXPECT_EQ(cells[1].character, "\xEF\xBF\xBD") << "0x98 has no character in 1251";
    EXPECT_EQ(cells[2].character, "\xD1\x8F") << "Cyrillic small ya";
    EXPECT_EQ(cells[3].character, "~");
    EXPECT_EQ(cells[4].character, ".");
}

// Caret moves in a block of 300 bytes: rows 0 to 17 full, row 18 holds 288 to 299; a page is
// ten rows.
struct CaretMove
{
    int from;
    HexGridModel::CaretKey key;
    int to;
};

class HexGridCaret : public ::testing::TestWithParam<CaretMove>
{
protected:
    HexGridCaret() : m_bytes(300) { m_grid.SetData(m_bytes); }
    // A click, after scrolling towards the byte's row, puts the caret on a byte.
    void placeCaret(int index)
    {
        m_grid.scrollBar(HexGridModel::ScrollAction::ThumbTrack, index / 16);
        const int y = (index / 16 - m_grid.scrollPosition()) * 18;
        m_grid.OnLButtonDown(hexX(index % 16), y, kLeft);
        ASSERT_EQ(m_grid.caret(), index);
    }
    std::vector<std::uint8_t> m_bytes;
    HexGridModel m_grid{1252};
};

TEST_P(HexGridCaret, KeyMovesTheCaretAndSelectsItsByte)
{
    placeCaret(GetParam().from);
    m_grid.OnKey(GetParam().key, 10);
    EXPECT_EQ(m_grid.caret(), GetParam().to);
    EXPECT_EQ(m_grid.GetSelCount(), 1);
    EXPECT_EQ(m_grid.anchor(), GetParam().to);
}

using Key = HexGridModel::CaretKey;
INSTANTIATE_TEST_SUITE_P(
    Keys, HexGridCaret,
    ::testing::Values(CaretMove{0, Key::Left, 0}, CaretMove{299, Key::Right, 299},
                      CaretMove{20, Key::Up, 4}, CaretMove{4, Key::Up, 4},
                      CaretMove{280, Key::Down, 296}, CaretMove{285, Key::Down, 285},
                      CaretMove{100, Key::PageUp, 4}, CaretMove{200, Key::PageUp, 40},
                      CaretMove{100, Key::PageDown, 260}, CaretMove{200, Key::PageDown, 296},
                      CaretMove{37, Key::Home, 32}, CaretMove{37, Key::End, 47},
                      CaretMove{290, Key::End, 299}, CaretMove{5, Key::Last, 299}));

TEST_F(HexGridCaret, CaretRowScrollsIntoView_TypingGoesThere_AMoveLeavesAHalfTypedByte)
{
    m_grid.scrollBar(HexGridModel::ScrollAction::ThumbTrack, 5);
    EXPECT_EQ(m_grid.OnKey(Key::Down, 10), 0);
    EXPECT_EQ(m_grid.caret(), 80) << "without a caret, the first byte in view";
    EXPECT_EQ(m_grid.OnKey(Key::Last, 10), 4) << "row 18 becomes the tenth row in view";
    EXPECT_EQ(m_grid.OnKey(Key::First, 10), -9);

    m_grid.OnKey(Key::Right, 10);
    EXPECT_TRUE(m_grid.OnChar(U'a') && m_grid.OnChar(U'5'));
    EXPECT_EQ(m_bytes[1], 0xA5);
    EXPECT_TRUE(m_grid.OnChar(U'7'));
    EXPECT_EQ(m_grid.caretDigit(), 1);
    m_grid.OnKey(Key::Down, 10);
    EXPECT_EQ(m_bytes[2], 0x70);
    EXPECT_EQ(m_grid.caretDigit(), 0);
    EXPECT_TRUE(m_grid.paintPlan(180)[1].cells[2].caret);
}

} // namespace
} // namespace kx
