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

} // namespace kx::test
