#pragma once

#include <functional>
#include <vector>

#include "views/celleditortable.h"
#include "views/listctrl.h"

namespace kx {

class CCellEdit;
class ListCtrlItemModel;
class ListSelectionItemModel;

// One channel list on screen: a table over a ListCtrl with the list's columns and pixel widths,
// check boxes drawn with the program's own pictures, and several rows selectable at once. The
// selection lives in the list's selected bits (ListSelectionItemModel) and the focused row follows
// the table's current row, so the view logic and the table never disagree.
// Double-clicks and finished name edits are reported by (row, column) for the view logic to
// decide; the widget itself changes no record.
class ChannelListWidget : public CellEditorTable
{
    Q_OBJECT

public:
    // The list's columns must be in place; the widget observes the list until it is destroyed.
    explicit ChannelListWidget(ListCtrl& list, QWidget* parent = nullptr);

    ListCtrl& list() const;
    ListCtrlItemModel* listModel() const { return m_model; }

    // Opens the in-place editor over a cell with the cell's text. Returns null, and opens
    // nothing, when the row or column does not exist or the column is narrower than 5 pixels.
    CCellEdit* BeginCellEdit(int row, int column);
    // Says whether a text fits the field an editor edits; an editor takes no text that does not.
    void setFieldFits(std::function<bool(const QString& text)> fits) { m_fits = std::move(fits); }
    // The open in-place editor, or null.
    CCellEdit* cellEdit() const;

    // Shows the list's selected and focused bits after the list changed them.
    void showListSelection();
    // Sets each column's width: the list's width for it, widened to its widest expected text
    // (five-digit numbers, character-table names) and to its header text.
    void applyColumnWidths();

    // Gives the name columns pixels more room, or takes it from them for a negative count, so
    // that the columns fill the list's width: the name column takes it first, between
    // kNarrowestNameColumn and kWidestNameColumn; then the short name, up to
    // kWidestShortNameColumn.
    void resizeNameColumns(int pixels);
    static constexpr int kNarrowestNameColumn = 90;
    static constexpr int kWidestNameColumn = 300;
    static constexpr int kWidestShortNameColumn = 150;

    // Marks the list as the one that commands act on: a frame in the highlight colour, where
    // the other lists have a plain one.
    void setMarkedActive(bool active);
    bool isMarkedActive() const { return m_markedActive; }

    // Scrolls a row into view; the list scrolls sideways only to show a cell being edited, so
    // clicking a cell or moving through the rows keeps the columns where they are.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

    // Shows only the rows whose flag is set (all rows for an empty vector); hidden rows leave
    // the selection, so that commands act on visible rows only.
    void showOnlyRows(const std::vector<char>& shown);
    // The gap a drop at a point of the viewport goes into: the row before which the dragged
    // rows land, or the row count for after the last row.
    int dropGapAt(const QPoint& position) const;

signals:
    // The list took the keyboard focus (commands go to the list that had it last).
    void focusEntered(ChannelListWidget* list);
    // The selected rows changed, by the user or by a command.
    void selectedRowsChanged();
    // A double-click on a cell, after the widget's own handling of the click.
    void cellDoubleClicked(int row, int column, Qt::MouseButton button);
    // An in-place edit ended: with the text typed, or cancelled with Escape.
    void cellEditEnded(int row, int column, const QString& text, bool cancelled);
    // The selected rows were dragged and dropped into the gap before row gap.
    void rowsDropped(int gap);
    // The user asked for the row menu (a right click or the menu key), at a point of the screen.
    void contextMenuRequested(const QPoint& globalPosition);
    // Space: tick or untick the selected rows.
    void tickRequested();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void writeFocusToList(const QModelIndex& current);

    ListCtrlItemModel* m_model;
    ListSelectionItemModel* m_selection;
    bool m_showingListSelection = false;
    bool m_scrollSideways = false;
    bool m_markedActive = false;
    std::function<bool(const QString&)> m_fits;
    std::vector<ListColumn> m_shownColumns; // the columns the widths were last applied to

    // Whether dragged data holds rows of this very list.
    bool isOwnDrag(const QDropEvent* event) const;
};

} // namespace kx
