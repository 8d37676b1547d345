#include "platform/sidefiles.h"

#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

#include "platform/error.h"
#include "platform/programfolder.h"

namespace kx {

namespace {

// The organisation and application names under which the editor keeps its settings and data.
constexpr std::string_view kDataSubfolder = "Velto/Kanalyx";

std::filesystem::path homeFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return home;
    }
    const passwd* entry = ::getpwuid(::getuid());
    if (entry != nullptr && entry->pw_dir != nullptr && *entry->pw_dir != '\0') {
        return entry->pw_dir;
    }
    return {};
}

bool isThere(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

} // namespace

SideFiles::SideFiles(std::filesystem::path userFolder,
                     std::vector<std::filesystem::path> shippedFolders)
    : m_userFolder(std::move(userFolder)), m_shippedFolders(std::move(shippedFolders))
{}

SideFiles SideFiles::forProgram(const std::filesystem::path& programFolder)
{
    return {userDataFolder(), ShippedDataFolders(programFolder)};
}

std::filesystem::path SideFiles::userDataFolder()
{
    // Relative paths are invalid here and ignored, as the XDG base directory rules say.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && std::filesystem::path(dataHome).is_absolute()) {
        return std::filesystem::path(dataHome) / kDataSubfolder;
    }
    const std::filesystem::path home = homeFolder();
    return home.empty() ? home : home / ".local/share" / kDataSubfolder;
}

std::filesystem::path SideFiles::toRead(std::string_view name) const
{
    if (!m_userFolder.empty() && isThere(m_userFolder / name)) {
        return m_userFolder / name;
    }
    for (const std::filesystem::path& folder : m_shippedFolders) {
        if (!folder.empty() && isThere(folder / name)) {
            return folder / name;
        }
    }
    return {};
}

std::filesystem::path SideFiles::toWrite(std::string_view name) const
{
    if (m_userFolder.empty()) {
        throw Error(ErrorCode::Io,
                    std::string(name) +
                        ": there is no folder for the user's data (HOME is not set)");
    }
    std::error_code error;
    std::filesystem::create_directories(m_userFolder, error);
    if (error) {
        throw Error(ErrorCode::Io, m_userFolder.string() + ": cannot make the folder for " +
                                       std::string(name) + " (" + error.message() + ")");
    }
    return m_userFolder / name;
}

} // namespace kx
