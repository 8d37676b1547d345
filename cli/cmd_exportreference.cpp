#include <string>
#include <vector>

#include "commands.h"
#include "document/documentlists.h"
#include "document/kanalyxdoc.h"
#include "document/referencelist.h"

namespace kx::cli {

namespace {

std::vector<OptionSpec> options()
{
    return withCodecOptions({{"-o", 1}, {"--output", 1}});
}

int run(const Args& args)
{
    args.expectPositionals({"FILE"});
    const std::string& out = outputOf(args);
    const CodecSettings codec = codecFromOptions(args);
    CKanalyxDoc doc;
    const FileLock lock = lockOutput(out);
    openDocument(doc, args.positionals()[0]);
    try {
        WriteReferenceListFile(out, ChannelListsOf(doc, codec));
    } catch (const Error& error) {
        // A list without one of its channels would put the others in other places when applied:
        // rather none than one that does not give the file's order back.
        if (error.code() != ErrorCode::Unsupported) {
            throw;
        }
        throw Error(ErrorCode::Unsupported,
                    args.positionals()[0] + ": " + error.what() + "; nothing was written");
    }
    return 0;
}

} // namespace

const Command kExportReferenceCommand{
    "export-reference", "write the channel order as a reference list",
    "Usage: kanalyx-cli export-reference FILE -o LIST.csv [name options]\n"
    "Writes every channel of FILE, list after list in its order, as a reference list that\n"
    "kanalyx-cli apply-reference and the editor read, and other editors too: one line per\n"
    "channel, LF line ends, UTF-8 names:\n"
    "  ,NUMBER,,UID,\"NAME\",CODE,FLAGS\n"
    "UID: A-0-FREQ-0 (analog; FREQ in steps of 50 kHz), C-ONID-TSID-SID-CH (digital antenna and\n"
    "cable; CH the physical channel), S19.2E-ONID-TSID-SID (satellite). CODE: AAT0, ACT0\n"
    "(analog antenna, cable), DAT0, DAR0, DCT0, DCR0 (digital antenna, cable; TV, radio), DST0,\n"
    "DSR0 (satellite TV, radio). FLAGS: the favourite lists' digits, then S (skip), H (hide),\n"
    "L (lock). A quote in a name is doubled.\n"
    "  -o, --output LIST.csv  the file to write (required)\n"
    "A channel whose file does not say its source or service (no ONID, TSID or service id,\n"
    "no frequency, no satellite) has no UID: the export is refused with exit code 1, naming it,\n"
    "and nothing is written, since a list without it would not give the file's order back.\n"
    "Applying the export to FILE changes nothing.\n\n",
    &options, &run};

} // namespace kx::cli
