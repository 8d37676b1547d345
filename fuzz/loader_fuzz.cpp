// Feeds arbitrary bytes to the TLL loader. Whatever the bytes, loading must either refuse them
// with an Error and leave the document empty, or accept them; an accepted file must save to a
// file of the same length that loads again to the same lists and saves to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "document/kanalyxdoc.h"
#include "model/channelrec.h"
#include "model/namecodec.h"
#include "platform/archive.h"
#include "platform/error.h"

namespace {

std::string save(kx::CKanalyxDoc& doc)
{
    std::string out;
    kx::Archive store = kx::Archive::storingTo(out, "fuzz.tll");
    doc.Serialize(store);
    return out;
}

int rows(const kx::CKanalyxDoc& doc, kx::ListKind kind)
{
    return doc.ChannelCount(kind);
}

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    kx::CKanalyxDoc doc;
    kx::Archive in(bytes, "fuzz.tll");
    try {
        doc.Serialize(in);
    } catch (const kx::Error&) {
        require(doc.GetVariant() == 0 && doc.Settings().empty());
        for (const kx::ListKind kind : kx::kListKinds) {
            require(rows(doc, kind) == 0);
        }
        return 0;
    }
    // Every text a view shows must come out of any record without harm, under any table.
    for (const kx::ListKind kind : kx::kListKinds) {
        for (int row = 0; row < rows(doc, kind) && row < 64; ++row) {
            const kx::CChannelRec& rec = doc.Channel(kind, row);
            kx::CodecSettings codec;
            codec.characterTable = row % 13;
            (void)rec.GetName(codec);
            (void)rec.GetCharacterText();
            (void)rec.GetModulationText();
            (void)rec.GetSystemText();
            (void)rec.GetFlags();
            (void)rec.GetServiceIdText();
        }
    }
    const std::string saved = save(doc);
    require(saved.size() == bytes.size());

    kx::CKanalyxDoc again;
    kx::Archive reload(saved, "saved.tll");
    again.Serialize(reload);
    for (const kx::ListKind kind : kx::kListKinds) {
        require(rows(again, kind) == rows(doc, kind));
    }
    require(save(again) == saved);
    return 0;
}
