#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace kx {

// Conversions between UTF-8 and the code pages channel names are stored in. Code pages are named
// by their Windows numbers: 1250 to 1257 (CP125x), 28591 to 28605 (ISO 8859-1 to -15 but -12,
// as the character-table list and the DVB table selectors use them) and 65001 (UTF-8). The "system
// code page" of names shown without a table is one of 1250 to 1257, chosen by the caller (see
// systemCodePageFor) and passed in.
//
// Conversions never fail: a byte that has no character decodes to U+FFFD, and a character the code
// page cannot hold encodes to '?'; the rest of the text still converts.
class CodePage
{
public:
    static constexpr int kUtf8 = 65001;
    static constexpr int kLatin1 = 28591;

    // Bytes in codePage to UTF-8. Throws Error(ErrorCode::Internal) for an unsupported code page.
    static std::string toUtf8(std::string_view bytes, int codePage);
    static void appendUtf8(std::string& out, std::string_view bytes, int codePage);

    // UTF-8 text to bytes in codePage. Invalid UTF-8 counts as unconvertible. Throws
    // Error(ErrorCode::Internal) for an unsupported code page.
    static std::string fromUtf8(std::string_view text, int codePage);
    // The same into out: writes whole characters while they fit and returns the bytes written,
    // so a text that is too long is cut where a character ends.
    static std::size_t fromUtf8(std::string_view text, int codePage, std::span<char> out);

    // The characters of UTF-8 text that codePage has no byte for, each once, in the order they
    // first appear (UTF-8). A broken UTF-8 sequence counts as U+FFFD. Empty when every character
    // can be stored. Throws Error(ErrorCode::Internal) for an unsupported code page.
    static std::string unencodableCharacters(std::string_view text, int codePage);

    // The single-byte Windows code page that stands for the system code page: chosen when it is
    // one of 1250 to 1257, else (0 included) the one the locale selects.
    static int systemCodePageFor(int chosen);

    // The code page the process's locale selects (LC_ALL, LC_CTYPE, then LANG), chosen the way
    // Windows picks its ANSI code page from the language.
    static int localeCodePage();
    // The same choice for one locale name such as "ru_RU.UTF-8", "sr_RS@latin" or "C".
    static int codePageForLocale(std::string_view localeName);
};

} // namespace kx
