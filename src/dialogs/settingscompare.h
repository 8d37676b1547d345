#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

// Byte-by-byte comparison of a document's settings block with the settings block of another TLL
// file of the same variant. Each difference is a line "XX : OOOO": the other file's byte as two
// hex digits, then the offset as four (the low four of a larger offset), in ascending offset
// order.
class SettingsCompare
{
public:
    struct Result
    {
        // False when the other file is of the other variant: nothing was compared.
        bool sameVariant = false;
        std::vector<std::string> lines;
    };

    // Reads otherFile, checked whole as opening it checks it, and compares its settings block
    // with block over the shorter of the two: offsets past the end of block are not listed.
    // variant: the document's (1, 2 or 3); nothing is compared when one of the two is a list of
    // 164-byte records and the other is not. Throws Error as opening the file would (Io when it
    // cannot be read, Truncated, Unsupported or Format when it is damaged or no channel list),
    // Error(ErrorCode::Internal) for a variant other than 1, 2 and 3.
    static Result compareWithFile(std::span<const std::uint8_t> block, int variant,
                                  const std::filesystem::path& otherFile);

    // The difference lines of two blocks over the shorter one's length.
    static std::vector<std::string> differences(std::span<const std::uint8_t> block,
                                                std::span<const std::uint8_t> other);

    // The offset a difference line names: its text from the second character after the first
    // ':' on, read as lenient hex.
    static std::uint32_t offsetOfLine(std::string_view line);
};

} // namespace kx
