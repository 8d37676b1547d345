#include "support/tllbuilder.h"

#include <algorithm>

namespace kx::test {

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

RecordBytes::RecordBytes(int variant) : m_variant(variant), m_bytes(sizeFor(variant), '\0')
{}

RecordBytes& RecordBytes::numberWord(std::uint16_t word)
{
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
    return u8(nameLengthOffset(), static_cast<std::uint8_t>(length));
}

RecordBytes& RecordBytes::unchecked(bool set)
{
    const std::size_t offset = m_variant == 2 ? 123 : 113;
    const auto bit = static_cast<std::uint8_t>(m_variant == 2 ? 0x02 : 0x20);
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
    const auto recordSize = static_cast<std::uint32_t>(RecordBytes::sizeFor(m_variant));
    const auto blockSize = [recordSize](std::size_t count) {
        return 4 + recordSize * static_cast<std::uint32_t>(count);
    };
    std::string out;
    if (m_variant == 2) {
        out += u32le(0x5A5A5A5A);
    }
    out += u32le(m_analogBlockSize.value_or(blockSize(m_analog.size())));
    out += u32le(static_cast<std::uint32_t>(m_analog.size()));
    for (const auto& record : m_analog) {
        out += record;
    }
    out += u32le(static_cast<std::uint32_t>(m_settings.size()));
    out += m_settings;
    out += u32le(m_digitalBlockSize.value_or(blockSize(m_digital.size())));
    out += u32le(static_cast<std::uint32_t>(m_digital.size()));
    for (const auto& record : m_digital) {
        out += record;
    }
    if (m_variant == 2) {
        out += u32le(static_cast<std::uint32_t>(m_trailing.size()));
        out += m_trailing;
    }
    out += m_tail;
    return out;
}

} // namespace kx::test
