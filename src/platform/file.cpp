#include "platform/file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/error.h"

namespace kx {

File::File(const std::filesystem::path& path, Mode mode)
{
    if (!open(path, mode)) {
        m_path = path;
        fail(mode == Mode::Read ? "cannot open it for reading" : "cannot create it");
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
    m_file = std::fopen(path.c_str(), mode == Mode::Read ? "rb" : "wb");
    if (m_file == nullptr) {
        return false;
    }
    m_path = path;
    return true;
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
    std::error_code error;
    const auto size = std::filesystem::file_size(m_path, error);
    if (error) {
        fail("cannot tell its size");
    }
    return size;
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
    std::string bytes;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error) {
        bytes.reserve(size);
    }
    char chunk[65536];
    for (;;) {
        const std::size_t got = file.read(chunk, sizeof chunk);
        bytes.append(chunk, got);
        if (got < sizeof chunk) {
            break;
        }
    }
    return bytes;
}

void File::writeAtomically(const std::filesystem::path& target,
                           const std::function<void(File&)>& write)
{
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    // A hidden name beside the target, so the rename stays within one file system.
    std::string hiddenName = target.filename().string();
    hiddenName.insert(hiddenName.begin(), '.');
    hiddenName.append(".XXXXXX");
    std::string temporary = (folder / hiddenName).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        const int error = errno;
        File named;
        named.m_path = target;
        errno = error;
        named.fail("cannot create a temporary file beside it");
    }
    struct stat existing = {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(descriptor, existing.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(descriptor, 0666 & ~mask);
    }
    File file;
    file.m_file = ::fdopen(descriptor, "wb");
    file.m_path = target;
    if (file.m_file == nullptr) {
        const int error = errno;
        ::close(descriptor);
        ::unlink(temporary.c_str());
        errno = error;
        file.fail("cannot create a temporary file beside it");
    }
    try {
        write(file);
        file.flush();
        file.close();
        if (std::rename(temporary.c_str(), target.c_str()) != 0) {
            file.fail("cannot replace it with the new file");
        }
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
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
