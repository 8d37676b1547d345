#pragma once

#include <cstdint>
#include <string>

namespace kx {

// Offsets shown to the user: four upper-case hex digits with leading zeros; larger offsets show
// only their low four digits (0x1A2 reads "01A2", 0x12345 reads "2345").
std::string fourDigitAddress(std::int64_t offset);

// A byte as two upper-case hex digits ("05", "FF").
std::string twoDigitByte(std::uint8_t value);

} // namespace kx
