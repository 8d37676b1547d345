#include "model/namecodec.h"

#include <algorithm>
#include <array>

#include "model/charactertable.h"
#include "platform/codepage.h"
#include "platform/error.h"
#include "platform/file.h"
#include "platform/profile.h"
#include "platform/sidefiles.h"

namespace kx {

namespace {

// A converted name goes through a 38-byte work buffer: at most 37 text bytes and the terminator.
// Behind a prefix byte that makes 39 bytes of the field, as receivers write them themselves.
constexpr std::size_t kConvertedTextMax = 37;
// Without conversion, "None" keeps at most 38 bytes and "User" as many as leave room for the
// terminator in the field.
constexpr std::size_t kNoneTextMax = 38;
constexpr std::size_t kUserTextMax = kNameFieldSize - 1;

CodecSettings& settings()
{
    static CodecSettings instance;
    return instance;
}

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
        return CodePage::toUtf8(bytesOf(field, 0, end), CodePage::kSystem);
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
    return CodePage::toUtf8(std::string_view(mapped.data(), count), CodePage::kSystem);
}

// "None" and "User" without the Unicode switch: system-code-page bytes, under "User" with bytes
// 128 to 255 mapped through the user table, so that each row encodes the way it decodes.
int encodeSystemBytes(const CodecSettings& codec, int row, NameField field, std::string_view text)
{
    std::array<char, kUserTextMax> bytes{};
    const std::size_t count = CodePage::fromUtf8(
        text, CodePage::kSystem,
        std::span<char>(bytes.data(), row == kTableNone ? kNoneTextMax : kUserTextMax));
    for (std::size_t i = 0; i < count; ++i) {
        const auto b = static_cast<std::uint8_t>(bytes[i]);
        field[i] = row == kTableUser && b >= 128 ? userTableByte(codec, b) : b;
    }
    field[count] = 0;
    return static_cast<int>(count);
}

} // namespace

const CodecSettings& CurrentCodecSettings()
{
    return settings();
}

void SetCodecSettings(const CodecSettings& codec)
{
    settings() = codec;
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

void LoadCodecSettings(const std::filesystem::path& programFolder, const Profile& profile)
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
    CodePage::setSystemCodePage(profile.getInt(kCodecSection, kCodePageValue, 0));
    settings() = codec;
}

std::string Decode(ConstNameField field, int storedLength)
{
    const std::uint8_t first = field[0];
    if (first < 32) {
        if (first == 0) {
            return {};
        }
        // The first byte names the table of the bytes after it. A byte that names no table of
        // the list leaves the rest to the system code page.
        const int row = CharacterTableForPrefix(first);
        const int codePage =
            row < 0 ? CodePage::kSystem : kCharacterTables[static_cast<std::size_t>(row)].codePage;
        return CodePage::toUtf8(bytesOf(field, 1, terminatorIndex(field, 1)), codePage);
    }
    const CodecSettings& codec = settings();
    const int row = effectiveRow(codec.characterTable);
    if (row == kTableNone || row == kTableUser) {
        return decodeUnprefixedByLength(codec, row, field, storedLength);
    }
    return CodePage::toUtf8(bytesOf(field, 0, terminatorIndex(field, 0)),
                            kCharacterTables[static_cast<std::size_t>(row)].codePage);
}

int Encode(NameField field, std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    const CodecSettings& codec = settings();
    const int row = effectiveRow(codec.characterTable);
    const bool tableRow = row > kTableUser;
    if (!tableRow && !codec.unicode) {
        return encodeSystemBytes(codec, row, field, text);
    }
    // "None" and "User" reach here only with the Unicode switch, and then always mark the text.
    const bool withPrefix = !tableRow || codec.prefix;
    const CharacterTable& table = kCharacterTables[static_cast<std::size_t>(row)];
    const int codePage = codec.unicode ? CodePage::kUtf8 : table.codePage;
    std::size_t position = 0;
    if (withPrefix) {
        field[position++] = codec.unicode ? kUnicodePrefix : table.prefix;
    }
    position += CodePage::fromUtf8(
        text, codePage,
        std::span<char>(reinterpret_cast<char*>(field.data()) + position, kConvertedTextMax));
    field[position] = 0;
    return static_cast<int>(position + 1);
}

} // namespace kx
