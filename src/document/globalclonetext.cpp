#include "document/globalclonetext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/utf8.h"

namespace kx::globalclone {

namespace {

int hexDigitValue(char ch)
{
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    return -1;
}

bool isXmlBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

// Resolves one reference (the text between & and ;); returns false when it is none that a file
// without a document type may hold.
bool appendReference(std::string& out, std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, char>, 5> kPredefined = {{
        {"amp", '&'},
        {"lt", '<'},
        {"gt", '>'},
        {"quot", '"'},
        {"apos", '\''},
    }};
    for (const auto& [entity, ch] : kPredefined) {
        if (name == entity) {
            out += ch;
            return true;
        }
    }
    if (name.size() < 2 || name[0] != '#') {
        return false;
    }
    const bool hex = name[1] == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    std::uint32_t code = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        code == 0 || code > 0x10FFFF) {
        return false;
    }
    utf8::appendCodePoint(out, code);
    return true;
}

// The Windows-1252 letters of 0x80..0x9F by their code points; 0 where the page has none.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

std::string encodeHex(std::string_view bytes, bool upperCase)
{
    const char* digits = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        out += digits[byte >> 4U];
        out += digits[byte & 0xFU];
    }
    return out;
}

DecodedHex decodeHex(std::string_view text)
{
    DecodedHex result;
    result.bytes.reserve(text.size() / 2);
    int high = -1;
    for (const char ch : text) {
        const int value = hexDigitValue(ch);
        if (value < 0) {
            result.complete = false;
            continue;
        }
        if (high < 0) {
            high = value;
        } else {
            result.bytes += static_cast<char>((high << 4) | value);
            high = -1;
        }
    }
    if (high >= 0) {
        result.complete = false;
    }
    return result;
}

std::string plainNameCopy(std::string_view displayText)
{
    std::string out;
    bool any = false;
    const auto* p = reinterpret_cast<const unsigned char*>(displayText.data());
    const auto* end = p + displayText.size();
    while (p < end) {
        char32_t c = 0;
        if (utf8::nextCodePoint(p, end, c) && c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
            any = any || c != U' ';
        } else {
            out += ' ';
        }
    }
    if (!any) {
        out = " ";
    }
    return out;
}

std::string escapeXmlText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

std::string decodeXmlContent(std::string_view raw)
{
    std::string out;
    out.reserve(raw.size());
    std::size_t i = 0;
    while (i < raw.size()) {
        const char ch = raw[i];
        if (ch == '&') {
            const std::size_t semicolon = raw.find(';', i + 1);
            if (semicolon != std::string_view::npos &&
                appendReference(out, raw.substr(i + 1, semicolon - i - 1))) {
                i = semicolon + 1;
                continue;
            }
        } else if (ch == '<') {
            const std::string_view rest = raw.substr(i);
            std::string_view close;
            std::size_t skip = 0;
            if (rest.starts_with("<![CDATA[")) {
                close = "]]>";
                skip = 9;
            } else if (rest.starts_with("<!--")) {
                close = "-->";
                skip = 4;
            } else if (rest.starts_with("<?")) {
                close = "?>";
                skip = 2;
            }
            const std::size_t end = close.empty() ? std::string_view::npos : rest.find(close, skip);
            if (end != std::string_view::npos) {
                if (skip == 9) {
                    out.append(rest.substr(skip, end - skip));
                }
                i += end + close.size();
                continue;
            }
        }
        out += ch;
        ++i;
    }
    return out;
}

std::string legacyNameBytes(std::string_view text)
{
    std::string out;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const auto* start = p;
        char32_t c = 0;
        if (!utf8::nextCodePoint(p, end, c)) {
            out.append(reinterpret_cast<const char*>(start), static_cast<std::size_t>(p - start));
            continue;
        }
        if (c <= 0xFF) {
            out += static_cast<char>(c);
            continue;
        }
        bool found = false;
        for (std::size_t k = 0; k < kWindows1252High.size() && !found; ++k) {
            if (kWindows1252High[k] == c) {
                out += static_cast<char>(0x80 + k);
                found = true;
            }
        }
        if (!found) {
            out.append(reinterpret_cast<const char*>(start), static_cast<std::size_t>(p - start));
        }
    }
    return out;
}

namespace {

// Whether any of eight bytes is below 0x20 or above 0x7F: the bytes that blankedNameBytes looks
// at more closely (line ends and tabs too, which it then passes over).
bool anyNotPrintable(std::uint64_t eight)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    return ((((eight - kOnes * 0x20) & ~eight) | eight) & kHighBits) != 0;
}

} // namespace

std::string blankedNameBytes(const std::string& bytes)
{
    std::string copy;
    const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = begin + bytes.size();
    const auto* p = begin;
    // The tags around the byte looked at, kept as the scan goes so that a file full of such
    // bytes is read in one pass and not searched again from each of them.
    std::size_t open = std::string::npos;
    std::size_t searchedFrom = 0;
    std::size_t close = 0;
    while (p < end) {
        // Eight plain bytes at a time: nearly all of a file.
        if (end - p >= 8) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, p, sizeof eight);
            if (!anyNotPrintable(eight)) {
                p += 8;
                continue;
            }
        }
        const unsigned char byte = *p;
        if ((byte >= 0x20 && byte < 0x80) || byte == '\t' || byte == '\n' || byte == '\r') {
            ++p;
            continue;
        }
        const auto* start = p;
        char32_t c = 0;
        if (byte >= 0x80 && utf8::nextCodePoint(p, end, c) && c != 0xFFFE && c != 0xFFFF) {
            continue;
        }
        if (p == start) {
            ++p;
        }
        const auto offset = static_cast<std::size_t>(start - begin);
        if (searchedFrom < offset) {
            const void* found = ::memrchr(begin + searchedFrom, '<', offset - searchedFrom);
            if (found != nullptr) {
                open = static_cast<std::size_t>(static_cast<const unsigned char*>(found) - begin);
            }
            searchedFrom = offset;
        }
        if (close != std::string::npos && close < offset) {
            close = bytes.find('<', offset);
        }
        const bool inName = open != std::string::npos && close != std::string::npos &&
                            bytes.compare(open, 9, "<vchName>") == 0 &&
                            bytes.compare(close, 10, "</vchName>") == 0;
        if (!inName) {
            continue;
        }
        if (copy.empty()) {
            copy = bytes;
        }
        std::fill(copy.begin() + static_cast<std::ptrdiff_t>(offset), copy.begin() + (p - begin),
                  ' ');
    }
    return copy;
}

std::optional<std::int64_t> parseNumber(std::string_view text)
{
    while (!text.empty() && isXmlBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isXmlBlank(text.back())) {
        text.remove_suffix(1);
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace kx::globalclone
