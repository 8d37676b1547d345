#include "views/sateditview.h"

#include "model/channelrec.h"

namespace kx {

CSatEditView::CSatEditView(CKanalyxDoc& doc, ListKind kind, const CodecSettings& codec)
    : CKanalyxView(doc, kind, ServiceColumns(), codec)
{
    OnInitialUpdate();
}

void CSatEditView::FillRow(int row, const CChannelRec& rec)
{
    fillCommonCells(row, rec);
    fillServiceCells(row, rec);
    fillCheckBox(row, rec);
}

void CSatEditView::UpdateCountPane()
{
    notifyCountPane(kind() == ListKind::SatTV ? 4 : 5, CountPaneText());
}

std::string CSatEditView::CountPaneText() const
{
    return (kind() == ListKind::SatTV ? "S-TV-" : "S-FM-") +
           std::to_string(GetListCtrl().itemCount());
}

} // namespace kx
