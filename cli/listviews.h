#pragma once

#include <string>

#include "document/kanalyxdoc.h"
#include "model/namecodec.h"
#include "views/documentviews.h"
#include "views/listspec.h"

namespace kx::cli {

// A document with its list views, as the editor has them: the views fill every row when a file
// is opened and carry out the list commands.
struct ListViews
{
    explicit ListViews(const CodecSettings& settings) : codec(settings) {}

    CodecSettings codec;
    CKanalyxDoc doc;
    DocumentViews views{doc, codec};

    CKanalyxView& view(ListKind kind) { return views.view(kind); }
};

// The name of a list as the command line names it.
inline std::string listName(ListKind kind)
{
    return std::string(ListSpecOf(kind).name);
}

} // namespace kx::cli
