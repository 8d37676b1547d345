#include "document/documentlists.h"

#include "document/kanalyxdoc.h"
#include "document/referencelist.h"
#include "model/channelflags.h"
#include "model/channelrec.h"
#include "model/namecontrolcodes.h"
#include "platform/file.h"

namespace kx {

ListChannel ListChannelOf(const CChannelRec& rec, bool analog, bool radio, int row,
                          const CodecSettings& codec, SignalSource source)
{
    ListChannel channel;
    ChannelIdentity& id = channel.id;
    id.source = rec.GetSignalSource();
    if (id.source == SignalSource::Unknown) {
        id.source = source;
    }
    id.analog = analog;
    id.radio = radio;
    if (!analog) {
        id.onid = rec.GetOnid();
        id.tsid = rec.GetTsid();
        id.sid = rec.GetServiceId();
    }
    id.satellite = rec.GetSatelliteText();
    // An analog channel is told by its frequency in steps of 50 kHz, as reference lists write it.
    if (const std::optional<std::int64_t> khz = rec.GetFrequencyKHz(); khz && analog) {
        id.frequency = static_cast<long>(*khz / 50);
    }
    id.channel = rec.GetTunerChannel();
    channel.number = rec.GetNumber();
    channel.name = DisplayNameOf(rec, codec).name;
    channel.flags = ChannelFlagsText(rec.GetFlags());
    channel.row = row;
    return channel;
}

std::vector<ChannelList> ChannelListsOf(const CKanalyxDoc& doc, const CodecSettings& codec)
{
    std::vector<ChannelList> lists;
    for (const ListKind kind : doc.Lists()) {
        ChannelList& list = lists.emplace_back();
        list.name = ListName(kind);
        const int count = doc.ChannelCount(kind);
        list.channels.reserve(static_cast<std::size_t>(count));
        const bool analog = kind == ListKind::Analog;
        SignalSource source = SignalSource::Unknown;
        if (doc.Format() == FileFormat::BinaryTll && !IsSatelliteList(kind)) {
            source = analog ? SignalSource::AnalogCable : SignalSource::DvbC;
        }
        for (int row = 0; row < count; ++row) {
            list.channels.push_back(ListChannelOf(doc.Channel(kind, row), analog, IsRadioList(kind),
                                                  row, codec, source));
        }
    }
    return lists;
}

std::vector<ChannelList> ReadReference(const std::filesystem::path& path,
                                       const CodecSettings& codec)
{
    std::string bytes = File::readAll(path);
    const std::string_view text = std::string_view(bytes).starts_with("\xEF\xBB\xBF")
                                      ? std::string_view(bytes).substr(3)
                                      : std::string_view(bytes);
    if (text.starts_with(",")) {
        return ReadReferenceList(bytes, path.string());
    }
    CKanalyxDoc other;
    other.SetContents(ReadChannelFile(std::move(bytes), path.string()));
    return ChannelListsOf(other, codec);
}

} // namespace kx
