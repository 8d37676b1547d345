#pragma once

#include <cstdint>
#include <string>

namespace kx::bench {

// The bytes of a full variant-2 list: no analog channels, a settings block of settingsSize
// bytes, digitalRecords digital records (every fifth a radio channel) named "Channel N" in the
// Latin 9 table, and a one-byte trailing block.
std::string fullListBytes(int digitalRecords, std::uint32_t settingsSize);

} // namespace kx::bench
