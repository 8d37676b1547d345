#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "document/channelformat.h"
#include "document/listkind.h"

namespace kx {

class Archive;
class CChannelRec;
struct RecordLayout;
struct SatelliteLayout;

// The first word of a file with 176-byte or newer records.
inline constexpr std::uint32_t kTllMagic = 0x5A5A5A5A;

// The record size of a file variant (1: 164 bytes, 2: 176 bytes); 0 for any other variant.
std::size_t RecordSizeOf(int variant);

// A raw block of a TLL file kept whole: the settings block, the trailing block, or the bytes
// after the last block.
struct RawBlock
{
    std::unique_ptr<std::uint8_t[]> bytes;
    std::uint32_t size = 0;

    std::span<const std::uint8_t> span() const noexcept { return {bytes.get(), size}; }
    // clang-tidy 14 would make this const, which the overload above already is.
    std::span<std::uint8_t> span() noexcept // NOLINT(readability-make-member-function-const)
    {
        return {bytes.get(), size};
    }
};

// Something a file holds that loads but that the user should know about.
struct LoadWarning
{
    enum class Kind
    {
        SatelliteFilled,  // a DVB-S block with 0xFF for header: kept as it is, no channels
        SatelliteUnknown, // a DVB-S block of a size no known family writes: kept as it is
    };
    Kind kind;
    std::uint64_t offset; // of the block's size word
    std::uint32_t size;   // of the block
};

// The warning in English, for the command-line tool.
std::string LoadWarningText(const LoadWarning& warning);

// Whether the first bytes of a file are the start of XML text: after an optional byte order mark
// and blanks, a '<' with a name, '?' or '!' after it, in UTF-8 or in UTF-16 of either byte order
// (with or without the mark). No binary channel list starts so: its first word is a magic word
// or a block size, whose higher bytes are not text.
bool LooksLikeXmlText(std::span<const std::uint8_t> head);

// Everything of a TLL file but its channel records: how the file is laid out and the blocks it
// keeps whole, so that a save writes every byte back.
struct TllFrame
{
    int variant = 0; // 1: 164-byte records, 2: 176 bytes, 3: a newer layout
    // The layout of the analog and digital records; null when a newer file holds no record to
    // measure and its name names no model.
    const RecordLayout* layout = nullptr;
    std::uint32_t magic = 0; // the first word when the file starts with one, else 0
    RawBlock settings;       // the firmware block
    bool hasHospitality = false;
    RawBlock hospitality;
    RawBlock trailing; // the last block of files that start with the magic word
    bool hasSatellite = false;
    // The DVB-S block without its size word; satelliteLayout is null when it is kept as it is
    // and shows no channels (0xFF in place of its header, or of an unknown family).
    RawBlock satellite;
    const SatelliteLayout* satelliteLayout = nullptr;
    RawBlock tail; // bytes after the last block, kept so that none is lost
    std::vector<LoadWarning> warnings;
};

// Everything a TLL file holds, read and checked. The digital block's records are already sorted
// into the radio and the digital TV list by their number word, the satellite channels into the
// satellite TV and radio lists. In layouts whose records keep their place, records marked
// deleted go to `deleted`, and each list shows its channels in programme order (where a list
// holds channels of several inputs, input by input).
struct TllContents
{
    TllFrame frame;
    // Indexed by ListKind.
    std::array<Records, kListCount> lists;
    std::array<Records, kListCount> deleted;
};

// Reads a whole TLL file from a loading archive. Every count and size is checked against the
// bytes that remain before anything is allocated or read. The file name in the archive's name
// tells same-size layouts apart. Throws Error naming the archive's file, the block and the byte
// offset: Truncated when the file ends inside a field, record or block; Unsupported when a block
// size fits no known record size, or the file carries a block this program does not know;
// Format when the bytes are no channel list at all, the DVB-S block fails its checksums, or the
// blocks are not those a receiver writes: a block right after a copy of itself, a DVB-S block or
// a block of another kind's known size out of its place, blocks that disagree with the family of
// receivers the settings block's size names (ReceiverFamily), or a trailing block of a newer
// layout of other than 1 or 8 bytes.
TllContents ReadTll(Archive& ar);

// The records a file's blocks are written from, indexed by ListKind: those the lists show and
// those marked deleted.
struct TllRecords
{
    std::array<const Records*, kListCount> shown{};
    std::array<const Records*, kListCount> deleted{};
};

// Writes a whole file: the blocks of frame with the records. Sorted layouts write their records
// in list order (digital TV before radio); the others write every record in its place.
void WriteTll(Archive& ar, const TllFrame& frame, const TllRecords& records);

// The records of one list of contents.
inline Records& ListOf(TllContents& contents, ListKind list)
{
    return contents.lists[static_cast<std::size_t>(list)];
}

} // namespace kx
