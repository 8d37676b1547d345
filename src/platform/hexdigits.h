#pragma once

#include <cstdint>
#include <string>

namespace kx {

// The digits of hexadecimal text as the program writes it: upper case.
inline constexpr char kHexDigits[] = "0123456789ABCDEF";

// The value of an upper-case hexadecimal digit, or -1 for any other character.
constexpr int upperHexDigitValue(char32_t ch)
{
    if (ch >= U'0' && ch <= U'9') {
        return static_cast<int>(ch - U'0');
    }
    if (ch >= U'A' && ch <= U'F') {
        return static_cast<int>(ch - U'A') + 10;
    }
    return -1;
}

// Appends a byte as two upper-case hexadecimal digits.
inline void appendHexByte(std::string& out, std::uint8_t byte)
{
    out += kHexDigits[byte >> 4U];
    out += kHexDigits[byte & 0xFU];
}

} // namespace kx
