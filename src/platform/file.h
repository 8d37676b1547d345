#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace kx {

// A binary file opened for reading or for writing (created or truncated). Stands in for the
// framework's file class: read() returns the number of bytes delivered, which may be short at the
// end of the file; every other failure throws Error(ErrorCode::Io) naming the file.
class File
{
public:
    enum class Mode
    {
        Read,
        Write,
    };

    File() = default;
    File(const std::filesystem::path& path, Mode mode);
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;

    // Opens the file; returns false (and leaves this object closed) when it cannot be opened.
    bool open(const std::filesystem::path& path, Mode mode);
    void close();

    // Reads up to byteCount bytes; returns the number delivered (less only at the end of the file).
    std::size_t read(void* buffer, std::size_t byteCount);
    void write(const void* buffer, std::size_t byteCount);
    void write(std::string_view text) { write(text.data(), text.size()); }

    // Moves the position by byteCount bytes from where it is.
    void skip(std::int64_t byteCount);
    std::uint64_t position() const;
    std::uint64_t length() const;

    // Pushes written bytes through to the disk (fflush and fsync).
    void flush();

    const std::filesystem::path& path() const noexcept { return m_path; }

    // Reads a whole file into memory; throws Error(ErrorCode::Io) when it cannot be read.
    static std::string readAll(const std::filesystem::path& path);

    // Writes a file so that it is never seen half-written: write() fills a temporary file beside
    // target, which is flushed to the disk and then renamed over target. When anything fails
    // (write() throws included) the temporary file is removed, target is left as it was and the
    // error is passed on. The File given to write() reports its errors under target's name. The
    // new file keeps the permissions of the file it replaces.
    static void writeAtomically(const std::filesystem::path& target,
                                const std::function<void(File&)>& write);

private:
    [[noreturn]] void fail(const char* what) const;

    std::FILE* m_file = nullptr;
    std::filesystem::path m_path;
};

} // namespace kx
