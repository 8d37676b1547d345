#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

// Reads a hexadecimal field the lenient way the description files have always been read: from
// the last character to the first, every 0-9 and every upper-case A-F is the next higher digit and
// every other character (blanks, lower-case letters, commas) is skipped. "1a" reads 0x1, a text
// without digits reads 0, and digits beyond the eighth from the right fall off the 32-bit value.
std::uint32_t ParseHex(std::string_view text);

// Reads a decimal field as the C library's atoi does: leading white space skipped, an optional
// sign, digits up to the first non-digit; no digits give 0. Values beyond int saturate.
int parseDecimal(std::string_view text);

// The address as a description line stores it: "000%X" cut to its last four characters, so
// 0x1A2 gives "01A2" and an address above 0xFFFF keeps only its low four digits.
std::string formatAddress(std::uint32_t byteOffset);

// A byte as two upper-case hexadecimal digits ("05", "AB").
std::string formatByte(std::uint8_t value);

// The text with blanks and tabs removed at both ends.
std::string_view trimBlanks(std::string_view text);

// How the value of a description line is read.
enum class SettingKind
{
    RawByte,     // name;address: one byte shown as two hexadecimal digits
    NamedValues, // type 1: one byte chosen from labelled values
    Country,     // type 2: a two-letter country code (variant 1 only)
    Language,    // type 3: a three-letter language code
    MenuItem,    // type 4: a menu item index
    NoValue,     // name;address;count, or a type this program does not interpret
};

// One labelled value of a type-1 line ("On,1": label On, value 1).
struct NamedValue
{
    std::string label;
    std::uint32_t value = 0;

    bool operator==(const NamedValue&) const = default;
};

// One definition line of a settings description file, split at its ';' separators. Views the
// text it is given, which must outlive it.
class DescriptionLine
{
public:
    explicit DescriptionLine(std::string_view line);

    std::string_view text() const noexcept { return m_line; }
    std::size_t separatorCount() const noexcept { return m_fields.size() - 1; }
    // Field by index (0 is the name); an absent field is empty. The last field runs to the end of
    // the line, so a line ending with ';' has an empty last field.
    std::string_view field(std::size_t index) const;
    bool hasField(std::size_t index) const noexcept { return index < m_fields.size(); }

    // The text before the first ';'; empty when the line has none.
    std::string_view name() const;
    // The address text, blanks removed at both ends: the second field, or the whole line when it
    // has no ';' at all.
    std::string_view address() const;
    std::uint32_t byteOffset() const { return ParseHex(address()); }

    // The type field (the fourth), blanks removed at both ends; empty when absent.
    std::string_view type() const;
    // Fewer than two ';' make a raw-byte line. Types 2, 3 and 4 count only as the last field,
    // type 1 only when a value list follows it.
    SettingKind kind() const;

    // The labelled values of a type-1 line: every field after the type, leading blanks removed,
    // label before the first comma and ParseHex of the text from the comma on (no comma: empty
    // label, the whole text is the value). The empty text after a final ';' is not a value. Empty
    // for lines of any other kind.
    std::vector<NamedValue> namedValues() const;

private:
    std::string_view m_line;
    std::vector<std::string_view> m_fields;
};

} // namespace kx
