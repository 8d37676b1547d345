#pragma once

#include <string>
#include <vector>

#include "views/kanalyxview.h"

namespace kx {

// The radio list: number, name, character table, frequency, symbol rate and modulation of
// every channel (service id, service type and flags in the layouts that show flags), and the
// "FM-%d" count in pane 2 of the status bar.
class CFMEditView : public CKanalyxView
{
public:
    CFMEditView(CKanalyxDoc& doc, const CodecSettings& codec);

    // The columns in their order: header text id, width in pixels, alignment.
    static const std::vector<ListColumn>& Columns();

    void FillRow(int row, const CChannelRec& rec) override;
    void UpdateCountPane() override;
    std::string CountPaneText() const override;

protected:
    std::vector<ListColumn> ColumnsFor(bool flags) const override;
};

} // namespace kx
