#include "platform/programfolder.h"

#include <system_error>

namespace kx {

std::filesystem::path ProgramFolder()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable.parent_path();
}

} // namespace kx
