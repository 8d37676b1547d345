#include "views/listctrl.h"

#include <algorithm>
#include <utility>

#include "platform/error.h"

namespace kx {

namespace {
const std::string kEmptyText;
} // namespace

// Rows die silently with the list: whoever observed it is going away too.
ListCtrl::~ListCtrl() = default;

void ListCtrl::insertColumn(int column, const ListColumn& definition)
{
    const int at = std::clamp(column, 0, columnCount());
    m_columns.insert(m_columns.begin() + at, definition);
    for (Row& row : m_rows) {
        if (static_cast<int>(row.texts.size()) > at) {
            row.texts.insert(row.texts.begin() + at, std::string());
        }
    }
}

void ListCtrl::setColumns(std::vector<ListColumn> columns)
{
    notify([](ListCtrlObserver& o) { o.listAboutToBeReset(); });
    m_columns = std::move(columns);
    for (Row& row : m_rows) {
        row.texts.clear();
    }
    notify([](ListCtrlObserver& o) { o.listReset(); });
}

const ListColumn& ListCtrl::column(int column) const
{
    checkColumn(column, "column");
    return m_columns[static_cast<std::size_t>(column)];
}

void ListCtrl::setColumnWidth(int column, int width)
{
    checkColumn(column, "setColumnWidth");
    m_columns[static_cast<std::size_t>(column)].width = width;
}

std::vector<int> ListCtrl::selectedItems() const
{
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(m_selectedCount));
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if ((m_rows[row].state & lvis::kSelected) != 0) {
            rows.push_back(static_cast<int>(row));
        }
    }
    return rows;
}

void ListCtrl::setItems(std::span<CChannelRec* const> records)
{
    if (m_rows.empty() && records.empty()) {
        return;
    }
    notify([](ListCtrlObserver& o) { o.listAboutToBeReset(); });
    m_rows.clear();
    m_rows.reserve(records.size());
    for (CChannelRec* record : records) {
        m_rows.push_back(Row{record, {}, 0});
    }
    m_selectedCount = 0;
    m_focusedRow = -1;
    notify([](ListCtrlObserver& o) { o.listReset(); });
}

void ListCtrl::insertItemsAt(std::span<const int> finalRows, std::span<CChannelRec* const> records)
{
    if (finalRows.size() != records.size()) {
        throw Error(ErrorCode::Internal, "insertItemsAt: " + std::to_string(finalRows.size()) +
                                             " places for " + std::to_string(records.size()) +
                                             " records");
    }
    if (records.empty()) {
        return;
    }
    const std::size_t newCount = m_rows.size() + records.size();
    for (std::size_t k = 0; k < finalRows.size(); ++k) {
        const bool ascending = k == 0 || finalRows[k] > finalRows[k - 1];
        if (finalRows[k] < 0 || static_cast<std::size_t>(finalRows[k]) >= newCount || !ascending) {
            throw Error(ErrorCode::Internal, "insertItemsAt: place " +
                                                 std::to_string(finalRows[k]) +
                                                 " is out of order or out of range");
        }
    }
    const int first = finalRows.front();
    const int last = finalRows.back();
    const bool contiguous = last - first + 1 == static_cast<int>(finalRows.size());
    if (contiguous) {
        notify([&](ListCtrlObserver& o) { o.rowsAboutToBeInserted(first, last); });
    } else {
        notify([](ListCtrlObserver& o) { o.listAboutToBeReset(); });
    }

    std::vector<Row> merged;
    merged.reserve(newCount);
    std::size_t next = 0;
    std::size_t old = 0;
    for (std::size_t row = 0; row < newCount; ++row) {
        if (next < finalRows.size() && static_cast<std::size_t>(finalRows[next]) == row) {
            merged.push_back(Row{records[next], {}, 0});
            ++next;
        } else {
            merged.push_back(std::move(m_rows[old]));
            ++old;
        }
    }
    m_rows = std::move(merged);
    recountStates();

    if (contiguous) {
        notify([&](ListCtrlObserver& o) { o.rowsInserted(first, last); });
    } else {
        notify([](ListCtrlObserver& o) { o.listReset(); });
    }
}

void ListCtrl::removeItems(std::span<const int> rows)
{
    if (rows.empty()) {
        return;
    }
    for (std::size_t k = 0; k < rows.size(); ++k) {
        checkRow(rows[k], "removeItems");
        if (k > 0 && rows[k] <= rows[k - 1]) {
            throw Error(ErrorCode::Internal, "removeItems: rows out of order");
        }
    }
    const int first = rows.front();
    const int last = rows.back();
    const bool contiguous = last - first + 1 == static_cast<int>(rows.size());
    if (contiguous) {
        notify([&](ListCtrlObserver& o) { o.rowsAboutToBeRemoved(first, last); });
    } else {
        notify([](ListCtrlObserver& o) { o.listAboutToBeReset(); });
    }
    std::size_t kept = 0;
    std::size_t k = 0;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (k < rows.size() && static_cast<std::size_t>(rows[k]) == row) {
            ++k;
            continue;
        }
        if (kept != row) {
            m_rows[kept] = std::move(m_rows[row]);
        }
        ++kept;
    }
    m_rows.resize(kept);
    recountStates();
    if (contiguous) {
        notify([&](ListCtrlObserver& o) { o.rowsRemoved(first, last); });
    } else {
        notify([](ListCtrlObserver& o) { o.listReset(); });
    }
}

void ListCtrl::moveItems(std::span<const std::pair<int, int>> moves)
{
    if (moves.empty()) {
        return;
    }
    // One report per row whose state moved: let the observers gather them.
    UpdateGuard update(*this);
    int first = itemCount();
    int last = -1;
    std::vector<Row> moving;
    moving.reserve(moves.size());
    for (const auto& [from, to] : moves) {
        checkRow(from, "moveItems");
        checkRow(to, "moveItems");
        first = std::min({first, from, to});
        last = std::max({last, from, to});
        moving.push_back(std::move(m_rows[static_cast<std::size_t>(from)]));
    }
    // The states each place had, so that the observers learn where selection and focus went.
    std::vector<unsigned> oldStates(moves.size());
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const auto to = static_cast<std::size_t>(moves[i].second);
        oldStates[i] = m_rows[to].state;
        m_rows[to] = std::move(moving[i]);
    }
    m_focusedRow = -1;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if ((m_rows[row].state & lvis::kFocused) != 0) {
            m_focusedRow = static_cast<int>(row);
        }
    }
    notify([&](ListCtrlObserver& o) { o.rowsChanged(first, last); });
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const int to = moves[i].second;
        const unsigned now = m_rows[static_cast<std::size_t>(to)].state;
        if (now != oldStates[i]) {
            notify([&](ListCtrlObserver& o) { o.itemStateChanged(to, oldStates[i], now); });
        }
    }
}

CChannelRec* ListCtrl::itemData(int row) const
{
    checkRow(row, "itemData");
    return m_rows[static_cast<std::size_t>(row)].record;
}

unsigned ListCtrl::itemState(int row, unsigned mask) const
{
    checkRow(row, "itemState");
    return m_rows[static_cast<std::size_t>(row)].state & mask;
}

void ListCtrl::setItemState(int row, unsigned state, unsigned mask)
{
    checkRow(row, "setItemState");
    const unsigned old = m_rows[static_cast<std::size_t>(row)].state;
    const unsigned wanted = (old & ~mask) | (state & mask);
    if ((wanted & lvis::kFocused) != 0 && m_focusedRow >= 0 && m_focusedRow != row) {
        const int previous = m_focusedRow;
        applyState(previous, m_rows[static_cast<std::size_t>(previous)].state & ~lvis::kFocused);
    }
    applyState(row, wanted);
}

void ListCtrl::setAllItemStates(unsigned state, unsigned mask)
{
    // The focus can go to one row only; the last row keeps it, as when set row by row.
    if ((state & mask & lvis::kFocused) != 0 && !m_rows.empty()) {
        for (int row = 0; row < itemCount(); ++row) {
            setItemState(row, state, mask);
        }
        return;
    }
    for (int row = 0; row < itemCount(); ++row) {
        const unsigned old = m_rows[static_cast<std::size_t>(row)].state;
        applyState(row, (old & ~mask) | (state & mask));
    }
}

const std::string& ListCtrl::itemText(int row, int column) const
{
    checkRow(row, "itemText");
    checkColumn(column, "itemText");
    const auto& texts = m_rows[static_cast<std::size_t>(row)].texts;
    const auto index = static_cast<std::size_t>(column);
    return index < texts.size() ? texts[index] : kEmptyText;
}

std::string* ListCtrl::cellToChange(int row, int column, std::string_view text)
{
    checkRow(row, "setItemText");
    checkColumn(column, "setItemText");
    auto& texts = m_rows[static_cast<std::size_t>(row)].texts;
    const auto index = static_cast<std::size_t>(column);
    if (index < texts.size() && texts[index] == text) {
        return nullptr;
    }
    if (texts.size() < m_columns.size()) {
        texts.resize(m_columns.size());
    }
    return &texts[index];
}

void ListCtrl::setItemText(int row, int column, std::string_view text)
{
    if (std::string* cell = cellToChange(row, column, text)) {
        cell->assign(text);
        notify([&](ListCtrlObserver& o) { o.rowsChanged(row, row); });
    }
}

void ListCtrl::setItemText(int row, int column, std::string&& text)
{
    if (std::string* cell = cellToChange(row, column, text)) {
        *cell = std::move(text);
        notify([&](ListCtrlObserver& o) { o.rowsChanged(row, row); });
    }
}

void ListCtrl::ensureVisible(int row)
{
    checkRow(row, "ensureVisible");
    notify([&](ListCtrlObserver& o) { o.visibleRequested(row); });
}

void ListCtrl::beginUpdate()
{
    if (m_updateDepth++ == 0) {
        notify([](ListCtrlObserver& o) { o.updateBegun(); });
    }
}

void ListCtrl::endUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0) {
        notify([](ListCtrlObserver& o) { o.updateEnded(); });
    }
}

void ListCtrl::failRow(int row, const char* operation) const
{
    throw Error(ErrorCode::Internal, std::string(operation) + ": row " + std::to_string(row) +
                                         " does not exist (the list has " +
                                         std::to_string(itemCount()) + " rows)");
}

void ListCtrl::failColumn(int column, const char* operation) const
{
    throw Error(ErrorCode::Internal, std::string(operation) + ": column " + std::to_string(column) +
                                         " does not exist (the list has " +
                                         std::to_string(columnCount()) + " columns)");
}

void ListCtrl::applyState(int row, unsigned newState)
{
    Row& target = m_rows[static_cast<std::size_t>(row)];
    const unsigned old = target.state;
    if (old == newState) {
        return;
    }
    target.state = newState;
    if (((old ^ newState) & lvis::kSelected) != 0) {
        m_selectedCount += (newState & lvis::kSelected) != 0 ? 1 : -1;
    }
    if ((newState & lvis::kFocused) != 0) {
        m_focusedRow = row;
    } else if (m_focusedRow == row) {
        m_focusedRow = -1;
    }
    notify([&](ListCtrlObserver& o) { o.itemStateChanged(row, old, newState); });
}

void ListCtrl::recountStates()
{
    m_selectedCount = 0;
    m_focusedRow = -1;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if ((m_rows[row].state & lvis::kSelected) != 0) {
            ++m_selectedCount;
        }
        if ((m_rows[row].state & lvis::kFocused) != 0) {
            m_focusedRow = static_cast<int>(row);
        }
    }
}

} // namespace kx
