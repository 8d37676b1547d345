#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "document/kanalyxdoc.h"
#include "platform/observerlist.h"
#include "views/listctrl.h"
#include "views/listspec.h"

namespace kx {

class CChannelRec;
struct CodecSettings;

// Told when a view's channel count changes; the main window shows the text in its status bar.
class ViewObserver
{
public:
    virtual ~ViewObserver() = default;
    // pane: 1 analog ("TV-12"), 2 radio ("FM-3"), 3 digital TV ("DTV-140"), 4 satellite TV
    // ("S-TV-900"), 5 satellite radio ("S-FM-120").
    virtual void countPaneChanged(int /*pane*/, const std::string& /*text*/) {}
};

// The colour of a row's text.
enum class RowColour
{
    Black,
    Blue, // the row is unticked
};

// An in-place editor the widget should open over a cell, with the cell's text to start from.
struct CellEditRequest
{
    int row = 0;
    int column = 0;
    std::string text;
    ColumnAlign align = ColumnAlign::Left;
};

// What a double-click on a cell led to, so the widget knows what to do next.
enum class DoubleClickResult
{
    Nothing,           // no cell under the pointer, or a column that does nothing
    Selected,          // the row was selected and focused
    OpenNameEditor,    // open an in-place editor as BeginCellEdit(row, 1) describes
    OpenChannelDialog, // open the Channel dialog on the focused row's record
};

// The logic of one channel list: its rows on a headless list control, mirrored from the
// document's list; the selection; the commands on the selected rows (moving, duplicating,
// deleting, renaming, the check box), which the document carries out as steps of its history;
// the row colour and the double-click rules. What the list shows (its columns, cell texts and
// count pane) comes from its row of the list table (views/listspec.h). A view observes the
// document for its lifetime; the widget draws the list and forwards input to these functions.
// Names are shown and stored under the codec settings the view was given, which must outlive it.
class CKanalyxView : public DocumentObserver
{
public:
    // Observes doc's list of kind and fills its rows from what the document holds now.
    CKanalyxView(CKanalyxDoc& doc, ListKind kind, const CodecSettings& codec);
    ~CKanalyxView() override;
    CKanalyxView(const CKanalyxView&) = delete;
    CKanalyxView& operator=(const CKanalyxView&) = delete;

    ListCtrl& GetListCtrl() noexcept { return m_list; }
    const ListCtrl& GetListCtrl() const noexcept { return m_list; }
    ListKind kind() const noexcept { return m_spec.kind; }
    const ListSpec& spec() const noexcept { return m_spec; }
    // What each column of the list shows now, by column.
    const std::vector<ColumnSpec>& columns() const noexcept { return m_columns; }
    // The column that shows id, or -1 when the list does not show it.
    int ColumnOf(ColumnId id) const noexcept;

    // Observers are not owned and must be removed before they die.
    void addObserver(ViewObserver* observer) { m_observers.add(observer); }
    void removeObserver(ViewObserver* observer) { m_observers.remove(observer); }

    // Tells the observers the channel count.
    void UpdateCountPane();
    // The text the view's count pane shows now ("TV-12").
    std::string CountPaneText() const;
    // Writes the cells and the check box of one row from its record.
    void FillRow(int row, const CChannelRec& rec);
    // Fills every row again (after a change of the codec settings).
    void RefillRows();

    // Enabling of Up, Down, Duplicate and Delete: at least one row is selected.
    bool OnUpdateNeedSelection() const noexcept { return m_list.selectedCount() > 0; }
    // Enabling of Duplicate: a row is selected, and the file does not keep its records in their
    // places.
    bool OnUpdateDuplicate() const noexcept
    {
        return OnUpdateNeedSelection() && !m_doc.KeepsPlaces(kind());
    }
    // Whether the list shows favourites and flags that the user can set.
    bool ShowsFlags() const noexcept { return m_showsFlags; }

    // Each selected row moves up (down) one place; a block moves as a whole. Nothing happens
    // when the first (last) row is among the selected.
    void OnMoveUp();
    void OnMoveDown();
    // Puts a copy of every selected row right below it; the rows and the copies end selected.
    void OnDuplicate();
    // Deletes the selected rows; no row is selected afterwards. Returns the row that took the
    // first deleted row's place, for a window that selects it.
    RowSelection OnDeleteRows();
    // The selected rows move as one block so that the first gets number (1 to the count; a
    // number beyond the rows puts the block at the end). They stay selected.
    void OnMoveTo(int number);
    // The selected rows, dragged, are dropped as one block into the gap before row gap (the
    // count for after the last row). They stay selected.
    void OnDropRows(int gap);
    // Orders the list by the texts of a column (numbers by value, other texts without regard to
    // case; equal texts keep their order) and renumbers it. A column the list does not have, or
    // one that cannot be sorted by, throws Error(ErrorCode::Internal).
    void OnSort(int column);
    // Ticks or unticks the check boxes of every selected row, as one step.
    void SetCheckBoxes(bool ticked);
    // Which rows match a filter (one flag per row): those whose name holds the text, without
    // regard to case, or whose number begins with it. An empty filter matches every row.
    std::vector<char> MatchingRows(std::string_view filter) const;

    // End of an in-place edit of (row, column): text is the edited text, or no value when the
    // edit was left with Escape. The name is cut to 37 characters. A name the codec settings
    // cannot store throws Error(ErrorCode::Usage) and changes nothing; a row that does not exist
    // or a column that cannot be edited throws Error(ErrorCode::Internal).
    void OnEndLabelEdit(int row, int column, const std::optional<std::string>& text);
    // The colour of a row's text: blue when its check box shows unticked.
    RowColour OnCustomDraw(int row) const;

    // Ticks or unticks a row's check box, as a click on it does.
    void SetCheckBox(int row, bool ticked);
    // Sets the flags of mask (channelflags bits) of the selected rows to those of flags.
    void OnSetFlags(unsigned flags, unsigned mask);
    // Gives one row exactly these flags.
    void SetRowFlags(int row, unsigned flags);

    // Selects exactly these rows, gives the focus and scrolls the focused (else the first) row
    // into view.
    void SelectRows(const RowSelection& selection);

    // Double-clicks on a cell as the widget found it; row -1 for no row.
    DoubleClickResult OnLButtonDblClk(int row, int column);
    DoubleClickResult OnRButtonDblClk(int row, int column);
    // The editor to open over a cell, or none when the column does not exist, is narrower than
    // 5 pixels, or the row does not exist.
    std::optional<CellEditRequest> BeginCellEdit(int row, int column) const;

    // DocumentObserver: the list follows the document's list of this view's kind.
    void OnInitialUpdate() override;
    void rowsRemoved(ListKind list, std::span<const int> rows) override;
    void rowsInserted(ListKind list, std::span<const int> rows) override;
    void rowsMoved(ListKind list, std::span<const std::pair<int, int>> moves) override;
    void rowsChanged(ListKind list, std::span<const int> rows) override;
    void numbersChanged(ListKind list, std::span<const int> rows) override;

private:
    // The columns of the list for the document as it is now: the spec's columns for records with
    // or without flags, the extra ones only where some channel has data for them.
    std::vector<ColumnSpec> columnsForDocument() const;
    // Gives the list these columns (a change empties every cell).
    void createColumns(std::vector<ColumnSpec> columns);
    void fillRows(std::span<const int> rows);
    void selectAndFocus(int row);

    CKanalyxDoc& m_doc;
    const ListSpec& m_spec;
    const CodecSettings& m_codec;
    ListCtrl m_list;
    std::vector<ColumnSpec> m_columns;
    bool m_showsFlags;
    int m_numberColumn = -1;
    int m_nameColumn = -1;
    ObserverList<ViewObserver> m_observers;
};

} // namespace kx
