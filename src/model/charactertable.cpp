#include "model/charactertable.h"

#include <algorithm>

#include "platform/strings.h"

namespace kx {

std::string CharacterTableText(int row)
{
    if (row < 0 || row >= kCharacterTableCount) {
        return {};
    }
    return Strings::text(kCharacterTables[static_cast<std::size_t>(row)].textId);
}

std::string CharacterTextOfName(std::span<const std::uint8_t> name)
{
    // A part of ISO 8859 shows as the list's row for it, or by its name where the list has none.
    if (const NameTableSelector selector = NameTableSelectorOf(name); selector.isoPart > 0) {
        return selector.row >= 0 ? CharacterTableText(selector.row)
                                 : "ISO 8859-" + std::to_string(selector.isoPart);
    }
    const std::uint8_t prefix = name.empty() ? 0 : name[0];
    const int row = CharacterTableForPrefix(prefix);
    if (row >= 0) {
        return CharacterTableText(row);
    }
    const std::string none = CharacterTableText(kTableNone);
    return prefix < 32 ? std::to_string(prefix) + " - " + none : none;
}

int CharacterTableForPrefix(std::uint8_t prefix)
{
    for (int row = kTableUser; row < kCharacterTableCount; ++row) {
        if (kCharacterTables[static_cast<std::size_t>(row)].prefix == prefix) {
            return row;
        }
    }
    return -1;
}

NameTableSelector NameTableSelectorOf(std::span<const std::uint8_t> name)
{
    constexpr std::uint8_t kFirstSelector = 0x01;
    constexpr std::uint8_t kLastSelector = 0x1F;
    constexpr std::uint8_t kIsoSelector = 0x10;
    // ISO 8859 part n is the code page 28590 + n; there is no part 12.
    constexpr int kIsoCodePageBase = 28590;
    constexpr int kLastIsoPart = 15;
    constexpr int kNoIsoPart = 12;

    NameTableSelector selector;
    if (name.empty() || name[0] < kFirstSelector || name[0] > kLastSelector) {
        return selector;
    }
    if (name[0] != kIsoSelector) {
        selector.size = 1;
        selector.row = CharacterTableForPrefix(name[0]);
        if (selector.row >= 0) {
            selector.codePage = kCharacterTables[static_cast<std::size_t>(selector.row)].codePage;
        }
        return selector;
    }
    selector.size = std::min<std::size_t>(3, name.size());
    if (name.size() < 3 || name[1] > 1 || name[2] == 0 || name[2] > kLastIsoPart ||
        name[2] == kNoIsoPart) {
        return selector;
    }
    selector.isoPart = name[2];
    selector.codePage = kIsoCodePageBase + selector.isoPart;
    for (int row = kTableUser + 1; row < kCharacterTableCount; ++row) {
        if (kCharacterTables[static_cast<std::size_t>(row)].codePage == selector.codePage) {
            selector.row = row;
        }
    }
    return selector;
}

} // namespace kx
