#include "views/tveditview.h"

#include "model/channelrec.h"
#include "platform/strings.h"

namespace kx {

CTVEditView::CTVEditView(CKanalyxDoc& doc, const CodecSettings& codec)
    : CKanalyxView(doc, ListKind::Analog, Columns(), codec)
{
    OnInitialUpdate();
}

const std::vector<ListColumn>& CTVEditView::Columns()
{
    static const std::vector<ListColumn> columns = {
        {ids::kColumnNumber, 35, ColumnAlign::Left},
        {ids::kColumnName, 200, ColumnAlign::Left},
        {ids::kColumnCharacter, 70, ColumnAlign::Left},
        {ids::kColumnSystem, 55, ColumnAlign::Left},
        {ids::kColumnBand, 65, ColumnAlign::Left},
        {ids::kColumnChannel, 50, ColumnAlign::Left},
    };
    return columns;
}

std::vector<ListColumn> CTVEditView::ColumnsFor(bool flags) const
{
    std::vector<ListColumn> columns = Columns();
    if (flags) {
        columns.push_back(ServiceColumns().back());
    }
    return columns;
}

void CTVEditView::FillRow(int row, const CChannelRec& rec)
{
    fillCommonCells(row, rec);
    ListCtrl& list = GetListCtrl();
    list.setItemText(row, 3, rec.GetSystemText());
    list.setItemText(row, 4, rec.GetBandText());
    list.setItemText(row, 5, rec.GetChannelText());
    if (ShowsFlags()) {
        fillFlagsCell(row, kShortNameColumn + 1, rec);
    }
    fillCheckBox(row, rec);
}

void CTVEditView::UpdateCountPane()
{
    notifyCountPane(1, CountPaneText());
}

std::string CTVEditView::CountPaneText() const
{
    return "TV-" + std::to_string(GetListCtrl().itemCount());
}

} // namespace kx
