#include <iostream>

#include "commands.h"
#include "document/kanalyxdoc.h"
#include "model/recordlayout.h"
#include "views/listspec.h"

namespace kx::cli {

namespace {

int run(const Args& args)
{
    args.expectPositionals({"FILE"});
    CKanalyxDoc doc;
    openDocument(doc, args.positionals()[0]);
    if (doc.Format() == FileFormat::GlobalClone) {
        std::cout << "format: GlobalClone\n"
                  << "model: " << doc.ModelName() << "\n";
        for (const ListKind list : doc.Lists()) {
            std::cout << ListSpecOf(list).name << ": " << doc.ChannelCount(list) << "\n";
        }
        // Kept in the file, in no list.
        std::cout << "unlisted: " << doc.UnlistedCount() << "\n";
        return 0;
    }
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
    "settings block), trailing: N (bytes of the trailing block); files of the newer layouts\n"
    "add record-size, model, sat-tv, sat-radio and hospitality. For a GlobalClone file:\n"
    "format: GlobalClone, model: NAME (its ModelName), one LIST: COUNT line per list it has\n"
    "(analog, dvbt-tv, dvbt-radio, dvbc-tv, dvbc-radio, dvbs-tv, dvbs-radio, source-N-tv,\n"
    "source-N-radio), then unlisted: N, the channels it keeps in no list or marked deleted.\n",
    &noOptions, &run};

} // namespace kx::cli
