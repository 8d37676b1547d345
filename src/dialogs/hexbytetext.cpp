#include "dialogs/hexbytetext.h"

#include <string>

#include "platform/error.h"

namespace kx {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

void checkWidth(int byteCount)
{
    if (byteCount < 1 || byteCount > HexByteText::kMaxBytes) {
        throw Error(ErrorCode::Usage,
                    "a hex field is 1 to 4 bytes wide, not " + std::to_string(byteCount));
    }
}

int digitValue(char32_t ch)
{
    if (ch >= U'0' && ch <= U'9') {
        return static_cast<int>(ch - U'0');
    }
    if (ch >= U'A' && ch <= U'F') {
        return static_cast<int>(ch - U'A') + 10;
    }
    return -1;
}

// Typed text may hold anything a user pastes; the edit rule works on characters, so the text is
// taken apart into code points (a broken sequence counts as one character per byte) and put
// together again.
std::u32string toCodePoints(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 1;
        char32_t value = lead;
        if (lead >= 0xF0 && lead < 0xF8) {
            length = 4;
            value = lead & 0x07U;
        } else if (lead >= 0xE0) {
            length = lead < 0xF0 ? 3 : 1;
            value = lead & 0x0FU;
        } else if (lead >= 0xC0) {
            length = 2;
            value = lead & 0x1FU;
        }
        bool whole = i + length <= text.size();
        for (int k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            whole = (next & 0xC0U) == 0x80U;
            value = (value << 6U) | (next & 0x3FU);
        }
        if (length == 1 || !whole) {
            out.push_back(lead < 0x80 ? lead : U'\uFFFD');
            ++i;
        } else {
            out.push_back(value);
            i += length;
        }
    }
    return out;
}

std::string toUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char32_t ch : text) {
        if (ch < 0x80) {
            out.push_back(static_cast<char>(ch));
        } else if (ch < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (ch >> 6U)));
            out.push_back(static_cast<char>(0x80 | (ch & 0x3FU)));
        } else if (ch < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (ch >> 12U)));
            out.push_back(static_cast<char>(0x80 | ((ch >> 6U) & 0x3FU)));
            out.push_back(static_cast<char>(0x80 | (ch & 0x3FU)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (ch >> 18U)));
            out.push_back(static_cast<char>(0x80 | ((ch >> 12U) & 0x3FU)));
            out.push_back(static_cast<char>(0x80 | ((ch >> 6U) & 0x3FU)));
            out.push_back(static_cast<char>(0x80 | (ch & 0x3FU)));
        }
    }
    return out;
}

} // namespace

std::string HexByteText::format(std::uint32_t value, int byteCount)
{
    checkWidth(byteCount);
    const auto pairs = static_cast<std::size_t>(byteCount);
    std::string text(3 * pairs, ' ');
    for (std::size_t j = pairs; j-- > 0;) {
        text[3 * j] = kDigits[(value >> 4U) & 0xFU];
        text[3 * j + 1] = kDigits[value & 0xFU];
        value >>= 8U;
    }
    return text;
}

std::optional<std::uint32_t> HexByteText::parse(std::string_view text, int byteCount)
{
    checkWidth(byteCount);
    const std::u32string chars = toCodePoints(text);
    const auto pairs = static_cast<std::size_t>(byteCount);
    if (chars.size() < 3 * pairs) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (std::size_t j = 0; j < pairs; ++j) {
        const int high = digitValue(chars[3 * j]);
        const int low = digitValue(chars[3 * j + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        value = (value << 8U) | static_cast<std::uint32_t>(high * 16 + low);
    }
    return value;
}

std::optional<HexByteText::Entry> HexByteText::typeDigit(std::string_view text, int caret,
                                                         char32_t ch, int byteCount)
{
    checkWidth(byteCount);
    if (ch >= U'a' && ch <= U'f') {
        ch = ch - U'a' + U'A';
    }
    const int length = 3 * byteCount;
    if (digitValue(ch) < 0 || caret < 0 || caret >= length) {
        return std::nullopt;
    }
    std::u32string chars = toCodePoints(text);
    if (chars.size() < static_cast<std::size_t>(length)) {
        chars.resize(static_cast<std::size_t>(length), U' ');
    }
    Entry entry;
    switch (caret % 3) {
    case 0: // high digit
        chars[caret] = ch;
        entry.caret = caret + 1;
        break;
    case 1: // low digit: on to the next pair, or back to the first after the last
        chars[caret] = ch;
        entry.caret = caret + 2 >= length ? 0 : caret + 2;
        break;
    default: // on a blank: the digit goes to the next pair's high digit
        if (caret + 1 >= length) {
            return std::nullopt;
        }
        chars[caret + 1] = ch;
        entry.caret = caret + 2;
        break;
    }
    entry.text = toUtf8(chars);
    return entry;
}

std::string HexByteText::SetValue(std::uint32_t value, int nBytes)
{
    checkWidth(nBytes);
    m_nBytes = nBytes;
    m_nValue = value;
    return format(value, nBytes);
}

std::uint32_t HexByteText::GetValue(std::string_view text) const
{
    return parse(text, m_nBytes).value_or(m_nValue);
}

} // namespace kx
