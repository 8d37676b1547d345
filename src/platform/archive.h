#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

class File;

// A one-pass little-endian byte stream in one direction, loading or storing. Stands in for the
// framework's archive: readU32() with fewer than 4 bytes left throws Error(ErrorCode::Truncated);
// read() returns the number of bytes delivered and never throws.
//
// A loading archive works on the whole file in memory, so callers can check every count against
// remaining() before they allocate anything. A storing archive buffers its writes; call flush()
// before the file is closed.
class Archive
{
public:
    // Loading archive over bytes it owns; name is used in error messages (normally the file path).
    Archive(std::string bytes, std::string name);
    // Storing archive that writes to file, which must outlive the archive.
    explicit Archive(File& file);
    // Storing archive that appends to sink in memory, which must outlive the archive; name is
    // used in error messages.
    static Archive storingTo(std::string& sink, std::string name);
    ~Archive() = default;
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    bool isLoading() const noexcept { return m_file == nullptr && m_sink == nullptr; }
    bool isStoring() const noexcept { return !isLoading(); }
    const std::string& name() const noexcept { return m_name; }

    // Loading.
    std::uint32_t readU32();
    std::size_t read(void* buffer, std::size_t byteCount);
    // Copies up to byteCount bytes from `ahead` bytes after the current position without
    // consuming them; returns how many were copied.
    std::size_t peek(void* buffer, std::size_t byteCount, std::uint64_t ahead = 0) const;
    // The 4-byte value `ahead` bytes after the current position, or nullopt past the end.
    std::optional<std::uint32_t> peekU32(std::uint64_t ahead) const;
    // Advances by up to byteCount bytes; returns how many were skipped.
    std::size_t skip(std::size_t byteCount);
    std::uint64_t position() const noexcept { return m_position; }
    // Every byte a loading archive holds, whatever was read of them.
    std::string_view loadedBytes() const noexcept { return m_bytes; }
    std::uint64_t remaining() const noexcept { return m_bytes.size() - m_position; }

    // Storing.
    void writeU32(std::uint32_t value);
    void write(const void* buffer, std::size_t byteCount);
    void flush();

private:
    Archive(std::string* sink, std::string name);

    std::string m_bytes;
    std::size_t m_position = 0;
    std::string m_name;
    File* m_file = nullptr;
    std::string* m_sink = nullptr;
    std::vector<char> m_buffer;
};

} // namespace kx
