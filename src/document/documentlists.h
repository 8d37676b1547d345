#pragma once

#include <filesystem>
#include <vector>

#include "document/channelidentity.h"

namespace kx {

class CKanalyxDoc;
class CChannelRec;
struct CodecSettings;

// A channel as reference lists, matching and diffs see it: its identity, number, name (as
// shown under codec), flags and row.
// A record whose source is unknown is taken to come from source where that is not Unknown.
ListChannel ListChannelOf(const CChannelRec& rec, bool analog, bool radio, int row,
                          const CodecSettings& codec, SignalSource source = SignalSource::Unknown);

// The document's lists in its order, each named as the command line names it. The records of
// the 164-byte layout do not say their source: their analog channels are taken as cable
// channels and their digital ones as DVB-C, as other editors take them.
std::vector<ChannelList> ChannelListsOf(const CKanalyxDoc& doc, const CodecSettings& codec);

// The lists of a reference: a reference-list file (its first character a comma, after a byte
// order mark) or a channel-list file of any format and layout, told by the bytes. Throws Error as
// their readers do.
std::vector<ChannelList> ReadReference(const std::filesystem::path& path,
                                       const CodecSettings& codec);

} // namespace kx
