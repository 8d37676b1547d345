#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/dialoggeometry.h"

namespace kx {

// A cell of the character table: column 0 to 15 (the low hex digit), row 0 to 7 (high digit 8
// to F).
struct TableCell
{
    int column = 0;
    int row = 0;
    friend bool operator==(const TableCell&, const TableCell&) = default;
};

// The user character table dialog's rules: the 128 entries of code.dat (entry k is the byte of
// the system code page that stored byte 128 + k stands for), a 16 by 8 grid of 24-pixel cells
// with their headings, the selected cell with its one-character edit box, the click rule and OK.
// The widget paints from the geometry functions and the texts, keeps the edit box over
// editRect(selected()) showing selectedText(), and hands over the edit box's text on clicks and
// OK. Characters are UTF-8; the table holds them as bytes of the system code page.
class UserTableModel
{
public:
    static constexpr int kColumns = 16;
    static constexpr int kRows = 8;
    static constexpr int kCellSize = 24;
    static constexpr PixelRect kGridRect{34, 34, 418, 226};
    static constexpr DialogRect kDialogSize{0, 0, 286, 166};
    static constexpr DialogRect kOkRect{172, 145, 50, 14};
    static constexpr DialogRect kCancelRect{229, 145, 50, 14};
    static constexpr std::string_view kCaption = "Character User";

    // The identity table (entry k = 128 + k) with cell (0, 0) selected. Characters are those of
    // the system code page (1250 to 1257).
    explicit UserTableModel(int systemCodePage);

    // Reads code.dat: up to 128 bytes replace the leading entries; a missing, unreadable or
    // short file leaves the identity for the rest.
    void load(const std::filesystem::path& codeDatPath);
    // The edit box's text is stored into the selected cell as a click would store it, then the
    // 128 entries are written to codeDatPath, created or emptied first. Throws
    // Error(ErrorCode::Io) when the file cannot be written.
    void OnOK(std::string_view editText, const std::filesystem::path& codeDatPath);

    const std::array<std::uint8_t, 128>& table() const noexcept { return m_table; }
    TableCell selected() const noexcept { return m_selected; }
    // The character of a cell (UTF-8; U+FFFD for a byte the code page has no character for).
    std::string cellText(TableCell cell) const;
    std::string selectedText() const { return cellText(m_selected); }

    // Whether the edit box may hold text: refuses any character that the system code page
    // cannot hold. The box may still hold several characters or none; a click then stores
    // nothing.
    bool acceptsText(std::string_view text) const;

    // A left click at (x, y) with the edit box showing editText. On a cell: stores editText
    // into the selected cell when it is exactly one character, selects the clicked cell and
    // returns true (the widget moves the edit box, reloads it and repaints the grid). Outside
    // the grid nothing changes.
    bool OnLButtonDown(int x, int y, std::string_view editText);

    // Geometry, in client pixels.
    static std::optional<TableCell> hitTest(int x, int y);
    static PixelRect cellRect(TableCell cell);
    // The edit box over the selected cell: one pixel inside its top-left corner, 24 by 24.
    static PixelRect editRect(TableCell cell);
    // Where a cell's character is drawn (top-left of the text).
    static PixelPoint cellTextPosition(TableCell cell);
    // Column headings "0" to "F" above the grid, row headings "80" to "F0" to its left.
    static PixelPoint columnHeadingPosition(int column);
    static std::string columnHeading(int column);
    static PixelPoint rowHeadingPosition(int row);
    static std::string rowHeading(int row);
    // The grid lines: 17 vertical lines at these x from kGridRect.top to .bottom, 9 horizontal
    // lines at these y from kGridRect.left to .right.
    static int verticalLineX(int index) { return kGridRect.left + kCellSize * index; }
    static int horizontalLineY(int index) { return kGridRect.top + kCellSize * index; }

private:
    static std::size_t entryIndex(TableCell cell);
    void storeInto(TableCell cell, std::string_view editText);

    std::array<std::uint8_t, 128> m_table{};
    int m_systemCodePage;
    TableCell m_selected;
};

} // namespace kx
