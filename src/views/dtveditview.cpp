#include "views/dtveditview.h"

#include "model/channelrec.h"

namespace kx {

CDTVEditView::CDTVEditView(CKanalyxDoc& doc, const CodecSettings& codec)
    : CKanalyxView(doc, ListKind::DigitalTV, Columns(), codec)
{
    OnInitialUpdate();
}

const std::vector<ListColumn>& CDTVEditView::Columns()
{
    static const std::vector<ListColumn> columns = DigitalColumnsFor(false);
    return columns;
}

std::vector<ListColumn> CDTVEditView::ColumnsFor(bool flags) const
{
    return DigitalColumnsFor(flags);
}

void CDTVEditView::FillRow(int row, const CChannelRec& rec)
{
    fillDigitalRow(row, rec);
}

void CDTVEditView::UpdateCountPane()
{
    notifyCountPane(3, CountPaneText());
}

std::string CDTVEditView::CountPaneText() const
{
    return "DTV-" + std::to_string(GetListCtrl().itemCount());
}

} // namespace kx
