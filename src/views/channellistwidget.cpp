#include "views/channellistwidget.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QValidator>

#include "gui/coretext.h"
#include "gui/icons.h"
#include "model/charactertable.h"
#include "platform/strings.h"
#include "views/celledit.h"
#include "views/listctrlitemmodel.h"
#include "views/listselectionitemmodel.h"

namespace kx {

namespace {

// Takes no text that the edited field cannot hold.
class FieldValidator : public QValidator
{
public:
    FieldValidator(std::function<bool(const QString&)> fits, QObject* parent)
        : QValidator(parent), m_fits(std::move(fits))
    {}

    State validate(QString& input, int& /*pos*/) const override
    {
        return m_fits(input) ? Acceptable : Invalid;
    }

private:
    std::function<bool(const QString&)> m_fits;
};

} // namespace

namespace {

// The check box's picture and the gaps beside it, in pixels.
constexpr int kCheckBoxRoom = 20;
// The column of the channel names.
constexpr int kNameColumn = 1;
// The width of the frame that marks the active list, in pixels.
constexpr int kMarkWidth = 2;
// Pixels a column keeps free beside its widest text.
constexpr int kCellTextSpare = 2;

// The widest texts a column's cells hold, for its first width; none for the names, which keep the
// width the list gives them.
QStringList cellSamples(int headerId)
{
    switch (headerId) {
    case ids::kColumnNumber:
        return {QStringLiteral("16383")};
    case ids::kColumnCharacter: {
        QStringList names;
        for (int row = 0; row < kCharacterTableCount; ++row) {
            names << translatedCoreText(CharacterTableText(row));
        }
        // A prefix byte that names no table shows with its number.
        names << translatedCoreText("31 - " + CharacterTableText(kTableNone));
        return names;
    }
    case ids::kColumnSystem:
        return {QStringLiteral("BG"), QStringLiteral("DK")};
    case ids::kColumnBand:
        return {QStringLiteral("V/UHF"), QStringLiteral("Cable")};
    case ids::kColumnChannel:
        return {QStringLiteral("000")};
    case ids::kColumnFrequency:
        return {QStringLiteral("0000000")};
    case ids::kColumnSymbolRate:
        return {QStringLiteral("00000")};
    case ids::kColumnModulation:
        return {QStringLiteral("QAM256")};
    default:
        return {};
    }
}

// Draws the check boxes of the rows with the program's own pictures.
class CheckBoxStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_IndicatorItemViewItemCheck) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QPixmap& picture = checkBoxPixmap(option->state.testFlag(State_On));
        const QRect target =
            QStyle::alignedRect(option->direction, Qt::AlignCenter, picture.size(), option->rect);
        painter->drawPixmap(target, picture);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) {
            return 16;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Draws a row as selected when the list's selected bit of the row is set.
class RowDelegate : public QStyledItemDelegate
{
public:
    RowDelegate(const ListSelectionItemModel& selection, QObject* parent)
        : QStyledItemDelegate(parent), m_selection(selection)
    {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem rowOption(option);
        rowOption.state.setFlag(QStyle::State_Selected,
                                m_selection.isRowSelectedInList(index.row()));
        QStyledItemDelegate::paint(painter, rowOption, index);
    }

private:
    const ListSelectionItemModel& m_selection;
};

} // namespace

ChannelListWidget::ChannelListWidget(ListCtrl& list, QWidget* parent)
    : CellEditorTable(parent), m_model(new ListCtrlItemModel(list, this)),
      m_selection(new ListSelectionItemModel(*m_model, this))
{
    auto* style = new CheckBoxStyle;
    style->setParent(this);
    setStyle(style);

    setModel(m_model);
    QItemSelectionModel* qtSelection = selectionModel();
    setSelectionModel(m_selection);
    delete qtSelection;
    setItemDelegate(new RowDelegate(*m_selection, this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Selected rows can be dragged to another place in the list; a line shows where they go.
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 4, 18));
    applyColumnWidths();
    setMarkedActive(false);

    connect(m_selection, &ListSelectionItemModel::rowsSelectionChanged, this, [this] {
        viewport()->update();
        emit selectedRowsChanged();
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { writeFocusToList(current); });
    connect(m_model, &ListCtrlItemModel::listSelectionChanged, this,
            &ChannelListWidget::showListSelection);
    connect(m_model, &ListCtrlItemModel::rowVisibilityRequested, this, [this](int row) {
        if (row >= 0 && row < m_model->rowCount()) {
            scrollTo(m_model->index(row, 0), QAbstractItemView::EnsureVisible);
        }
    });
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { endCellEdit(); });
    // A list shows other columns for the files of other receivers.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        if (this->list().columns() != m_shownColumns) {
            applyColumnWidths();
        }
    });
}

ListCtrl& ChannelListWidget::list() const
{
    return m_model->list();
}

void ChannelListWidget::applyColumnWidths()
{
    const ListCtrl& listCtrl = list();
    // The room a cell leaves beside its text.
    const int margins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) +
        kCellTextSpare;
    for (int column = 0; column < listCtrl.columnCount(); ++column) {
        int width = listCtrl.column(column).width;
        for (const QString& sample : cellSamples(listCtrl.column(column).headerId)) {
            width = std::max(width, fontMetrics().horizontalAdvance(sample) + margins);
        }
        if (column == 0) {
            // The check box shares the first column with the number; it gets room of its own
            // so that the number keeps the width the column was given.
            width += kCheckBoxRoom;
        }
        // A header wider than the cells (as in Russian) widens its column.
        width = std::max(width, horizontalHeader()->sectionSizeHint(column));
        horizontalHeader()->resizeSection(column, width);
    }
    m_shownColumns = listCtrl.columns();
}

void ChannelListWidget::resizeNameColumns(int pixels)
{
    QHeaderView* header = horizontalHeader();
    if (header->count() <= kNameColumn) {
        return;
    }
    // Each column changes by what its limits allow and leaves the rest to the next.
    const auto change = [&](int column, int narrowest, int widest) {
        const int width = header->sectionSize(column);
        const int changed =
            std::clamp(width + pixels, std::min(width, narrowest), std::max(width, widest));
        header->resizeSection(column, changed);
        pixels -= changed - width;
    };
    change(kNameColumn, kNarrowestNameColumn, kWidestNameColumn);
    for (int column = 0; column < header->count() && pixels > 0; ++column) {
        if (list().column(column).headerId == ids::kColumnShortName) {
            change(column, 0, kWidestShortNameColumn);
        }
    }
}

void ChannelListWidget::setMarkedActive(bool active)
{
    m_markedActive = active;
    // A plain frame is drawn in the text colour of the window; both marks keep the same width,
    // so the lists never move.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kMarkWidth);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText,
                     active ? colours.color(QPalette::Active, QPalette::Highlight)
                            : colours.color(QPalette::Active, QPalette::Mid));
    setPalette(colours);
}

CCellEdit* ChannelListWidget::BeginCellEdit(int row, int column)
{
    if (row < 0 || row >= m_model->rowCount() || column < 0 || column >= m_model->columnCount() ||
        columnWidth(column) < kNarrowestEditableColumn) {
        return nullptr;
    }
    endCellEdit();
    const QModelIndex index = m_model->index(row, column);
    m_scrollSideways = true;
    scrollTo(index, QAbstractItemView::EnsureVisible);
    m_scrollSideways = false;
    auto* editor = new CCellEdit(row, column, m_model->data(index, Qt::DisplayRole).toString(),
                                 viewport(), this, viewport()->width());
    editor->setFont(font());
    editor->setAlignment(m_model->data(index, Qt::TextAlignmentRole).value<Qt::Alignment>());
    if (m_fits) {
        editor->setValidator(new FieldValidator(m_fits, editor));
    }
    showCellEditor(editor, index);
    // After the table's own connection, so the editor is no longer the open one when the report
    // goes on.
    connect(editor, &CCellEdit::editEnded, this, &ChannelListWidget::cellEditEnded);
    return editor;
}

CCellEdit* ChannelListWidget::cellEdit() const
{
    return qobject_cast<CCellEdit*>(cellEditor());
}

void ChannelListWidget::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    const int sideways = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (!m_scrollSideways) {
        horizontalScrollBar()->setValue(sideways);
    }
}

void ChannelListWidget::showListSelection()
{
    m_selection->forgetCurrentSelection();
    const int focused = list().focusedItem();
    const int lastColumn = m_model->columnCount() - 1;
    const int column = std::clamp(currentIndex().column(), 0, std::max(lastColumn, 0));
    m_showingListSelection = true;
    selectionModel()->setCurrentIndex(
        focused >= 0 && lastColumn >= 0 ? m_model->index(focused, column) : QModelIndex(),
        QItemSelectionModel::NoUpdate);
    m_showingListSelection = false;
    viewport()->update();
    emit selectedRowsChanged();
}

QItemSelectionModel::SelectionFlags ChannelListWidget::selectionCommand(const QModelIndex& index,
                                                                        const QEvent* event) const
{
    QItemSelectionModel::SelectionFlags command = QTableView::selectionCommand(index, event);
    // Qt decides what Ctrl+click does from its own ranges, which stay empty here: decide it
    // from the list's bit instead.
    if (command.testFlag(QItemSelectionModel::Toggle) && index.isValid()) {
        command &= ~QItemSelectionModel::SelectionFlags(QItemSelectionModel::Toggle);
        command |= m_selection->isRowSelectedInList(index.row()) ? QItemSelectionModel::Deselect
                                                                 : QItemSelectionModel::Select;
    }
    return command;
}

void ChannelListWidget::writeFocusToList(const QModelIndex& current)
{
    if (m_showingListSelection || m_model->listIsChanging()) {
        return;
    }
    ListCtrl& listCtrl = list();
    m_model->setSelectionFromWidget(true);
    if (current.isValid()) {
        listCtrl.setItemState(current.row(), lvis::kFocused, lvis::kFocused);
    } else if (listCtrl.focusedItem() >= 0) {
        listCtrl.setItemState(listCtrl.focusedItem(), 0, lvis::kFocused);
    }
    m_model->setSelectionFromWidget(false);
}

void ChannelListWidget::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    emit focusEntered(this);
}

void ChannelListWidget::mousePressEvent(QMouseEvent* event)
{
    // A plain click below the last row or beside the columns selects nothing, as in a list.
    if (!indexAt(event->position().toPoint()).isValid() && event->modifiers() == Qt::NoModifier) {
        selectionModel()->select(QItemSelection(), QItemSelectionModel::Clear);
    }
    QTableView::mousePressEvent(event);
}

void ChannelListWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        emit cellDoubleClicked(index.row(), index.column(), event->button());
    }
}

void ChannelListWidget::keyPressEvent(QKeyEvent* event)
{
    // F2 renames the focused channel, as the double-click on its name does; Space ticks or
    // unticks it, as a click on its check box does.
    if (event->modifiers() == Qt::NoModifier && currentIndex().isValid()) {
        const int row = currentIndex().row();
        if (event->key() == Qt::Key_F2) {
            BeginCellEdit(row, 1);
            return;
        }
        if (event->key() == Qt::Key_Space) {
            emit tickRequested();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void ChannelListWidget::contextMenuEvent(QContextMenuEvent* event)
{
    emit contextMenuRequested(event->globalPos());
}

int ChannelListWidget::dropGapAt(const QPoint& position) const
{
    const QModelIndex index = indexAt(position);
    if (!index.isValid()) {
        return position.y() < 0 ? 0 : m_model->rowCount();
    }
    const QRect rect = visualRect(index);
    return position.y() < rect.center().y() ? index.row() : index.row() + 1;
}

bool ChannelListWidget::isOwnDrag(const QDropEvent* event) const
{
    return event->mimeData()->data(QLatin1String(ListCtrlItemModel::kRowsMimeType)) ==
           m_model->dragIdentity();
}

void ChannelListWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (isOwnDrag(event)) {
        CellEditorTable::dragEnterEvent(event);
    } else {
        event->ignore();
    }
}

void ChannelListWidget::dragMoveEvent(QDragMoveEvent* event)
{
    if (isOwnDrag(event)) {
        CellEditorTable::dragMoveEvent(event);
    } else {
        event->ignore();
    }
}

void ChannelListWidget::dropEvent(QDropEvent* event)
{
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (!isOwnDrag(event)) {
        event->ignore();
        return;
    }
    // The view logic moves the rows; nothing is left for the drag to remove afterwards.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    emit rowsDropped(dropGapAt(event->position().toPoint()));
}

void ChannelListWidget::showOnlyRows(const std::vector<char>& shown)
{
    ListCtrl& listCtrl = list();
    ListCtrl::UpdateGuard update(listCtrl);
    // A header that draws itself works out where every row lies for each row hidden; hiding
    // thousands of rows that way takes seconds.
    QHeaderView* rows = verticalHeader();
    rows->setUpdatesEnabled(false);
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const bool hidden = !shown.empty() && shown[static_cast<std::size_t>(row)] == 0;
        if (isRowHidden(row) != hidden) {
            setRowHidden(row, hidden);
        }
        if (hidden && listCtrl.itemState(row, lvis::kSelectedFocused) != 0) {
            listCtrl.setItemState(row, 0, lvis::kSelectedFocused);
        }
    }
    rows->setUpdatesEnabled(true);
    viewport()->update();
}

QModelIndex ChannelListWidget::moveCursor(CursorAction cursorAction,
                                          Qt::KeyboardModifiers modifiers)
{
    // The keys work on rows as in a list: Home and End go to the first and last row, Left and
    // Right scroll the columns.
    switch (cursorAction) {
    case MoveHome:
    case MoveEnd:
        return QTableView::moveCursor(cursorAction, modifiers | Qt::ControlModifier);
    case MoveLeft:
    case MoveRight: {
        QScrollBar* bar = horizontalScrollBar();
        bar->setValue(bar->value() +
                      (cursorAction == MoveLeft ? -bar->singleStep() : bar->singleStep()));
        return currentIndex();
    }
    default:
        return QTableView::moveCursor(cursorAction, modifiers);
    }
}

} // namespace kx
