#include "support/tllbuilder.h"

#include <algorithm>

#include "document/kanalyxdoc.h"
#include "platform/archive.h"

namespace kx::test {

std::string documentBytes(CKanalyxDoc& doc)
{
    std::string bytes;
    Archive ar = Archive::storingTo(bytes, "memory");
    doc.Serialize(ar);
    ar.flush();
    return bytes;
}

std::string u32le(std::uint32_t value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::uint16_t u16At(std::string_view bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes.at(offset)) |
                                      static_cast<unsigned char>(bytes.at(offset + 1)) << 8);
}

std::uint32_t u32At(std::string_view bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(u16At(bytes, offset)) |
           static_cast<std::uint32_t>(u16At(bytes, offset + 2)) << 16;
}

std::uint32_t bitwiseCrc32(std::string_view bytes)
{
    std::uint32_t crc = 0xFFFFFFFF;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ ((crc & 1) != 0 ? 0xEDB88320 : 0);
        }
    }
    return ~crc;
}

RecordBytes::RecordBytes(int variant) : m_variant(variant), m_bytes(sizeFor(variant), '\0')
{
    if (variant == 3) {
        u8(8, 3);   // a digital cable channel
        u8(134, 1); // the favourites byte as receivers leave it
    }
}

RecordBytes RecordBytes::ofSize(std::size_t size)
{
    RecordBytes record(3);
    record.m_bytes.assign(size, '\0');
    record.m_variant = 0; // no field this builder knows lies where it would set it
    return record;
}

RecordBytes& RecordBytes::numberWord(std::uint16_t word)
{
    if (m_variant == 3) {
        u16(derivedOffset(), word);
    }
    return u16(numberOffset(), word);
}

RecordBytes& RecordBytes::name(std::string_view stored)
{
    const std::size_t length = std::min<std::size_t>(stored.size(), 40);
    for (std::size_t i = 0; i < 40; ++i) {
        const char c = i < length ? stored[i] : '\0';
        m_bytes[nameOffset() + i] = c;
        m_bytes[nameCopyOffset() + i] = c;
    }
    if (m_variant == 3) {
        u8(nameCopyOffset() - 1, static_cast<std::uint8_t>(length));
    }
    return u8(nameLengthOffset(), static_cast<std::uint8_t>(length));
}

RecordBytes& RecordBytes::unchecked(bool set)
{
    const std::size_t offset = pick(113, 123, 135);
    const auto bit = static_cast<std::uint8_t>(m_variant == 1 ? 0x20 : 0x02);
    auto byte = static_cast<std::uint8_t>(m_bytes[offset]);
    byte = static_cast<std::uint8_t>(set ? byte | bit : byte & ~bit);
    return u8(offset, byte);
}

RecordBytes& RecordBytes::frequency(std::uint32_t value)
{
    return u32(m_variant == 2 ? 88 : 96, value);
}

RecordBytes& RecordBytes::u8(std::size_t offset, std::uint8_t value)
{
    m_bytes.at(offset) = static_cast<char>(value);
    return *this;
}

RecordBytes& RecordBytes::u16(std::size_t offset, std::uint16_t value)
{
    u8(offset, static_cast<std::uint8_t>(value));
    return u8(offset + 1, static_cast<std::uint8_t>(value >> 8));
}

RecordBytes& RecordBytes::u32(std::size_t offset, std::uint32_t value)
{
    u16(offset, static_cast<std::uint16_t>(value));
    return u16(offset + 2, static_cast<std::uint16_t>(value >> 16));
}

TllBuilder::TllBuilder(int variant) : m_variant(variant)
{}

TllBuilder& TllBuilder::analog(const RecordBytes& record)
{
    m_analog.push_back(record.bytes());
    return *this;
}

TllBuilder& TllBuilder::digital(const RecordBytes& record)
{
    m_digital.push_back(record.bytes());
    return *this;
}

TllBuilder& TllBuilder::settings(std::string bytes)
{
    m_settings = std::move(bytes);
    return *this;
}

TllBuilder& TllBuilder::trailing(std::string bytes)
{
    m_trailing = std::move(bytes);
    return *this;
}

TllBuilder& TllBuilder::hospitality(std::string bytes)
{
    m_hospitality = std::move(bytes);
    return *this;
}

TllBuilder& TllBuilder::satellite(std::string bytes)
{
    m_satellite = std::move(bytes);
    return *this;
}

TllBuilder& TllBuilder::tail(std::string bytes)
{
    m_tail = std::move(bytes);
    return *this;
}

TllBuilder& TllBuilder::analogBlockSize(std::uint32_t size)
{
    m_analogBlockSize = size;
    return *this;
}

TllBuilder& TllBuilder::digitalBlockSize(std::uint32_t size)
{
    m_digitalBlockSize = size;
    return *this;
}

std::string TllBuilder::build() const
{
    const std::string* first = !m_analog.empty()    ? &m_analog.front()
                               : !m_digital.empty() ? &m_digital.front()
                                                    : nullptr;
    const auto recordSize = static_cast<std::uint32_t>(
        first != nullptr ? first->size() : RecordBytes::sizeFor(m_variant));
    const auto blockSize = [recordSize](std::size_t count) {
        return 4 + recordSize * static_cast<std::uint32_t>(count);
    };
    std::string out;
    if (m_variant >= 2) {
        out += u32le(0x5A5A5A5A);
    }
    out += u32le(m_analogBlockSize.value_or(blockSize(m_analog.size())));
    out += u32le(static_cast<std::uint32_t>(m_analog.size()));
    for (const auto& record : m_analog) {
        out += record;
    }
    out += u32le(static_cast<std::uint32_t>(m_settings.size()));
    out += m_settings;
    if (m_hospitality) {
        out += u32le(static_cast<std::uint32_t>(m_hospitality->size())) + *m_hospitality;
    }
    out += u32le(m_digitalBlockSize.value_or(blockSize(m_digital.size())));
    out += u32le(static_cast<std::uint32_t>(m_digital.size()));
    for (const auto& record : m_digital) {
        out += record;
    }
    if (m_satellite) {
        out += u32le(static_cast<std::uint32_t>(m_satellite->size())) + *m_satellite;
    }
    if (m_variant >= 2) {
        out += u32le(static_cast<std::uint32_t>(m_trailing.size()));
        out += m_trailing;
    }
    out += m_tail;
    return out;
}

SatelliteBlockBytes& SatelliteBlockBytes::channel(std::uint16_t numberWord, std::string_view name,
                                                  std::uint8_t favourites, std::uint8_t flags)
{
    std::string record(kRecordSize, '\0');
    record.replace(8, 2, u32le(numberWord).substr(0, 2));
    record[14] = static_cast<char>(favourites);
    record[15] = static_cast<char>(flags);
    record[18] = static_cast<char>((numberWord & 0x4000) != 0 ? 2 : 1); // radio or TV
    record[19] = static_cast<char>(name.size());
    record.replace(20, name.size(), name);
    m_records.push_back(record);
    return *this;
}

std::string SatelliteBlockBytes::build() const
{
    const std::size_t partSizes[] = {12, 2896, 110712, 572472, 1768};
    std::string parts[5];
    for (std::size_t i = 0; i < 5; ++i) {
        parts[i].assign(partSizes[i], '\0');
    }
    parts[0].replace(0, 12, std::string("DVBS-S2\0\x07\x00\x04\x00", 12));
    // Channels: a header with the count at 10, the bitmap of used slots, then the records.
    std::string& channels = parts[3];
    channels.replace(10, 2, u32le(static_cast<std::uint32_t>(m_records.size())).substr(0, 2));
    for (std::size_t slot = 0; slot < m_records.size(); ++slot) {
        channels[12 + slot / 8] = static_cast<char>(channels[12 + slot / 8] | (1 << (slot % 8)));
        const std::size_t at = kRecordsOffset - (4 + 12 + 4 + 2896 + 4 + 110712 + 4);
        channels.replace(at + slot * kRecordSize, kRecordSize, m_records[slot]);
    }
    std::string block;
    for (const std::string& part : parts) {
        block += u32le(~bitwiseCrc32(part)) + part;
    }
    return block;
}

namespace {

// The magic word (or nothing), then every block with its size word.
std::vector<std::string_view> splitBlocks(std::string_view file)
{
    const bool magic =
        file.size() >= 4 && (u32At(file, 0) == 0x5A5A5A5A || u32At(file, 0) == 0xA5A5A5A5);
    std::vector<std::string_view> parts{file.substr(0, magic ? 4 : 0)};
    for (std::size_t at = parts[0].size(); at < file.size(); at += parts.back().size()) {
        const std::size_t left = file.size() - at;
        parts.push_back(
            file.substr(at, left >= 4 ? std::min<std::size_t>(4 + u32At(file, at), left) : left));
    }
    return parts;
}

} // namespace

std::size_t blockCount(std::string_view file)
{
    return splitBlocks(file).size() - 1;
}

std::string damagedCopy(std::string_view file, BlockDamage damage, std::size_t block)
{
    std::vector<std::string_view> parts = splitBlocks(file);
    const auto at = parts.begin() + static_cast<std::ptrdiff_t>(block + 1);
    if (damage == BlockDamage::Repeated) {
        parts.insert(at, *at);
    } else if (damage == BlockDamage::Dropped) {
        parts.erase(at);
    } else {
        std::iter_swap(at, at + 1);
    }
    std::string out;
    for (const std::string_view part : parts) {
        out += part;
    }
    return out;
}

std::string newerList(bool withSatellite)
{
    TllBuilder file(3);
    file.analog(RecordBytes(3).numberWord(2).name("Two").u8(8, 2))
        .analog(RecordBytes(3).numberWord(1).name("One").u8(8, 2))
        .settings(std::string(16, 'S'))
        .hospitality(std::string("\x03\x00\x00\x00\x00\x00\x01\x00", 8))
        .digital(RecordBytes(3).numberWord(16384 + 1).name("Radio"))
        .digital(RecordBytes(3).numberWord(1).name("TV"))
        .trailing(std::string(8, '\0'));
    if (withSatellite) {
        file.satellite(SatelliteBlockBytes()
                           .channel(2, "Sat Two")
                           .channel(0x4000, "Gone", 0x43)
                           .channel(1, "Sat One", 0x01, 0x04)
                           .build());
    }
    return file.build();
}

} // namespace kx::test
