#pragma once

#include <string>
#include <vector>

#include "views/kanalyxview.h"

namespace kx {

// The digital TV list: number, name, character table, frequency, symbol rate and modulation of
// every channel (service id, service type and flags in the layouts that show flags), and the
// "DTV-%d" count in pane 3 of the status bar.
class CDTVEditView : public CKanalyxView
{
public:
    CDTVEditView(CKanalyxDoc& doc, const CodecSettings& codec);

    // The columns in their order: header text id, width in pixels, alignment.
    static const std::vector<ListColumn>& Columns();

    void FillRow(int row, const CChannelRec& rec) override;
    void UpdateCountPane() override;
    std::string CountPaneText() const override;

protected:
    std::vector<ListColumn> ColumnsFor(bool flags) const override;
};

} // namespace kx
