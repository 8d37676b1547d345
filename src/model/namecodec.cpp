#include "model/namecodec.h"

#include <algorithm>
#include <array>

#include "model/charactertable.h"
#include "platform/codepage.h"
#include "platform/error.h"
#include "platform/file.h"
#include "platform/profile.h"
#include "platform/sidefiles.h"
#include "platform/utf8.h"

namespace kx {

namespace {

// A converted name goes through a 38-byte work buffer: at most 37 text bytes and the terminator.
// Behind a prefix byte that makes 39 bytes of the field, as receivers write them themselves.
constexpr std::size_t kConvertedTextMax = 37;
// Without conversion, "None" keeps at most 38 bytes and "User" as many as leave room for the
// terminator in the field.
constexpr std::size_t kNoneTextMax = 38;
constexpr std::size_t kUserTextMax = kNameFieldSize - 1;

// A "CHARACTER" value outside the list acts as "None".
int effectiveRow(int characterTable)
{
    return characterTable >= 0 && characterTable < kCharacterTableCount ? characterTable
                                                                        : kTableNone;
}

// Index of the first zero byte at or after from, or the field size when there is none.
std::size_t terminatorIndex(ConstNameField field, std::size_t from)
{
    const auto* begin = field.data();
    const auto* zero = std::find(begin + from, begin + field.size(), std::uint8_t{0});
    return static_cast<std::size_t>(zero - begin);
}

std::string_view bytesOf(ConstNameField field, std::size_t from, std::size_t to)
{
    return {reinterpret_cast<const char*>(field.data()) + from, to - from};
}

// The stored byte that stands for system-code-page byte b under "User": 128 + the first entry
// that holds b, or '?' when no entry does.
std::uint8_t userTableByte(const CodecSettings& codec, std::uint8_t b)
{
    const auto& table = codec.userTable;
    const auto it = std::find(table.begin(), table.end(), b);
    return it == table.end() ? std::uint8_t{'?'}
                             : static_cast<std::uint8_t>(128 + (it - table.begin()));
}

std::string decodeUnprefixedByLength(const CodecSettings& codec, int row, ConstNameField field,
                                     int storedLength)
{
    const auto limit = static_cast<std::size_t>(std::clamp(storedLength, 0, int{kNameFieldSize}));
    const std::size_t end = std::min(limit, terminatorIndex(field, 0));
    if (row == kTableNone) {
        return CodePage::toUtf8(bytesOf(field, 0, end), codec.systemCodePage);
    }
    std::array<char, kNameFieldSize> mapped{};
    std::size_t count = 0;
    for (; count < end; ++count) {
        const std::uint8_t b = field[count];
        const std::uint8_t c = b < 128 ? b : codec.userTable[b - 128];
        if (c == 0) {
            break; // a table entry of zero ends the text as a stored zero would
        }
        mapped[count] = static_cast<char>(c);
    }
    return CodePage::toUtf8(std::string_view(mapped.data(), count), codec.systemCodePage);
}

// "None" and "User" without the Unicode switch: system-code-page bytes, under "User" with bytes
// 128 to 255 mapped through the user table, so that each row encodes the way it decodes.
int encodeSystemBytes(const CodecSettings& codec, int row, NameField field, std::string_view text)
{
    std::array<char, kUserTextMax> bytes{};
    const std::size_t count = CodePage::fromUtf8(
        text, codec.systemCodePage,
        std::span<char>(bytes.data(), row == kTableNone ? kNoneTextMax : kUserTextMax));
    for (std::size_t i = 0; i < count; ++i) {
        const auto b = static_cast<std::uint8_t>(bytes[i]);
        field[i] = row == kTableUser && b >= 128 ? userTableByte(codec, b) : b;
    }
    field[count] = 0;
    return static_cast<int>(count);
}

// How a text is stored under the settings: the code page its characters are converted to, the
// prefix byte written in front (0 for none) and how many text bytes the field keeps.
struct Storage
{
    int codePage;
    std::uint8_t prefix;
    std::size_t textMax;
    bool systemBytes; // "None" or "User" without the Unicode switch
};

Storage storageOf(const CodecSettings& codec)
{
    const int row = effectiveRow(codec.characterTable);
    const bool tableRow = row > kTableUser;
    if (!tableRow && !codec.unicode) {
        return {codec.systemCodePage, 0, row == kTableNone ? kNoneTextMax : kUserTextMax, true};
    }
    // "None" and "User" reach here only with the Unicode switch, and then always mark the text.
    const bool withPrefix = !tableRow || codec.prefix;
    const CharacterTable& table = kCharacterTables[static_cast<std::size_t>(row)];
    const std::uint8_t prefix = codec.unicode ? kUnicodePrefix : table.prefix;
    return {codec.unicode ? CodePage::kUtf8 : table.codePage, withPrefix ? prefix : std::uint8_t{0},
            kConvertedTextMax, false};
}

std::string_view untilZero(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

// The message that refuses a name because of characters the settings cannot store.
std::string UnstorableNameMessage(std::string_view characters, const CodecSettings& codec)
{
    const int row = effectiveRow(codec.characterTable);
    std::string where = "the character table \"" + CharacterTableText(row) + "\"";
    if (storageOf(codec).systemBytes) {
        where += " (code page " + std::to_string(codec.systemCodePage) + ")";
    }
    return "the name cannot be stored: " + where + " has no code for \"" + std::string(characters) +
           "\"";
}

} // namespace

std::string UnstorableCharacters(std::string_view text, const CodecSettings& codec)
{
    text = untilZero(text);
    const Storage storage = storageOf(codec);
    std::string missing = CodePage::unencodableCharacters(text, storage.codePage);
    if (!storage.systemBytes || effectiveRow(codec.characterTable) != kTableUser ||
        !missing.empty()) {
        return missing;
    }
    // Under "User" a system-code-page byte from 128 up must also stand in the user table. Every
    // character is one byte of a single-byte page, so byte i is character i.
    const std::string bytes = CodePage::fromUtf8(text, storage.codePage);
    const std::u32string characters = utf8::toCodePoints(text);
    std::u32string lacking;
    for (std::size_t i = 0; i < bytes.size() && i < characters.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(bytes[i]);
        if (b >= 128 && userTableByte(codec, b) == '?' &&
            lacking.find(characters[i]) == std::u32string::npos) {
            lacking += characters[i];
        }
    }
    return utf8::fromCodePoints(lacking);
}

bool NameFits(std::string_view text, const CodecSettings& codec)
{
    text = untilZero(text);
    const Storage storage = storageOf(codec);
    // One byte more than the field keeps tells a text that fits from one that is cut.
    std::array<char, kNameFieldSize + 1> scratch{};
    const std::size_t room = storage.textMax + 1;
    return CodePage::fromUtf8(text, storage.codePage, std::span<char>(scratch.data(), room)) < room;
}

std::array<std::uint8_t, 128> ReadUserTable(const std::filesystem::path& codeDatPath)
{
    std::array<std::uint8_t, 128> table = CodecSettings::identityUserTable();
    try {
        File file;
        if (file.open(codeDatPath, File::Mode::Read)) {
            std::array<std::uint8_t, 128> bytes{};
            const std::size_t got = file.read(bytes.data(), bytes.size());
            std::copy_n(bytes.begin(), got, table.begin());
        }
    } catch (const Error&) {
        return CodecSettings::identityUserTable(); // an unreadable file counts as absent
    }
    return table;
}

CodecSettings LoadCodecSettings(const std::filesystem::path& programFolder, const Profile& profile)
{
    CodecSettings codec;
    // Without a program folder there is no code.dat: never read one from the current folder.
    if (!programFolder.empty()) {
        codec.userTable =
            ReadUserTable(SideFiles::forProgram(programFolder).toRead(SideFiles::kUserTable));
    }
    codec.characterTable = profile.getInt(kCodecSection, kCharacterValue, kTableUser);
    codec.prefix = profile.getInt(kCodecSection, kPrefixValue, 0) > 0;
    codec.unicode = profile.getInt(kCodecSection, kUnicodeValue, 0) > 0;
    codec.systemCodePage =
        CodePage::systemCodePageFor(profile.getInt(kCodecSection, kCodePageValue, 0));
    return codec;
}

std::string Decode(ConstNameField field, int storedLength, const CodecSettings& codec)
{
    const std::uint8_t first = field[0];
    if (first < 32) {
        if (first == 0) {
            return {};
        }
        // The first bytes name the table of the bytes after them. A selector that names no
        // table read here leaves the rest to the system code page.
        const NameTableSelector selector = NameTableSelectorOf(field);
        const int codePage = selector.codePage != 0 ? selector.codePage : codec.systemCodePage;
        return CodePage::toUtf8(
            bytesOf(field, selector.size, terminatorIndex(field, selector.size)), codePage);
    }
    const int row = effectiveRow(codec.characterTable);
    if (row == kTableNone || row == kTableUser) {
        return decodeUnprefixedByLength(codec, row, field, storedLength);
    }
    return CodePage::toUtf8(bytesOf(field, 0, terminatorIndex(field, 0)),
                            kCharacterTables[static_cast<std::size_t>(row)].codePage);
}

int Encode(NameField field, std::string_view text, const CodecSettings& codec)
{
    text = untilZero(text);
    if (const std::string missing = UnstorableCharacters(text, codec); !missing.empty()) {
        throw Error(ErrorCode::Usage, UnstorableNameMessage(missing, codec));
    }
    const Storage storage = storageOf(codec);
    if (storage.systemBytes) {
        return encodeSystemBytes(codec, effectiveRow(codec.characterTable), field, text);
    }
    std::size_t position = 0;
    if (storage.prefix != 0) {
        field[position++] = storage.prefix;
    }
    position += CodePage::fromUtf8(
        text, storage.codePage,
        std::span<char>(reinterpret_cast<char*>(field.data()) + position, storage.textMax));
    field[position] = 0;
    return static_cast<int>(position + 1);
}

} // namespace kx
