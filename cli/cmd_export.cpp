#include "commands.h"
#include "document/kanalyxdoc.h"

namespace kx::cli {

namespace {

int run(const Args& args)
{
    args.expectPositionals({"FILE", "OUT"});
    CKanalyxDoc doc;
    openDocument(doc, args.positionals()[0]);
    refuseGlobalClone(doc, args.positionals()[0],
                      "the channels of a GlobalClone file are XML elements, not records of bytes; "
                      "there is nothing to export as bytes");
    doc.WriteExport(args.positionals()[1]);
    return 0;
}

} // namespace

const Command kExportCommand{
    "export", "write every record as a line of tab-separated hex bytes",
    "Usage: kanalyx-cli export FILE OUT\n"
    "Writes the analog, then the radio, then the digital TV records of FILE to OUT (the name as\n"
    "given), one line per record: each byte as two hex digits and a tab, then CR LF.\n",
    &noOptions, &run};

} // namespace kx::cli
