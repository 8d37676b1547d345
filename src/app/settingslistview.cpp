#include "app/settingslistview.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace kx {

SettingsListView::SettingsListView(QWidget* parent) : CellEditorTable(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Rows as tall as a drop-down list, so the editor fits over a cell.
    QStyleOptionComboBox comboOption;
    comboOption.initFrom(this);
    const int comboHeight = style()
                                ->sizeFromContents(QStyle::CT_ComboBox, &comboOption,
                                                   QSize(0, fontMetrics().height()), this)
                                .height();
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 4, comboHeight));
}

bool SettingsListView::placeEditor(QWidget* editor, int row, int column)
{
    const QModelIndex index = model() != nullptr ? model()->index(row, column) : QModelIndex();
    if (!index.isValid() || columnWidth(column) < kNarrowestEditableColumn) {
        delete editor;
        return false;
    }
    endCellEdit();
    scrollTo(index, QAbstractItemView::EnsureVisible);
    showCellEditor(editor, index);
    return true;
}

void SettingsListView::mousePressEvent(QMouseEvent* event)
{
    m_pressedRow = indexAt(event->position().toPoint()).row();
    m_focusedBeforePress = currentIndex().row();
    QTableView::mousePressEvent(event);
}

void SettingsListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    // A double-click whose first click hit this row asks whether the row had the focus before
    // that click; otherwise the double-click is the first press on the row.
    const int focusedBefore =
        index.row() == m_pressedRow ? m_focusedBeforePress : currentIndex().row();
    QTableView::mouseDoubleClickEvent(event);
    if (index.isValid() && event->button() == Qt::LeftButton) {
        emit cellDoubleClicked(index.row(), index.column(), focusedBefore == index.row());
    }
}

void SettingsListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier &&
        currentIndex().isValid()) {
        emit editRequested(currentIndex().row());
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace kx
