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
    // Reading opens regular files only: a folder, a device or a pipe is refused at once.
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

    // The largest file that readAll() reads: far above any real channel list or side file, and
    // small enough that a wrong file (a disk image, say) is refused before it fills the memory.
    static constexpr std::uint64_t kMaxReadSize = std::uint64_t{64} << 20U;

    // Reads a whole file into memory. Throws Error(ErrorCode::Io) when it cannot be read, when it
    // is not a regular file, and when it is larger than kMaxReadSize (checked before reading).
    static std::string readAll(const std::filesystem::path& path);

    // Writes a file so that it is never seen half-written: write() fills a temporary file in
    // target's folder, which is flushed to the disk and then put in target's place; the folder
    // is synced after that. The temporary file has no name while it is written where the file
    // system allows it, so a crash leaves nothing behind. When anything fails (write() throws
    // included) the temporary file goes, target is left as it was and the error is passed on.
    //
    // A symbolic link is followed: the file it points to is replaced and the link stays. A
    // target that is not a regular file (a device, a pipe, a folder) or that is read-only, or
    // whose folder is read-only, is refused before anything is written. The new file keeps the
    // permissions, and where the process may set them the owner and group, of the file it
    // replaces. The File given to write() reports its errors under target's name.
    //
    // A target with other hard links keeps them: the new bytes are written into the file itself,
    // after its old bytes were copied to a hidden file beside it (kHiddenCopyMark in its name),
    // which goes once the new bytes are on the disk; when the write fails the old bytes are put
    // back, and when even that fails the copy stays and the error names it.
    //
    // The temporary file gets a name only for the moment before it takes the target's place
    // (kTemporaryMark in its name); a name left by a save that was killed in that moment goes at
    // the next save of that target, once it is over a minute old.
    //
    // The names in NamesStandardOutput write the bytes straight to the standard output.
    static void writeAtomically(const std::filesystem::path& target,
                                const std::function<void(File&)>& write);

    // Whether path is "-", /dev/stdout, /dev/fd/1 or /proc/self/fd/1: the standard output.
    static bool NamesStandardOutput(const std::filesystem::path& path);

    // What the hidden files beside a target have after ".NAME": a temporary file, and the copy
    // of the old bytes of a file written in place; six letters or digits follow.
    static constexpr std::string_view kTemporaryMark = ".kanalyx-";
    static constexpr std::string_view kHiddenCopyMark = ".kanalyx-old-";

private:
    [[noreturn]] void fail(const char* what) const;
    [[noreturn]] void fail(const std::string& what) const { fail(what.c_str()); }
    // Opens for reading; throws Error(ErrorCode::Io) with the reason when that fails.
    void openForReading(const std::filesystem::path& path);

    std::FILE* m_file = nullptr;
    std::filesystem::path m_path;
};

} // namespace kx
