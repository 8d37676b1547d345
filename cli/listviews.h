#pragma once

#include "document/kanalyxdoc.h"
#include "model/namecodec.h"
#include "views/dtveditview.h"
#include "views/fmeditview.h"
#include "views/sateditview.h"
#include "views/tveditview.h"

namespace kx::cli {

// A document with its list views, as the editor has them: the views fill every row when a file
// is opened and carry out the list commands.
struct ListViews
{
    explicit ListViews(const CodecSettings& settings) : codec(settings) {}

    CodecSettings codec;
    CKanalyxDoc doc;
    CTVEditView tv{doc, codec};
    CFMEditView fm{doc, codec};
    CDTVEditView dtv{doc, codec};
    CSatEditView satTV{doc, ListKind::SatTV, codec};
    CSatEditView satRadio{doc, ListKind::SatRadio, codec};

    CKanalyxView& view(ListKind kind)
    {
        switch (kind) {
        case ListKind::Radio:
            return fm;
        case ListKind::DigitalTV:
            return dtv;
        case ListKind::SatTV:
            return satTV;
        case ListKind::SatRadio:
            return satRadio;
        case ListKind::Analog:
            break;
        }
        return tv;
    }
};

// The name of a list as the command line names it.
inline const char* listName(ListKind kind)
{
    switch (kind) {
    case ListKind::Radio:
        return "radio";
    case ListKind::DigitalTV:
        return "dtv";
    case ListKind::SatTV:
        return "sat-tv";
    case ListKind::SatRadio:
        return "sat-radio";
    case ListKind::Analog:
        break;
    }
    return "analog";
}

} // namespace kx::cli
