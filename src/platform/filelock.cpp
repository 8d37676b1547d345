#include "platform/filelock.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/error.h"

namespace kx {

struct FileLock::Held
{
    int descriptor;
    dev_t device;
    ino_t inode;
    Mode mode;

    Held(int descriptor, dev_t device, ino_t inode, Mode mode)
        : descriptor(descriptor), device(device), inode(inode), mode(mode)
    {}
    ~Held() { ::close(descriptor); } // closing the descriptor lets the lock go
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
};

namespace {

// The locks this process holds, so that a file is never locked twice.
std::mutex heldMutex;
std::vector<std::weak_ptr<void>>& heldLocks()
{
    static std::vector<std::weak_ptr<void>> locks;
    return locks;
}

std::string waited(std::chrono::milliseconds wait)
{
    if (wait.count() % 1000 != 0) {
        return std::to_string(wait.count()) + " ms";
    }
    const auto seconds = wait.count() / 1000;
    return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
}

} // namespace

bool FileLock::locks(const std::filesystem::path& path) const
{
    struct stat status = {};
    return m_held && ::stat(path.c_str(), &status) == 0 && status.st_dev == m_held->device &&
           status.st_ino == m_held->inode;
}

FileLock FileLock::acquire(const std::filesystem::path& path, Mode mode,
                           std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    const int operation = mode == Mode::Exclusive ? LOCK_EX : LOCK_SH;
    for (;;) {
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (descriptor < 0) {
            return {};
        }
        struct stat status = {};
        if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
            ::close(descriptor);
            return {};
        }
        {
            const std::lock_guard<std::mutex> guard(heldMutex);
            auto& locks = heldLocks();
            std::erase_if(locks, [](const std::weak_ptr<void>& lock) { return lock.expired(); });
            for (const auto& lock : locks) {
                auto held = std::static_pointer_cast<Held>(lock.lock());
                if (held && held->device == status.st_dev && held->inode == status.st_ino) {
                    ::close(descriptor);
                    if (mode == Mode::Exclusive && held->mode == Mode::Shared) {
                        throw Error(ErrorCode::Internal,
                                    path.string() + ": its shared lock cannot become exclusive");
                    }
                    FileLock shared;
                    shared.m_held = std::move(held);
                    return shared;
                }
            }
        }
        while (::flock(descriptor, operation | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) ||
                std::chrono::steady_clock::now() >= deadline) {
                const int error = errno;
                ::close(descriptor);
                if (error != EWOULDBLOCK && error != EINTR) {
                    return {}; // a file system without locks: there is nothing to wait for
                }
                throw Error(ErrorCode::Io, path.string() +
                                               ": another program keeps it locked while it edits "
                                               "or saves it (waited " +
                                               waited(wait) + "); nothing was done");
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        // The holder may have put another file in this one's place before it let go.
        struct stat now = {};
        if (::stat(path.c_str(), &now) == 0 && now.st_dev == status.st_dev &&
            now.st_ino == status.st_ino) {
            FileLock lock;
            lock.m_held = std::make_shared<Held>(descriptor, status.st_dev, status.st_ino, mode);
            const std::lock_guard<std::mutex> guard(heldMutex);
            heldLocks().push_back(lock.m_held);
            return lock;
        }
        ::close(descriptor);
    }
}

} // namespace kx
