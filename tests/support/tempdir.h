#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/sidefiles.h"

namespace kx::test {

// A fresh, empty folder under the system's temporary folder, removed with everything in it when
// the object goes.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const noexcept { return m_path; }
    std::filesystem::path file(const std::string& name) const { return m_path / name; }
    // Writes bytes to a file in the folder and returns its path.
    std::filesystem::path write(const std::string& name, std::string_view bytes) const;

private:
    std::filesystem::path m_path;
};

// Side files read from and written to one folder: the user's copies and the program's alike.
inline SideFiles sideFilesIn(const std::filesystem::path& folder)
{
    return SideFiles(folder, {folder});
}

// Sets an environment variable (nullptr: unsets it) for the object's lifetime.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_saved;
};

// The whole content of a file; throws when it cannot be read.
std::string readFile(const std::filesystem::path& path);

} // namespace kx::test
