#include "platform/filelock.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

#include "platform/error.h"
#include "support/tempdir.h"

namespace kx {
namespace {

using namespace std::chrono_literals;

// Another program's lock: an open file of its own, locked; closing it lets the lock go.
int lockAsAnotherProgram(const std::filesystem::path& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    EXPECT_EQ(::flock(descriptor, LOCK_EX), 0);
    return descriptor;
}

TEST(FileLock, HeldByAnotherForLongerThanTheWait_IsAnErrorNamingTheFile)
{
    test::TempDir dir;
    const auto path = dir.write("list.tll", "bytes");
    const int other = lockAsAnotherProgram(path);
    try {
        FileLock::acquire(path, FileLock::Mode::Shared, 1000ms);
        ADD_FAILURE() << "the lock was taken twice";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  path.string() + ": another program keeps it locked while it edits or saves it "
                                  "(waited 1 second); nothing was done");
    }
    ::close(other);
    EXPECT_FALSE(FileLock::acquire(dir.file("none.tll"), FileLock::Mode::Exclusive).holds());
}

// The holder put a new file in place of the one it locked before it let go: the waiter locks the
// new file, the one it will read; a lock this process holds is shared, not waited for.
TEST(FileLock, FileReplacedWhileWaiting_IsLockedAnew)
{
    test::TempDir dir;
    const auto path = dir.write("list.tll", "old");
    const int other = lockAsAnotherProgram(path);
    FileLock lock;
    std::thread waiter([&] { lock = FileLock::acquire(path, FileLock::Mode::Exclusive, 10s); });
    std::this_thread::sleep_for(50ms);
    std::filesystem::rename(dir.write("new.tll", "new"), path);
    ::close(other);
    waiter.join();
    EXPECT_TRUE(lock.locks(path));
    EXPECT_TRUE(FileLock::acquire(path, FileLock::Mode::Shared, 1000ms).locks(path));
}

} // namespace
} // namespace kx
