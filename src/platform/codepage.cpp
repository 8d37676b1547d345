#include "platform/codepage.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <iconv.h>
#include <memory>
#include <mutex>
#include <string>

#include "platform/error.h"
#include "platform/utf8.h"

namespace kx {

namespace {

using utf8::appendCodePoint;
using utf8::kReplacement;
using utf8::nextCodePoint;

// The single-byte code pages and their names for iconv.
struct SingleBytePage
{
    int codePage;
    const char* iconvName;
};

// clang-format off
constexpr std::array<SingleBytePage, 22> kSingleBytePages{{
    {1250, "CP1250"},
    {1251, "CP1251"},
    {1252, "CP1252"},
    {1253, "CP1253"},
    {1254, "CP1254"},
    {1255, "CP1255"},
    {1256, "CP1256"},
    {1257, "CP1257"},
    {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"},
    {28593, "ISO-8859-3"},
    {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},
    {28596, "ISO-8859-6"},
    {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},
    {28599, "ISO-8859-9"},
    {28600, "ISO-8859-10"},
    {28601, "ISO-8859-11"},
    {28603, "ISO-8859-13"},
    {28604, "ISO-8859-14"},
    {28605, "ISO-8859-15"},
}};
// clang-format on

constexpr int pageSlot(int codePage)
{
    // The list above is in two runs: 1250 to 1257, then 28591 to 28605 without 28602.
    if (codePage >= 1250 && codePage <= 1257) {
        return codePage - 1250;
    }
    if (codePage >= 28591 && codePage <= 28601) {
        return codePage - 28591 + 8;
    }
    if (codePage >= 28603 && codePage <= 28605) {
        return codePage - 28603 + 19;
    }
    return -1;
}

constexpr bool slotsMatchTheList()
{
    for (std::size_t i = 0; i < kSingleBytePages.size(); ++i) {
        if (pageSlot(kSingleBytePages[i].codePage) != static_cast<int>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(slotsMatchTheList());

// Both directions of one single-byte code page, built once through iconv.
class SingleByteTable
{
public:
    explicit SingleByteTable(const char* iconvName)
    {
        iconv_t cd = iconv_open("UTF-32LE", iconvName);
        // iconv_open reports failure as (iconv_t)-1.
        if (cd == reinterpret_cast<iconv_t>(-1)) { // NOLINT(performance-no-int-to-ptr)
            throw Error(ErrorCode::Unsupported, std::string("the C library cannot convert from ") +
                                                    iconvName + " (iconv_open failed)");
        }
        for (unsigned byte = 0; byte < 256; ++byte) {
            const char32_t c = decodeByte(cd, static_cast<char>(byte));
            std::string utf8;
            appendCodePoint(utf8, c);
            std::copy(utf8.begin(), utf8.end(), m_utf8[byte].begin());
            m_utf8Length[byte] = static_cast<std::uint8_t>(utf8.size());
            if (c != kReplacement && c < 0x10000) {
                auto& page = m_encodePages[c >> 8];
                if (!page) {
                    page = std::make_unique<std::array<std::uint8_t, 256>>();
                    page->fill(0);
                }
                // The lowest byte wins when two bytes stand for the same character.
                if ((*page)[c & 0xFF] == 0) {
                    (*page)[c & 0xFF] = static_cast<std::uint8_t>(byte);
                }
            }
        }
        iconv_close(cd);
    }

    void appendUtf8(std::string& out, std::string_view bytes) const
    {
        // Through a buffer on the stack: one append per chunk instead of one per byte.
        constexpr std::size_t kChunk = 64;
        std::array<char, kChunk * 3> buffer;
        for (std::size_t start = 0; start < bytes.size(); start += kChunk) {
            const std::size_t end = std::min(bytes.size(), start + kChunk);
            char* out8 = buffer.data();
            for (std::size_t i = start; i < end; ++i) {
                const auto byte = static_cast<unsigned char>(bytes[i]);
                const auto& utf8 = m_utf8[byte];
                out8[0] = utf8[0];
                out8[1] = utf8[1];
                out8[2] = utf8[2];
                out8 += m_utf8Length[byte];
            }
            out.append(buffer.data(), static_cast<std::size_t>(out8 - buffer.data()));
        }
    }

    // The byte of character c, or '?' when the code page has none.
    char encode(char32_t c) const
    {
        if (c == 0) {
            return 0;
        }
        if (c < 0x10000) {
            const auto& page = m_encodePages[c >> 8];
            if (page && (*page)[c & 0xFF] != 0) {
                return static_cast<char>((*page)[c & 0xFF]);
            }
        }
        return '?';
    }

private:
    // One byte through iconv on its own. A byte the code page leaves undefined fails with EILSEQ
    // (or EINVAL); it stands for U+FFFD. The final flush matters for code pages whose converter
    // holds a letter back to combine it with a following mark.
    static char32_t decodeByte(iconv_t cd, char byte)
    {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char input[1] = {byte};
        unsigned char output[16] = {};
        char* in = input;
        std::size_t inLeft = 1;
        char* out = reinterpret_cast<char*>(output);
        std::size_t outLeft = sizeof output;
        if (iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0) {
            return kReplacement;
        }
        if (iconv(cd, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            return kReplacement;
        }
        if (sizeof output - outLeft != 4) {
            return kReplacement;
        }
        return static_cast<char32_t>(output[0]) | static_cast<char32_t>(output[1]) << 8 |
               static_cast<char32_t>(output[2]) << 16 | static_cast<char32_t>(output[3]) << 24;
    }

    std::array<std::array<char, 4>, 256> m_utf8{};
    std::array<std::uint8_t, 256> m_utf8Length{};
    // Character to byte for the basic multilingual plane, in blocks of 256 characters; a block
    // exists only where the code page has a character. 0 marks "no byte" (only U+0000 is 0).
    std::array<std::unique_ptr<std::array<std::uint8_t, 256>>, 256> m_encodePages;
};

const SingleByteTable& singleByteTable(int slot)
{
    static std::array<std::once_flag, kSingleBytePages.size()> once;
    static std::array<std::unique_ptr<SingleByteTable>, kSingleBytePages.size()> tables;
    static std::array<std::atomic<const SingleByteTable*>, kSingleBytePages.size()> ready{};
    const auto index = static_cast<std::size_t>(slot);
    if (const SingleByteTable* table = ready[index].load(std::memory_order_acquire)) {
        return *table;
    }
    std::call_once(once[index], [index] {
        tables[index] = std::make_unique<SingleByteTable>(kSingleBytePages[index].iconvName);
        ready[index].store(tables[index].get(), std::memory_order_release);
    });
    return *tables[index];
}

[[noreturn]] void unsupported(int codePage)
{
    throw Error(ErrorCode::Internal, "code page " + std::to_string(codePage) + " is not supported");
}

// The table of a single-byte code page; null for UTF-8.
const SingleByteTable* tableFor(int codePage)
{
    if (codePage == CodePage::kUtf8) {
        return nullptr;
    }
    const int slot = pageSlot(codePage);
    if (slot < 0) {
        unsupported(codePage);
    }
    return &singleByteTable(slot);
}

bool isWindowsAnsiPage(int codePage)
{
    return codePage >= 1250 && codePage <= 1257;
}

} // namespace

void CodePage::appendUtf8(std::string& out, std::string_view bytes, int codePage)
{
    if (codePage == kUtf8) {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
        const auto* end = p + bytes.size();
        while (p < end) {
            const auto* start = p;
            char32_t c = 0;
            if (nextCodePoint(p, end, c)) {
                out.append(reinterpret_cast<const char*>(start),
                           static_cast<std::size_t>(p - start));
            } else {
                appendCodePoint(out, kReplacement);
            }
        }
        return;
    }
    const int slot = pageSlot(codePage);
    if (slot < 0) {
        unsupported(codePage);
    }
    singleByteTable(slot).appendUtf8(out, bytes);
}

std::string CodePage::toUtf8(std::string_view bytes, int codePage)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    appendUtf8(out, bytes, codePage);
    return out;
}

std::string CodePage::fromUtf8(std::string_view text, int codePage)
{
    // Never longer than the text: one byte per character, or the same bytes for UTF-8, and one
    // '?' for a broken sequence of one byte or more.
    std::string out(text.size(), '\0');
    out.resize(fromUtf8(text, codePage, out));
    return out;
}

std::size_t CodePage::fromUtf8(std::string_view text, int codePage, std::span<char> out)
{
    const SingleByteTable* table = tableFor(codePage);
    std::size_t written = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        // ASCII is the same byte in every supported code page.
        if (*p < 0x80) {
            if (written == out.size()) {
                break;
            }
            out[written++] = static_cast<char>(*p++);
            continue;
        }
        const auto* start = p;
        char32_t c = 0;
        bool valid = false;
        if (table != nullptr && *p >= 0xC2 && *p <= 0xDF && end - p >= 2 && (p[1] & 0xC0) == 0x80) {
            // Two-byte sequences (Latin, Greek, Cyrillic, Hebrew, Arabic letters) inline.
            c = static_cast<char32_t>((p[0] & 0x1F) << 6 | (p[1] & 0x3F));
            p += 2;
            valid = true;
        } else {
            valid = nextCodePoint(p, end, c);
        }
        const std::size_t size =
            !valid || table != nullptr ? 1 : static_cast<std::size_t>(p - start);
        if (written + size > out.size()) {
            break;
        }
        if (!valid) {
            out[written] = '?';
        } else if (table != nullptr) {
            out[written] = table->encode(c);
        } else {
            std::copy(start, p, out.begin() + static_cast<std::ptrdiff_t>(written));
        }
        written += size;
    }
    return written;
}

std::string CodePage::unencodableCharacters(std::string_view text, int codePage)
{
    const SingleByteTable* table = tableFor(codePage);
    std::u32string missing;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        char32_t c = 0;
        const bool valid = nextCodePoint(p, end, c);
        if (!valid) {
            c = kReplacement;
        }
        // '?' is the byte the table gives for a character it lacks, and a character of its own.
        const bool stored = valid && (table == nullptr || c == U'?' || table->encode(c) != '?');
        if (!stored && missing.find(c) == std::u32string::npos) {
            missing += c;
        }
    }
    std::string out;
    for (const char32_t c : missing) {
        appendCodePoint(out, c);
    }
    return out;
}

int CodePage::systemCodePageFor(int chosen)
{
    return isWindowsAnsiPage(chosen) ? chosen : localeCodePage();
}

int CodePage::localeCodePage()
{
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return codePageForLocale(value);
        }
    }
    return codePageForLocale("C");
}

int CodePage::codePageForLocale(std::string_view localeName)
{
    // language[_territory][.codeset][@modifier]
    const std::size_t languageEnd = localeName.find_first_of("_.@");
    std::string language(localeName.substr(0, languageEnd));
    std::transform(language.begin(), language.end(), language.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::size_t at = localeName.find('@');
    const std::string_view modifier =
        at == std::string_view::npos ? std::string_view() : localeName.substr(at + 1);

    struct LanguagePage
    {
        const char* language;
        int codePage;
    };
    static constexpr LanguagePage kLanguages[] = {
        {"ru", 1251}, {"uk", 1251}, {"bg", 1251}, {"be", 1251}, {"mk", 1251}, {"kk", 1251},
        {"ky", 1251}, {"tt", 1251}, {"mn", 1251}, {"sr", 1251}, {"pl", 1250}, {"cs", 1250},
        {"sk", 1250}, {"hu", 1250}, {"hr", 1250}, {"sl", 1250}, {"ro", 1250}, {"sq", 1250},
        {"bs", 1250}, {"el", 1253}, {"tr", 1254}, {"az", 1254}, {"he", 1255}, {"iw", 1255},
        {"yi", 1255}, {"ar", 1256}, {"fa", 1256}, {"ur", 1256}, {"et", 1257}, {"lv", 1257},
        {"lt", 1257},
    };
    if (language == "sr" && modifier.starts_with("latin")) {
        return 1250; // Serbian in Latin letters uses the Central European page
    }
    for (const LanguagePage& entry : kLanguages) {
        if (language == entry.language) {
            return entry.codePage;
        }
    }
    return 1252;
}

} // namespace kx
