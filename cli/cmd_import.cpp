#include "commands.h"
#include "document/kanalyxdoc.h"

namespace kx::cli {

namespace {

std::vector<OptionSpec> options()
{
    return {{"--tv", 0}, {"--fm", 0},     {"--dtv", 0}, {"--sat", 0},
            {"-o", 1},   {"--output", 1}, kBackupSpec};
}

int run(const Args& args)
{
    args.expectPositionals({"FILE", "OTHER"});
    const std::string& out = outputOf(args);
    ImportChoice choice{args.has("--tv"), args.has("--fm"), args.has("--dtv"), args.has("--sat")};
    CKanalyxDoc doc;
    const FileLock lock = lockOutput(out);
    openDocument(doc, args.positionals()[0]);
    refuseGlobalClone(doc, args.positionals()[0],
                      "a GlobalClone file takes no lists of another file: its receiver keeps every "
                      "channel of a scan once, and has no use for a second copy of one");
    if (!choice.tv && !choice.fm && !choice.dtv && !choice.sat) {
        // Every list: the satellite lists too where both files have them.
        choice = ImportChoice{};
        if (doc.GetSatelliteLayout() != nullptr) {
            CKanalyxDoc other;
            other.OnOpenDocument(args.positionals()[1]);
            choice.sat = other.GetSatelliteLayout() == doc.GetSatelliteLayout();
        }
    }
    doc.OnFileImport(args.positionals()[1], choice);
    saveDocument(doc, out, args.has("--backup"));
    return 0;
}

} // namespace

const Command kImportCommand{
    "import", "replace lists with those of another file, then save",
    "Usage: kanalyx-cli import FILE OTHER [--tv] [--fm] [--dtv] [--sat] -o OUT [--backup]\n"
    "Replaces the chosen lists of FILE (analog --tv, radio --fm, digital TV --dtv, both\n"
    "satellite lists --sat; all of them when none is given) with those of OTHER, which must hold\n"
    "records of the same layout, and saves the result to OUT. The settings and trailing blocks\n"
    "stay those of FILE. With --backup, a save over FILE keeps FILE's bytes as FILE.bak first\n"
    "(a FILE.bak that is there already is left as it is).\n",
    &options, &run};

} // namespace kx::cli
