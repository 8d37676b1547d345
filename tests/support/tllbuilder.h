#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx::test {

// The bytes of a little-endian 32-bit value.
std::string u32le(std::uint32_t value);
std::uint16_t u16At(std::string_view bytes, std::size_t offset);
std::uint32_t u32At(std::string_view bytes, std::size_t offset);

// The raw bytes of one channel record, zero-filled, with fields set by their offsets as a TLL
// file lays them out. Written from the file layout by hand so that tests do not check the
// records with their own code.
class RecordBytes
{
public:
    explicit RecordBytes(int variant);

    static std::size_t sizeFor(int variant) { return variant == 2 ? 176 : 164; }

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
    std::size_t numberOffset() const { return m_variant == 2 ? 12 : 10; }
    std::size_t derivedOffset() const { return m_variant == 2 ? 116 : 108; }
    std::size_t nameOffset() const { return m_variant == 2 ? 30 : 28; }
    std::size_t nameLengthOffset() const { return m_variant == 2 ? 70 : 68; }
    std::size_t nameCopyOffset() const { return m_variant == 2 ? 128 : 116; }

private:
    int m_variant;
    std::string m_bytes;
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
    std::string m_tail;
    std::optional<std::uint32_t> m_analogBlockSize;
    std::optional<std::uint32_t> m_digitalBlockSize;
};

} // namespace kx::test
