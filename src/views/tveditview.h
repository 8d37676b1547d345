#pragma once

#include <string>
#include <vector>

#include "views/kanalyxview.h"

namespace kx {

// The analog list: number, name, character table, TV system, band and channel of
// every channel (and its flags, in the layouts that show them), and the "TV-%d" count in pane 1
// of the status bar.
class CTVEditView : public CKanalyxView
{
public:
    CTVEditView(CKanalyxDoc& doc, const CodecSettings& codec);

    // The columns in their order: header text id, width in pixels, alignment.
    static const std::vector<ListColumn>& Columns();

    void FillRow(int row, const CChannelRec& rec) override;
    void UpdateCountPane() override;
    std::string CountPaneText() const override;

protected:
    std::vector<ListColumn> ColumnsFor(bool flags) const override;
};

} // namespace kx
