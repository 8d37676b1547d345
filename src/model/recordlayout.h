#pragma once

#include <cstddef>
#include <cstdint>

namespace kx {

// Where the fields of one channel-record layout lie inside its raw bytes. Every multi-byte field
// is little-endian. The two layouts differ only in these offsets and in how the symbol rate word
// is read, so one implementation serves both.
struct RecordLayout
{
    std::size_t recordSize;
    std::size_t numberWord;  // u16: programme number in bits 0-13, radio + 16384
    std::size_t derivedId;   // u32: programme number x 4 plus a kind code
    std::size_t systemWord;  // u16: analog TV system code
    std::size_t channelBand; // u16: low byte channel, high byte band (0 = cable)
    std::size_t nameField;   // 40 bytes of stored name text
    std::size_t nameLength;  // u16 whose low byte is the stored name length
    std::size_t nameCopy;    // 40 bytes: the name field up to its terminator
    std::size_t checkByte;   // the byte that holds the check bit
    std::uint8_t checkMask;  // the check bit within checkByte: set = unticked
    std::size_t frequency;   // u32
    std::size_t symbolRate;  // symbolRateBytes wide; its low byte is the modulation code
    std::size_t symbolRateBytes;
    unsigned symbolRateShift; // the symbol rate is the field shifted right by this many bits
};

// Size of the name field and of the name copy.
inline constexpr std::size_t kNameFieldSize = 40;

// Records of 164 bytes (files that start with the analog block size).
inline constexpr RecordLayout kLayoutV1{
    .recordSize = 164,
    .numberWord = 10,
    .derivedId = 108,
    .systemWord = 22,
    .channelBand = 24,
    .nameField = 28,
    .nameLength = 68,
    .nameCopy = 116,
    .checkByte = 113,
    .checkMask = 0x20,
    .frequency = 96,
    .symbolRate = 92,
    .symbolRateBytes = 4,
    .symbolRateShift = 8,
};

// Records of 176 bytes (files that start with the magic 0x5A5A5A5A). The check bit is bit 0x0200
// of the little-endian word at 122, that is bit 1 of byte 123.
inline constexpr RecordLayout kLayoutV2{
    .recordSize = 176,
    .numberWord = 12,
    .derivedId = 116,
    .systemWord = 24,
    .channelBand = 26,
    .nameField = 30,
    .nameLength = 70,
    .nameCopy = 128,
    .checkByte = 123,
    .checkMask = 0x02,
    .frequency = 88,
    .symbolRate = 102,
    .symbolRateBytes = 2,
    .symbolRateShift = 0,
};

} // namespace kx
