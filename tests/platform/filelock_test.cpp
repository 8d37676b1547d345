#include "platform/filelock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

#include "platform/error.h"
#include "support/tempdir.h"

namespace kx {
namespace {

using namespace std::chrono_literals;

// Another program's lock: an open file of its own, locked.
class OtherHolder
{
public:
    explicit OtherHolder(const std::filesystem::path& path)
        : m_descriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC))
    {
        EXPECT_EQ(::flock(m_descriptor, LOCK_EX), 0);
    }
    ~OtherHolder() { letGo(); }
    OtherHolder(const OtherHolder&) = delete;
    OtherHolder& operator=(const OtherHolder&) = delete;

    void letGo()
    {
        if (m_descriptor >= 0) {
            ::close(m_descriptor);
            m_descriptor = -1;
        }
    }

private:
    int m_descriptor;
};

TEST(FileLock, HeldByAnotherForLongerThanTheWait_IsAnErrorNamingTheFile)
{
    test::TempDir dir;
    const auto path = dir.write("list.tll", "bytes");
    OtherHolder other(path);
    try {
        FileLock::acquire(path, FileLock::Mode::Shared, 1000ms);
        FAIL() << "the lock was taken twice";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Io);
        EXPECT_EQ(std::string(error.what()),
                  path.string() + ": another program keeps it locked while it edits or saves it "
                                  "(waited 1 second); nothing was done");
    }
    EXPECT_FALSE(FileLock::acquire(dir.file("none.tll"), FileLock::Mode::Exclusive).holds())
        << "a file that does not exist has nothing to keep";
}

// The holder put a new file in place of the one it locked before it let go: the waiter locks the
// new file, which is what it will read.
TEST(FileLock, FileReplacedWhileWaiting_IsLockedAnew)
{
    test::TempDir dir;
    const auto path = dir.write("list.tll", "old");
    OtherHolder other(path);
    FileLock lock;
    std::thread waiter([&] { lock = FileLock::acquire(path, FileLock::Mode::Exclusive, 10000ms); });
    std::this_thread::sleep_for(50ms);
    std::filesystem::rename(dir.write("new.tll", "new"), path);
    other.letGo();
    waiter.join();
    EXPECT_TRUE(lock.locks(path));

    // This process shares a lock it holds instead of waiting for itself.
    const FileLock again = FileLock::acquire(path, FileLock::Mode::Shared, 1000ms);
    EXPECT_TRUE(again.locks(path));
}

} // namespace
} // namespace kx
