#include "model/charactertable.h"

#include "platform/strings.h"

namespace kx {

std::string CharacterTableText(int row)
{
    if (row < 0 || row >= kCharacterTableCount) {
        return {};
    }
    return Strings::text(kCharacterTables[static_cast<std::size_t>(row)].textId);
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

} // namespace kx
