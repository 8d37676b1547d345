#include "views/fmeditview.h"

#include "model/channelrec.h"

namespace kx {

CFMEditView::CFMEditView(CKanalyxDoc& doc, const CodecSettings& codec)
    : CKanalyxView(doc, ListKind::Radio, Columns(), codec)
{
    OnInitialUpdate();
}

const std::vector<ListColumn>& CFMEditView::Columns()
{
    static const std::vector<ListColumn> columns = DigitalColumnsFor(false);
    return columns;
}

std::vector<ListColumn> CFMEditView::ColumnsFor(bool flags) const
{
    return DigitalColumnsFor(flags);
}

void CFMEditView::FillRow(int row, const CChannelRec& rec)
{
    fillDigitalRow(row, rec);
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
