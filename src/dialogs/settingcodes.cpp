#include "dialogs/settingcodes.h"

#include <algorithm>

namespace kx {

namespace {

std::vector<std::string> textsOf(int firstId, int count)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(count));
    for (int index = 0; index < count; ++index) {
        texts.push_back(Strings::text(firstId + index));
    }
    return texts;
}

// Reads length bytes from byteOffset backwards into a code: the byte at the highest offset is the
// code's first letter.
std::optional<std::string> readReversed(std::span<const std::uint8_t> block, std::size_t byteOffset,
                                        std::size_t length)
{
    if (byteOffset >= block.size() || block.size() - byteOffset < length) {
        return std::nullopt;
    }
    std::string code(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        code[i] = static_cast<char>(block[byteOffset + length - 1 - i]);
    }
    return code;
}

bool writeReversed(std::span<std::uint8_t> block, std::size_t byteOffset, std::string_view code)
{
    const std::size_t length = code.size();
    if (byteOffset >= block.size() || block.size() - byteOffset < length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        block[byteOffset + length - 1 - i] = static_cast<std::uint8_t>(code[i]);
    }
    return true;
}

} // namespace

std::vector<std::string> countryNames()
{
    return textsOf(ids::kCountryFirst, ids::kCountryCount);
}

std::vector<std::string> languageNames()
{
    return textsOf(ids::kLanguageFirst, ids::kLanguageCount);
}

std::vector<std::string> menuItemNames()
{
    return textsOf(ids::kMenuItemFirst, ids::kMenuItemCount);
}

std::vector<std::string> timeZoneNames()
{
    std::vector<std::string> names;
    names.reserve(kTimeZoneCount);
    for (int hours = -11; hours <= 12; ++hours) {
        names.push_back(hours > 0 ? "+" + std::to_string(hours) : std::to_string(hours));
    }
    return names;
}

int findExact(std::span<const std::string_view> entries, std::string_view text)
{
    const auto it = std::find(entries.begin(), entries.end(), text);
    return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

int findExact(const std::vector<std::string>& entries, std::string_view text)
{
    const auto it = std::find(entries.begin(), entries.end(), text);
    return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

std::optional<std::string> readCountryCode(std::span<const std::uint8_t> block,
                                           std::size_t byteOffset)
{
    return readReversed(block, byteOffset, 2);
}

bool writeCountryCode(std::span<std::uint8_t> block, std::size_t byteOffset, std::string_view code)
{
    return code.size() == 2 && writeReversed(block, byteOffset, code);
}

std::optional<std::string> readLanguageCode(std::span<const std::uint8_t> block,
                                            std::size_t byteOffset)
{
    return readReversed(block, byteOffset, 3);
}

bool writeLanguageCode(std::span<std::uint8_t> block, std::size_t byteOffset, std::string_view code)
{
    return code.size() == 3 && writeReversed(block, byteOffset, code);
}

std::optional<std::string> readCountryCode3(std::span<const std::uint8_t> block,
                                            std::size_t byteOffset)
{
    return readReversed(block, byteOffset, 3);
}

bool writeCountryCode3(std::span<std::uint8_t> block, std::size_t byteOffset, std::string_view code)
{
    return code.size() == 3 && writeReversed(block, byteOffset, code);
}

std::optional<std::uint8_t> readByte(std::span<const std::uint8_t> block, std::size_t byteOffset)
{
    if (byteOffset >= block.size()) {
        return std::nullopt;
    }
    return block[byteOffset];
}

bool writeByte(std::span<std::uint8_t> block, std::size_t byteOffset, std::uint8_t value)
{
    if (byteOffset >= block.size()) {
        return false;
    }
    block[byteOffset] = value;
    return true;
}

} // namespace kx
