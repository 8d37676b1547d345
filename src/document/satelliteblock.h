#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace kx {

class CChannelRec;
struct RecordLayout;
struct SatelliteTables;

// Where a family keeps the fields of one transponder's record, offsets in the record.
struct TransponderFields
{
    std::uint32_t recordSize;
    std::size_t onid;         // u16; the transport stream id follows it
    std::size_t polarisation; // the byte whose bit `horizontal` is set for horizontal
    std::uint8_t horizontal;
};

// How one family of receivers lays out the DVB-S block that follows the digital block: five
// parts (header, satellites, transponders, channels, LNBs), each a u32 checksum followed by the
// part's bytes. The checksum is the bitwise NOT of the part's CRC-32, little-endian; a receiver
// refuses a block whose checksums do not match. The channel part starts with a 12-byte header,
// then a bitmap of the slots in use, a table of 8-byte list links and the channel records, one
// slot for each of channelCapacity channels. The satellite part holds 64 satellite records of
// satelliteSize bytes after an 80-byte head; the transponder part 2400 transponder records after
// a head, a bitmap and a link of 6 bytes per transponder. A satellite's record names its first
// and last transponder and how many it has; each transponder's link names the next one.
struct SatelliteLayout
{
    std::string_view models;
    std::uint32_t blockSize; // without the block's size word
    std::array<std::uint32_t, 5> partSizes;
    std::uint32_t channelCapacity;
    const RecordLayout* record;
    std::uint32_t satelliteSize;
    TransponderFields transponder;
};

inline constexpr std::size_t kSatellitePartCount = 5;
inline constexpr std::size_t kSatelliteChannelPart = 3;

// The first bytes of the header part, right after its checksum.
inline constexpr std::string_view kSatelliteTag{"DVBS-S2\0", 8};

// The layout of the blocks of blockSize bytes; null for a size no known family writes.
const SatelliteLayout* FindSatelliteLayout(std::uint32_t blockSize);

// What part `part` (0 to 4) is called in messages: "header", "satellites", ...
std::string_view SatellitePartName(std::size_t part);
// Where a part's checksum lies in the block; its bytes follow the checksum.
std::size_t SatellitePartOffset(const SatelliteLayout& layout, std::size_t part);
// Where the records of the channel slots begin in the block.
std::size_t SatelliteRecordsOffset(const SatelliteLayout& layout);

// Whether block (without its size word) begins like a DVB-S block.
bool LooksLikeSatelliteBlock(std::span<const std::uint8_t> block);

// The first part whose stored checksum does not match its bytes, or -1 when all match.
int FirstBadSatelliteChecksum(std::span<const std::uint8_t> block, const SatelliteLayout& layout);
// Stores the checksum of every part.
void UpdateSatelliteChecksums(std::span<std::uint8_t> block, const SatelliteLayout& layout);

// The transponders and satellites of a block of layout's size. A transponder that no
// satellite's chain reaches has no satellite (-1); a chain that runs outside the table or longer
// than its count ends there.
SatelliteTables ReadSatelliteTables(std::span<const std::uint8_t> block,
                                    const SatelliteLayout& layout);

// The record in every slot the bitmap marks as used, in slot order, each with its slot in
// m_slot and its kind classified, all sharing the block's tables. block must have layout's
// size.
std::vector<std::unique_ptr<CChannelRec>> ReadSatelliteChannels(std::span<const std::uint8_t> block,
                                                                const SatelliteLayout& layout);
// Writes each record's bytes into its slot.
void WriteSatelliteChannel(std::span<std::uint8_t> block, const SatelliteLayout& layout,
                           const CChannelRec& record);

} // namespace kx
