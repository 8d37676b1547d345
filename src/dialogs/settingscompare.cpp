#include "dialogs/settingscompare.h"

#include <algorithm>
#include <array>

#include "document/descriptionline.h"
#include "platform/error.h"
#include "platform/file.h"
#include "platform/littleendian.h"

namespace kx {
namespace {

constexpr std::uint32_t kMagic = 0x5A5A5A5A;

std::uint32_t readWord(File& file, const char* what)
{
    const std::uint64_t start = file.position();
    std::array<std::uint8_t, 4> bytes{};
    const std::size_t got = file.read(bytes.data(), bytes.size());
    if (got < bytes.size()) {
        throw Error(ErrorCode::Truncated, file.path().string() + ": the file ends at offset " +
                                              std::to_string(start + got) + ", inside the " + what +
                                              " that starts at offset " + std::to_string(start));
    }
    return readLittleEndian(bytes);
}

} // namespace

SettingsCompare::Result SettingsCompare::compareWithFile(std::span<const std::uint8_t> block,
                                                         int variant,
                                                         const std::filesystem::path& otherFile)
{
    if (variant < 1 || variant > 3) {
        throw Error(ErrorCode::Usage, "only a channel list of variant 1, 2 or 3 can be compared");
    }
    File file(otherFile, File::Mode::Read);
    const std::uint64_t length = file.length();
    const std::uint32_t first = readWord(file, "first 4-byte field");
    // Files of the newer receivers start with the magic word as those of variant 2 do, and
    // keep their settings block in the same place.
    const bool magic = first == kMagic || first == ~kMagic;
    if (magic != (variant != 1)) {
        return {};
    }
    const std::uint32_t analogSize = magic ? readWord(file, "analog block size") : first;
    const std::uint64_t analogStart = file.position();
    if (analogSize > length - analogStart) {
        throw Error(ErrorCode::Truncated,
                    otherFile.string() + ": the analog block of " + std::to_string(analogSize) +
                        " bytes that starts at offset " + std::to_string(analogStart) +
                        " runs past the end of the file at offset " + std::to_string(length));
    }
    file.skip(analogSize);
    const std::uint32_t settingsSize = readWord(file, "settings block size");
    // Only offsets inside this document's block are listed, and only real bytes are read.
    const std::uint64_t wanted = std::min<std::uint64_t>(
        {settingsSize, length - file.position(), static_cast<std::uint64_t>(block.size())});
    std::vector<std::uint8_t> other(static_cast<std::size_t>(wanted));
    other.resize(file.read(other.data(), other.size()));
    return {true, differences(block, other)};
}

std::vector<std::string> SettingsCompare::differences(std::span<const std::uint8_t> block,
                                                      std::span<const std::uint8_t> other)
{
    const std::size_t common = std::min(block.size(), other.size());
    const auto differs = [&](std::size_t offset) { return block[offset] != other[offset]; };
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < common; ++offset) {
        count += differs(offset) ? 1 : 0;
    }
    // A whole block of differences is up to a million lines: count first, build each in place.
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t offset = 0; offset < common; ++offset) {
        if (differs(offset)) {
            std::string& line = lines.emplace_back(formatByte(other[offset]));
            line += " : ";
            line += formatAddress(static_cast<std::uint32_t>(offset));
        }
    }
    return lines;
}

std::uint32_t SettingsCompare::offsetOfLine(std::string_view line)
{
    const std::size_t colon = line.find(':');
    const std::size_t start = colon == std::string_view::npos ? 1 : colon + 2;
    return ParseHex(line.substr(std::min(start, line.size())));
}

} // namespace kx
