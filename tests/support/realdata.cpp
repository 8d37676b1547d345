#include "support/realdata.h"

namespace kx::test {

std::filesystem::path realDataDir()
{
    static const std::filesystem::path dir = [] {
        std::error_code error;
        const std::filesystem::path candidate(KANALYX_REALDATA_DIR);
        return std::filesystem::is_directory(candidate, error) ? candidate
                                                               : std::filesystem::path();
    }();
    return dir;
}

std::filesystem::path realDataFile(const std::string& name)
{
    return realDataDir() / name;
}

std::filesystem::path referenceListFile(const std::string& stem)
{
    std::error_code error;
    const std::string name = stem + ".csv.in";
    for (const auto& entry : std::filesystem::directory_iterator(realDataDir(), error)) {
        const std::filesystem::path candidate = entry.path() / name;
        if (entry.is_directory(error) && std::filesystem::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return {};
}

} // namespace kx::test
