#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace kx::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes. Tests write side files and edited copies of real files here, never into the
// project.
class TempFolder
{
public:
    TempFolder()
    {
        std::random_device seed;
        m_path = std::filesystem::temp_directory_path() /
                 ("kanalyx-test-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const noexcept { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace kx::test
