#include "views/fmeditview.h"

#include "model/channelrec.h"
#include "platform/strings.h"

namespace kx {

CFMEditView::CFMEditView(CKanalyxDoc& doc, const CodecSettings& codec)
    : CKanalyxView(doc, ListKind::Radio, Columns(), codec)
{
    OnInitialUpdate();
}

const std::vector<ListColumn>& CFMEditView::Columns()
{
    static const std::vector<ListColumn> columns = {
        {ids::kColumnNumber, 40, ColumnAlign::Left},
        {ids::kColumnName, 200, ColumnAlign::Left},
        {ids::kColumnCharacter, 70, ColumnAlign::Left},
        {ids::kColumnFrequency, 65, ColumnAlign::Left},
        {ids::kColumnSymbolRate, 65, ColumnAlign::Left},
        {ids::kColumnModulation, 70, ColumnAlign::Left},
    };
    return columns;
}

std::vector<ListColumn> CFMEditView::ColumnsFor(bool flags) const
{
    return flags ? ServiceColumns() : Columns();
}

void CFMEditView::FillRow(int row, const CChannelRec& rec)
{
    fillCommonCells(row, rec);
    if (ShowsFlags()) {
        fillServiceCells(row, rec);
    } else {
        fillDigitalCells(row, rec);
    }
    fillCheckBox(row, rec);
}

void CFMEditView::UpdateCountPane()
{
    notifyCountPane(2, CountPaneText());
}

std::string CFMEditView::CountPaneText() const
{
    return "FM-" + std::to_string(GetListCtrl().itemCount());
}

} // namespace kx
