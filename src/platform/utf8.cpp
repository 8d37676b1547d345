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

char32_t foldCase(char32_t c)
{
    if (c < 0x80) {
        return c >= 'A' && c <= 'Z' ? c + 32 : c;
    }
    // Latin-1 capitals, but the multiplication sign.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return c + 32;
    }
    // Latin Extended-A: capital and small letters alternate, in two runs.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
        return c | 1;
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
        return (c & 1) != 0 ? c + 1 : c;
    }
    if (c == 0x178) {
        return 0xFF; // Ÿ
    }
    // Greek capitals; the accented ones first.
    if (c == 0x386) {
        return 0x3AC;
    }
    if (c >= 0x388 && c <= 0x38A) {
        return c + 37;
    }
    if (c == 0x38C) {
        return 0x3CC;
    }
    if (c == 0x38E || c == 0x38F) {
        return c + 63;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) {
        return c + 32;
    }
    // Cyrillic: Ѐ to Џ, А to Я, then pairs from Ѡ on.
    if (c >= 0x400 && c <= 0x40F) {
        return c + 80;
    }
    if (c >= 0x410 && c <= 0x42F) {
        return c + 32;
    }
    if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F)) {
        return c | 1;
    }
    return c;
}

std::u32string foldCase(std::string_view text)
{
    std::u32string folded = toCodePoints(text);
    for (char32_t& c : folded) {
        c = foldCase(c);
    }
    return folded;
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
