#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kx {

// The favourites and flags of a channel, as the lists show and the commands set them.
namespace channelflags {
inline constexpr unsigned kFavourite1 = 0x01; // favourites 1 to 4: kFavourite1 << (n - 1)
inline constexpr unsigned kFavourites = 0x0F;
inline constexpr unsigned kLock = 0x10;
inline constexpr unsigned kSkip = 0x20;
inline constexpr unsigned kHide = 0x40;
inline constexpr unsigned kAll = 0x7F;
} // namespace channelflags

// The flags as the lists show them: the favourite numbers, then L (lock), S (skip), H (hide):
// "13LH". Empty for none.
std::string ChannelFlagsText(unsigned flags);

// Reads flags written as ChannelFlagsText writes them, in any order; "-" for none. Nullopt for
// any other character.
std::optional<unsigned> ParseChannelFlags(std::string_view text);

} // namespace kx
