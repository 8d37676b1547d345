#pragma once

#include <chrono>
#include <filesystem>
#include <memory>

namespace kx {

// An advisory lock (flock) on the file a name leads to, held while the object lives. A program
// that holds the exclusive lock of a file from reading it to putting its new version in place,
// and the shared lock while it only reads it, never loses another's change to it nor reads it
// half-written, as long as the other takes the lock too: every Kanalyx program does.
//
// Whoever held the lock may have put a new file in the old one's place meanwhile, so once the
// lock is granted the name is looked up again; when it leads to another file by then, that one
// is locked instead. A lock this process holds on the file already, in either mode, is shared
// rather than taken again (a second flock of one file in one process would wait for itself).
// One thread at a time takes locks.
class FileLock
{
public:
    enum class Mode
    {
        Shared,
        Exclusive,
    };

    static constexpr std::chrono::milliseconds kDefaultWait{20000};

    FileLock() = default;

    // Locks the regular file path leads to (symbolic links followed). Holds nothing when there
    // is no such file, or it cannot be opened for reading: there is nothing to keep then. Waits
    // up to `wait` for another holder, then throws Error(ErrorCode::Io) naming the file.
    static FileLock acquire(const std::filesystem::path& path, Mode mode,
                            std::chrono::milliseconds wait = kDefaultWait);

    bool holds() const noexcept { return m_held != nullptr; }
    // Whether the lock is held on the file path leads to now.
    bool locks(const std::filesystem::path& path) const;

private:
    struct Held;
    std::shared_ptr<Held> m_held;
};

} // namespace kx
