#pragma once

#include <array>
#include <span>
#include <vector>

#include "document/channelidentity.h"

namespace kx {

// How a channel found its counterpart on the other side.
enum class MatchKind
{
    None,
    Identity,
    Name,
};

// A channel of a set of lists: the index of its list and its index in that list's channels.
struct ChannelRef
{
    int list = -1;
    int index = -1;

    bool valid() const noexcept { return list >= 0; }
    bool operator==(const ChannelRef&) const = default;
};

// The channels of two sets of lists (a file's and a reference's, or the two files of a diff)
// paired one to one. Only channels of the same ChannelKind pair, whatever lists hold them.
//
// 1. By identity: the same source and, for digital channels, the same SID, TSID and ONID (an
//    absent id equals only an absent one; a digital channel without SID has no identity), for
//    satellite channels the same satellite too; for analog channels the same frequency. When an
//    identity occurs several times, its occurrences pair with the one most like them first: the
//    same name, physical channel and frequency, and number; then the same name, channel and
//    frequency; then the same name; then the rest in order (the first with the first).
// 2. Then, among the channels left on both sides, by name: first the same text, then the same
//    text with case and blanks (and invisible control characters) ignored. A name that occurs
//    more than once among the channels of its kind on either side, counted in that form, never
//    pairs by name; nor does an empty name.
//
// The result is symmetric: swapping the sides swaps the two tables.
struct ChannelMatch
{
    struct Entry
    {
        MatchKind how = MatchKind::None;
        ChannelRef other;
    };
    // Indexed like the lists and their channels: first[list][index] for the first side,
    // second[list][index] for the second.
    std::vector<std::vector<Entry>> first;
    std::vector<std::vector<Entry>> second;
    // Whether the second side has any channel of each ChannelKind.
    std::array<bool, kChannelKindCount> secondHasKind{};
};

ChannelMatch MatchChannels(std::span<const ChannelList> first, std::span<const ChannelList> second);

} // namespace kx
