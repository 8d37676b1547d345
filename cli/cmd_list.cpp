#include <iostream>
#include <string>

#include "commands.h"
#include "document/kanalyxdoc.h"
#include "model/channelrec.h"

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
        throw UsageError("--list analog|radio|dtv is required");
    }
    const ListKind kind = parseListKind(*which);
    applyCodecOptions(args);
    CKanalyxDoc doc;
    doc.OnOpenDocument(args.positionals()[0]);
    const ListCtrl& rows = doc.list(kind);
    std::string out;
    for (int row = 0; row < rows.itemCount(); ++row) {
        const CChannelRec& rec = *rows.itemData(row);
        out += std::to_string(rec.GetNumber());
        out += '\t' + cell(rec.GetName()) + '\t' + cell(rec.GetCharacterText());
        if (kind == ListKind::Analog) {
            out += '\t' + cell(rec.GetSystemText()) + '\t' + cell(rec.GetBandText()) + '\t' +
                   cell(rec.GetChannelText());
        } else {
            out += '\t' + cell(rec.GetFrequencyText()) + '\t' + cell(rec.GetSymbolRateText()) +
                   '\t' + cell(rec.GetModulationText());
        }
        out += rec.IsUnchecked() ? "\t0\n" : "\t1\n";
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
    "breaks inside a text are shown as blanks. UTF-8.\n\n",
    &options, &run};

} // namespace kx::cli
