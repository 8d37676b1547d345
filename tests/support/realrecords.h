#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace kx::test {

// The raw channel records of a TLL file, cut out by walking the container on its own (analog
// block, settings block, digital block, and for variant 2 the trailing block), so that record
// tests can run on real files without the document class.
struct RealRecords
{
    int variant = 0; // 1: 164-byte records; 2: magic 0x5A5A5A5A and 176-byte records
    std::size_t recordSize = 0;
    std::vector<std::string> analog;
    std::vector<std::string> digital;
};

// Throws std::runtime_error when the file does not follow the layout exactly.
RealRecords readRealRecords(const std::filesystem::path& path);

// One line of a reference channel list exported by another tool: programme number, the service's
// identity (UID), name, the list code (ACT0/AAT0 analog, DCT0/DAT0 digital TV, DCR0 radio,
// DST0/DSR0 satellite TV and radio) and the flags (favourite numbers and S skip, H hide, L lock),
// read by the core's reference-list reader.
struct ReferenceChannel
{
    int number = 0;
    std::string uid;
    std::string name;
    std::string list;
    std::string flags;
};

std::vector<ReferenceChannel> readReferenceList(const std::filesystem::path& path);

} // namespace kx::test
