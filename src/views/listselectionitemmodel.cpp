#include "views/listselectionitemmodel.h"

#include "views/listctrl.h"
#include "views/listctrlitemmodel.h"

namespace kx {

ListSelectionItemModel::ListSelectionItemModel(ListCtrlItemModel& model, QObject* parent)
    : QItemSelectionModel(&model, parent), m_model(model), m_list(model.list())
{}

bool ListSelectionItemModel::isRowSelectedInList(int row) const
{
    return row >= 0 && row < m_list.itemCount() &&
           m_list.itemState(row, lvis::kSelected) == lvis::kSelected;
}

void ListSelectionItemModel::setRow(int row, bool selected)
{
    m_list.setItemState(row, selected ? lvis::kSelected : 0u, lvis::kSelected);
}

void ListSelectionItemModel::select(const QItemSelection& selection, SelectionFlags command)
{
    if (command == NoUpdate) {
        return;
    }
    const int rows = m_list.itemCount();
    // The bits come from the table, which need not be told about them again.
    m_model.setSelectionFromWidget(true);
    ListCtrl::UpdateGuard update(m_list);
    if (command.testFlag(Clear)) {
        m_list.setAllItemStates(0, lvis::kSelected);
        m_current.clear();
    } else if (command.testFlag(Current)) {
        // The selection being extended replaces its previous extent.
        for (auto it = m_current.rbegin(); it != m_current.rend(); ++it) {
            if (it->first < rows) {
                setRow(it->first, it->second);
            }
        }
        m_current.clear();
    } else {
        m_current.clear();
    }
    if ((command & (Select | Deselect | Toggle)) != 0) {
        for (const QItemSelectionRange& range : selection) {
            if (!range.isValid()) {
                continue;
            }
            for (int row = std::max(range.top(), 0); row <= range.bottom() && row < rows; ++row) {
                const bool before = isRowSelectedInList(row);
                bool after = before;
                if (command.testFlag(Toggle)) {
                    after = !before;
                } else if (command.testFlag(Deselect)) {
                    after = false;
                } else if (command.testFlag(Select)) {
                    after = true;
                }
                m_current.emplace_back(row, before);
                if (after != before) {
                    setRow(row, after);
                }
            }
        }
    }
    m_model.setSelectionFromWidget(false);
    emit rowsSelectionChanged();
}

} // namespace kx
