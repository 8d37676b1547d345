#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/observerlist.h"

namespace kx {

class CChannelRec;

// Row state bits, as the list keeps them per row.
namespace lvis {
constexpr unsigned kFocused = 0x0001;
constexpr unsigned kSelected = 0x0002;
constexpr unsigned kSelectedFocused = kSelected | kFocused;
// The state image (check box picture) index, times 0x1000: 0 none, 1 unticked, 2 ticked.
constexpr unsigned kStateImageMask = 0xF000;
constexpr unsigned kImageUnticked = 0x1000;
constexpr unsigned kImageTicked = 0x2000;
} // namespace lvis

enum class ColumnAlign
{
    Left,
    Right,
    Center,
};

// One column of a list: the id of its header text (platform/strings.h), its width in pixels and
// the alignment of its cells. The widget reads these; the list only needs their number.
struct ListColumn
{
    int headerId = 0;
    int width = 0;
    ColumnAlign align = ColumnAlign::Left;

    bool operator==(const ListColumn&) const = default;
};

// Told about every change of a ListCtrl. All functions have empty defaults, so an observer
// overrides only what it needs. Rows are 0-based; ranges are inclusive.
//
// Structural changes come in pairs (about to / done) so that an item model can bracket them.
// A bulk change that does not fit one contiguous range (removing scattered rows, inserting
// rows between rows, replacing every row) is announced as a reset. Inside
// beginUpdate()/endUpdate() the content notifications may be many; an observer can collect them
// and act once on updateEnded().
class ListCtrlObserver
{
public:
    virtual ~ListCtrlObserver() = default;

    virtual void rowsAboutToBeInserted(int /*first*/, int /*last*/) {}
    virtual void rowsInserted(int /*first*/, int /*last*/) {}
    virtual void rowsAboutToBeRemoved(int /*first*/, int /*last*/) {}
    virtual void rowsRemoved(int /*first*/, int /*last*/) {}
    virtual void listAboutToBeReset() {}
    virtual void listReset() {}

    // The item data or a cell text of these rows changed.
    virtual void rowsChanged(int /*first*/, int /*last*/) {}
    // A row's state bits changed (selection, focus, state image); old and new state in full.
    virtual void itemStateChanged(int /*row*/, unsigned /*oldState*/, unsigned /*newState*/) {}
    // Someone asked for the row to be scrolled into view.
    virtual void visibleRequested(int /*row*/) {}

    virtual void updateBegun() {}
    virtual void updateEnded() {}
};

// A headless list control in report mode: rows that each show one channel record (the item
// data, owned by the document), a text per cell, and state bits (selected, focused, state image).
// At most one row has the focus. Whole-list operations are linear in the number of rows.
//
// Row indexes passed in must exist (0 to itemCount() - 1) unless a function says otherwise;
// an index out of range throws Error(ErrorCode::Internal).
class ListCtrl
{
public:
    ListCtrl() = default;
    ~ListCtrl();
    ListCtrl(const ListCtrl&) = delete;
    ListCtrl& operator=(const ListCtrl&) = delete;

    // Observers are not owned and must be removed before they die.
    void addObserver(ListCtrlObserver* observer) { m_observers.add(observer); }
    void removeObserver(ListCtrlObserver* observer) { m_observers.remove(observer); }

    // Columns.
    void insertColumn(int column, const ListColumn& definition);
    // Replaces every column; the cells of every row are empty afterwards. Announced as a reset.
    void setColumns(std::vector<ListColumn> columns);
    int columnCount() const noexcept { return static_cast<int>(m_columns.size()); }
    const ListColumn& column(int column) const;
    const std::vector<ListColumn>& columns() const noexcept { return m_columns; }
    // The widget reports the width the user gave a column.
    void setColumnWidth(int column, int width);

    int itemCount() const noexcept { return static_cast<int>(m_rows.size()); }
    int selectedCount() const noexcept { return m_selectedCount; }
    // The focused row, or -1.
    int focusedItem() const noexcept { return m_focusedRow; }
    // The selected rows, ascending.
    std::vector<int> selectedItems() const;

    // Replaces every row with one row per record, in order, with empty texts and state 0.
    void setItems(std::span<CChannelRec* const> records);
    // Inserts a row for records[k] so that it ends up at finalRows[k]; finalRows must be
    // strictly ascending and name places in the list as it is after the insertion. One pass.
    void insertItemsAt(std::span<const int> finalRows, std::span<CChannelRec* const> records);
    // Removes rows (strictly ascending), with their texts and states. One pass.
    void removeItems(std::span<const int> rows);
    // Moves whole rows (record, texts and state): (row before, row after) for each row that
    // moves; together they must fill the places they leave.
    void moveItems(std::span<const std::pair<int, int>> moves);

    // Item data: the record the row shows (not owned).
    CChannelRec* itemData(int row) const;

    // State bits under mask.
    unsigned itemState(int row, unsigned mask) const;
    // Sets the bits of state under mask. Giving a row the focus takes it from the row that had it.
    void setItemState(int row, unsigned state, unsigned mask);
    // The same for every row.
    void setAllItemStates(unsigned state, unsigned mask);

    // Cell texts; a cell never written is empty. column must be below columnCount().
    const std::string& itemText(int row, int column) const;
    void setItemText(int row, int column, std::string_view text);
    void setItemText(int row, int column, std::string&& text);
    void setItemText(int row, int column, const char* text)
    {
        setItemText(row, column, std::string_view(text));
    }

    // Asks the observers to scroll the row into view.
    void ensureVisible(int row);

    // Brackets a group of changes for the observers; nests.
    void beginUpdate();
    void endUpdate();

    // Calls beginUpdate() now and endUpdate() when it goes out of scope.
    class UpdateGuard
    {
    public:
        explicit UpdateGuard(ListCtrl& list) : m_list(list) { m_list.beginUpdate(); }
        ~UpdateGuard() { m_list.endUpdate(); }
        UpdateGuard(const UpdateGuard&) = delete;
        UpdateGuard& operator=(const UpdateGuard&) = delete;

    private:
        ListCtrl& m_list;
    };

private:
    struct Row
    {
        CChannelRec* record = nullptr;
        std::vector<std::string> texts;
        unsigned state = 0;
    };

    void checkRow(int row, const char* operation) const
    {
        if (row < 0 || row >= itemCount()) [[unlikely]] {
            failRow(row, operation);
        }
    }
    void checkColumn(int column, const char* operation) const
    {
        if (column < 0 || column >= columnCount()) [[unlikely]] {
            failColumn(column, operation);
        }
    }
    [[noreturn]] void failRow(int row, const char* operation) const;
    [[noreturn]] void failColumn(int column, const char* operation) const;
    // Sets a row's state without the focus rule; tells the observers when it changed.
    void applyState(int row, unsigned newState);
    void recountStates();
    // The cell's string when it differs from text (the row's texts made as wide as the
    // columns), or nullptr when the cell already holds text.
    std::string* cellToChange(int row, int column, std::string_view text);

    template <typename Notify> void notify(Notify&& call) { m_observers.forEach(call); }

    std::vector<Row> m_rows;
    std::vector<ListColumn> m_columns;
    ObserverList<ListCtrlObserver> m_observers;
    int m_selectedCount = 0;
    int m_focusedRow = -1;
    int m_updateDepth = 0;
};

} // namespace kx
