#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx {
class CKanalyxDoc;
}

namespace kx::test {

// The file the document would save now, without saving it (saving marks the state saved).
std::string documentBytes(CKanalyxDoc& doc);

// The bytes of a little-endian 32-bit value.
std::string u32le(std::uint32_t value);
std::uint16_t u16At(std::string_view bytes, std::size_t offset);
std::uint32_t u32At(std::string_view bytes, std::size_t offset);

// The bitwise CRC-32 of zlib, written out bit by bit apart from the program's table-driven one.
std::uint32_t bitwiseCrc32(std::string_view bytes);

// The raw bytes of one channel record, zero-filled, with fields set by their offsets as a TLL
// file lays them out. Written from the file layout by hand so that tests do not check the
// records with their own code. Variant 3 stands for the 192-byte records of the newer
// receivers, which keep each record in its place.
class RecordBytes
{
public:
    explicit RecordBytes(int variant);
    // A zero-filled record of another size of the newer receivers, whose fields the caller sets
    // with u8, u16 and u32.
    static RecordBytes ofSize(std::size_t size);

    static std::size_t sizeFor(int variant)
    {
        return variant == 3 ? 192 : variant == 2 ? 176 : 164;
    }

    // The u16 number word (radio channels add 16384).
    RecordBytes& numberWord(std::uint16_t word);
    // Stored name bytes (prefix byte included), the length byte and the name copy.
    RecordBytes& name(std::string_view stored);
    // Sets or clears the check bit (set: the row shows unticked).
    RecordBytes& unchecked(bool set);
    RecordBytes& frequency(std::uint32_t value);
    RecordBytes& u8(std::size_t offset, std::uint8_t value);
    RecordBytes& u16(std::size_t offset, std::uint16_t value);
    RecordBytes& u32(std::size_t offset, std::uint32_t value);

    int variant() const { return m_variant; }
    const std::string& bytes() const { return m_bytes; }

    // Offsets of the fields this builder sets.
    std::size_t numberOffset() const { return m_variant == 1 ? 10 : 12; }
    std::size_t derivedOffset() const { return pick(108, 116, 128); }
    std::size_t nameOffset() const { return m_variant == 1 ? 28 : 30; }
    std::size_t nameLengthOffset() const { return m_variant == 1 ? 68 : 70; }
    std::size_t nameCopyOffset() const { return pick(116, 128, 140); }

private:
    std::size_t pick(std::size_t v1, std::size_t v2, std::size_t v3) const
    {
        return m_variant == 3 ? v3 : m_variant == 2 ? v2 : v1;
    }

    int m_variant;
    std::string m_bytes;
};

// A DVB-S block of the family with 68-byte channel records (687880 bytes without its size
// word): the five parts with their checksums, the channels in slots from 0 on.
class SatelliteBlockBytes
{
public:
    // A channel in the next free slot; favourites is the byte whose 0x42 marks it deleted.
    SatelliteBlockBytes& channel(std::uint16_t numberWord, std::string_view name,
                                 std::uint8_t favourites = 0x01, std::uint8_t flags = 0);
    // The block without its size word.
    std::string build() const;

    static constexpr std::size_t kBlockSize = 687880;
    // Where the records of the slots begin in the block.
    static constexpr std::size_t kRecordsOffset =
        4 + 12 + 4 + 2896 + 4 + 110712 + 4 + 12 + 940 + 7520 * 8;
    static constexpr std::size_t kRecordSize = 68;

private:
    std::vector<std::string> m_records;
};

// Composes the bytes of a TLL file of either variant. Sizes and counts follow from what was
// added unless a test overrides them to make a damaged file.
class TllBuilder
{
public:
    explicit TllBuilder(int variant);

    TllBuilder& analog(const RecordBytes& record);
    TllBuilder& digital(const RecordBytes& record);
    TllBuilder& settings(std::string bytes);
    TllBuilder& trailing(std::string bytes);
    TllBuilder& hospitality(std::string bytes);
    // The DVB-S block (without its size word), between the digital and the trailing block.
    TllBuilder& satellite(std::string bytes);
    // Bytes after the last block.
    TllBuilder& tail(std::string bytes);

    TllBuilder& analogBlockSize(std::uint32_t size);
    TllBuilder& digitalBlockSize(std::uint32_t size);

    std::string build() const;

private:
    int m_variant;
    std::vector<std::string> m_analog;
    std::vector<std::string> m_digital;
    std::string m_settings;
    std::string m_trailing;
    std::optional<std::string> m_hospitality;
    std::optional<std::string> m_satellite;
    std::string m_tail;
    std::optional<std::uint32_t> m_analogBlockSize;
    std::optional<std::uint32_t> m_digitalBlockSize;
};

// How a damaged copy of a file differs from it: one of its blocks (counted from the analog block
// on) stands twice, is missing, or changed places with the block after it.
enum class BlockDamage
{
    Repeated,
    Dropped,
    SwappedWithNext,
};

// The number of blocks of a file, each walked by its size word from the analog block on; the
// bytes after the last whole block count as one more.
std::size_t blockCount(std::string_view file);
// The file with block damaged.
std::string damagedCopy(std::string_view file, BlockDamage damage, std::size_t block);

// A list of the newer receivers: 192-byte records that keep their places (analog numbers 2 and
// 1 in file order, a radio and a TV channel), a hospitality block, an 8-byte trailing block and,
// when asked, a DVB-S block with TV channels 2 and 1 around a deleted radio channel.
std::string newerList(bool withSatellite);

} // namespace kx::test
