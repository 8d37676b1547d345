#include "platform/archive.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "platform/error.h"
#include "platform/file.h"
#include "platform/littleendian.h"

namespace kx {

namespace {
constexpr std::size_t kWriteBufferSize = 1 << 16;
} // namespace

Archive::Archive(std::string bytes, std::string name)
    : m_bytes(std::move(bytes)), m_name(std::move(name))
{}

Archive::Archive(File& file) : m_name(file.path().string()), m_file(&file)
{
    m_buffer.reserve(kWriteBufferSize);
}

Archive::Archive(std::string* sink, std::string name) : m_name(std::move(name)), m_sink(sink)
{}

Archive Archive::storingTo(std::string& sink, std::string name)
{
    return Archive(&sink, std::move(name));
}

std::uint32_t Archive::readU32()
{
    if (remaining() < 4) {
        throw Error(ErrorCode::Truncated,
                    m_name + ": the file ends at offset " + std::to_string(m_bytes.size()) +
                        ", inside a 4-byte field that starts at offset " +
                        std::to_string(m_position),
                    ErrorPlace{{}, m_position});
    }
    const auto* p = reinterpret_cast<const unsigned char*>(m_bytes.data() + m_position);
    m_position += 4;
    return readLittleEndian(std::span(p, 4));
}

std::size_t Archive::read(void* buffer, std::size_t byteCount)
{
    const std::size_t got = std::min<std::size_t>(byteCount, remaining());
    if (got > 0) {
        std::memcpy(buffer, m_bytes.data() + m_position, got);
    }
    m_position += got;
    return got;
}

std::size_t Archive::peek(void* buffer, std::size_t byteCount, std::uint64_t ahead) const
{
    if (ahead >= remaining()) {
        return 0;
    }
    const std::size_t got = std::min<std::uint64_t>(byteCount, remaining() - ahead);
    if (got > 0) {
        std::memcpy(buffer, m_bytes.data() + m_position + ahead, got);
    }
    return got;
}

std::optional<std::uint32_t> Archive::peekU32(std::uint64_t ahead) const
{
    std::array<std::uint8_t, 4> bytes{};
    if (peek(bytes.data(), bytes.size(), ahead) < bytes.size()) {
        return std::nullopt;
    }
    return readLittleEndian(bytes);
}

std::size_t Archive::skip(std::size_t byteCount)
{
    const std::size_t skipped = std::min<std::size_t>(byteCount, remaining());
    m_position += skipped;
    return skipped;
}

void Archive::writeU32(std::uint32_t value)
{
    std::array<std::uint8_t, 4> bytes{};
    writeLittleEndian(bytes, value);
    write(bytes.data(), bytes.size());
}

void Archive::write(const void* buffer, std::size_t byteCount)
{
    const char* bytes = static_cast<const char*>(buffer);
    if (m_sink != nullptr) {
        m_sink->append(bytes, byteCount);
        return;
    }
    if (m_buffer.size() + byteCount > kWriteBufferSize) {
        flush();
        if (byteCount >= kWriteBufferSize) {
            m_file->write(bytes, byteCount);
            return;
        }
    }
    m_buffer.insert(m_buffer.end(), bytes, bytes + byteCount);
}

void Archive::flush()
{
    if (m_file != nullptr && !m_buffer.empty()) {
        m_file->write(m_buffer.data(), m_buffer.size());
        m_buffer.clear();
    }
}

} // namespace kx
