#pragma once

#include <cstdint>
#include <string>

namespace kx::bench {

// The bytes of a full variant-2 list: no analog channels, a settings block of settingsSize
// bytes, digitalRecords digital records (every fifth a radio channel) named "Channel N" in the
// Latin 9 table, and a one-byte trailing block.
std::string fullListBytes(int digitalRecords, std::uint32_t settingsSize);

// The same list with services that reference lists can tell apart: DVB-C channels, service s
// (0 to digitalRecords - 1) has network 1, transport stream 1000 + s / 20 and service id s + 1.
// Record k holds service k * step modulo digitalRecords (a step coprime to the count visits each
// service once), numbered k + 1, named "Channel s+1", a radio channel when s % 5 is 4.
std::string fullListWithServices(int digitalRecords, std::uint32_t settingsSize, int step);

} // namespace kx::bench
