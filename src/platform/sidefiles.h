#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace kx {

// Where the side files (the user table code.dat, the settings description files more.txt and
// more10.txt) are read and written. The user's own copies live in the user's data folder: they
// are written there and read first. The copies that come with the program are read when the user
// has none; the program's own folders may be read-only, so nothing is ever written there.
class SideFiles
{
public:
    static constexpr std::string_view kUserTable = "code.dat";

    // No folder at all: nothing is found and nothing can be written.
    SideFiles() = default;
    // userFolder: where the user's copies live (empty: nowhere); shippedFolders: where the copies
    // that come with the program are looked for, in this order.
    SideFiles(std::filesystem::path userFolder, std::vector<std::filesystem::path> shippedFolders);

    // The side files of the program in programFolder: the user's data folder, then the program's
    // own folder and the installed data folder next to it (ShippedDataFolders). An empty
    // programFolder gives no shipped copies.
    static SideFiles forProgram(const std::filesystem::path& programFolder);

    // The user's data folder for Kanalyx: $XDG_DATA_HOME/Velto/Kanalyx, or
    // ~/.local/share/Velto/Kanalyx when that variable is unset or not an absolute path (the
    // editor's Qt AppDataLocation). Empty when the home folder is unknown.
    static std::filesystem::path userDataFolder();

    const std::filesystem::path& userFolder() const noexcept { return m_userFolder; }

    // The copy of the file name to read: the user's when it exists (of whatever kind, so that a
    // broken copy is reported rather than passed over), else the first shipped one that exists.
    // An empty path when there is none.
    std::filesystem::path toRead(std::string_view name) const;

    // Where the file name is written: the user's folder, made first when it is missing. Throws
    // Error(ErrorCode::Io) when there is no user folder or it cannot be made.
    std::filesystem::path toWrite(std::string_view name) const;

private:
    std::filesystem::path m_userFolder;
    std::vector<std::filesystem::path> m_shippedFolders;
};

} // namespace kx
