#include "platform/file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "platform/error.h"

namespace kx {

namespace {

// What a file that is not a regular file is, for messages.
std::string kindOf(mode_t mode)
{
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    if (S_ISFIFO(mode)) {
        return "a pipe";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "a special file";
}

} // namespace

File::File(const std::filesystem::path& path, Mode mode)
{
    if (mode == Mode::Read) {
        openForReading(path);
    } else if (!open(path, mode)) {
        m_path = path;
        fail("cannot create it");
    }
}

File::~File()
{
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
}

File::File(File&& other) noexcept
    : m_file(std::exchange(other.m_file, nullptr)), m_path(std::move(other.m_path))
{}

File& File::operator=(File&& other) noexcept
{
    if (this != &other) {
        if (m_file != nullptr) {
            std::fclose(m_file);
        }
        m_file = std::exchange(other.m_file, nullptr);
        m_path = std::move(other.m_path);
    }
    return *this;
}

bool File::open(const std::filesystem::path& path, Mode mode)
{
    close();
    if (mode == Mode::Read) {
        try {
            openForReading(path);
        } catch (const Error&) {
            return false;
        }
        return true;
    }
    m_file = std::fopen(path.c_str(), "wb");
    if (m_file == nullptr) {
        return false;
    }
    m_path = path;
    return true;
}

void File::openForReading(const std::filesystem::path& path)
{
    close();
    m_path = path;
    // Without O_NONBLOCK opening a pipe would wait for a writer; the check below refuses it.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        fail("cannot open it for reading");
    }
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0) {
        const int error = errno;
        ::close(descriptor);
        errno = error;
        fail("cannot open it for reading");
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor);
        errno = 0;
        fail("it is " + kindOf(status.st_mode) + ", not a regular file");
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    m_file = ::fdopen(descriptor, "rb");
    if (m_file == nullptr) {
        const int error = errno;
        ::close(descriptor);
        errno = error;
        fail("cannot open it for reading");
    }
}

void File::close()
{
    if (m_file != nullptr) {
        std::FILE* file = std::exchange(m_file, nullptr);
        if (std::fclose(file) != 0) {
            fail("cannot close it");
        }
    }
}

std::size_t File::read(void* buffer, std::size_t byteCount)
{
    if (byteCount == 0) {
        return 0;
    }
    const std::size_t got = std::fread(buffer, 1, byteCount, m_file);
    if (got < byteCount && std::ferror(m_file) != 0) {
        fail("cannot read it");
    }
    return got;
}

void File::write(const void* buffer, std::size_t byteCount)
{
    if (byteCount == 0) {
        return;
    }
    if (std::fwrite(buffer, 1, byteCount, m_file) != byteCount) {
        fail("cannot write it");
    }
}

void File::skip(std::int64_t byteCount)
{
    if (fseeko(m_file, static_cast<off_t>(byteCount), SEEK_CUR) != 0) {
        fail("cannot seek in it");
    }
}

std::uint64_t File::position() const
{
    const off_t position = ftello(m_file);
    if (position < 0) {
        fail("cannot tell the position in it");
    }
    return static_cast<std::uint64_t>(position);
}

std::uint64_t File::length() const
{
    struct stat status = {};
    if (::fstat(fileno(m_file), &status) != 0) {
        fail("cannot tell its size");
    }
    return static_cast<std::uint64_t>(status.st_size);
}

void File::flush()
{
    if (std::fflush(m_file) != 0 || ::fsync(fileno(m_file)) != 0) {
        fail("cannot write it to the disk");
    }
}

std::string File::readAll(const std::filesystem::path& path)
{
    File file(path, Mode::Read);
    const std::uint64_t size = file.length();
    const auto tooLarge = [&file](std::uint64_t byteCount) {
        errno = 0;
        file.fail("it is " + std::to_string(byteCount) + " bytes long; files over " +
                  std::to_string(kMaxReadSize >> 20U) + " MiB are not read");
    };
    if (size > kMaxReadSize) {
        tooLarge(size);
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    char chunk[65536];
    for (;;) {
        const std::size_t got = file.read(chunk, sizeof chunk);
        bytes.append(chunk, got);
        // A file that grows while it is read stops at the limit too.
        if (bytes.size() > kMaxReadSize) {
            tooLarge(bytes.size());
        }
        if (got < sizeof chunk) {
            break;
        }
    }
    return bytes;
}

namespace {

// Follows symbolic links from path to the file they lead to, which need not exist yet: saving
// through a link writes that file and keeps the link. Returns an empty path (errno set) when a
// link cannot be read or the links go round in a loop.
std::filesystem::path followLinks(std::filesystem::path path)
{
    // The kernel's own limit on links followed in one path.
    constexpr int kMaxLinks = 40;
    for (int followed = 0; followed <= kMaxLinks; ++followed) {
        struct stat status = {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return path;
        }
        std::error_code error;
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error) {
            errno = error.value();
            return {};
        }
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    errno = ELOOP;
    return {};
}

// The longest mark a hidden name beside a target carries, with its six letters or digits.
constexpr std::size_t kLongestMark = File::kHiddenCopyMark.size() + 6;

// The start of every hidden name beside a target: a dot and the target's name, cut where a UTF-8
// character starts, so that the longest mark still fits however long the target's name is.
std::string hiddenPrefix(const std::string& targetName)
{
    std::string name = "." + targetName;
    const std::size_t room = NAME_MAX - kLongestMark;
    if (name.size() > room) {
        std::size_t cut = room;
        while (cut > 1 && (static_cast<unsigned char>(name[cut]) & 0xC0U) == 0x80U) {
            --cut;
        }
        name.resize(cut);
    }
    return name;
}

constexpr std::string_view kNameCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// Six characters from the letters and digits, as mkstemp picks them.
std::string randomSuffix()
{
    thread_local std::minstd_rand generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kNameCharacters.size() - 1);
    std::string suffix;
    for (int i = 0; i < 6; ++i) {
        suffix += kNameCharacters[pick(generator)];
    }
    return suffix;
}

// A save killed between naming its temporary file and renaming it leaves the name behind, with
// the new bytes that never took the target's place. Such names of this target's go once they are
// a minute old: a save of the target by another program may be in that moment just now. Only
// regular files of this user with no other link are taken.
void removeLeftovers(const std::filesystem::path& folder, const std::string& prefix)
{
    constexpr std::time_t kMinimumAge = 60;
    const std::string start = prefix + std::string(File::kTemporaryMark);
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.size() != start.size() + 6 || name.compare(0, start.size(), start) != 0 ||
            name.find_first_not_of(kNameCharacters, start.size()) != std::string::npos) {
            continue;
        }
        struct stat status = {};
        if (::lstat(entry->path().c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_nlink == 1 && status.st_uid == ::geteuid() &&
            std::time(nullptr) - status.st_mtim.tv_sec >= kMinimumAge) {
            ::unlink(entry->path().c_str());
        }
    }
}

// Whether nothing may be created in folder: the process may not, or, since root may write
// anything, nobody may.
bool isReadOnlyFolder(const std::filesystem::path& folder)
{
    struct stat status = {};
    if (::stat(folder.c_str(), &status) != 0) {
        return false; // creating the temporary file says what is wrong
    }
    if ((status.st_mode & 0222U) == 0) {
        return true;
    }
    return ::access(folder.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
}

// Copies every byte of from into to from offset 0 on and cuts to there; returns false (errno
// set) when that fails.
bool copyContent(int from, int to)
{
    std::vector<char> buffer(1 << 16);
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(from, buffer.data(), buffer.size(), offset);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (got == 0) {
            break;
        }
        for (ssize_t written = 0; written < got;) {
            const ssize_t put = ::pwrite(to, buffer.data() + written,
                                         static_cast<std::size_t>(got - written), offset + written);
            if (put < 0 && errno != EINTR) {
                return false;
            }
            written += put > 0 ? put : 0;
        }
        offset += got;
    }
    return ::ftruncate(to, offset) == 0 && ::fsync(to) == 0;
}

// The file being written: unnamed (O_TMPFILE) where the file system allows it, otherwise a
// hidden named file beside the target.
class TemporaryFile
{
public:
    TemporaryFile(const std::filesystem::path& folder, const std::string& targetName)
        : m_folder(folder), m_targetName(targetName)
    {
        // Naming an unnamed file at the end goes through /proc/self/fd.
        if (::access("/proc/self/fd", X_OK) == 0) {
            // Readable too: a target with other links is written from it in place.
            m_descriptor = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        }
        if (m_descriptor < 0) {
            std::string name =
                (folder / (hiddenPrefix(targetName) + std::string(File::kTemporaryMark) + "XXXXXX"))
                    .string();
            m_descriptor = ::mkostemp(name.data(), O_CLOEXEC);
            if (m_descriptor >= 0) {
                m_name = std::move(name);
            }
        }
    }
    ~TemporaryFile() { discard(); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int descriptor() const { return m_descriptor; }
    // The stream now owns the descriptor.
    void releaseDescriptor() { m_descriptor = -1; }

    // Puts the written file in target's place; returns false (errno set) when it cannot.
    bool moveTo(const std::filesystem::path& target, int descriptor, bool replacing)
    {
        if (m_name.empty()) {
            const std::string source = "/proc/self/fd/" + std::to_string(descriptor);
            // A new file appears under its name at once, with nothing in between.
            if (!replacing && ::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(),
                                       AT_SYMLINK_FOLLOW) == 0) {
                m_done = true;
                return true;
            }
            if (!replacing && errno != EEXIST) {
                return false;
            }
            // rename() is the only way to replace a file at once, and it needs a name.
            for (int attempt = 0; m_name.empty(); ++attempt) {
                const std::string name =
                    (m_folder / (hiddenPrefix(m_targetName) + std::string(File::kTemporaryMark) +
                                 randomSuffix()))
                        .string();
                if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) ==
                    0) {
                    m_name = name;
                } else if (errno != EEXIST || attempt == 100) {
                    return false;
                }
            }
        }
        if (std::rename(m_name.c_str(), target.c_str()) != 0) {
            return false;
        }
        m_done = true;
        return true;
    }

    void discard()
    {
        const int error = errno;
        if (m_descriptor >= 0) {
            ::close(m_descriptor);
            m_descriptor = -1;
        }
        if (!m_done && !m_name.empty()) {
            ::unlink(m_name.c_str());
        }
        m_done = true;
        errno = error;
    }

private:
    std::filesystem::path m_folder;
    std::string m_targetName;
    std::string m_name; // empty while the file has no name
    int m_descriptor = -1;
    bool m_done = false;
};

// Makes a rename in folder survive a power cut.
bool syncFolder(const std::filesystem::path& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    // Some file systems cannot sync a folder; they have nothing to lose.
    const bool synced = ::fsync(descriptor) == 0 || errno == EINVAL;
    ::close(descriptor);
    return synced;
}

// Why writing in place failed: what to say, and errno.
struct InPlaceFailure
{
    std::string what;
    int error = 0;
};

// Writes the bytes of source (the flushed temporary file) into destination itself, so that every
// hard link of it sees them. Its old bytes are copied to a hidden file beside it first, which
// goes when the new bytes are on the disk; when they cannot be written the old ones are put
// back, and the copy stays only when even that fails.
std::optional<InPlaceFailure> writeInPlace(const std::filesystem::path& destination, int source,
                                           const std::filesystem::path& folder,
                                           const std::string& prefix)
{
    const auto failure = [](std::string what) { return InPlaceFailure{std::move(what), errno}; };
    std::string copyName =
        (folder / (prefix + std::string(File::kHiddenCopyMark) + "XXXXXX")).string();
    const int old = ::open(destination.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (old < 0) {
        return failure("cannot read its old bytes to keep a copy; it was left as it was");
    }
    const int copy = ::mkostemp(copyName.data(), O_CLOEXEC);
    if (copy < 0 || !copyContent(old, copy) || !syncFolder(folder)) {
        InPlaceFailure failed = failure("cannot keep a copy of its old bytes beside it; it was "
                                        "left as it was");
        if (copy >= 0) {
            ::close(copy);
            ::unlink(copyName.c_str());
        }
        ::close(old);
        return failed;
    }
    ::close(old);
    const int target = ::open(destination.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (target < 0 || !copyContent(source, target)) {
        InPlaceFailure failed = failure("cannot write the new bytes into it");
        const bool restored = target >= 0 && copyContent(copy, target);
        failed.what +=
            restored ? "; it was left as it was" : "; its old bytes are kept in " + copyName;
        if (target >= 0) {
            ::close(target);
        }
        ::close(copy);
        if (restored) {
            ::unlink(copyName.c_str());
        }
        return failed;
    }
    ::close(target);
    ::close(copy);
    ::unlink(copyName.c_str());
    syncFolder(folder);
    return std::nullopt;
}

} // namespace

void File::writeAtomically(const std::filesystem::path& target,
                           const std::function<void(File&)>& write)
{
    File file;
    if (NamesStandardOutput(target)) {
        file.m_path = "standard output";
        const int descriptor = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
        if (descriptor < 0 || (file.m_file = ::fdopen(descriptor, "wb")) == nullptr) {
            if (descriptor >= 0) {
                ::close(descriptor);
            }
            file.fail("cannot write it");
        }
        write(file);
        if (std::fflush(file.m_file) != 0) {
            file.fail("cannot write it");
        }
        file.close();
        return;
    }
    file.m_path = target;
    const std::filesystem::path destination = followLinks(target);
    if (destination.empty()) {
        file.fail("cannot follow the symbolic link");
    }
    struct stat existing = {};
    const bool replacing = ::stat(destination.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode)) {
        errno = 0;
        file.fail("it is " + kindOf(existing.st_mode) +
                  ", not a regular file; nothing was written");
    }
    // Root may write anything, so a file that nobody may write counts as read-only as well.
    if (replacing &&
        (::access(destination.c_str(), W_OK) != 0 || (existing.st_mode & 0222U) == 0)) {
        errno = 0;
        file.fail("the file is read-only; it was left as it was");
    }

    const std::filesystem::path folder =
        destination.has_parent_path() ? destination.parent_path() : std::filesystem::path(".");
    if (isReadOnlyFolder(folder)) {
        errno = 0;
        file.fail(replacing ? "the folder it is in is read-only; the file was left as it was"
                            : "the folder it is to be in is read-only; nothing was written");
    }
    const std::string targetName = destination.filename().string();
    removeLeftovers(folder, hiddenPrefix(targetName));
    TemporaryFile temporary(folder, targetName);
    const int descriptor = temporary.descriptor();
    if (descriptor < 0) {
        file.fail("cannot create a temporary file beside it");
    }
    if (replacing) {
        // Not every process may give a file away; the group alone may still be kept.
        if (::fchown(descriptor, existing.st_uid, existing.st_gid) != 0) {
            [[maybe_unused]] const int ignored =
                ::fchown(descriptor, static_cast<uid_t>(-1), existing.st_gid);
        }
        ::fchmod(descriptor, existing.st_mode & 07777U);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(descriptor, 0666U & ~mask);
    }
    file.m_file = ::fdopen(descriptor, "wb");
    if (file.m_file == nullptr) {
        file.fail("cannot create a temporary file beside it");
    }
    temporary.releaseDescriptor();
    write(file);
    file.flush();
    if (replacing && existing.st_nlink > 1) {
        if (const auto failed =
                writeInPlace(destination, fileno(file.m_file), folder, hiddenPrefix(targetName))) {
            errno = failed->error;
            file.fail(failed->what);
        }
        file.close();
        return;
    }
    if (!temporary.moveTo(destination, fileno(file.m_file), replacing)) {
        file.fail("cannot replace it with the new file");
    }
    file.close();
    if (!syncFolder(folder)) {
        file.fail("cannot write it to the disk");
    }
}

bool File::NamesStandardOutput(const std::filesystem::path& path)
{
    const std::string& name = path.native();
    return name == "-" || name == "/dev/stdout" || name == "/dev/fd/1" || name == "/proc/self/fd/1";
}

void File::fail(const char* what) const
{
    const int savedErrno = errno;
    std::string message = m_path.string() + ": " + what;
    if (savedErrno != 0) {
        message += " (";
        message += std::strerror(savedErrno);
        message += ")";
    }
    throw Error(ErrorCode::Io, message);
}

} // namespace kx
