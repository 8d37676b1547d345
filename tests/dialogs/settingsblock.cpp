#include "settingsblock.h"

#include <stdexcept>
#include <string>

#include "platform/file.h"

namespace kx::test {

namespace {

std::uint32_t u32At(const std::string& bytes, std::size_t offset)
{
    if (offset + 4 > bytes.size()) {
        throw std::runtime_error("file too short");
    }
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    }
    return value;
}

} // namespace

SettingsBlock readSettingsBlock(const std::filesystem::path& path)
{
    const std::string bytes = File::readAll(path);
    SettingsBlock block;
    std::size_t offset = 0;
    block.variant = 1;
    if (u32At(bytes, 0) == 0x5A5A5A5Au) {
        block.variant = 2;
        offset = 4;
    }
    offset += 4 + u32At(bytes, offset); // the analog block and its size field
    const std::uint32_t size = u32At(bytes, offset);
    offset += 4;
    if (offset + size > bytes.size()) {
        throw std::runtime_error("settings block runs past the end");
    }
    block.bytes.assign(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                       bytes.begin() + static_cast<std::ptrdiff_t>(offset + size));
    return block;
}

} // namespace kx::test
