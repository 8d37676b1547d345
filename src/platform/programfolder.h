#pragma once

#include <filesystem>
#include <vector>

namespace kx {

// The folder of the running executable. Empty when the executable's path cannot be found. Core
// functions take the folder as a parameter; only the programs' start-up asks for it.
std::filesystem::path ProgramFolder();

// Where the data files that come with a program in programFolder (more.txt, more10.txt) are
// looked for, in order: the program's own folder (a build folder keeps everything there), then
// the installed layout's data folder next to it (share/kanalyx beside bin). Empty for an empty
// programFolder.
std::vector<std::filesystem::path> ShippedDataFolders(const std::filesystem::path& programFolder);

// Where the language libraries of a program in programFolder are looked for, in the same way:
// the program's own folder, then the installed layout's private library folder (lib/kanalyx).
std::vector<std::filesystem::path> LibraryFolders(const std::filesystem::path& programFolder);

} // namespace kx
