#include "platform/programfolder.h"

#include <system_error>

namespace kx {

namespace {

std::vector<std::filesystem::path> besideAndInstalled(const std::filesystem::path& programFolder,
                                                      const char* installedFromBin)
{
    if (programFolder.empty()) {
        return {};
    }
    return {programFolder, (programFolder / installedFromBin).lexically_normal()};
}

} // namespace

std::filesystem::path ProgramFolder()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable.parent_path();
}

std::vector<std::filesystem::path> ShippedDataFolders(const std::filesystem::path& programFolder)
{
    return besideAndInstalled(programFolder, KANALYX_DATA_FROM_BIN);
}

std::vector<std::filesystem::path> LibraryFolders(const std::filesystem::path& programFolder)
{
    return besideAndInstalled(programFolder, KANALYX_LIBRARIES_FROM_BIN);
}

} // namespace kx
