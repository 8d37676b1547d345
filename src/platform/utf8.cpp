#include "platform/utf8.h"

namespace kx::utf8 {

void appendCodePoint(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Reads one UTF-8 sequence at p. On success stores its code point, advances p past it and
// returns true. On an invalid or cut-off sequence advances p past its longest valid beginning (at
// least one byte) and returns false, so each broken sequence counts as one unconvertible
// character.
bool nextCodePoint(const unsigned char*& p, const unsigned char* end, char32_t& c)
{
    const unsigned lead = *p;
    if (lead < 0x80) {
        c = lead;
        ++p;
        return true;
    }
    int trail = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trail = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trail = 2;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trail = 3;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        ++p;
        return false;
    }
    char32_t value = lead & (0x3F >> trail);
    const unsigned char* q = p + 1;
    for (int i = 0; i < trail; ++i, ++q) {
        if (q == end || *q < low || *q > high) {
            p = q;
            return false;
        }
        value = (value << 6) | (*q & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    p = q;
    c = value;
    return true;
}

std::u32string toCodePoints(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char* const end = p + text.size();
    while (p != end) {
        char32_t c = 0;
        out.push_back(nextCodePoint(p, end, c) ? c : kReplacement);
    }
    return out;
}

std::string fromCodePoints(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char32_t c : text) {
        appendCodePoint(out, c);
    }
    return out;
}

} // namespace kx::utf8
