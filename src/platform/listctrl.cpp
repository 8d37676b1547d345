#include "platform/listctrl.h"

#include <algorithm>
#include <utility>

#include "model/channelrec.h"
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

int ListCtrl::insertItem(int row, std::unique_ptr<CChannelRec> record)
{
    if (row < 0) {
        checkRow(row, "insertItem");
    }
    const int at = std::min(row, itemCount());
    notify([&](ListCtrlObserver& o) { o.rowsAboutToBeInserted(at, at); });
    m_rows.insert(m_rows.begin() + at, Row{std::move(record), {}, 0});
    if (m_focusedRow >= at) {
        ++m_focusedRow;
    }
    notify([&](ListCtrlObserver& o) { o.rowsInserted(at, at); });
    return at;
}

void ListCtrl::appendItems(std::vector<std::unique_ptr<CChannelRec>> records)
{
    if (records.empty()) {
        return;
    }
    const int first = itemCount();
    const int last = first + static_cast<int>(records.size()) - 1;
    notify([&](ListCtrlObserver& o) { o.rowsAboutToBeInserted(first, last); });
    m_rows.reserve(m_rows.size() + records.size());
    for (auto& record : records) {
        m_rows.push_back(Row{std::move(record), {}, 0});
    }
    notify([&](ListCtrlObserver& o) { o.rowsInserted(first, last); });
}

void ListCtrl::insertItemsAt(std::span<const int> finalRows,
                             std::vector<std::unique_ptr<CChannelRec>> records)
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
            merged.push_back(Row{std::move(records[next]), {}, 0});
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

void ListCtrl::deleteItem(int row)
{
    checkRow(row, "deleteItem");
    notify([&](ListCtrlObserver& o) { o.rowsAboutToBeRemoved(row, row); });
    const CChannelRec* record = m_rows[static_cast<std::size_t>(row)].record.get();
    notify([&](ListCtrlObserver& o) { o.itemDeleting(row, record); });
    const unsigned state = m_rows[static_cast<std::size_t>(row)].state;
    m_rows.erase(m_rows.begin() + row);
    if ((state & lvis::kSelected) != 0) {
        --m_selectedCount;
    }
    if (m_focusedRow == row) {
        m_focusedRow = -1;
    } else if (m_focusedRow > row) {
        --m_focusedRow;
    }
    notify([&](ListCtrlObserver& o) { o.rowsRemoved(row, row); });
}

void ListCtrl::deleteAllItems()
{
    if (m_rows.empty()) {
        return;
    }
    const int last = itemCount() - 1;
    notify([&](ListCtrlObserver& o) { o.rowsAboutToBeRemoved(0, last); });
    for (int row = 0; row <= last; ++row) {
        const CChannelRec* record = m_rows[static_cast<std::size_t>(row)].record.get();
        notify([&](ListCtrlObserver& o) { o.itemDeleting(row, record); });
    }
    m_rows.clear();
    m_selectedCount = 0;
    m_focusedRow = -1;
    notify([&](ListCtrlObserver& o) { o.rowsRemoved(0, last); });
}

std::vector<std::unique_ptr<CChannelRec>> ListCtrl::takeSelectedItems()
{
    std::vector<std::unique_ptr<CChannelRec>> taken;
    if (m_selectedCount == 0) {
        return taken;
    }
    taken.reserve(static_cast<std::size_t>(m_selectedCount));
    int first = -1;
    int last = -1;
    for (int row = 0; row < itemCount(); ++row) {
        if ((m_rows[static_cast<std::size_t>(row)].state & lvis::kSelected) != 0) {
            first = first < 0 ? row : first;
            last = row;
        }
    }
    const bool contiguous = last - first + 1 == m_selectedCount;
    if (contiguous) {
        notify([&](ListCtrlObserver& o) { o.rowsAboutToBeRemoved(first, last); });
    } else {
        notify([](ListCtrlObserver& o) { o.listAboutToBeReset(); });
    }
    // Each selected row goes as if its item data had been cleared first: it is reported with no
    // record, and the record survives in the returned vector.
    int removedSoFar = 0;
    for (int row = first; row <= last; ++row) {
        if ((m_rows[static_cast<std::size_t>(row)].state & lvis::kSelected) != 0) {
            const int current = row - removedSoFar;
            notify([&](ListCtrlObserver& o) { o.itemDeleting(current, nullptr); });
            ++removedSoFar;
        }
    }
    std::size_t kept = 0;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if ((m_rows[row].state & lvis::kSelected) != 0) {
            taken.push_back(std::move(m_rows[row].record));
        } else {
            if (kept != row) {
                m_rows[kept] = std::move(m_rows[row]);
            }
            ++kept;
        }
    }
    m_rows.resize(kept);
    recountStates();

    if (contiguous) {
        notify([&](ListCtrlObserver& o) { o.rowsRemoved(first, last); });
    } else {
        notify([](ListCtrlObserver& o) { o.listReset(); });
    }
    return taken;
}

CChannelRec* ListCtrl::itemData(int row) const
{
    checkRow(row, "itemData");
    return m_rows[static_cast<std::size_t>(row)].record.get();
}

void ListCtrl::setItemData(int row, std::unique_ptr<CChannelRec> record)
{
    checkRow(row, "setItemData");
    m_rows[static_cast<std::size_t>(row)].record = std::move(record);
    notify([&](ListCtrlObserver& o) { o.rowsChanged(row, row); });
}

std::unique_ptr<CChannelRec> ListCtrl::takeItemData(int row)
{
    checkRow(row, "takeItemData");
    auto record = std::move(m_rows[static_cast<std::size_t>(row)].record);
    notify([&](ListCtrlObserver& o) { o.rowsChanged(row, row); });
    return record;
}

void ListCtrl::swapItemData(int rowA, int rowB)
{
    checkRow(rowA, "swapItemData");
    checkRow(rowB, "swapItemData");
    std::swap(m_rows[static_cast<std::size_t>(rowA)].record,
              m_rows[static_cast<std::size_t>(rowB)].record);
    notify([&](ListCtrlObserver& o) { o.rowsChanged(std::min(rowA, rowB), std::max(rowA, rowB)); });
}

int ListCtrl::findItem(const CChannelRec* record, int from) const
{
    for (int row = std::max(from, 0); row < itemCount(); ++row) {
        if (m_rows[static_cast<std::size_t>(row)].record.get() == record) {
            return row;
        }
    }
    return -1;
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

void ListCtrl::swapItemStates(int rowA, int rowB, unsigned mask)
{
    checkRow(rowA, "swapItemStates");
    checkRow(rowB, "swapItemStates");
    const unsigned a = m_rows[static_cast<std::size_t>(rowA)].state;
    const unsigned b = m_rows[static_cast<std::size_t>(rowB)].state;
    // Clear before set, so that the focus never sits on two rows while it moves.
    const unsigned newA = (a & ~mask) | (b & mask);
    const unsigned newB = (b & ~mask) | (a & mask);
    if ((newA & lvis::kFocused) != 0) {
        applyState(rowB, newB);
        applyState(rowA, newA);
    } else {
        applyState(rowA, newA);
        applyState(rowB, newB);
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
