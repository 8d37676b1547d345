#include "app/morepageitemmodel.h"

#include "dialogs/morepagemodel.h"
#include "dialogs/systemtext.h"
#include "gui/coretext.h"

namespace kx {

MorePageItemModel::MorePageItemModel(int systemCodePage, QObject* parent)
    : QAbstractTableModel(parent), m_systemCodePage(systemCodePage)
{}

void MorePageItemModel::setPageModel(const MorePageModel* page)
{
    beginResetModel();
    m_page = page;
    endResetModel();
}

void MorePageItemModel::refreshAll()
{
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
}

void MorePageItemModel::refreshRow(int row)
{
    if (row >= 0 && row < rowCount()) {
        emit dataChanged(index(row, DataColumn), index(row, DataColumn));
    }
}

int MorePageItemModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_page == nullptr ? 0 : static_cast<int>(m_page->rows().size());
}

int MorePageItemModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString MorePageItemModel::valueText(SettingKind kind, const std::string& value) const
{
    // Named values are the description file's own bytes; the other values are the core's texts
    // (countries, languages), shown in the language of the interface.
    return kind == SettingKind::NamedValues
               ? QString::fromStdString(systemBytesToText(value, m_systemCodePage))
               : translatedCoreText(value);
}

QVariant MorePageItemModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || m_page == nullptr) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const MorePageModel::Row& shown = m_page->rows().at(row);
    switch (index.column()) {
    case NameColumn:
        return QString::fromStdString(systemBytesToText(shown.name, m_systemCodePage));
    case AddressColumn:
        return QString::fromStdString(systemBytesToText(shown.address, m_systemCodePage));
    default:
        return valueText(m_page->kind(row), shown.data);
    }
}

QVariant MorePageItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case NameColumn:
        return tr("Name");
    case AddressColumn:
        return tr("Address");
    default:
        return tr("Data");
    }
}

} // namespace kx
