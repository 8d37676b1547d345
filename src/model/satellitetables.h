#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kx {

// One transponder of a DVB-S block as its satellite channels are tuned to it.
struct SatelliteTransponder
{
    // Index into SatelliteTables::satellites; -1 for a slot that no satellite lists.
    int satellite = -1;
    std::uint16_t onid = 0;
    std::uint16_t tsid = 0;
    std::uint32_t frequencyMHz = 0;
    char polarisation = 'V'; // 'H' or 'V'
};

// One satellite of a DVB-S block.
struct SatelliteEntry
{
    std::string position; // "19.2E", "0.8W"
    std::string name;     // as the receiver keeps it, Latin-1 bytes read as UTF-8 text
};

// The transponder and satellite tables of a DVB-S block, read once when the file is loaded and
// shared by its satellite records. Nothing edits them: the editor leaves both tables as they are.
struct SatelliteTables
{
    std::vector<SatelliteTransponder> transponders; // by slot
    std::vector<SatelliteEntry> satellites;         // by slot
};

} // namespace kx
