#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/kanalyxdoc.h"
#include "platform/listctrl.h"
#include "platform/observerlist.h"

namespace kx {

class CChannelRec;

// Told when a view's channel count changes; the main window shows the text in its status bar.
class ViewObserver
{
public:
    virtual ~ViewObserver() = default;
    // pane: 1 analog ("TV-12"), 2 radio ("FM-3"), 3 digital TV ("DTV-140").
    virtual void countPaneChanged(int /*pane*/, const std::string& /*text*/) {}
};

// What Undo would revert.
enum class UndoKind
{
    None = 0,   // UNDO_NONE
    Rename = 1, // UNDO_RENAME
    Delete = 2, // UNDO_DELETE
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
    Nothing,          // no cell under the pointer, or a column that does nothing
    Selected,         // the row was selected and focused
    OpenNameEditor,   // open an in-place editor as BeginCellEdit(row, 1) describes
    ChannelConfirmed, // the Channel dialog ended with OK: repaint the row
};

// The logic of one channel list on the headless list control: moving, duplicating, deleting and
// renaming rows, the one-step undo, the check box per row, renumbering, the row colour and the
// double-click rules. The three views (CTVEditView, CFMEditView, CDTVEditView) add the columns,
// the cell texts and the count pane. A view attaches itself to its list and to the document for
// its lifetime; the widget draws the list and forwards input to these functions.
class CKanalyxView : public ListCtrlObserver, public DocumentObserver
{
public:
    // After the columns of each list comes the short name (the emphasised part of a name); the
    // command-line tool does not print it.
    static constexpr int kShortNameColumn = 6;

    ~CKanalyxView() override;
    CKanalyxView(const CKanalyxView&) = delete;
    CKanalyxView& operator=(const CKanalyxView&) = delete;

    CKanalyxDoc& GetDocument() noexcept { return m_doc; }
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
    // Sets every record's number to its row index + 1 and refills the row.
    void RenumberRows();
    // Writes the cells and the check box of one row from its record; the base does nothing.
    virtual void FillRow(int row, CChannelRec* rec);

    // After a load: fill every row, clear the modified flag, empty the undo history.
    void OnInitialUpdate() override;
    // Fill every row (numbers as the records hold them) and the count pane.
    void OnUpdate() override;

    // Enabling of Up, Down, Duplicate and Delete: at least one row is selected.
    bool OnUpdateNeedSelection() const noexcept { return m_list.selectedCount() > 0; }
    // Enabling of Undo.
    bool OnUpdateEditUndo() const noexcept { return m_bCanUndo; }

    // Each selected row moves up (down) one place; a block moves as a whole. Nothing happens
    // when the first (last) row is among the selected.
    void OnMoveUp();
    void OnMoveDown();
    // Puts a copy of every selected row right below it; the rows and the copies end selected.
    void OnDuplicate();
    // Takes the selected rows out and holds their records for Undo.
    void OnDeleteRows();
    // Reverts the last rename, or puts the last deleted rows back at the end of the list.
    void OnEditUndo();

    // End of an in-place edit of (row, column): text is the edited text, or no value when the
    // edit was left with Escape. The name is cut to 37 characters.
    void OnEndLabelEdit(int row, int column, const std::optional<std::string>& text);
    // A row's state changed (from the list).
    void OnItemChanged(int row, unsigned oldState, unsigned newState);
    // A row is about to go (from the list). A rename held for Undo whose record goes is dropped.
    void OnDeleteItem(int row, const CChannelRec* rec);
    // The colour of a row's text: blue when its check box shows unticked.
    RowColour OnCustomDraw(int row) const;

    // Ticks or unticks a row's check box, as a click on it does.
    void SetCheckBox(int row, bool ticked);

    // Double-clicks on a cell as the widget found it; row -1 for no row.
    DoubleClickResult OnLButtonDblClk(int row, int column);
    DoubleClickResult OnRButtonDblClk(int row, int column);
    // The editor to open over a cell, or none when the column does not exist, is narrower than
    // 5 pixels, or the row does not exist.
    std::optional<CellEditRequest> BeginCellEdit(int row, int column) const;

    // The undo history, for tests and the GUI.
    UndoKind undoKind() const noexcept { return m_nUndoKind; }
    int undoCount() const noexcept { return static_cast<int>(m_undoDeleted.size()); }

    // ListCtrlObserver
    void itemStateChanged(int row, unsigned oldState, unsigned newState) override;
    void itemDeleting(int row, const CChannelRec* record) override;

protected:
    // Attaches to doc's list of kind and creates its columns.
    CKanalyxView(CKanalyxDoc& doc, ListKind kind, const std::vector<ListColumn>& columns);

    // Writes the number, name, short name and character cells; the derived views add their three
    // columns.
    void fillCommonCells(int row, const CChannelRec& rec);
    // Writes the frequency, symbol rate and modulation cells of the radio and digital TV lists.
    void fillDigitalCells(int row, const CChannelRec& rec);
    // Shows the row ticked when the record's check bit is clear, else unticked.
    void fillCheckBox(int row, const CChannelRec& rec);
    void notifyCountPane(int pane, const std::string& text);

private:
    // The name and short name as the lists show them (without the names' control codes).
    void fillNameCells(int row, const CChannelRec& rec);
    void dropUndoHistory();
    void selectAndFocus(int row);

    CKanalyxDoc& m_doc;
    ListKind m_kind;
    ListCtrl& m_list;
    ObserverList<ViewObserver> m_observers;

    UndoKind m_nUndoKind = UndoKind::None;
    // UNDO_RENAME: the renamed record (still in the list, not owned) and its name before.
    CChannelRec* m_undoRenamed = nullptr;
    std::string m_strUndoName;
    // UNDO_DELETE: the deleted records, top row first (owned).
    std::vector<std::unique_ptr<CChannelRec>> m_undoDeleted;
    bool m_bCanUndo = false;
};

} // namespace kx
