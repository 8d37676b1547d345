#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace kx::test {

// The settings block of a TLL file and the file's variant, read straight from the container's
// size fields so that the page tests do not depend on the document.
struct SettingsBlock
{
    int variant = 0;
    std::vector<std::uint8_t> bytes;
};

SettingsBlock readSettingsBlock(const std::filesystem::path& path);

} // namespace kx::test
