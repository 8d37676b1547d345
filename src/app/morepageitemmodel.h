#pragma once

#include <cstddef>
#include <string>

#include <QAbstractTableModel>

#include "document/descriptionline.h"

namespace kx {

class MorePageModel;

// Shows the rows of a MorePageModel to a table view: the columns Name, Address and Data. Texts
// that come from the description file (names, addresses, labels of named values) are bytes of
// the system code page; the names of countries, languages and menu items are the program's own
// texts.
class MorePageItemModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        NameColumn,
        AddressColumn,
        DataColumn,
        ColumnCount,
    };

    // Named values are text of systemCodePage (1250 to 1257).
    explicit MorePageItemModel(int systemCodePage, QObject* parent = nullptr);

    // Shows the rows of page (not owned; null shows none) from now on.
    void setPageModel(const MorePageModel* page);
    // The rows' texts changed: all of them, or one row's Data cell.
    void refreshAll();
    void refreshRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The display form of a Data text or a drop-down choice of a row of kind.
    QString valueText(SettingKind kind, const std::string& value) const;

private:
    const MorePageModel* m_page = nullptr;
    int m_systemCodePage;
};

} // namespace kx
