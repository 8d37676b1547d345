#pragma once

#include <cstdint>
#include <string_view>

namespace kx {

// What the files of one family of receivers hold besides their channel records, as the real
// exports of each family show it. A family is told by the size of the settings block that its
// firmware writes; the loader refuses a file whose other blocks disagree with that family, since
// such a file is damaged (a block repeated, missing or out of place) rather than new. Files
// whose settings block has a size of no family here are not checked against one.
struct ReceiverFamily
{
    std::string_view models;
    std::uint32_t settingsSize;
    // The hospitality block's size in the real files; 0: the receivers keep none.
    std::uint32_t hospitalitySize;
    std::uint32_t satelliteSize; // the DVB-S block without its size word; 0: none
    // The trailing block's bytes; 0: the files have none (those without the magic word).
    std::uint32_t trailingSize;
};

// The family whose settings block is settingsSize bytes long; null for a size no family writes.
const ReceiverFamily* FindReceiverFamily(std::uint32_t settingsSize);

// The family whose hospitality block is hospitalitySize bytes long; null for any other size.
const ReceiverFamily* FindHospitalityFamily(std::uint32_t hospitalitySize);

} // namespace kx
