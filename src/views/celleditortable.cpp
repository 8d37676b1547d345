#include "views/celleditortable.h"

#include <QHeaderView>
#include <QScrollBar>

#include "views/cellcombo.h"
#include "views/celledit.h"

namespace kx {

CellEditorTable::CellEditorTable(QWidget* parent) : QTableView(parent)
{
    // Lists of whole rows with plain left-aligned headers; cells change only through the
    // in-place editors.
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    // Rows of one height let the view skip measuring them: thousands of rows stay fast.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(false);
    // Columns may be dragged as narrow as the user likes.
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(verticalScrollBar(), &QScrollBar::sliderPressed, this,
            &CellEditorTable::takeFocusBeforeScrolling);
    connect(horizontalScrollBar(), &QScrollBar::sliderPressed, this,
            &CellEditorTable::takeFocusBeforeScrolling);
}

CellEditorTable::~CellEditorTable()
{
    if (m_editor != nullptr) {
        // Nobody is left to take the report: the editor goes with the table's children.
        m_editor->disconnect();
    }
}

void CellEditorTable::showCellEditor(QWidget* editor, const QModelIndex& index)
{
    const QRect cell = visualRect(index);
    const int right = std::min(cell.right(), viewport()->width() - 1);
    editor->setGeometry(QRect(QPoint(cell.left(), cell.top()), QPoint(right, cell.bottom())));
    m_editor = editor;
    // The editor reports once, then deletes itself a little later; from the report on it is no
    // longer the open one.
    const auto forget = [this, editor] {
        if (m_editor == editor) {
            m_editor = nullptr;
        }
    };
    if (auto* edit = qobject_cast<CCellEdit*>(editor)) {
        connect(edit, &CCellEdit::editEnded, this, forget);
    } else if (auto* combo = qobject_cast<CCellCombo*>(editor)) {
        connect(combo, &CCellCombo::editEnded, this, forget);
    }
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
}

void CellEditorTable::endCellEdit(bool cancel)
{
    if (auto* edit = qobject_cast<CCellEdit*>(m_editor)) {
        edit->finish(cancel);
    } else if (auto* combo = qobject_cast<CCellCombo*>(m_editor)) {
        combo->finish(cancel);
    }
    m_editor = nullptr;
}

void CellEditorTable::wheelEvent(QWheelEvent* event)
{
    takeFocusBeforeScrolling();
    QTableView::wheelEvent(event);
}

void CellEditorTable::scrollContentsBy(int dx, int dy)
{
    takeFocusBeforeScrolling();
    QTableView::scrollContentsBy(dx, dy);
}

void CellEditorTable::takeFocusBeforeScrolling()
{
    if (m_editor != nullptr) {
        setFocus(Qt::OtherFocusReason);
        endCellEdit();
    }
}

} // namespace kx
