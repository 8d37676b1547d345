#include "app/settingslistview.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "views/cellcombo.h"
#include "views/celledit.h"

namespace kx {

namespace {

// Columns narrower than this get no editor.
constexpr int kNarrowestEditableColumn = 5;

} // namespace

SettingsListView::SettingsListView(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows as tall as a drop-down list, so the editor fits over a cell.
    QStyleOptionComboBox comboOption;
    comboOption.initFrom(this);
    const int comboHeight = style()
                                ->sizeFromContents(QStyle::CT_ComboBox, &comboOption,
                                                   QSize(0, fontMetrics().height()), this)
                                .height();
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 4, comboHeight));
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(verticalScrollBar(), &QScrollBar::sliderPressed, this,
            &SettingsListView::takeFocusBeforeScrolling);
    connect(horizontalScrollBar(), &QScrollBar::sliderPressed, this,
            &SettingsListView::takeFocusBeforeScrolling);
}

SettingsListView::~SettingsListView()
{
    if (m_editor != nullptr) {
        // Nobody is left to take the report.
        m_editor->disconnect();
    }
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
    return true;
}

void SettingsListView::endCellEdit(bool cancel)
{
    if (auto* edit = qobject_cast<CCellEdit*>(m_editor)) {
        edit->finish(cancel);
    } else if (auto* combo = qobject_cast<CCellCombo*>(m_editor)) {
        combo->finish(cancel);
    }
    m_editor = nullptr;
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

void SettingsListView::wheelEvent(QWheelEvent* event)
{
    takeFocusBeforeScrolling();
    QTableView::wheelEvent(event);
}

void SettingsListView::scrollContentsBy(int dx, int dy)
{
    // Rows never move under an open editor: it commits first.
    takeFocusBeforeScrolling();
    QTableView::scrollContentsBy(dx, dy);
}

void SettingsListView::takeFocusBeforeScrolling()
{
    if (m_editor != nullptr) {
        setFocus(Qt::OtherFocusReason);
        endCellEdit();
    }
}

} // namespace kx
