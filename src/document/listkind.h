#pragma once

namespace kx {

// The channel lists of a document, in the document's order: the cable and antenna lists, then
// the satellite lists of files that have a DVB-S block.
enum class ListKind
{
    Analog = 0,
    Radio = 1,
    DigitalTV = 2,
    SatTV = 3,
    SatRadio = 4,
};
inline constexpr int kListCount = 5;

inline constexpr ListKind kListKinds[kListCount] = {
    ListKind::Analog, ListKind::Radio, ListKind::DigitalTV, ListKind::SatTV, ListKind::SatRadio};

// Whether the list holds satellite channels.
constexpr bool IsSatelliteList(ListKind list)
{
    return list == ListKind::SatTV || list == ListKind::SatRadio;
}

} // namespace kx
