#include <iostream>
#include <string>

#include "commands.h"
#include "listviews.h"

namespace kx::cli {

namespace {

std::vector<OptionSpec> options()
{
    return withCodecOptions({{"--list", 1}});
}

// Tabs and line breaks inside a cell would break the line format.
std::string cell(std::string text)
{
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

int run(const Args& args)
{
    args.expectPositionals({"FILE"});
    const std::string* which = args.value("--list");
    if (which == nullptr) {
        throwUsage("--list analog|radio|dtv is required");
    }
    const ListKind kind = parseListKind(*which);
    ListViews views(codecFromOptions(args));
    openDocument(views.doc, args.positionals()[0]);
    // The cells as the view filled them.
    const CKanalyxView& view = views.view(kind);
    const ListCtrl& rows = view.GetListCtrl();
    std::string out;
    for (int row = 0; row < rows.itemCount(); ++row) {
        for (int column = 0; column < rows.columnCount(); ++column) {
            if (view.columns()[static_cast<std::size_t>(column)].id == ColumnId::ShortName) {
                continue;
            }
            out += cell(rows.itemText(row, column));
            out += '\t';
        }
        out += rows.itemState(row, lvis::kStateImageMask) == lvis::kImageTicked ? "1\n" : "0\n";
    }
    std::cout << out;
    return 0;
}

} // namespace

const Command kListCommand{
    "list", "print the rows of one channel list",
    "Usage: kanalyx-cli list FILE --list analog|radio|dtv [name options]\n"
    "Prints one line per row: the six column texts joined by tabs (analog: number, name,\n"
    "character, system, band, channel; radio and dtv: number, name, character, frequency,\n"
    "symbol rate, modulation), then a tab and 1 when the row is ticked, else 0. Tabs and line\n"
    "breaks inside a text are shown as blanks. UTF-8. Names show without the broadcasters'\n"
    "control codes. Files of the newer layouts show service id, service type and flags in the\n"
    "last three columns; --list sat-tv and sat-radio list their satellite channels.\n\n",
    &options, &run};

} // namespace kx::cli
