#include "dialogs/usertablemodel.h"

#include "dialogs/systemtext.h"
#include "model/namecodec.h"
#include "platform/error.h"
#include "platform/file.h"
#include "platform/hexdigits.h"

namespace kx {
namespace {

void checkCell(TableCell cell)
{
    if (cell.column < 0 || cell.column >= UserTableModel::kColumns || cell.row < 0 ||
        cell.row >= UserTableModel::kRows) {
        throw Error(ErrorCode::Usage, "the character table has no cell (" +
                                          std::to_string(cell.column) + ", " +
                                          std::to_string(cell.row) + ")");
    }
}

} // namespace

UserTableModel::UserTableModel(int systemCodePage)
    : m_table(CodecSettings::identityUserTable()), m_systemCodePage(systemCodePage)
{}

void UserTableModel::load(const std::filesystem::path& codeDatPath)
{
    m_table = ReadUserTable(codeDatPath);
}

std::size_t UserTableModel::entryIndex(TableCell cell)
{
    checkCell(cell);
    return static_cast<std::size_t>(cell.row) * kColumns + static_cast<std::size_t>(cell.column);
}

std::string UserTableModel::cellText(TableCell cell) const
{
    const auto byte = static_cast<char>(m_table[entryIndex(cell)]);
    return systemBytesToText(std::string_view(&byte, 1), m_systemCodePage);
}

bool UserTableModel::acceptsText(std::string_view text) const
{
    return textToSystemBytes(text, m_systemCodePage).has_value();
}

void UserTableModel::storeInto(TableCell cell, std::string_view editText)
{
    // Exactly one character of the code page is one byte; anything else (empty, two characters,
    // a character the code page lacks) leaves the entry.
    const auto bytes = textToSystemBytes(editText, m_systemCodePage);
    if (bytes && bytes->size() == 1) {
        m_table[entryIndex(cell)] = static_cast<std::uint8_t>((*bytes)[0]);
    }
}

bool UserTableModel::OnLButtonDown(int x, int y, std::string_view editText)
{
    const auto hit = hitTest(x, y);
    if (!hit) {
        return false;
    }
    storeInto(m_selected, editText);
    m_selected = *hit;
    return true;
}

void UserTableModel::OnOK(std::string_view editText, const std::filesystem::path& codeDatPath)
{
    // The character typed last reaches the table even without a click on a cell.
    storeInto(m_selected, editText);
    // A cut-off table would silently change how every name decodes: never leave one half-written.
    File::writeAtomically(codeDatPath,
                          [this](File& file) { file.write(m_table.data(), m_table.size()); });
}

std::optional<TableCell> UserTableModel::hitTest(int x, int y)
{
    if (!kGridRect.contains(x, y)) {
        return std::nullopt;
    }
    return TableCell{(x - kGridRect.left) / kCellSize, (y - kGridRect.top) / kCellSize};
}

PixelRect UserTableModel::cellRect(TableCell cell)
{
    checkCell(cell);
    const int left = kGridRect.left + kCellSize * cell.column;
    const int top = kGridRect.top + kCellSize * cell.row;
    return {left, top, left + kCellSize, top + kCellSize};
}

PixelRect UserTableModel::editRect(TableCell cell)
{
    const PixelRect cellBox = cellRect(cell);
    return {cellBox.left + 1, cellBox.top + 1, cellBox.left + 1 + kCellSize,
            cellBox.top + 1 + kCellSize};
}

PixelPoint UserTableModel::cellTextPosition(TableCell cell)
{
    const PixelRect cellBox = cellRect(cell);
    return {cellBox.left + 6, cellBox.top + 4};
}

PixelPoint UserTableModel::columnHeadingPosition(int column)
{
    checkCell({column, 0});
    return {41 + kCellSize * column, 16};
}

std::string UserTableModel::columnHeading(int column)
{
    checkCell({column, 0});
    return std::string(1, kHexDigits[column]);
}

PixelPoint UserTableModel::rowHeadingPosition(int row)
{
    checkCell({0, row});
    return {10, 38 + kCellSize * row};
}

std::string UserTableModel::rowHeading(int row)
{
    checkCell({0, row});
    return {kHexDigits[8 + row], '0'};
}

} // namespace kx
