#include <iostream>

#include "commands.h"
#include "dialogs/settingscompare.h"
#include "document/kanalyxdoc.h"

namespace kx::cli {

namespace {

int run(const Args& args)
{
    args.expectPositionals({"FILE", "OTHER"});
    CKanalyxDoc doc;
    openDocument(doc, args.positionals()[0]);
    refuseGlobalClone(doc, args.positionals()[0],
                      "a GlobalClone file has no settings block to compare");
    // A file of the other variant is not compared: no lines, as the Data Block dialog shows.
    const auto result =
        SettingsCompare::compareWithFile(doc.Settings(), doc.GetVariant(), args.positionals()[1]);
    for (const std::string& line : result.lines) {
        std::cout << line << "\n";
    }
    return 0;
}

} // namespace

const Command kCompareCommand{
    "compare", "list the settings-block bytes where another file differs",
    "Usage: kanalyx-cli compare FILE OTHER\n"
    "Compares the settings block of FILE byte by byte with that of OTHER, a file of the same\n"
    "variant, over the shorter of the two blocks, and prints one line per differing byte in\n"
    "ascending order: OTHER's byte and the offset in hex, as in '05 : 001A' (offsets show their\n"
    "low four digits). A file of the other variant prints nothing.\n",
    &noOptions, &run};

} // namespace kx::cli
