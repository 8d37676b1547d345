#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kx {

// The favourites and flags of a channel, as the lists show and the commands set them.
// The binary layouts keep favourites 1 to 4, the GlobalClone files 1 to 8 (A to H).
namespace channelflags {
inline constexpr unsigned kFavourite1 = 0x01; // favourites 1 to 8: kFavourite1 << (n - 1)
inline constexpr unsigned kFavourites4 = 0x0F;
inline constexpr unsigned kFavourites = 0xFF;
inline constexpr unsigned kLock = 0x100;
inline constexpr unsigned kSkip = 0x200;
inline constexpr unsigned kHide = 0x400;
inline constexpr unsigned kAll = 0x7FF;
} // namespace channelflags

// The flags as the lists show them: the favourite numbers, then L (lock), S (skip), H (hide):
// "13LH". Empty for none.
std::string ChannelFlagsText(unsigned flags);

// Reads flags written as ChannelFlagsText writes them, in any order; "-" for none. Nullopt for
// any other character.
std::optional<unsigned> ParseChannelFlags(std::string_view text);

} // namespace kx
