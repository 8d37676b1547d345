#include "model/channelflags.h"

namespace kx {

namespace {

struct Letter
{
    char letter;
    unsigned flag;
};

constexpr Letter kLetters[] = {
    {'1', channelflags::kFavourite1},
    {'2', channelflags::kFavourite1 << 1},
    {'3', channelflags::kFavourite1 << 2},
    {'4', channelflags::kFavourite1 << 3},
    {'5', channelflags::kFavourite1 << 4},
    {'6', channelflags::kFavourite1 << 5},
    {'7', channelflags::kFavourite1 << 6},
    {'8', channelflags::kFavourite1 << 7},
    {'L', channelflags::kLock},
    {'S', channelflags::kSkip},
    {'H', channelflags::kHide},
};

} // namespace

std::string ChannelFlagsText(unsigned flags)
{
    std::string text;
    for (const Letter& entry : kLetters) {
        if ((flags & entry.flag) != 0) {
            text += entry.letter;
        }
    }
    return text;
}

std::optional<unsigned> ParseChannelFlags(std::string_view text)
{
    if (text == "-") {
        return 0U;
    }
    unsigned flags = 0;
    for (const char c : text) {
        const Letter* found = nullptr;
        for (const Letter& entry : kLetters) {
            if (entry.letter == c) {
                found = &entry;
            }
        }
        if (found == nullptr) {
            return std::nullopt;
        }
        flags |= found->flag;
    }
    return flags;
}

} // namespace kx
