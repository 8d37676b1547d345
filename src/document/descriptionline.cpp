#include "document/descriptionline.h"

#include <limits>

#include "platform/hexdigits.h"

namespace kx {

namespace {

constexpr std::string_view kBlanks = " \t";

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view dropLeadingBlanks(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(kBlanks);
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

NamedValue readNamedValue(std::string_view item)
{
    item = dropLeadingBlanks(item);
    const std::size_t comma = item.find(',');
    if (comma == std::string_view::npos) {
        return {std::string(), ParseHex(item)};
    }
    return {std::string(item.substr(0, comma)), ParseHex(item.substr(comma))};
}

} // namespace

std::uint32_t ParseHex(std::string_view text)
{
    std::uint32_t value = 0;
    unsigned shift = 0;
    for (auto it = text.rbegin(); it != text.rend() && shift < 32; ++it) {
        const int digit = upperHexDigitValue(static_cast<unsigned char>(*it));
        if (digit >= 0) {
            value |= static_cast<std::uint32_t>(digit) << shift;
            shift += 4;
        }
    }
    return value;
}

int parseDecimal(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && isSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Accumulate the magnitude in 64 bits and stop growing it once it is out of int's range.
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long magnitude = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        if (magnitude <= kLimit) {
            magnitude = magnitude * 10 + (text[pos] - '0');
        }
    }
    if (negative) {
        return magnitude >= kLimit ? std::numeric_limits<int>::min() : static_cast<int>(-magnitude);
    }
    return magnitude >= kLimit ? std::numeric_limits<int>::max() : static_cast<int>(magnitude);
}

std::string formatAddress(std::uint32_t byteOffset)
{
    std::string text(4, '0');
    for (std::size_t i = 4; i-- > 0;) {
        text[i] = kHexDigits[byteOffset & 0xF];
        byteOffset >>= 4;
    }
    return text;
}

std::string formatByte(std::uint8_t value)
{
    std::string text;
    appendHexByte(text, value);
    return text;
}

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) {
        return {};
    }
    const std::size_t end = text.find_last_not_of(kBlanks);
    return text.substr(start, end - start + 1);
}

DescriptionLine::DescriptionLine(std::string_view line) : m_line(line)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t separator = line.find(';', start);
        if (separator == std::string_view::npos) {
            m_fields.push_back(line.substr(start));
            break;
        }
        m_fields.push_back(line.substr(start, separator - start));
        start = separator + 1;
    }
}

std::string_view DescriptionLine::field(std::size_t index) const
{
    return hasField(index) ? m_fields[index] : std::string_view();
}

std::string_view DescriptionLine::name() const
{
    return separatorCount() == 0 ? std::string_view() : m_fields[0];
}

std::string_view DescriptionLine::address() const
{
    return trimBlanks(separatorCount() == 0 ? m_line : m_fields[1]);
}

std::string_view DescriptionLine::type() const
{
    return trimBlanks(field(3));
}

SettingKind DescriptionLine::kind() const
{
    if (separatorCount() < 2) {
        return SettingKind::RawByte;
    }
    const std::string_view typeText = type();
    if (separatorCount() >= 4) {
        return typeText == "1" ? SettingKind::NamedValues : SettingKind::NoValue;
    }
    if (typeText == "2") {
        return SettingKind::Country;
    }
    if (typeText == "3") {
        return SettingKind::Language;
    }
    if (typeText == "4") {
        return SettingKind::MenuItem;
    }
    return SettingKind::NoValue;
}

std::vector<NamedValue> DescriptionLine::namedValues() const
{
    std::vector<NamedValue> values;
    if (kind() != SettingKind::NamedValues) {
        return values;
    }
    std::size_t end = m_fields.size();
    if (dropLeadingBlanks(m_fields.back()).empty()) {
        --end;
    }
    for (std::size_t index = 4; index < end; ++index) {
        values.push_back(readNamedValue(m_fields[index]));
    }
    return values;
}

} // namespace kx
