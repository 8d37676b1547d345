#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/signalsource.h"

namespace kx {

// The kinds by which the lists of two files are paired: a channel of one kind is only ever
// matched with a channel of the same kind, whatever lists the two files keep them in.
enum class ChannelKind
{
    Analog,
    TV, // digital TV and data services from antenna or cable (or an unknown source)
    Radio,
    SatelliteTV,
    SatelliteRadio,
};
inline constexpr int kChannelKindCount = 5;

// What identifies a service across scans, files and receivers, as reference lists see it.
//
// - Digital channels: onid, tsid and sid (the DVB original network, transport stream and
//   service ids); satellite channels also name their satellite.
// - Analog channels: frequency, the tuning value as the receiver stores it (the number an
//   analog reference-list UID carries, `A-0-FREQ-0`); both sides of a match must use the same
//   unit.
// - channel: the physical channel the transmitter uses (the last field of a digital antenna or
//   cable UID). It is carried so that an export can be written back as it was read; it plays no
//   part in matching, since a rescan may find a service on another channel.
//
// A field the file does not hold stays empty; two identities are the same service only when
// every field that matching compares is present on both sides and equal (see ChannelMatch).
struct ChannelIdentity
{
    SignalSource source = SignalSource::Unknown;
    bool analog = false;
    bool radio = false;
    std::optional<int> onid;
    std::optional<int> tsid;
    std::optional<int> sid;
    // The orbital position as SatellitePositionText writes it ("19.2E", "0.8W"); empty for
    // channels that are not received from a satellite.
    std::string satellite;
    std::optional<long> frequency;
    std::optional<int> channel;

    bool operator==(const ChannelIdentity&) const = default;
};

// A channel as reference lists, matching and diffs see it.
struct ListChannel
{
    ChannelIdentity id;
    // The programme number as the user sees it (radio counted from 1, without any flag bits the
    // file adds).
    int number = 0;
    // The name as shown, UTF-8.
    std::string name;
    // Favourites and flags as a reference list writes them: the favourite lists' digits
    // ("1", "12"), then S (skip), H (hide), L (lock); empty for none.
    std::string flags;
    // The channel's row in the list it comes from. Plans and diffs name channels by it, so it
    // must be unique within a list; normally it is the index in ChannelList::channels.
    int row = 0;
};

// One list of channels in row order: a list of a document, or a run of one list code of a
// reference-list file.
struct ChannelList
{
    // The list's name: for a document's list the command line's name of it ("analog", "dtv",
    // "sat-tv"), for a reference-list file its list code ("DCT0").
    std::string name;
    std::vector<ListChannel> channels;
};

// The kind a channel pairs by: analog, then satellite (source DvbS) TV or radio, else TV or
// radio.
ChannelKind KindOf(const ChannelIdentity& id) noexcept;

// An orbital position in tenths of a degree, east positive, as reference lists write it:
// 192 gives "19.2E", -8 gives "0.8W", 0 gives "0.0E".
std::string SatellitePositionText(int tenthsEast);

} // namespace kx
