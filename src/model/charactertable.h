#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace kx {

// One row of the character-table list: the prefix byte that selects the table inside a stored
// name, the code page its bytes are converted with (0 = the system code page) and the id of its
// display text.
struct CharacterTable
{
    std::uint8_t prefix;
    int codePage;
    int textId;
};

// Row indexes with a meaning of their own; the row index is what the "CHARACTER" value stores.
inline constexpr int kTableNone = 0;
inline constexpr int kTableUser = 1;
inline constexpr int kTableUnicode = 12;
inline constexpr int kCharacterTableCount = 13;
// The prefix byte that marks UTF-8 text.
inline constexpr std::uint8_t kUnicodePrefix = 21;

// The constant list, in the order the character-set bar shows it.
inline constexpr std::array<CharacterTable, kCharacterTableCount> kCharacterTables{{
    {0, 0, 61219},      // None: system code page bytes
    {0, 0, 61220},      // User: bytes 128 to 255 through the user table
    {1, 28595, 61225},  // Cyrillic, ISO 8859-5
    {2, 28596, 61226},  // Arabic, ISO 8859-6
    {3, 28597, 61227},  // Greek, ISO 8859-7
    {4, 28598, 61228},  // Hebrew, ISO 8859-8
    {5, 28599, 61229},  // Turkish, ISO 8859-9
    {6, 28600, 61230},  // Latin 6, ISO 8859-10
    {7, 28601, 61231},  // Thai, ISO 8859-11
    {9, 28603, 61233},  // Latin 7, ISO 8859-13
    {10, 28604, 61234}, // Latin 8, ISO 8859-14
    {11, 28605, 61235}, // Latin 9, ISO 8859-15
    {21, 65001, 61237}, // Unicode, UTF-8
}};

// The display text of a row in the active user-interface language; empty outside 0 to 12.
std::string CharacterTableText(int row);

// The row among 1 to 12 whose prefix byte is prefix, or -1 when none has it. Prefix 0 finds the
// "User" row.
int CharacterTableForPrefix(std::uint8_t prefix);

// How the first bytes of a stored name that starts with a byte below 0x20 choose the table of
// the rest: one byte, or 0x10 and two bytes that give a part of ISO 8859 as a 16-bit number.
// Receivers store that number's high byte 0 as 1, since a zero would end the stored text; both
// are read.
struct NameTableSelector
{
    std::size_t size = 0; // bytes of the selector: 1 or 3; 0 for a name without one
    int codePage = 0;     // of the text after the selector; 0 where it names none that is read
    int row = -1;         // the row of the character-table list with the same code page, or -1
    int isoPart = 0;      // the ISO 8859 part that a three-byte selector names, else 0
};

// The selector at the start of name; nothing is read beyond its first three bytes or its end.
NameTableSelector NameTableSelectorOf(std::span<const std::uint8_t> name);

// What the character-table column shows for a stored name: the table its selector names (a
// part of ISO 8859 the list has no row for by its name), or "None", with the number of a prefix
// byte that names no table in front ("16 - None").
std::string CharacterTextOfName(std::span<const std::uint8_t> name);

} // namespace kx
