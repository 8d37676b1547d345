#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "document/listkind.h"

namespace kx {

class Archive;
class CChannelRec;

// The first word of a file with 176-byte records.
inline constexpr std::uint32_t kTllMagic = 0x5A5A5A5A;

// The record size of a file variant (1: 164 bytes, 2: 176 bytes); 0 for any other variant.
std::size_t RecordSizeOf(int variant);

// A new, zero-filled record of the layout of variant (1 or 2); null for any other variant.
std::unique_ptr<CChannelRec> NewChannelRec(int variant);

// A raw block of a TLL file kept whole: the settings block, the trailing block, or the bytes
// after the last block.
struct RawBlock
{
    std::unique_ptr<std::uint8_t[]> bytes;
    std::uint32_t size = 0;

    std::span<const std::uint8_t> span() const noexcept { return {bytes.get(), size}; }
    std::span<std::uint8_t> span() noexcept { return {bytes.get(), size}; }
};

// Everything a TLL file holds, read and checked. The digital block's records are already sorted
// into the radio and the digital TV list by their number word, each in file order.
struct TllContents
{
    int variant = 0;
    // Indexed by ListKind.
    std::array<std::vector<std::unique_ptr<CChannelRec>>, kListCount> lists;
    RawBlock settings;
    RawBlock trailing; // variant 2 only
    RawBlock tail;     // bytes after the last block, kept so that none is lost
};

// Reads a whole TLL file from a loading archive. Every count and size is checked against the
// bytes that remain before anything is allocated or read. Throws Error naming the archive's file,
// the block and the byte offset: Truncated when the file ends inside a field, record or block;
// Unsupported when a block size does not fit the variant's record size, or the file carries a
// block this program does not know; Format when the bytes are no channel list at all.
TllContents ReadTll(Archive& ar);

// The records of one list of contents.
inline std::vector<std::unique_ptr<CChannelRec>>& ListOf(TllContents& contents, ListKind list)
{
    return contents.lists[static_cast<std::size_t>(list)];
}

} // namespace kx
