#pragma once

#include <string>
#include <vector>

#include "views/kanalyxview.h"

namespace kx {

// A satellite list (TV or radio): number, name, character table, service id, service type and
// flags of every channel, and the "S-TV-%d" or "S-FM-%d" count in pane 4 or 5 of the status bar.
class CSatEditView : public CKanalyxView
{
public:
    // kind: ListKind::SatTV or ListKind::SatRadio.
    CSatEditView(CKanalyxDoc& doc, ListKind kind, const CodecSettings& codec);

    void FillRow(int row, const CChannelRec& rec) override;
    void UpdateCountPane() override;
    std::string CountPaneText() const override;
};

} // namespace kx
