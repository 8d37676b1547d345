#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "model/recordlayout.h"

namespace kx {

class Profile;

// How channel names are decoded and encoded. A plain value: the editor's window owns the one its
// character-set bar shows, the command-line tool builds one from its options, and both hand it to
// whatever shows or stores names.
struct CodecSettings
{
    // Entry j is the system-code-page byte that stored byte 128 + j stands for under "User".
    std::array<std::uint8_t, 128> userTable = identityUserTable();
    // Row of the character-table list; a value outside 0 to 12 acts as row 0.
    int characterTable = 1;
    // Write the table's prefix byte in front of encoded names.
    bool prefix = false;
    // Encode names as UTF-8 (with prefix 21 where a prefix is written).
    bool unicode = false;
    // The single-byte Windows code page (1250 to 1257) of names under "None" and "User" and of
    // the user table's characters.
    int systemCodePage = 1252;

    static constexpr std::array<std::uint8_t, 128> identityUserTable()
    {
        std::array<std::uint8_t, 128> table{};
        for (std::size_t j = 0; j < table.size(); ++j) {
            table[j] = static_cast<std::uint8_t>(128 + j);
        }
        return table;
    }
};

// Profile section and value names of the codec settings.
inline constexpr std::string_view kCodecSection = "LANG";
inline constexpr std::string_view kCharacterValue = "CHARACTER";
inline constexpr std::string_view kPrefixValue = "KEY";
inline constexpr std::string_view kUnicodeValue = "UNICODE";
// The system code page: 0 (or a value that is not 1250 to 1257) follows the locale.
inline constexpr std::string_view kCodePageValue = "CODEPAGE";

// The user table as stored in a code.dat file: the identity, with as many leading entries
// replaced as the file has bytes (at most 128). A missing or unreadable file gives the identity.
std::array<std::uint8_t, 128> ReadUserTable(const std::filesystem::path& codeDatPath);

// The settings with the user table from programFolder/code.dat (the identity when the folder is
// empty or the file absent), the switches from the profile's "LANG" section ("CHARACTER" default
// 1, "KEY" and "UNICODE" on above 0, default off) and the system code page from "CODEPAGE" (or the
// locale's).
CodecSettings LoadCodecSettings(const std::filesystem::path& programFolder, const Profile& profile);

using NameField = std::span<std::uint8_t, kNameFieldSize>;
using ConstNameField = std::span<const std::uint8_t, kNameFieldSize>;

// The display text (UTF-8) of a stored name field. storedLength is the record's name length; it
// bounds unprefixed names under "None" and "User" and is taken as at most 40. Nothing outside the
// 40 bytes is read.
std::string Decode(ConstNameField field, int storedLength, const CodecSettings& codec);

// The characters of text (UTF-8) that a name encoded under codec cannot hold, each once (UTF-8);
// empty when every character can be stored.
std::string UnstorableCharacters(std::string_view text, const CodecSettings& codec);
// Whether text fits the name field under codec, so that nothing of it would be cut. A character
// the settings cannot store counts as one byte.
bool NameFits(std::string_view text, const CodecSettings& codec);

// Writes text (UTF-8; it ends at its first zero byte, if any) into the name field under codec and
// returns the name length to store. Text that does not fit is cut at a character boundary;
// nothing beyond the 40 bytes is written. A text with a character the settings cannot store is
// refused before any byte is written: Error(ErrorCode::Usage) with UnstorableNameMessage.
int Encode(NameField field, std::string_view text, const CodecSettings& codec);

} // namespace kx
