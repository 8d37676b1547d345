#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "document/documentlists.h"
#include "document/kanalyxdoc.h"
#include "document/referenceplan.h"
#include "platform/file.h"

namespace kx::cli {

namespace {

std::vector<OptionSpec> options()
{
    return withCodecOptions({{"--unmatched", 1}, {"-o", 1}, {"--output", 1}, kBackupSpec});
}

UnmatchedRows unmatchedFrom(const Args& args)
{
    const std::string* value = args.value("--unmatched");
    if (value == nullptr || *value == "keep") {
        return UnmatchedRows::Keep;
    }
    if (*value == "delete") {
        return UnmatchedRows::Delete;
    }
    throwUsage("--unmatched must be keep or delete, not '" + *value + "'");
}

int run(const Args& args)
{
    args.expectPositionals({"FILE", "REFERENCE"});
    const std::string& out = outputOf(args);
    const UnmatchedRows unmatched = unmatchedFrom(args);
    const CodecSettings codec = codecFromOptions(args);
    CKanalyxDoc doc;
    const FileLock lock = lockOutput(out);
    openDocument(doc, args.positionals()[0]);
    const std::vector<ChannelList> reference = ReadReference(args.positionals()[1], codec);
    const ReferencePlan plan = PlanReference(ChannelListsOf(doc, codec), reference, unmatched);
    doc.ApplyReference(plan);
    saveDocument(doc, out, args.has("--backup"));
    // The counts must not mix with a file written to the standard output.
    std::ostream& report = File::NamesStandardOutput(out) ? std::cerr : std::cout;
    for (const ListPlan& list : plan.lists) {
        report << list.list << ": " << list.byIdentity << " by identity, " << list.byName
               << " by name, " << list.unmatched << " unmatched, " << list.deletedRows.size()
               << " deleted\n";
    }
    return 0;
}

} // namespace

const Command kApplyReferenceCommand{
    "apply-reference", "put the channels in the order of another file or a reference list",
    "Usage: kanalyx-cli apply-reference FILE REFERENCE -o OUT [--unmatched keep|delete]\n"
    "                                   [--backup] [name options]\n"
    "Gives the channels of FILE the order and numbers they have in REFERENCE, then saves to\n"
    "OUT. REFERENCE is a channel list of any format and layout (of another receiver too) or a\n"
    "reference-list file (kanalyx-cli export-reference writes one). Lists pair by the kind of\n"
    "their channels (analog, TV, radio, satellite TV, satellite radio). Each channel matches\n"
    "the reference's channel of the same service: the same source and ONID, TSID and service\n"
    "id (and satellite), for analog channels the same frequency; what is left matches by name,\n"
    "the same text first, then case and blanks ignored, unless the name occurs twice on either\n"
    "side. Matched channels take the reference's order and numbers; the others follow in their\n"
    "order, or are deleted:\n"
    "  --unmatched keep|delete  what becomes of the channels REFERENCE lacks; default keep.\n"
    "                           A list whose kind of channels REFERENCE has none of is left as\n"
    "                           it is, its channels counted as unmatched and never deleted.\n"
    "  -o, --output OUT         the file to save to (required)\n"
    "  --backup                 when OUT is FILE, keep FILE's bytes as FILE.bak first; a\n"
    "                           FILE.bak that is there already is left as it is\n"
    "Prints one line per list of FILE, in its order (on standard error when OUT is -):\n"
    "  LIST: N by identity, N by name, N unmatched, N deleted\n"
    "LIST as kanalyx-cli list names it. 'kanalyx-cli diff FILE REFERENCE' names the unmatched\n"
    "channels (its removed lines). Applying a file's own channels or its own reference list\n"
    "changes nothing. A number no list can hold (above 16383) is refused with exit code 2 and\n"
    "nothing is written.\n\n",
    &options, &run};

} // namespace kx::cli
