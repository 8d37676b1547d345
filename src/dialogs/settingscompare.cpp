#include "dialogs/settingscompare.h"

#include <algorithm>

#include "document/descriptionline.h"
#include "document/tllfile.h"
#include "model/channelrec.h"
#include "platform/archive.h"
#include "platform/error.h"
#include "platform/file.h"

namespace kx {

SettingsCompare::Result SettingsCompare::compareWithFile(std::span<const std::uint8_t> block,
                                                         int variant,
                                                         const std::filesystem::path& otherFile)
{
    if (variant < 1 || variant > 3) {
        throw Error(ErrorCode::Internal,
                    "only a channel list of variant 1, 2 or 3 can be compared");
    }
    // The whole file is checked as opening it checks it, so that a damaged file is reported
    // rather than taken for one without differences.
    Archive ar(File::readAll(otherFile), otherFile.string());
    const TllContents other = ReadTll(ar);
    // Files of the newer receivers keep their settings block where those of variant 2 do, so
    // they compare with each other; only files of 164-byte records stand apart.
    if ((other.frame.variant == 1) != (variant == 1)) {
        return {};
    }
    return {true, differences(block, other.frame.settings.span())};
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
