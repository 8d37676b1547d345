#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "document/documentlists.h"
#include "document/listdiff.h"

namespace kx::cli {

namespace {

std::vector<OptionSpec> options()
{
    return withCodecOptions({});
}

int run(const Args& args)
{
    args.expectPositionals({"A", "B"});
    const CodecSettings codec = codecFromOptions(args);
    const std::vector<ChannelList> a = ReadReference(args.positionals()[0], codec);
    const std::vector<ChannelList> b = ReadReference(args.positionals()[1], codec);
    const ListDiff diff = DiffLists(a, b);
    std::string out;
    for (const DiffEntry& entry : diff.entries) {
        out += FormatDiffLine(entry);
        out += '\n';
    }
    out += FormatDiffSummary(diff.summary);
    out += '\n';
    std::cout << out;
    return 0;
}

constexpr std::string_view kHelp =
    "Usage: kanalyx-cli diff A B [name options]\n"
    "Compares the channels of two files, list by list: the ones only in A, only in B, and those\n"
    "whose number or name differs. A and B are channel lists of any format and layout or\n"
    "reference-list files (a reference list's lists are named by their codes, DCT0 ...).\n"
    "Channels pair as kanalyx-cli apply-reference pairs them: by service, then by a name that\n"
    "occurs once on each side. Exit code 0 whether or not the files differ.\n";

// The command's help, with the columns of its lines.
const std::string& help()
{
    static const std::string text = std::string(kHelp) + std::string(kDiffLineHelp) + "\n";
    return text;
}

} // namespace

const Command kDiffCommand{"diff", "list the channels added, removed, moved and renamed in B",
                           help(), &options, &run};

} // namespace kx::cli
