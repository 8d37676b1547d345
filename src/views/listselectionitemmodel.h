#pragma once

#include <utility>
#include <vector>

#include <QItemSelectionModel>

namespace kx {

class ListCtrl;
class ListCtrlItemModel;

// The selection of a table whose rows are a ListCtrl, kept in the list's own selected bits
// instead of in Qt's selection ranges. Clicks, Shift and Ctrl clicks, drags and keys reach it
// through select() and set or clear the rows' bits; the table draws a row as selected when its
// bit is set. Qt's own ranges stay empty, so a selection of thousands of scattered rows costs
// nothing to keep, compare or draw. The current index is Qt's, as usual.
class ListSelectionItemModel : public QItemSelectionModel
{
    Q_OBJECT

public:
    ListSelectionItemModel(ListCtrlItemModel& model, QObject* parent = nullptr);

    using QItemSelectionModel::select;
    void select(const QItemSelection& selection, SelectionFlags command) override;

    // Whether a row is selected, from the list's bits.
    bool isRowSelectedInList(int row) const;
    // Forgets the rows of the selection still being extended (Shift, drag): after the list
    // changed its rows, they no longer mean the same rows.
    void forgetCurrentSelection() { m_current.clear(); }

signals:
    // The user changed which rows are selected.
    void rowsSelectionChanged();

private:
    void setRow(int row, bool selected);

    ListCtrlItemModel& m_model;
    ListCtrl& m_list;
    // The rows that the selection being extended has changed, with their bit before, so that
    // the next step of the same extension can undo them first (Qt's "current" selection).
    std::vector<std::pair<int, bool>> m_current;
};

} // namespace kx
