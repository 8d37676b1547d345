#include "commands.h"
#include "document/kanalyxdoc.h"

namespace kx::cli {

namespace {

std::vector<OptionSpec> options()
{
    return {kBackupSpec};
}

int run(const Args& args)
{
    args.expectPositionals({"FILE", "OUT"});
    CKanalyxDoc doc;
    const FileLock lock = lockOutput(args.positionals()[1]);
    openDocument(doc, args.positionals()[0]);
    saveDocument(doc, args.positionals()[1], args.has("--backup"));
    return 0;
}

} // namespace

const Command kSaveCommand{
    "save", "load a file and save it again",
    "Usage: kanalyx-cli save FILE OUT [--backup]\n"
    "Loads FILE and saves it to OUT in the same layout: the digital TV channels before the\n"
    "radio channels, every other byte as it was.\n"
    "  --backup  when OUT is FILE, keep FILE's bytes as FILE.bak first; a FILE.bak that is\n"
    "            there already is left as it is\n",
    &options, &run};

} // namespace kx::cli
