#include "model/hexbytetext.h"

#include <string>

#include "platform/error.h"
#include "platform/hexdigits.h"
#include "platform/utf8.h"

namespace kx {
namespace {

void checkWidth(int byteCount)
{
    if (byteCount < 1 || byteCount > HexByteText::kMaxBytes) {
        throw Error(ErrorCode::Internal,
                    "a hex field is 1 to 4 bytes wide, not " + std::to_string(byteCount));
    }
}

} // namespace

std::string HexByteText::format(std::uint32_t value, int byteCount)
{
    checkWidth(byteCount);
    const auto pairs = static_cast<std::size_t>(byteCount);
    std::string text(3 * pairs, ' ');
    for (std::size_t j = pairs; j-- > 0;) {
        text[3 * j] = kHexDigits[(value >> 4U) & 0xFU];
        text[3 * j + 1] = kHexDigits[value & 0xFU];
        value >>= 8U;
    }
    return text;
}

std::optional<std::uint32_t> HexByteText::parse(std::string_view text, int byteCount)
{
    checkWidth(byteCount);
    const std::u32string chars = utf8::toCodePoints(text);
    const auto pairs = static_cast<std::size_t>(byteCount);
    if (chars.size() < 3 * pairs) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (std::size_t j = 0; j < pairs; ++j) {
        const int high = upperHexDigitValue(chars[3 * j]);
        const int low = upperHexDigitValue(chars[3 * j + 1]);
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
    if (upperHexDigitValue(ch) < 0 || caret < 0 || caret >= length) {
        return std::nullopt;
    }
    std::u32string chars = utf8::toCodePoints(text);
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
    entry.text = utf8::fromCodePoints(chars);
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
