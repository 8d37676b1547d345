#include "views/dtveditview.h"

#include "model/channelrec.h"
#include "views/fmeditview.h"

namespace kx {

CDTVEditView::CDTVEditView(CKanalyxDoc& doc, const CodecSettings& codec)
    : CKanalyxView(doc, ListKind::DigitalTV, Columns(), codec)
{
    OnInitialUpdate();
}

const std::vector<ListColumn>& CDTVEditView::Columns()
{
    // The digital TV list shows what the radio list shows.
    return CFMEditView::Columns();
}

std::vector<ListColumn> CDTVEditView::ColumnsFor(bool flags) const
{
    return flags ? ServiceColumns() : Columns();
}

void CDTVEditView::FillRow(int row, const CChannelRec& rec)
{
    fillCommonCells(row, rec);
    if (ShowsFlags()) {
        fillServiceCells(row, rec);
    } else {
        fillDigitalCells(row, rec);
    }
    fillCheckBox(row, rec);
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
