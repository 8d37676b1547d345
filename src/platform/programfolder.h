#pragma once

#include <filesystem>

namespace kx {

// The folder of the running executable, where the side files (code.dat, more.txt, more10.txt)
// live. Empty when the executable's path cannot be found. Core functions take the folder as a
// parameter; only the programs' start-up asks for it.
std::filesystem::path ProgramFolder();

} // namespace kx
