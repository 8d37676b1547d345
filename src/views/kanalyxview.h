#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "document/kanalyxdoc.h"
#include "platform/observerlist.h"
#include "views/listctrl.h"

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
// the row colour and the double-click rules. The three views (CTVEditView, CFMEditView,
// CDTVEditView) add the columns, the cell texts and the count pane. A view observes the
// document for its lifetime; the widget draws the list and forwards input to these functions.
// Names are shown and stored under the codec settings the view was given, which must outlive it.
class CKanalyxView : public DocumentObserver
{
public:
    // After the columns of each list comes the short name (the emphasised part of a name); the
    // command-line tool does not print it.
    static constexpr int kShortNameColumn = 6;

    ~CKanalyxView() override;
    CKanalyxView(const CKanalyxView&) = delete;
    CKanalyxView& operator=(const CKanalyxView&) = delete;

    ListCtrl& GetListCtrl() noexcept { return m_list; }
    const ListCtrl& GetListCtrl() const noexcept { return m_list; }
    ListKind kind() const noexcept { return m_kind; }

    // Observers are not owned and must be removed before they die.
    void addObserver(ViewObserver* observer) { m_observers.add(observer); }
    void removeObserver(ViewObserver* observer) { m_observers.remove(observer); }

    // Tells the observers the channel count; the base has no pane.
    virtual void UpdateCountPane();
    // The text the view's count pane shows now ("TV-12"); empty for the base.
    virtual std::string CountPaneText() const;
    // Writes the cells and the check box of one row from its record; the base does nothing.
    virtual void FillRow(int row, const CChannelRec& rec);
    // Fills every row again (after a change of the codec settings).
    void RefillRows();

    // Enabling of Up, Down, Duplicate and Delete: at least one row is selected.
    bool OnUpdateNeedSelection() const noexcept { return m_list.selectedCount() > 0; }
    // Enabling of Duplicate: a row is selected, and the file does not keep its records in their
    // places.
    bool OnUpdateDuplicate() const noexcept
    {
        return OnUpdateNeedSelection() && !m_doc.KeepsPlaces(m_kind);
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
    // case; equal texts keep their order) and renumbers it.
    void OnSort(int column);
    // Ticks or unticks the check boxes of every selected row, as one step.
    void SetCheckBoxes(bool ticked);
    // Which rows match a filter (one flag per row): those whose name holds the text, without
    // regard to case, or whose number begins with it. An empty filter matches every row.
    std::vector<char> MatchingRows(std::string_view filter) const;

    // End of an in-place edit of (row, column): text is the edited text, or no value when the
    // edit was left with Escape. The name is cut to 37 characters. A name the codec settings
    // cannot store throws Error(ErrorCode::Usage) and changes nothing.
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

protected:
    // Observes doc's list of kind and creates the columns.
    CKanalyxView(CKanalyxDoc& doc, ListKind kind, const std::vector<ListColumn>& columns,
                 const CodecSettings& codec);

    // The columns the list shows for records with flags (layouts of the newer receivers, and
    // satellites) or without, before the short name column goes in at kShortNameColumn; the
    // base keeps the columns it was created with.
    virtual std::vector<ListColumn> ColumnsFor(bool flags) const;
    // Number, name, character table, service id, service type and flags.
    static const std::vector<ListColumn>& ServiceColumns();
    const CodecSettings& codec() const noexcept { return m_codec; }
    // Writes the number, name, short name and character cells; the derived views add their three
    // columns.
    void fillCommonCells(int row, const CChannelRec& rec);
    // The columns and the cells of a row of the radio and digital TV lists: frequency, symbol
    // rate and modulation, or the service cells where the layout shows flags.
    static std::vector<ListColumn> DigitalColumnsFor(bool flags);
    void fillDigitalRow(int row, const CChannelRec& rec);
    // Writes the service id, service type and flags cells of ServiceColumns().
    void fillServiceCells(int row, const CChannelRec& rec);
    // Writes the flags text into a cell.
    void fillFlagsCell(int row, int column, const CChannelRec& rec);
    // Shows the row ticked when the record's check bit is clear, else unticked.
    void fillCheckBox(int row, const CChannelRec& rec);
    void notifyCountPane(int pane, const std::string& text);

private:
    // The name and short name as the lists show them (without the names' control codes).
    void fillNumberCell(int row, const CChannelRec& rec);
    void fillNameCells(int row, const CChannelRec& rec);
    void selectAndFocus(int row);
    void fillRows(std::span<const int> rows);

    CKanalyxDoc& m_doc;
    ListKind m_kind;
    const CodecSettings& m_codec;
    ListCtrl m_list;
    std::vector<ListColumn> m_columns; // as created
    bool m_showsFlags;
    ObserverList<ViewObserver> m_observers;
};

} // namespace kx
