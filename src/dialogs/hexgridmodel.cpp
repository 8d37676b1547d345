#include "dialogs/hexgridmodel.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "dialogs/systemtext.h"
#include "document/descriptionline.h"
#include "platform/hexdigits.h"

namespace kx {
namespace {

// The value of a hexadecimal digit of either case, or -1.
int hexDigit(char32_t ch)
{
    return upperHexDigitValue(ch >= U'a' && ch <= U'f' ? ch - U'a' + U'A' : ch);
}

bool inRange(int index, int first, int last)
{
    return first <= index && index <= last;
}

} // namespace

Rgb HexGridModel::background(bool selected, bool marked)
{
    if (selected) {
        return marked ? kSelectedAndMarked : kSelected;
    }
    return marked ? kMarked : kWhite;
}

HexGridModel::HexGridModel(int systemCodePage)
{
    for (std::size_t value = 0; value < m_charTexts.size(); ++value) {
        const auto byte = static_cast<char>(value);
        m_charTexts[value] = systemBytesToText(std::string_view(&byte, 1), systemCodePage);
    }
}

bool HexGridModel::SetData(std::span<std::uint8_t> data)
{
    if (data.data() == nullptr || data.empty() ||
        data.size() > static_cast<std::size_t>(kMaxCount)) {
        return false;
    }
    m_data = data;
    m_nScrollPos = 0;
    return true;
}

void HexGridModel::SetMark(int first, int last)
{
    m_nMarkStart = first;
    m_nMarkEnd = last;
    m_nScrollPos = std::clamp(first / kBytesPerRow, 0, scrollMaximum());
}

int HexGridModel::clampedStep(int rows) const
{
    // The upper clamp comes first: a block of fewer than 16 bytes gets -1 from it, which the
    // lower clamp then lifts to 0, so it never scrolls.
    rows = std::min(rows, scrollMaximum() - m_nScrollPos - 1);
    return std::max(rows, -m_nScrollPos);
}

int HexGridModel::scrollBy(int rows)
{
    const int step = clampedStep(rows);
    m_nScrollPos += step;
    return step;
}

int HexGridModel::scrollBar(ScrollAction action, int thumbPosition)
{
    switch (action) {
    case ScrollAction::LineUp:
        return scrollBy(-1);
    case ScrollAction::LineDown:
        return scrollBy(1);
    case ScrollAction::PageUp:
        return scrollBy(-kBytesPerRow);
    case ScrollAction::PageDown:
        return scrollBy(kBytesPerRow);
    case ScrollAction::ThumbTrack: {
        const std::int64_t wanted = std::int64_t{thumbPosition} - m_nScrollPos;
        return scrollBy(static_cast<int>(std::clamp<std::int64_t>(wanted, -kMaxCount, kMaxCount)));
    }
    case ScrollAction::Other:
        break;
    }
    return 0;
}

int HexGridModel::scrollWheel(int delta)
{
    return scrollBy(-(delta / 16));
}

std::optional<int> HexGridModel::hitTest(int x, int y, HitBoxes boxes) const
{
    if (x < 0 || y < 0) {
        return std::nullopt;
    }
    const int hexLeft = boxes == HitBoxes::ButtonDown ? kHexX - kDownShift : kHexX;
    int column = -1;
    if (x >= hexLeft && x < hexLeft + kBytesPerRow * kHexPitch) {
        column = (x - hexLeft) / kHexPitch;
    } else if (x >= kCharX && x < kCharX + kBytesPerRow * kCharPitch) {
        column = (x - kCharX) / kCharPitch;
    } else {
        return std::nullopt;
    }
    const std::int64_t index =
        (std::int64_t{m_nScrollPos} + y / kRowHeight) * kBytesPerRow + column;
    if (index >= count()) {
        return std::nullopt;
    }
    return static_cast<int>(index);
}

void HexGridModel::extendTo(int index)
{
    if (index >= m_nAnchor) {
        m_nSelStart = m_nAnchor;
        m_nSelEnd = index;
    } else {
        // Only the bytes strictly between the hit byte and the anchor: one byte before the anchor
        // gives the empty selection anchor ... anchor - 1.
        m_nSelStart = index + 1;
        m_nSelEnd = m_nAnchor - 1;
    }
}

void HexGridModel::OnLButtonDown(int x, int y, unsigned flags)
{
    m_nSelStart = -1;
    m_nSelEnd = -1;
    m_nNibble = 0;
    const auto hit = hitTest(x, y, HitBoxes::ButtonDown);
    if (!hit) {
        return;
    }
    if (flags == (kLeftButton | kShift)) {
        extendTo(*hit);
    } else {
        m_nSelStart = *hit;
        m_nSelEnd = *hit;
        m_nAnchor = *hit;
    }
}

void HexGridModel::OnMouseMove(int x, int y, unsigned flags)
{
    if (flags != kLeftButton || m_nSelStart < 0) {
        return;
    }
    if (const auto hit = hitTest(x, y, HitBoxes::MoveOrRelease)) {
        extendTo(*hit);
    }
}

void HexGridModel::OnLButtonUp(int x, int y)
{
    if (m_nSelStart < 0) {
        return;
    }
    if (const auto hit = hitTest(x, y, HitBoxes::MoveOrRelease)) {
        extendTo(*hit);
    }
}

int HexGridModel::caretTarget(CaretKey key, int from, int visibleRows) const
{
    const int last = count() - 1;
    const int rowStart = from - from % kBytesPerRow;
    const std::int64_t page = std::int64_t{kBytesPerRow} * std::max(visibleRows, 1);
    const int column = from % kBytesPerRow;
    // The byte of from's column step bytes away, or the first (last) of that column beyond the
    // block's ends.
    const auto sameColumn = [&](std::int64_t step) {
        const std::int64_t target = from + step;
        if (target < 0) {
            return column;
        }
        if (target > last) {
            return last - (last % kBytesPerRow - column + kBytesPerRow) % kBytesPerRow;
        }
        return static_cast<int>(target);
    };
    switch (key) {
    case CaretKey::Left:
        return std::max(from - 1, 0);
    case CaretKey::Right:
        return std::min(from + 1, last);
    case CaretKey::Up:
        return sameColumn(-kBytesPerRow);
    case CaretKey::Down:
        return sameColumn(kBytesPerRow);
    case CaretKey::PageUp:
        return sameColumn(-page);
    case CaretKey::PageDown:
        return sameColumn(page);
    case CaretKey::Home:
        return rowStart;
    case CaretKey::End:
        return std::min(rowStart + kBytesPerRow - 1, last);
    case CaretKey::First:
        return 0;
    case CaretKey::Last:
        return last;
    }
    return from;
}

int HexGridModel::OnKey(CaretKey key, int visibleRows)
{
    if (count() == 0) {
        return 0;
    }
    const int target = caret() >= 0 ? caretTarget(key, caret(), visibleRows)
                                    : std::min(m_nScrollPos * kBytesPerRow, count() - 1);
    m_nSelStart = target;
    m_nSelEnd = target;
    m_nAnchor = target;
    m_nNibble = 0;
    return scrollToCaret(visibleRows);
}

int HexGridModel::scrollToCaret(int visibleRows)
{
    if (caret() < 0) {
        return 0;
    }
    const int row = caret() / kBytesPerRow;
    const int rows = std::max(visibleRows, 1);
    if (row < m_nScrollPos) {
        return scrollBy(row - m_nScrollPos);
    }
    if (row >= m_nScrollPos + rows) {
        return scrollBy(row - rows + 1 - m_nScrollPos);
    }
    return 0;
}

bool HexGridModel::OnChar(char32_t ch)
{
    const int digit = hexDigit(ch);
    const int position = m_nSelStart;
    if (digit < 0 || position < 0 || position >= count()) {
        return false;
    }
    auto& byte = m_data[static_cast<std::size_t>(position)];
    if (m_nNibble == 0) {
        m_nSelEnd = position;
        byte = static_cast<std::uint8_t>(digit * 16);
        m_nNibble = 1;
    } else {
        byte = static_cast<std::uint8_t>(byte + digit);
        m_nNibble = 0;
        m_nSelStart = position + 1;
        m_nSelEnd = position + 1;
    }
    return true;
}

std::vector<HexGridModel::Row> HexGridModel::paintPlan(int clientHeight) const
{
    std::vector<Row> rows;
    const int rowCount = std::max(clientHeight, 0) / kRowHeight + 1;
    int index = m_nScrollPos * kBytesPerRow;
    for (int r = 0; r < rowCount && index < count(); ++r) {
        Row& row = rows.emplace_back();
        row.y = r * kRowHeight;
        row.address = formatAddress(static_cast<std::uint32_t>(index));
        row.cells.reserve(kBytesPerRow);
        for (int column = 0; column < kBytesPerRow && index < count(); ++column, ++index) {
            const std::uint8_t value = m_data[static_cast<std::size_t>(index)];
            Cell& cell = row.cells.emplace_back();
            cell.index = index;
            cell.column = column;
            cell.hexX = kHexX + kHexPitch * column;
            cell.charX = kCharX + kCharPitch * column;
            cell.hex = formatByte(value);
            cell.character = value < 0x20 ? std::string(".") : m_charTexts[value];
            cell.background = background(inRange(index, m_nSelStart, m_nSelEnd),
                                         inRange(index, m_nMarkStart, m_nMarkEnd));
            cell.caret = index == m_nSelStart;
        }
    }
    return rows;
}

} // namespace kx
