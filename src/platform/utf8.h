#pragma once

#include <string>
#include <string_view>

namespace kx::utf8 {

// The replacement character that stands for a byte sequence that is not UTF-8.
inline constexpr char32_t kReplacement = 0xFFFD;

// Appends the UTF-8 form of one code point.
void appendCodePoint(std::string& out, char32_t c);

// Reads one UTF-8 sequence at p. On success stores its code point, advances p past it and
// returns true. On an invalid or cut-off sequence advances p past its longest valid beginning (at
// least one byte) and returns false, so each broken sequence counts as one unconvertible
// character.
bool nextCodePoint(const unsigned char*& p, const unsigned char* end, char32_t& c);

// The code points of a text; each broken sequence becomes one replacement character.
std::u32string toCodePoints(std::string_view text);
// The UTF-8 form of code points.
std::string fromCodePoints(std::u32string_view text);

// The lower-case form of a letter of the Latin, Greek and Cyrillic scripts (the scripts channel
// names are written in); any other code point as it is. Enough to compare names without regard
// to case.
char32_t foldCase(char32_t c);
// The text with every code point folded.
std::u32string foldCase(std::string_view text);

} // namespace kx::utf8
