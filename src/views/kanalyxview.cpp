#include "views/kanalyxview.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <numeric>
#include <utility>

#include "model/channelflags.h"
#include "model/channelrec.h"
#include "model/namecontrolcodes.h"
#include "model/recordlayout.h"
#include "platform/strings.h"
#include "platform/utf8.h"

namespace kx {

namespace {

// A rename keeps at most this many characters: the original kept 37 bytes of single-byte text,
// which with the prefix byte and the terminator fills the 40-byte name field.
constexpr std::size_t kMaxNameCharacters = 37;
// Columns narrower than this get no in-place editor.
constexpr int kMinEditableWidth = 5;
constexpr int kNameColumn = 1;
constexpr int kCharacterColumn = 2;
// Short names are narrow: a few letters of the name.
constexpr int kShortNameWidth = 80;

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

CKanalyxView::CKanalyxView(CKanalyxDoc& doc, ListKind kind, const std::vector<ListColumn>& columns,
                           const CodecSettings& codec)
    : m_doc(doc), m_kind(kind), m_codec(codec), m_columns(columns),
      m_showsFlags(IsSatelliteList(kind))
{
    for (const ListColumn& column : columns) {
        m_list.insertColumn(m_list.columnCount(), column);
    }
    m_list.insertColumn(kShortNameColumn, {ids::kColumnShortName, kShortNameWidth});
    m_doc.addObserver(this);
}

CKanalyxView::~CKanalyxView()
{
    m_doc.removeObserver(this);
}

void CKanalyxView::UpdateCountPane()
{}

std::string CKanalyxView::CountPaneText() const
{
    return {};
}

void CKanalyxView::notifyCountPane(int pane, const std::string& text)
{
    m_observers.forEach([&](ViewObserver& o) { o.countPaneChanged(pane, text); });
}

void CKanalyxView::FillRow(int /*row*/, const CChannelRec& /*rec*/)
{}

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

void CKanalyxView::fillCommonCells(int row, const CChannelRec& rec)
{
    fillNumberCell(row, rec);
    fillNameCells(row, rec);
    m_list.setItemText(row, kCharacterColumn, rec.GetCharacterText());
}

void CKanalyxView::fillNumberCell(int row, const CChannelRec& rec)
{
    m_list.setItemText(row, 0, std::to_string(rec.GetNumber()));
}

void CKanalyxView::fillNameCells(int row, const CChannelRec& rec)
{
    DisplayName shown = DisplayNameOf(rec, m_codec);
    m_list.setItemText(row, kNameColumn, std::move(shown.name));
    m_list.setItemText(row, kShortNameColumn, std::move(shown.shortName));
}

std::vector<ListColumn> CKanalyxView::DigitalColumnsFor(bool flags)
{
    static const std::vector<ListColumn> tuning = {
        {ids::kColumnNumber, 40, ColumnAlign::Left},
        {ids::kColumnName, 200, ColumnAlign::Left},
        {ids::kColumnCharacter, 70, ColumnAlign::Left},
        {ids::kColumnFrequency, 65, ColumnAlign::Left},
        {ids::kColumnSymbolRate, 65, ColumnAlign::Left},
        {ids::kColumnModulation, 70, ColumnAlign::Left},
    };
    return flags ? ServiceColumns() : tuning;
}

void CKanalyxView::fillDigitalRow(int row, const CChannelRec& rec)
{
    fillCommonCells(row, rec);
    if (ShowsFlags()) {
        fillServiceCells(row, rec);
    } else {
        m_list.setItemText(row, 3, rec.GetFrequencyText());
        m_list.setItemText(row, 4, rec.GetSymbolRateText());
        m_list.setItemText(row, 5, rec.GetModulationText());
    }
    fillCheckBox(row, rec);
}

std::vector<ListColumn> CKanalyxView::ColumnsFor(bool /*flags*/) const
{
    return m_columns;
}

const std::vector<ListColumn>& CKanalyxView::ServiceColumns()
{
    static const std::vector<ListColumn> columns = {
        {ids::kColumnNumber, 40, ColumnAlign::Left},
        {ids::kColumnName, 200, ColumnAlign::Left},
        {ids::kColumnCharacter, 70, ColumnAlign::Left},
        {ids::kColumnServiceId, 65, ColumnAlign::Left},
        {ids::kColumnServiceType, 40, ColumnAlign::Left},
        {ids::kColumnFlags, 60, ColumnAlign::Left},
    };
    return columns;
}

void CKanalyxView::fillServiceCells(int row, const CChannelRec& rec)
{
    m_list.setItemText(row, 3, rec.GetServiceIdText());
    m_list.setItemText(row, 4, rec.GetServiceTypeText());
    fillFlagsCell(row, 5, rec);
}

void CKanalyxView::fillFlagsCell(int row, int column, const CChannelRec& rec)
{
    m_list.setItemText(row, column, ChannelFlagsText(rec.GetFlags()));
}

void CKanalyxView::fillCheckBox(int row, const CChannelRec& rec)
{
    m_list.setItemState(row, rec.IsUnchecked() ? lvis::kImageUnticked : lvis::kImageTicked,
                        lvis::kStateImageMask);
}

void CKanalyxView::OnInitialUpdate()
{
    const RecordLayout* layout = m_doc.Layout();
    const bool flags = IsSatelliteList(m_kind) || (layout != nullptr && layout->flagsShown());
    if (flags != m_showsFlags) {
        m_showsFlags = flags;
        std::vector<ListColumn> columns = ColumnsFor(flags);
        columns.insert(columns.begin() + kShortNameColumn,
                       ListColumn{ids::kColumnShortName, kShortNameWidth});
        m_list.setColumns(std::move(columns));
    }
    std::vector<CChannelRec*> records;
    const int count = m_doc.ChannelCount(m_kind);
    records.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        // The list shows the records; it never changes them.
        records.push_back(const_cast<CChannelRec*>(&m_doc.Channel(m_kind, row)));
    }
    m_list.setItems(records);
    RefillRows();
    UpdateCountPane();
}

void CKanalyxView::rowsRemoved(ListKind list, std::span<const int> rows)
{
    if (list != m_kind) {
        return;
    }
    m_list.removeItems(rows);
    UpdateCountPane();
}

void CKanalyxView::rowsInserted(ListKind list, std::span<const int> rows)
{
    if (list != m_kind) {
        return;
    }
    std::vector<CChannelRec*> records;
    records.reserve(rows.size());
    for (const int row : rows) {
        records.push_back(const_cast<CChannelRec*>(&m_doc.Channel(m_kind, row)));
    }
    m_list.insertItemsAt(rows, records);
    fillRows(rows);
    UpdateCountPane();
}

void CKanalyxView::rowsMoved(ListKind list, std::span<const std::pair<int, int>> moves)
{
    if (list == m_kind) {
        m_list.moveItems(moves);
    }
}

void CKanalyxView::rowsChanged(ListKind list, std::span<const int> rows)
{
    if (list == m_kind) {
        fillRows(rows);
    }
}

void CKanalyxView::numbersChanged(ListKind list, std::span<const int> rows)
{
    if (list != m_kind) {
        return;
    }
    ListCtrl::UpdateGuard update(m_list);
    for (const int row : rows) {
        fillNumberCell(row, *m_list.itemData(row));
    }
}

void CKanalyxView::OnMoveUp()
{
    const RowSelection moved = m_doc.MoveUp(m_kind, m_list.selectedItems());
    // The rows took their selection along; the lowest of them is shown.
    if (!moved.rows.empty()) {
        m_list.ensureVisible(moved.rows.back());
    }
}

void CKanalyxView::OnMoveDown()
{
    const RowSelection moved = m_doc.MoveDown(m_kind, m_list.selectedItems());
    if (!moved.rows.empty()) {
        m_list.ensureVisible(moved.rows.front());
    }
}

void CKanalyxView::OnDuplicate()
{
    const RowSelection result = m_doc.Duplicate(m_kind, m_list.selectedItems());
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
    return m_doc.Delete(m_kind, m_list.selectedItems());
}

void CKanalyxView::OnMoveTo(int number)
{
    const std::vector<int> rows = m_list.selectedItems();
    const RowSelection block = m_doc.MoveRowsTo(m_kind, rows, number - 1, StepKind::MoveTo);
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
        m_doc.MoveRowsTo(m_kind, rows, gap - static_cast<int>(above), StepKind::Drag);
    if (!block.rows.empty()) {
        SelectRows(block);
    }
}

void CKanalyxView::OnSort(int column)
{
    if (column < 0 || column >= m_list.columnCount()) {
        return;
    }
    struct Key
    {
        std::optional<long long> number;
        std::u32string text;
    };
    std::vector<Key> keys;
    keys.reserve(static_cast<std::size_t>(m_list.itemCount()));
    for (int row = 0; row < m_list.itemCount(); ++row) {
        const std::string& cell = m_list.itemText(row, column);
        Key key;
        long long value = 0;
        const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
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
    m_doc.SortRows(m_kind, order);
}

void CKanalyxView::SetCheckBoxes(bool ticked)
{
    m_doc.SetChecked(m_kind, m_list.selectedItems(), ticked);
}

std::vector<char> CKanalyxView::MatchingRows(std::string_view filter) const
{
    std::vector<char> matching(static_cast<std::size_t>(m_list.itemCount()), 1);
    if (filter.empty()) {
        return matching;
    }
    const std::u32string wanted = utf8::foldCase(filter);
    for (int row = 0; row < m_list.itemCount(); ++row) {
        matching[static_cast<std::size_t>(row)] = static_cast<char>(
            m_list.itemText(row, 0).starts_with(filter) ||
            utf8::foldCase(m_list.itemText(row, kNameColumn)).find(wanted) != std::u32string::npos);
    }
    return matching;
}

void CKanalyxView::OnEndLabelEdit(int row, int column, const std::optional<std::string>& text)
{
    if (!text.has_value()) {
        return;
    }
    if (row < 0 || row >= m_list.itemCount() || column < 0 || column >= m_list.columnCount()) {
        return;
    }
    m_doc.Rename(m_kind, row, firstCharacters(*text, kMaxNameCharacters), m_codec);
}

void CKanalyxView::OnSetFlags(unsigned flags, unsigned mask)
{
    m_doc.SetFlags(m_kind, m_list.selectedItems(), flags, mask);
}

void CKanalyxView::SetRowFlags(int row, unsigned flags)
{
    const int rows[] = {row};
    m_doc.SetFlags(m_kind, rows, flags, channelflags::kAll);
}

RowColour CKanalyxView::OnCustomDraw(int row) const
{
    return m_list.itemState(row, lvis::kStateImageMask) == lvis::kImageUnticked ? RowColour::Blue
                                                                                : RowColour::Black;
}

void CKanalyxView::SetCheckBox(int row, bool ticked)
{
    const int rows[] = {row};
    m_doc.SetChecked(m_kind, rows, ticked);
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
        return column == kNameColumn && BeginCellEdit(row, column).has_value()
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
