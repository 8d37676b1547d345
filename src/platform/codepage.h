#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace kx {

// Conversions between UTF-8 and the code pages channel names are stored in. Code pages are named
// by their Windows numbers: 1250 to 1257 (CP125x), 28595 to 28605 (ISO 8859-5 to -15, as the
// character-table list uses them), 65001 (UTF-8), and 0 for the system code page.
//
// Conversions never fail: a byte that has no character decodes to U+FFFD, and a character the code
// page cannot hold encodes to '?'; the rest of the text still converts.
class CodePage
{
public:
    static constexpr int kSystem = 0;
    static constexpr int kUtf8 = 65001;

    // True for the code pages listed above (0 included).
    static bool isSupported(int codePage);

    // Bytes in codePage to UTF-8. Throws Error(ErrorCode::Internal) for an unsupported code page.
    static std::string toUtf8(std::string_view bytes, int codePage);
    static void appendUtf8(std::string& out, std::string_view bytes, int codePage);

    // UTF-8 text to bytes in codePage. Invalid UTF-8 counts as unconvertible. Throws
    // Error(ErrorCode::Internal) for an unsupported code page.
    static std::string fromUtf8(std::string_view text, int codePage);
    // The same into out: writes whole characters while they fit and returns the bytes written,
    // so a text that is too long is cut where a character ends.
    static std::size_t fromUtf8(std::string_view text, int codePage, std::span<char> out);

    // The single-byte Windows code page that stands for the system code page: the one set with
    // setSystemCodePage, or else the one the locale selects.
    static int systemCodePage();
    // Sets the system code page: 1250 to 1257 are taken; anything else (0 included) follows the
    // locale.
    static void setSystemCodePage(int codePage);

    // The code page the process's locale selects (LC_ALL, LC_CTYPE, then LANG), chosen the way
    // Windows picks its ANSI code page from the language.
    static int localeCodePage();
    // The same choice for one locale name such as "ru_RU.UTF-8", "sr_RS@latin" or "C".
    static int codePageForLocale(std::string_view localeName);
};

} // namespace kx
