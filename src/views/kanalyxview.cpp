#include "views/kanalyxview.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <numeric>
#include <utility>

#include "model/channelflags.h"
#include "model/channelrec.h"
#include "model/namecontrolcodes.h"
#include "platform/error.h"
#include "platform/utf8.h"

namespace kx {

namespace {

// A rename keeps at most this many characters: the original kept 37 bytes of single-byte text,
// which with the prefix byte and the terminator fills the 40-byte name field.
constexpr std::size_t kMaxNameCharacters = 37;
// Columns narrower than this get no in-place editor.
constexpr int kMinEditableWidth = 5;

// The first maxCharacters characters of UTF-8 text, never splitting one.
std::string firstCharacters(const std::string& text, std::size_t maxCharacters)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) {
            if (characters == maxCharacters) {
                return text.substr(0, i);
            }
            ++characters;
        }
    }
    return text;
}

} // namespace

CKanalyxView::CKanalyxView(CKanalyxDoc& doc, ListKind kind, const CodecSettings& codec)
    : m_doc(doc), m_spec(ListSpecOf(kind)), m_codec(codec), m_showsFlags(doc.HasFlags(kind))
{
    m_doc.addObserver(this);
    OnInitialUpdate();
}

CKanalyxView::~CKanalyxView()
{
    m_doc.removeObserver(this);
}

std::vector<ColumnSpec> CKanalyxView::columnsForDocument() const
{
    std::vector<ColumnSpec> columns;
    const int count = m_doc.ChannelCount(kind());
    for (const ColumnSpec& column : m_spec.columns(m_doc.HasFlags(kind()))) {
        bool shown = !column.extra;
        for (int row = 0; row < count && !shown; ++row) {
            shown = !CellText(column.id, m_doc.Channel(kind(), row), m_codec).empty();
        }
        if (shown) {
            columns.push_back(column);
        }
    }
    return columns;
}

void CKanalyxView::createColumns(std::vector<ColumnSpec> columns)
{
    m_columns = std::move(columns);
    std::vector<ListColumn> shown;
    shown.reserve(m_columns.size());
    for (const ColumnSpec& column : m_columns) {
        shown.push_back(column.column);
    }
    m_list.setColumns(std::move(shown));
    m_numberColumn = ColumnOf(ColumnId::Number);
    m_nameColumn = ColumnOf(ColumnId::Name);
}

int CKanalyxView::ColumnOf(ColumnId id) const noexcept
{
    for (std::size_t column = 0; column < m_columns.size(); ++column) {
        if (m_columns[column].id == id) {
            return static_cast<int>(column);
        }
    }
    return -1;
}

void CKanalyxView::UpdateCountPane()
{
    const std::string text = CountPaneText();
    m_observers.forEach([&](ViewObserver& o) { o.countPaneChanged(m_spec.pane, text); });
}

std::string CKanalyxView::CountPaneText() const
{
    return std::string(m_spec.countPrefix) + std::to_string(m_list.itemCount());
}

void CKanalyxView::FillRow(int row, const CChannelRec& rec)
{
    const std::vector<ColumnSpec>& columns = m_columns;
    for (std::size_t column = 0; column < columns.size(); ++column) {
        const ColumnId id = columns[column].id;
        if (id == ColumnId::ShortName) {
            continue; // written with the name
        }
        if (id == ColumnId::Name) {
            DisplayName shown = DisplayNameOf(rec, m_codec);
            m_list.setItemText(row, static_cast<int>(column), std::move(shown.name));
            const int shortName = ColumnOf(ColumnId::ShortName);
            if (shortName >= 0) {
                m_list.setItemText(row, shortName, std::move(shown.shortName));
            }
            continue;
        }
        m_list.setItemText(row, static_cast<int>(column), CellText(id, rec, m_codec));
    }
    m_list.setItemState(row, rec.IsUnchecked() ? lvis::kImageUnticked : lvis::kImageTicked,
                        lvis::kStateImageMask);
}

void CKanalyxView::fillRows(std::span<const int> rows)
{
    ListCtrl::UpdateGuard update(m_list);
    for (const int row : rows) {
        FillRow(row, *m_list.itemData(row));
    }
}

void CKanalyxView::RefillRows()
{
    ListCtrl::UpdateGuard update(m_list);
    for (int row = 0; row < m_list.itemCount(); ++row) {
        FillRow(row, *m_list.itemData(row));
    }
}

void CKanalyxView::OnInitialUpdate()
{
    m_showsFlags = m_doc.HasFlags(kind());
    std::vector<ColumnSpec> columns = columnsForDocument();
    const auto same = [](const ColumnSpec& a, const ColumnSpec& b) { return a.id == b.id; };
    if (!std::equal(columns.begin(), columns.end(), m_columns.begin(), m_columns.end(), same)) {
        createColumns(std::move(columns));
    }
    std::vector<CChannelRec*> records;
    const int count = m_doc.ChannelCount(kind());
    records.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        // The list shows the records; it never changes them.
        records.push_back(const_cast<CChannelRec*>(&m_doc.Channel(kind(), row)));
    }
    m_list.setItems(records);
    RefillRows();
    UpdateCountPane();
}

void CKanalyxView::rowsRemoved(ListKind list, std::span<const int> rows)
{
    if (list != kind()) {
        return;
    }
    m_list.removeItems(rows);
    UpdateCountPane();
}

void CKanalyxView::rowsInserted(ListKind list, std::span<const int> rows)
{
    if (list != kind()) {
        return;
    }
    std::vector<CChannelRec*> records;
    records.reserve(rows.size());
    for (const int row : rows) {
        records.push_back(const_cast<CChannelRec*>(&m_doc.Channel(kind(), row)));
    }
    m_list.insertItemsAt(rows, records);
    fillRows(rows);
    UpdateCountPane();
}

void CKanalyxView::rowsMoved(ListKind list, std::span<const std::pair<int, int>> moves)
{
    if (list == kind()) {
        m_list.moveItems(moves);
    }
}

void CKanalyxView::rowsChanged(ListKind list, std::span<const int> rows)
{
    if (list == kind()) {
        fillRows(rows);
    }
}

void CKanalyxView::numbersChanged(ListKind list, std::span<const int> rows)
{
    if (list != kind()) {
        return;
    }
    if (m_numberColumn < 0) {
        return;
    }
    ListCtrl::UpdateGuard update(m_list);
    for (const int row : rows) {
        m_list.setItemText(row, m_numberColumn, std::to_string(m_list.itemData(row)->GetNumber()));
    }
}

void CKanalyxView::OnMoveUp()
{
    const RowSelection moved = m_doc.MoveUp(kind(), m_list.selectedItems());
    // The rows took their selection along; the lowest of them is shown.
    if (!moved.rows.empty()) {
        m_list.ensureVisible(moved.rows.back());
    }
}

void CKanalyxView::OnMoveDown()
{
    const RowSelection moved = m_doc.MoveDown(kind(), m_list.selectedItems());
    if (!moved.rows.empty()) {
        m_list.ensureVisible(moved.rows.front());
    }
}

void CKanalyxView::OnDuplicate()
{
    const RowSelection result = m_doc.Duplicate(kind(), m_list.selectedItems());
    if (result.rows.empty()) {
        return;
    }
    ListCtrl::UpdateGuard update(m_list);
    // Every copy selected as well; the focus ends on the last copy.
    for (const int row : result.rows) {
        m_list.setItemState(row, lvis::kSelected, lvis::kSelected);
    }
    if (result.focus >= 0) {
        m_list.setItemState(result.focus, lvis::kFocused, lvis::kFocused);
    }
}

RowSelection CKanalyxView::OnDeleteRows()
{
    return m_doc.Delete(kind(), m_list.selectedItems());
}

void CKanalyxView::OnMoveTo(int number)
{
    const std::vector<int> rows = m_list.selectedItems();
    const RowSelection block = m_doc.MoveRowsTo(kind(), rows, number - 1, StepKind::MoveTo);
    if (!block.rows.empty()) {
        SelectRows(block);
    }
}

void CKanalyxView::OnDropRows(int gap)
{
    const std::vector<int> rows = m_list.selectedItems();
    // The block's first row lands where the gap is once the rows above it have left.
    const auto above =
        std::count_if(rows.begin(), rows.end(), [gap](int row) { return row < gap; });
    const RowSelection block =
        m_doc.MoveRowsTo(kind(), rows, gap - static_cast<int>(above), StepKind::Drag);
    if (!block.rows.empty()) {
        SelectRows(block);
    }
}

void CKanalyxView::OnSort(int column)
{
    if (column < 0 || column >= m_list.columnCount() ||
        !m_columns[static_cast<std::size_t>(column)].sortable) {
        throw Error(ErrorCode::Internal, "the " + std::string(m_spec.name) +
                                             " list cannot be sorted by its column " +
                                             std::to_string(column));
    }
    struct Key
    {
        std::optional<double> number; // frequencies have decimals
        std::u32string text;
    };
    std::vector<Key> keys;
    keys.reserve(static_cast<std::size_t>(m_list.itemCount()));
    for (int row = 0; row < m_list.itemCount(); ++row) {
        const std::string& cell = m_list.itemText(row, column);
        Key key;
        double value = 0;
        const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value,
                                                  std::chars_format::fixed);
        if (!cell.empty() && error == std::errc() && end == cell.data() + cell.size()) {
            key.number = value;
        } else {
            key.text = utf8::foldCase(cell);
        }
        keys.push_back(std::move(key));
    }
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    // Numbers before texts, each in their own order.
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        const Key& x = keys[static_cast<std::size_t>(a)];
        const Key& y = keys[static_cast<std::size_t>(b)];
        if (x.number.has_value() != y.number.has_value()) {
            return x.number.has_value();
        }
        return x.number ? *x.number < *y.number : x.text < y.text;
    });
    m_doc.SortRows(kind(), order);
}

void CKanalyxView::SetCheckBoxes(bool ticked)
{
    m_doc.SetChecked(kind(), m_list.selectedItems(), ticked);
}

std::vector<char> CKanalyxView::MatchingRows(std::string_view filter) const
{
    std::vector<char> matching(static_cast<std::size_t>(m_list.itemCount()), 1);
    if (filter.empty()) {
        return matching;
    }
    const std::u32string wanted = utf8::foldCase(filter);
    for (int row = 0; row < m_list.itemCount(); ++row) {
        const bool number =
            m_numberColumn >= 0 && m_list.itemText(row, m_numberColumn).starts_with(filter);
        matching[static_cast<std::size_t>(row)] = static_cast<char>(
            number ||
            (m_nameColumn >= 0 && utf8::foldCase(m_list.itemText(row, m_nameColumn)).find(wanted) !=
                                      std::u32string::npos));
    }
    return matching;
}

void CKanalyxView::OnEndLabelEdit(int row, int column, const std::optional<std::string>& text)
{
    if (!text.has_value()) {
        return;
    }
    if (row < 0 || row >= m_list.itemCount()) {
        throw Error(ErrorCode::Internal, "the " + std::string(m_spec.name) + " list has no row " +
                                             std::to_string(row) + " to rename");
    }
    if (column < 0 || column >= m_list.columnCount() ||
        !m_columns[static_cast<std::size_t>(column)].editable) {
        throw Error(ErrorCode::Internal, "column " + std::to_string(column) + " of the " +
                                             std::string(m_spec.name) + " list cannot be edited");
    }
    m_doc.Rename(kind(), row, firstCharacters(*text, kMaxNameCharacters), m_codec);
}

void CKanalyxView::OnSetFlags(unsigned flags, unsigned mask)
{
    m_doc.SetFlags(kind(), m_list.selectedItems(), flags, mask);
}

void CKanalyxView::SetRowFlags(int row, unsigned flags)
{
    const int rows[] = {row};
    m_doc.SetFlags(kind(), rows, flags, channelflags::kAll);
}

RowColour CKanalyxView::OnCustomDraw(int row) const
{
    return m_list.itemState(row, lvis::kStateImageMask) == lvis::kImageUnticked ? RowColour::Blue
                                                                                : RowColour::Black;
}

void CKanalyxView::SetCheckBox(int row, bool ticked)
{
    const int rows[] = {row};
    m_doc.SetChecked(kind(), rows, ticked);
}

void CKanalyxView::SelectRows(const RowSelection& selection)
{
    ListCtrl::UpdateGuard update(m_list);
    m_list.setAllItemStates(0, lvis::kSelectedFocused);
    for (const int row : selection.rows) {
        m_list.setItemState(row, lvis::kSelected, lvis::kSelected);
    }
    if (selection.focus >= 0) {
        m_list.setItemState(selection.focus, lvis::kFocused, lvis::kFocused);
    }
    const int shown = selection.focus >= 0     ? selection.focus
                      : selection.rows.empty() ? -1
                                               : selection.rows.front();
    if (shown >= 0) {
        m_list.ensureVisible(shown);
    }
}

DoubleClickResult CKanalyxView::OnLButtonDblClk(int row, int column)
{
    if (row < 0 || row >= m_list.itemCount() || column < 0) {
        return DoubleClickResult::Nothing;
    }
    if (m_list.itemState(row, lvis::kFocused) != 0 && column >= 1) {
        const bool editable =
            column < m_list.columnCount() && m_columns[static_cast<std::size_t>(column)].editable;
        return editable && BeginCellEdit(row, column).has_value()
                   ? DoubleClickResult::OpenNameEditor
                   : DoubleClickResult::Nothing;
    }
    selectAndFocus(row);
    return DoubleClickResult::Selected;
}

DoubleClickResult CKanalyxView::OnRButtonDblClk(int row, int column)
{
    if (row < 0 || row >= m_list.itemCount() || column < 0) {
        return DoubleClickResult::Nothing;
    }
    if (m_list.itemState(row, lvis::kFocused) != 0 && column >= 1) {
        return DoubleClickResult::OpenChannelDialog;
    }
    selectAndFocus(row);
    return DoubleClickResult::Selected;
}

std::optional<CellEditRequest> CKanalyxView::BeginCellEdit(int row, int column) const
{
    if (row < 0 || row >= m_list.itemCount() || column < 0 || column >= m_list.columnCount() ||
        m_list.column(column).width < kMinEditableWidth) {
        return std::nullopt;
    }
    return CellEditRequest{row, column, m_list.itemText(row, column), m_list.column(column).align};
}

void CKanalyxView::selectAndFocus(int row)
{
    m_list.setItemState(row, lvis::kSelectedFocused, lvis::kSelectedFocused);
}

} // namespace kx
