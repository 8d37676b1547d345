#include <iostream>

#include "commands.h"
#include "document/kanalyxdoc.h"
#include "model/recordlayout.h"

namespace kx::cli {

namespace {

int run(const Args& args)
{
    args.expectPositionals({"FILE"});
    CKanalyxDoc doc;
    openDocument(doc, args.positionals()[0]);
    std::cout << "variant: " << doc.GetVariant() << "\n"
              << "analog: " << doc.ChannelCount(ListKind::Analog) << "\n"
              << "radio: " << doc.ChannelCount(ListKind::Radio) << "\n"
              << "dtv: " << doc.ChannelCount(ListKind::DigitalTV) << "\n"
              << "settings: " << doc.Settings().size() << "\n"
              << "trailing: " << doc.Trailing().size() << "\n";
    // The files of the two oldest layouts keep the lines they always had.
    if (doc.GetVariant() == 1 || doc.GetVariant() == 2) {
        return 0;
    }
    const RecordLayout* layout = doc.Layout();
    std::cout << "record-size: " << (layout != nullptr ? layout->recordSize : 0) << "\n"
              << "model: " << (layout != nullptr ? layout->models : "unknown") << "\n"
              << "sat-tv: " << doc.ChannelCount(ListKind::SatTV) << "\n"
              << "sat-radio: " << doc.ChannelCount(ListKind::SatRadio) << "\n"
              << "hospitality: " << doc.Hospitality().size() << "\n";
    return 0;
}

} // namespace

const Command kInfoCommand{
    "info", "show the variant and the size of every list and block",
    "Usage: kanalyx-cli info FILE\n"
    "Prints, one per line: variant: N, analog: N, radio: N, dtv: N, settings: N (bytes of the\n"
    "settings block), trailing: N (bytes of the trailing block).\n",
    &noOptions, &run};

} // namespace kx::cli
