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
        throwUsage("--list analog|radio|dtv (or a list of the file) is required");
    }
    parseListKind(*which);
    ListViews views(codecFromOptions(args));
    openDocument(views.doc, args.positionals()[0]);
    const ListKind kind = parseListKind(*which, &views.doc);
    // The cells as the view filled them.
    const CKanalyxView& view = views.view(kind);
    const ListCtrl& rows = view.GetListCtrl();
    std::string out;
    for (int row = 0; row < rows.itemCount(); ++row) {
        for (int column = 0; column < rows.columnCount(); ++column) {
            const ColumnSpec& spec = view.columns()[static_cast<std::size_t>(column)];
            if (spec.id == ColumnId::ShortName || spec.extra) {
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
    "Usage: kanalyx-cli list FILE --list LIST [name options]\n"
    "Prints one line per row: the six column texts joined by tabs (analog: number, name,\n"
    "character, system, band, channel; radio and dtv: number, name, character, frequency,\n"
    "symbol rate, modulation), then a tab and 1 when the row is ticked, else 0. Tabs and line\n"
    "breaks inside a text are shown as blanks. UTF-8. Names show without the broadcasters'\n"
    "control codes. Files of the newer layouts show service id, service type and flags in the\n"
    "last three columns; --list sat-tv and sat-radio list their satellite channels.\n"
    "LIST: analog, radio, dtv, sat-tv, sat-radio for binary files; for GlobalClone files the\n"
    "lists the file has (kanalyx-cli info names them): analog, dvbt-tv, dvbt-radio, dvbc-tv,\n"
    "dvbc-radio, dvbs-tv, dvbs-radio, and source-N-tv, source-N-radio for a source N of no known\n"
    "kind. Their rows show number, name, character, service id, service type and flags. Channels\n"
    "in no list and deleted channels are kept in the file and not listed.\n\n",
    &options, &run};

} // namespace kx::cli
