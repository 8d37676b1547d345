#pragma once

#include <functional>

#include <QAbstractTableModel>

#include "views/listctrl.h"

namespace kx {

// Shows a ListCtrl to Qt's item views: one row per list row, the list's columns with their header
// texts, the state image as the check state of column 0, and blue text for unticked rows. A
// click on a check box goes back to the list as a state-image change, where the view logic
// handles it. The list's columns must be in place before the model is made.
//
// Changes of cell texts and check boxes are gathered and announced once: at the end of a ListCtrl
// update (beginUpdate/endUpdate), or when the event loop next runs for changes made outside one,
// so a command over thousands of rows costs one repaint. Rows coming and going, and selection
// changes, are announced at once.
class ListCtrlItemModel : public QAbstractTableModel, private ListCtrlObserver
{
    Q_OBJECT

public:
    explicit ListCtrlItemModel(ListCtrl& list, QObject* parent = nullptr);
    ~ListCtrlItemModel() override;

    // The format of dragged rows.
    static const char* const kRowsMimeType;

    ListCtrl& list() const { return m_list; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Rows are dragged within their list only; the widget carries out the drop.
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    // What the dragged data of this list's rows holds: rows dropped elsewhere are refused.
    QByteArray dragIdentity() const;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Says which rows are drawn in blue; without it, the unticked ones are.
    void setBlueRows(std::function<bool(int row)> isBlue) { m_isBlue = std::move(isBlue); }
    // Where a click on a check box goes (the view's command); without it, straight to the
    // list's state image.
    void setCheckHandler(std::function<void(int row, bool ticked)> onCheck)
    {
        m_onCheck = std::move(onCheck);
    }

    // True between the list's announcement of rows coming, going or being replaced and the end
    // of that change: the list must not be changed meanwhile.
    bool listIsChanging() const { return m_structuralChange; }

    // While set, selection changes of the list are not announced back: the widget is writing
    // the user's selection into the list.
    void setSelectionFromWidget(bool fromWidget) { m_selectionFromWidget = fromWidget; }

signals:
    // The selected or focused bits of rows changed from the list's side (a command moved,
    // added or removed selected rows): the widget shows the list's selection again.
    void listSelectionChanged();
    // The list asked for a row to be scrolled into view. Inside a list update only the last
    // request counts; it is passed on when the update ends.
    void rowVisibilityRequested(int row);

private:
    void rowsAboutToBeInserted(int first, int last) override;
    void rowsInserted(int first, int last) override;
    void rowsAboutToBeRemoved(int first, int last) override;
    void rowsRemoved(int first, int last) override;
    void listAboutToBeReset() override;
    void listReset() override;
    void rowsChanged(int first, int last) override;
    void itemStateChanged(int row, unsigned oldState, unsigned newState) override;
    void visibleRequested(int row) override;
    void updateBegun() override;
    void updateEnded() override;

    // Marks rows first to last as changed; announced at once outside an update.
    void noteChanged(int first, int last);
    void flushChanges();
    bool isBlue(int row) const;

    ListCtrl& m_list;
    int m_updateDepth = 0;
    // Rows changed during the current update, or -1 when none.
    int m_changedFirst = -1;
    int m_changedLast = -1;
    bool m_selectionChanged = false;
    // The row last asked to be scrolled into view during the current update, or -1.
    int m_visibleRequest = -1;
    bool m_selectionFromWidget = false;
    bool m_flushQueued = false;
    bool m_structuralChange = false;
    std::function<bool(int)> m_isBlue;
    std::function<void(int, bool)> m_onCheck;
};

} // namespace kx
