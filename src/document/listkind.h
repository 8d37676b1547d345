#pragma once

#include <string>

namespace kx {

// The channel lists a document may have. A binary TLL file has the cable and antenna lists
// (analog, radio, digital TV), then the satellite lists of files that have a DVB-S block. A
// GlobalClone file has one list per signal source and kind: analog, DVB-T, DVB-C and DVB-S TV
// and radio, and for a source value this program does not know, a TV and a radio list of its
// own (OtherSourceList).
enum class ListKind
{
    Analog = 0,
    Radio = 1,
    DigitalTV = 2,
    SatTV = 3,
    SatRadio = 4,
    AntennaTV = 5,
    AntennaRadio = 6,
    CableTV = 7,
    CableRadio = 8,
    DvbSTV = 9,
    DvbSRadio = 10,
};

// The lists of the binary files, in the document's order.
inline constexpr int kListCount = 5;
inline constexpr ListKind kListKinds[kListCount] = {
    ListKind::Analog, ListKind::Radio, ListKind::DigitalTV, ListKind::SatTV, ListKind::SatRadio};

// The lists of sources this program does not know lie from here on: two per source value.
inline constexpr int kOtherSourceLists = 100;
constexpr ListKind OtherSourceList(int source, bool radio)
{
    return static_cast<ListKind>(kOtherSourceLists + 2 * source + (radio ? 1 : 0));
}
// The source value of such a list, or -1 for a list of a known source.
constexpr int OtherSourceOf(ListKind list)
{
    const int value = static_cast<int>(list);
    return value >= kOtherSourceLists ? (value - kOtherSourceLists) / 2 : -1;
}

// Whether the list holds satellite channels.
constexpr bool IsSatelliteList(ListKind list)
{
    return list == ListKind::SatTV || list == ListKind::SatRadio || list == ListKind::DvbSTV ||
           list == ListKind::DvbSRadio;
}

// Whether the list holds radio channels (numbered from 16385 up in the files).
constexpr bool IsRadioList(ListKind list)
{
    const int value = static_cast<int>(list);
    if (value >= kOtherSourceLists) {
        return (value - kOtherSourceLists) % 2 == 1;
    }
    return list == ListKind::Radio || list == ListKind::SatRadio ||
           list == ListKind::AntennaRadio || list == ListKind::CableRadio ||
           list == ListKind::DvbSRadio;
}

// The list's name, as the command line, reference lists and diffs name it: "analog", "radio",
// "dtv", "sat-tv", "sat-radio" for binary files; "dvbt-tv", "dvbt-radio", "dvbc-tv",
// "dvbc-radio", "dvbs-tv", "dvbs-radio" and "source-N-tv", "source-N-radio" for GlobalClone files.
inline std::string ListName(ListKind list)
{
    switch (list) {
    case ListKind::Analog:
        return "analog";
    case ListKind::Radio:
        return "radio";
    case ListKind::DigitalTV:
        return "dtv";
    case ListKind::SatTV:
        return "sat-tv";
    case ListKind::SatRadio:
        return "sat-radio";
    case ListKind::AntennaTV:
        return "dvbt-tv";
    case ListKind::AntennaRadio:
        return "dvbt-radio";
    case ListKind::CableTV:
        return "dvbc-tv";
    case ListKind::CableRadio:
        return "dvbc-radio";
    case ListKind::DvbSTV:
        return "dvbs-tv";
    case ListKind::DvbSRadio:
        return "dvbs-radio";
    }
    return "source-" + std::to_string(OtherSourceOf(list)) + (IsRadioList(list) ? "-radio" : "-tv");
}

} // namespace kx
