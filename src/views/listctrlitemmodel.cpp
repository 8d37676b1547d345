#include "views/listctrlitemmodel.h"

#include <QMimeData>

#include <algorithm>

#include <QBrush>
#include <QColor>

#include "gui/coretext.h"
#include "platform/strings.h"
#include "views/modulationtext.h"

namespace kx {

namespace {

constexpr unsigned kSelectionBits = lvis::kSelectedFocused;

Qt::Alignment alignmentOf(ColumnAlign align)
{
    switch (align) {
    case ColumnAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnAlign::Center:
        return Qt::AlignCenter;
    case ColumnAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

const char* const ListCtrlItemModel::kRowsMimeType = "application/x-kanalyx-rows";

ListCtrlItemModel::ListCtrlItemModel(ListCtrl& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list)
{
    m_list.addObserver(this);
}

ListCtrlItemModel::~ListCtrlItemModel()
{
    m_list.removeObserver(this);
}

int ListCtrlItemModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_list.itemCount();
}

int ListCtrlItemModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_list.columnCount();
}

QVariant ListCtrlItemModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole: {
        const std::string& text = m_list.itemText(row, index.column());
        if (m_list.column(index.column()).headerId == ids::kColumnModulation) {
            const std::string_view shown = ModulationOnScreen(text);
            return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
        }
        if (m_list.column(index.column()).headerId == ids::kColumnCharacter) {
            return translatedCoreText(text); // the name of a character table
        }
        return QString::fromStdString(text);
    }
    case Qt::ToolTipRole:
        // A name cut short by a narrow column shows whole under the pointer.
        if (m_list.column(index.column()).headerId == ids::kColumnName) {
            return QString::fromStdString(m_list.itemText(row, index.column()));
        }
        return {};
    case Qt::CheckStateRole:
        if (index.column() == 0) {
            const unsigned image = m_list.itemState(row, lvis::kStateImageMask);
            if (image == lvis::kImageTicked) {
                return Qt::Checked;
            }
            if (image == lvis::kImageUnticked) {
                return Qt::Unchecked;
            }
        }
        return {};
    case Qt::ForegroundRole:
        return QBrush(isBlue(row) ? QColor(0, 0, 255) : QColor(0, 0, 0));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(m_list.column(index.column()).align));
    default:
        return {};
    }
}

bool ListCtrlItemModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != 0 ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return false;
    }
    const bool ticked = value.value<Qt::CheckState>() == Qt::Checked;
    if (m_onCheck) {
        m_onCheck(index.row(), ticked);
    } else {
        m_list.setItemState(index.row(), ticked ? lvis::kImageTicked : lvis::kImageUnticked,
                            lvis::kStateImageMask);
    }
    return true;
}

Qt::ItemFlags ListCtrlItemModel::flags(const QModelIndex& index) const
{
    // Rows go between rows, never onto one: only the list as a whole takes drops.
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled;
    }
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (index.column() == 0) {
        result |= Qt::ItemIsUserCheckable;
    }
    return result;
}

QStringList ListCtrlItemModel::mimeTypes() const
{
    return {QLatin1String(kRowsMimeType)};
}

QMimeData* ListCtrlItemModel::mimeData(const QModelIndexList& /*indexes*/) const
{
    // What moves is the list's selection; the data only says from which list.
    auto* data = new QMimeData;
    data->setData(QLatin1String(kRowsMimeType), dragIdentity());
    return data;
}

QByteArray ListCtrlItemModel::dragIdentity() const
{
    return QByteArray::number(reinterpret_cast<quintptr>(&m_list));
}

QVariant ListCtrlItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_list.columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const ListColumn& column = m_list.column(section);
    if (role == Qt::DisplayRole) {
        return coreText(column.headerId);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(alignmentOf(column.align));
    }
    return {};
}

bool ListCtrlItemModel::isBlue(int row) const
{
    if (m_isBlue) {
        return m_isBlue(row);
    }
    return m_list.itemState(row, lvis::kStateImageMask) == lvis::kImageUnticked;
}

void ListCtrlItemModel::rowsAboutToBeInserted(int first, int last)
{
    flushChanges();
    m_structuralChange = true;
    beginInsertRows({}, first, last);
}

void ListCtrlItemModel::rowsInserted(int /*first*/, int /*last*/)
{
    endInsertRows();
    m_structuralChange = false;
    m_selectionChanged = true;
    if (m_updateDepth == 0) {
        flushChanges();
    }
}

void ListCtrlItemModel::rowsAboutToBeRemoved(int first, int last)
{
    flushChanges();
    m_structuralChange = true;
    beginRemoveRows({}, first, last);
}

void ListCtrlItemModel::rowsRemoved(int /*first*/, int /*last*/)
{
    endRemoveRows();
    m_structuralChange = false;
    m_selectionChanged = true;
    if (m_updateDepth == 0) {
        flushChanges();
    }
}

void ListCtrlItemModel::listAboutToBeReset()
{
    // Rows noted as changed lose their meaning with the reset.
    m_changedFirst = m_changedLast = -1;
    m_structuralChange = true;
    beginResetModel();
}

void ListCtrlItemModel::listReset()
{
    endResetModel();
    m_structuralChange = false;
    m_selectionChanged = true;
    if (m_updateDepth == 0) {
        flushChanges();
    }
}

void ListCtrlItemModel::rowsChanged(int first, int last)
{
    noteChanged(first, last);
}

void ListCtrlItemModel::itemStateChanged(int row, unsigned oldState, unsigned newState)
{
    if (((oldState ^ newState) & lvis::kStateImageMask) != 0) {
        noteChanged(row, row);
    }
    if (((oldState ^ newState) & kSelectionBits) != 0 && !m_selectionFromWidget) {
        m_selectionChanged = true;
        if (m_updateDepth == 0) {
            flushChanges();
        }
    }
}

void ListCtrlItemModel::visibleRequested(int row)
{
    // Moving thousands of rows asks for each of them to be shown; scrolling for every one would
    // cost far more than the move.
    if (m_updateDepth > 0) {
        m_visibleRequest = row;
    } else {
        emit rowVisibilityRequested(row);
    }
}

void ListCtrlItemModel::updateBegun()
{
    ++m_updateDepth;
}

void ListCtrlItemModel::updateEnded()
{
    m_updateDepth = std::max(0, m_updateDepth - 1);
    if (m_updateDepth == 0) {
        flushChanges();
    }
}

void ListCtrlItemModel::noteChanged(int first, int last)
{
    if (m_changedFirst < 0) {
        m_changedFirst = first;
        m_changedLast = last;
    } else {
        m_changedFirst = std::min(m_changedFirst, first);
        m_changedLast = std::max(m_changedLast, last);
    }
    if (m_updateDepth == 0 && !m_flushQueued) {
        m_flushQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_flushQueued = false;
                flushChanges();
            },
            Qt::QueuedConnection);
    }
}

void ListCtrlItemModel::flushChanges()
{
    if (m_changedFirst >= 0) {
        const int first = m_changedFirst;
        const int last = std::min(m_changedLast, m_list.itemCount() - 1);
        m_changedFirst = m_changedLast = -1;
        if (first <= last && m_list.columnCount() > 0) {
            emit dataChanged(index(first, 0), index(last, m_list.columnCount() - 1));
        }
    }
    if (m_selectionChanged && m_updateDepth == 0) {
        m_selectionChanged = false;
        emit listSelectionChanged();
    }
    if (m_visibleRequest >= 0 && m_updateDepth == 0) {
        const int row = std::min(m_visibleRequest, m_list.itemCount() - 1);
        m_visibleRequest = -1;
        if (row >= 0) {
            emit rowVisibilityRequested(row);
        }
    }
}

} // namespace kx
