#include "model/namecodec.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "model/charactertable.h"
#include "platform/codepage.h"
#include "platform/error.h"
#include "platform/file.h"
#include "platform/profile.h"
#include "support/tempdir.h"

namespace kx {
namespace {

using Field = std::array<std::uint8_t, 40>;

// A name field holding bytes, then filler up to its end.
Field fieldOf(std::string_view bytes, std::uint8_t filler = 0)
{
    Field field;
    field.fill(filler);
    std::copy(bytes.begin(), bytes.end(), field.begin());
    return field;
}

std::string bytesOf(const Field& field, std::size_t count)
{
    return {reinterpret_cast<const char*>(field.data()), count};
}

CodecSettings settingsFor(int row, bool prefix = false, bool unicode = false)
{
    CodecSettings codec;
    codec.characterTable = row;
    codec.prefix = prefix;
    codec.unicode = unicode;
    return codec;
}

class NameCodec : public ::testing::Test
{
protected:
    // Encodes text into a field full of 0xEE under the given settings and the test's system code
    // page.
    int encode(CodecSettings codec, std::string_view text)
    {
        codec.systemCodePage = m_page;
        m_field.fill(0xEE);
        return Encode(m_field, text, codec);
    }

    std::string decode(CodecSettings codec, std::string_view bytes, int length = 40)
    {
        codec.systemCodePage = m_page;
        return Decode(fieldOf(bytes), length, codec);
    }

    Field m_field{};
    int m_page = 1252;
};

// Every table of the list with a word of its own script: prefixed bytes decode whatever table
// is selected, and with the prefix switch the word encodes to exactly those bytes.
struct TableWord
{
    int row;
    const char* utf8;
    const char* stored; // prefix byte and text bytes, written out by hand
};

void PrintTo(const TableWord& word, std::ostream* os)
{
    *os << word.utf8;
}

class NameCodecTables : public NameCodec, public ::testing::WithParamInterface<TableWord>
{};

TEST_P(NameCodecTables, PrefixedWord_DecodesUnderAnySettingAndEncodesWithPrefix)
{
    const TableWord& word = GetParam();
    for (int selected : {0, 1, 6, word.row}) {
        EXPECT_EQ(decode(settingsFor(selected), word.stored), word.utf8) << "selected " << selected;
    }
    const std::string stored = word.stored;
    const int length = encode(settingsFor(word.row, true), word.utf8);
    EXPECT_EQ(length, static_cast<int>(stored.size()) + 1);
    EXPECT_EQ(bytesOf(m_field, stored.size() + 1), stored + '\0');
    EXPECT_EQ(m_field[stored.size() + 1], 0xEE);

    // Without the prefix switch the same text bytes are stored bare, and decode by the setting.
    const int bare = encode(settingsFor(word.row, false), word.utf8);
    EXPECT_EQ(bare, static_cast<int>(stored.size()));
    EXPECT_EQ(bytesOf(m_field, stored.size()), stored.substr(1) + '\0');
    EXPECT_EQ(decode(settingsFor(word.row), stored.substr(1)), word.utf8);
}

INSTANTIATE_TEST_SUITE_P(EveryTable, NameCodecTables,
                         ::testing::Values(TableWord{2, "Первый", "\x01\xBF\xD5\xE0\xD2\xEB\xD9"},
                                           TableWord{3, "سلام", "\x02\xD3\xE4\xC7\xE5"},
                                           TableWord{4, "Γεια", "\x03\xC3\xE5\xE9\xE1"},
                                           TableWord{5, "שלום", "\x04\xF9\xEC\xE5\xED"},
                                           TableWord{6, "Işık", "\x05I\xFE\xFDk"},
                                           TableWord{7, "ođđa",
                                                     "\x06o\xB9\xB9"
                                                     "a"},
                                           TableWord{8, "ไทย", "\x07\xE4\xB7\xC2"},
                                           TableWord{9, "ačiū",
                                                     "\x09"
                                                     "a\xE8i\xFB"},
                                           TableWord{10, "dŵr",
                                                     "\x0A"
                                                     "d\xF0r"},
                                           TableWord{11, "Œuf €", "\x0B\xBCuf \xA4"},
                                           TableWord{12, "Жук", "\x15\xD0\x96\xD1\x83\xD0\xBA"}),
                         [](const auto& info) { return "Row" + std::to_string(info.param.row); });

TEST_F(NameCodec, ArabicRowWithAndWithoutPrefix_StoresTheWorkedBytes)
{
    EXPECT_EQ(encode(settingsFor(3, true), "ABC"), 5);
    EXPECT_EQ(bytesOf(m_field, 5), std::string("\x02"
                                               "ABC\0",
                                               5));
    EXPECT_EQ(encode(settingsFor(3, false), "ABC"), 4);
    EXPECT_EQ(bytesOf(m_field, 4), std::string("ABC\0", 4));
    EXPECT_EQ(m_field[4], 0xEE);
}

TEST_F(NameCodec, UserRowWithoutUnicode_StoresTheBareTextLength)
{
    EXPECT_EQ(encode(settingsFor(1), "ABC"), 3);
    EXPECT_EQ(bytesOf(m_field, 4), std::string("ABC\0", 4));
    EXPECT_EQ(encode(settingsFor(0), "ABC"), 3);
    EXPECT_EQ(bytesOf(m_field, 4), std::string("ABC\0", 4))
        << "a shorter name must not leave the old name's tail behind";
}

TEST_F(NameCodec, UnicodeSwitch_WritesUtf8WithPrefix21)
{
    for (int row : {0, 1}) {
        for (bool prefix : {false, true}) {
            EXPECT_EQ(encode(settingsFor(row, prefix, true), "Жa"), 5) << "row " << row;
            EXPECT_EQ(bytesOf(m_field, 5), std::string("\x15\xD0\x96"
                                                       "a\0",
                                                       5));
        }
    }
    EXPECT_EQ(encode(settingsFor(2, true, true), "Жa"), 5);
    EXPECT_EQ(bytesOf(m_field, 5), std::string("\x15\xD0\x96"
                                               "a\0",
                                               5));
    // With a table row and no prefix switch the UTF-8 bytes go in bare.
    EXPECT_EQ(encode(settingsFor(2, false, true), "Жa"), 4);
    EXPECT_EQ(bytesOf(m_field, 4), std::string("\xD0\x96"
                                               "a\0",
                                               4));
}

TEST_F(NameCodec, UnprefixedName_DecodesTheSameUnderNoneAndIdentityUser)
{
    const std::string stored = "Caf\xE9 \x80\xFF";
    EXPECT_EQ(decode(settingsFor(0), stored, 7), "Café €ÿ");
    EXPECT_EQ(decode(settingsFor(1), stored, 7), "Café €ÿ");
}

TEST_F(NameCodec, NoneAndUser_StopAtTheStoredLengthOrTheFirstZero)
{
    EXPECT_EQ(decode(settingsFor(0), "ABCDEF", 3), "ABC");
    EXPECT_EQ(decode(settingsFor(1), "ABCDEF", 3), "ABC");
    EXPECT_EQ(decode(settingsFor(0), std::string("AB\0CD", 5), 5), "AB");
    EXPECT_EQ(decode(settingsFor(0), "ABCDEF", 0), "");
    EXPECT_EQ(decode(settingsFor(0), "ABCDEF", -5), "");
    // Tables 2 to 12 ignore the length and read to the terminator.
    EXPECT_EQ(decode(settingsFor(6), "ABCDEF", 3), "ABCDEF");
}

TEST_F(NameCodec, StoredLengthAbove40_ReadsNoMoreThanTheField)
{
    const Field full = fieldOf("", 'x');
    EXPECT_EQ(Decode(full, 200, settingsFor(0)), std::string(40, 'x'));
    EXPECT_EQ(Decode(full, 529, settingsFor(0)), std::string(40, 'x'));
}

TEST_F(NameCodec, FieldWithoutTerminator_DecodesAtMost40Bytes)
{
    EXPECT_EQ(Decode(fieldOf("", 'y'), 0, settingsFor(6)), std::string(40, 'y'));
    EXPECT_EQ(Decode(fieldOf("\x0B", 'z'), 0, settingsFor(6)), std::string(39, 'z'));
    EXPECT_EQ(Decode(fieldOf("", 'q'), 0, settingsFor(12)), std::string(40, 'q'));
}

TEST_F(NameCodec, EmptyField_DecodesToNothingUnderEveryTable)
{
    for (int row = 0; row < 13; ++row) {
        EXPECT_EQ(decode(settingsFor(row), "", 40), "") << "row " << row;
        EXPECT_EQ(decode(settingsFor(row), std::string("\0Hidden", 7), 7), "") << "row " << row;
    }
}

TEST_F(NameCodec, PrefixThatNamesNoTable_ShowsTheRestInTheSystemCodePage)
{
    m_page = 1251;
    for (const char prefix : {'\x08', '\x0C', '\x14', '\x16', '\x1F'}) {
        EXPECT_EQ(decode(settingsFor(2), std::string(1, prefix) + "\xCC\xE8\xF0"), "Мир")
            << "prefix " << int{prefix};
    }
}

// 0x10 and a 16-bit number name a part of ISO 8859 whatever the settings; receivers store the
// number's high byte 0 as 1. A number that names no part leaves the rest to the system page.
TEST_F(NameCodec, IsoSelector_ReadsThePartItNamesAfterItsThreeBytes)
{
    m_page = 1251;
    const std::pair<std::string, std::string> cases[] = {
        {std::string("\x10\x00\x02\xA3\xF3\x64\xBC", 7), "\xC5\x81\xC3\xB3\x64\xC5\xBA"}, // Łódź
        {"\x10\x01\x02"
         "AXN Crime",
         "AXN Crime"},
        {std::string("\x10\x00\x05\xBC\xD8\xE0", 6), "Мир"},
        {std::string("\x10\x00\x01\x63\x61\x66\xE9", 7), "caf\xC3\xA9"},
        {std::string("\x10\x00\x0C\xCC\xE8\xF0", 6), "Мир"},
        {"\x10\x02\x02\xCC\xE8\xF0", "Мир"},
        {std::string("\x10\x00\x10\xCC\xE8\xF0", 6), "Мир"},
    };
    for (const auto& [stored, shown] : cases) {
        EXPECT_EQ(decode(settingsFor(11), stored), shown) << stored;
    }
}

TEST_F(NameCodec, CharacterSettingOutsideTheList_ActsAsNone)
{
    m_page = 1251;
    for (int row : {-1, 13, 1000}) {
        CodecSettings codec = settingsFor(row);
        codec.userTable[0x4C] = 'X'; // would show under "User"
        EXPECT_EQ(decode(codec, "\xCC\xE8\xF0", 2), "Ми") << "row " << row;
        EXPECT_EQ(encode(settingsFor(row, true), "Мир"), 3) << "row " << row;
        EXPECT_EQ(bytesOf(m_field, 4), std::string("\xCC\xE8\xF0\0", 4));
    }
}

TEST_F(NameCodec, UserTable_MapsBytes128To255BothWays)
{
    m_page = 1251;
    CodecSettings codec = settingsFor(1);
    codec.userTable[0] = 0xC6;   // stored 0x80 stands for Ж
    codec.userTable[5] = 0xC6;   // a second entry for Ж: the first one wins when encoding
    codec.userTable[70] = 0x41;  // stored 0xC6 stands for A
    codec.userTable[1] = 0;      // stored 0x81 ends the text
    codec.userTable[0x5E] = 'x'; // no entry holds Ю any more
    EXPECT_EQ(decode(codec, "a\x80\xC6z", 4), "aЖAz");
    EXPECT_EQ(decode(codec, "a\x81z", 3), "a");
    // Under "None" the same bytes are the system code page's own.
    EXPECT_EQ(decode(settingsFor(0), "a\x80\xC6z", 4), "a\u0402Жz");

    EXPECT_EQ(encode(codec, "Жa"), 2);
    EXPECT_EQ(bytesOf(m_field, 3), std::string("\x80"
                                               "a\0",
                                               3));
    EXPECT_THROW(encode(codec, "Ю"), Error) << "no entry holds Ю";
    EXPECT_EQ(encode(settingsFor(0), "Жa"), 2) << "None stores the system code page bytes";
    EXPECT_EQ(bytesOf(m_field, 3), std::string("\xC6"
                                               "a\0",
                                               3));
}

TEST_F(NameCodec, TextEndsAtItsFirstZeroByte)
{
    EXPECT_EQ(encode(settingsFor(3, false), std::string("AB\0CD", 5)), 3);
    EXPECT_EQ(bytesOf(m_field, 3), std::string("AB\0", 3));
}

// A name is never stored with '?' for what the table lacks: it is refused, naming the characters,
// and no byte of the field changes.
TEST_F(NameCodec, CharactersTheTableLacks_AreRefusedAndNamed)
{
    struct Case
    {
        CodecSettings codec;
        const char* text;
        const char* missing;
    };
    CodecSettings user = settingsFor(1);
    user.userTable[0x46] = 'x'; // the table no longer holds Ж (0xC6 in code page 1251)
    m_page = 1251;
    const Case cases[] = {
        {settingsFor(2, true), "Ж€x€", "€"},
        {settingsFor(0), "Жx", ""},
        {user, "ЖЖa", "Ж"},
        {settingsFor(12), "Жx€", ""},
    };
    for (const Case& c : cases) {
        CodecSettings codec = c.codec;
        codec.systemCodePage = m_page;
        EXPECT_EQ(UnstorableCharacters(c.text, codec), c.missing) << c.text;
        m_field.fill(0xEE);
        if (*c.missing != '\0') {
            EXPECT_THROW(Encode(m_field, c.text, codec), Error) << c.text;
            EXPECT_EQ(m_field[0], 0xEE) << "nothing written";
        }
    }
    m_page = 1252;
    CodecSettings latin = settingsFor(0);
    latin.systemCodePage = 1252;
    try {
        Encode(m_field, "Первый HD", latin);
        FAIL() << "Cyrillic under code page 1252";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Usage);
        EXPECT_NE(std::string(error.what()).find("Первый"), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("1252"), std::string::npos) << error.what();
    }
}

// The cell editor takes no more than the field holds: what fits is exactly what Encode keeps.
TEST_F(NameCodec, NameFits_AgreesWithWhatEncodeKeeps)
{
    const std::string cyrillic18 = [] {
        std::string text;
        for (int i = 0; i < 18; ++i) {
            text += "Ж";
        }
        return text;
    }();
    struct Case
    {
        CodecSettings codec;
        std::string text;
        bool fits;
    };
    const Case cases[] = {
        {settingsFor(2, true), std::string(37, 'a'), true},
        {settingsFor(2, true), std::string(38, 'a'), false},
        {settingsFor(0), std::string(38, 'a'), true},
        {settingsFor(0), std::string(39, 'a'), false},
        {settingsFor(1), std::string(39, 'a'), true},
        {settingsFor(1), std::string(40, 'a'), false},
        {settingsFor(12, true), cyrillic18, true},
        {settingsFor(12, true), cyrillic18 + "x", true},
        {settingsFor(12, true), cyrillic18 + "Ж", false},
        {settingsFor(2), std::string(37, 'a') + "€", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameFits(c.text, c.codec), c.fits) << c.text.size() << " bytes";
    }
}

// Names too long for the field: cut where a character ends, and the stored length agrees with
// the bytes written.
TEST_F(NameCodec, LongNames_AreCutToFitWithTerminatorAndMatchingLength)
{
    const std::string ascii(60, 'a');
    // Table rows: 37 text bytes, behind a prefix or not.
    EXPECT_EQ(encode(settingsFor(2, true), ascii), 39);
    EXPECT_EQ(bytesOf(m_field, 40), "\x01" + std::string(37, 'a') + '\0' + '\xEE');
    EXPECT_EQ(encode(settingsFor(2, false), ascii), 38);
    EXPECT_EQ(bytesOf(m_field, 39), std::string(37, 'a') + '\0' + '\xEE');
    EXPECT_EQ(encode(settingsFor(2, true), std::string(37, 'a')), 39) << "37 bytes fit whole";

    // Two-byte UTF-8 letters never split: 18 letters (36 bytes) fit, the 19th would not.
    std::string cyrillic;
    for (int i = 0; i < 25; ++i) {
        cyrillic += "Ж";
    }
    EXPECT_EQ(encode(settingsFor(12, true), cyrillic), 38);
    EXPECT_EQ(m_field[0], 0x15);
    EXPECT_EQ(m_field[36], 0x96);
    EXPECT_EQ(m_field[37], 0);
    EXPECT_EQ(encode(settingsFor(12, false), cyrillic), 37);
    EXPECT_EQ(m_field[35], 0x96);
    EXPECT_EQ(m_field[36], 0) << "the 37th byte would start a letter it cannot finish";
    EXPECT_EQ(encode(settingsFor(0, false, true), cyrillic + "x"), 38);
    EXPECT_EQ(m_field[37], 0);
    EXPECT_EQ(encode(settingsFor(0, false, true), "x" + cyrillic), 39);
    EXPECT_EQ(bytesOf(m_field, 3), "\x15x\xD0");
    EXPECT_EQ(m_field[38], 0);

    // "None" keeps 38 bytes, "User" 39; both leave room for the terminator.
    EXPECT_EQ(encode(settingsFor(0), ascii), 38);
    EXPECT_EQ(bytesOf(m_field, 40), std::string(38, 'a') + '\0' + '\xEE');
    EXPECT_EQ(encode(settingsFor(1), ascii), 39);
    EXPECT_EQ(bytesOf(m_field, 40), std::string(39, 'a') + '\0');
}

TEST_F(NameCodec, EmptyText_StoresTheTerminatorAndWhatTheRowAdds)
{
    EXPECT_EQ(encode(settingsFor(1), ""), 0);
    EXPECT_EQ(m_field[0], 0);
    EXPECT_EQ(encode(settingsFor(4, false), ""), 1);
    EXPECT_EQ(m_field[0], 0);
    EXPECT_EQ(encode(settingsFor(4, true), ""), 2);
    EXPECT_EQ(bytesOf(m_field, 2), std::string("\x03\0", 2));
}

// Loading the settings from code.dat and the profile.

class CodecSettingsLoad : public ::testing::Test
{
protected:
    void writeCodeDat(std::size_t size)
    {
        std::string bytes;
        for (std::size_t i = 0; i < size; ++i) {
            bytes += static_cast<char>(0x20 + i % 90);
        }
        File file(m_dir.path() / "code.dat", File::Mode::Write);
        file.write(bytes);
    }

    test::TempDir m_dir;
    MemoryProfile m_profile;
};

TEST_F(CodecSettingsLoad, NothingStored_GivesUserTableIdentityAndSwitchesOff)
{
    const CodecSettings codec = LoadCodecSettings(m_dir.path(), m_profile);
    EXPECT_EQ(codec.characterTable, 1);
    EXPECT_FALSE(codec.prefix);
    EXPECT_FALSE(codec.unicode);
    EXPECT_EQ(codec.userTable[0], 0x80);
    EXPECT_EQ(codec.userTable[127], 0xFF);
    EXPECT_FALSE(m_profile.contains("LANG", "CHARACTER")) << "loading writes nothing back";
}

TEST_F(CodecSettingsLoad, Switches_AreOnOnlyAboveZero)
{
    m_profile.setInt("LANG", "CHARACTER", 12);
    m_profile.setInt("LANG", "KEY", -1);
    m_profile.setInt("LANG", "UNICODE", 2);
    CodecSettings loaded = LoadCodecSettings(m_dir.path(), m_profile);
    EXPECT_EQ(loaded.characterTable, 12);
    EXPECT_FALSE(loaded.prefix);
    EXPECT_TRUE(loaded.unicode);

    m_profile.setInt("LANG", "KEY", 1);
    m_profile.setInt("LANG", "UNICODE", 0);
    m_profile.setInt("LANG", "CHARACTER", 40);
    loaded = LoadCodecSettings(m_dir.path(), m_profile);
    EXPECT_TRUE(loaded.prefix);
    EXPECT_FALSE(loaded.unicode);
    EXPECT_EQ(loaded.characterTable, 40) << "kept as stored";
}

TEST_F(CodecSettingsLoad, CodeDatOf10Bytes_ReplacesTheFirst10EntriesOnly)
{
    writeCodeDat(10);
    CodecSettings loaded = LoadCodecSettings(m_dir.path(), m_profile);
    const auto& table = loaded.userTable;
    EXPECT_EQ(table[0], 0x20);
    EXPECT_EQ(table[9], 0x29);
    EXPECT_EQ(table[10], 0x8A);
    EXPECT_EQ(table[127], 0xFF);
}

TEST_F(CodecSettingsLoad, CodeDatOf0And128AndMoreBytes)
{
    writeCodeDat(0);
    CodecSettings loaded = LoadCodecSettings(m_dir.path(), m_profile);
    EXPECT_EQ(loaded.userTable, CodecSettings::identityUserTable());

    writeCodeDat(128);
    loaded = LoadCodecSettings(m_dir.path(), m_profile);
    EXPECT_EQ(loaded.userTable[89], 0x79);
    EXPECT_EQ(loaded.userTable[90], 0x20);
    EXPECT_EQ(loaded.userTable[127], 0x45);

    writeCodeDat(300);
    EXPECT_EQ(ReadUserTable(m_dir.path() / "code.dat")[127], 0x45) << "bytes past 128 unused";
}

TEST_F(CodecSettingsLoad, UnreadableCodeDat_CountsAsAbsent)
{
    std::filesystem::create_directory(m_dir.path() / "code.dat");
    EXPECT_EQ(ReadUserTable(m_dir.path() / "code.dat"), CodecSettings::identityUserTable());
    EXPECT_EQ(ReadUserTable(m_dir.path() / "missing" / "code.dat"),
              CodecSettings::identityUserTable());
}

TEST_F(CodecSettingsLoad, EmptyProgramFolder_NeverReadsCodeDatFromTheCurrentFolder)
{
    writeCodeDat(128);
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(m_dir.path());
    CodecSettings loaded = LoadCodecSettings({}, m_profile);
    std::filesystem::current_path(before);
    EXPECT_EQ(loaded.userTable, CodecSettings::identityUserTable());
}

TEST_F(CodecSettingsLoad, CodePageValue_SetsTheSystemCodePageOrFollowsTheLocale)
{
    ::setenv("LC_ALL", "el_GR.UTF-8", 1);
    m_profile.setInt("LANG", "CODEPAGE", 1251);
    CodecSettings loaded = LoadCodecSettings(m_dir.path(), m_profile);
    EXPECT_EQ(loaded.systemCodePage, 1251);
    m_profile.setInt("LANG", "CODEPAGE", 0);
    loaded = LoadCodecSettings(m_dir.path(), m_profile);
    EXPECT_EQ(loaded.systemCodePage, 1253);
    m_profile.setInt("LANG", "CODEPAGE", 65001);
    loaded = LoadCodecSettings(m_dir.path(), m_profile);
    EXPECT_EQ(loaded.systemCodePage, 1253) << "the system page is a single-byte page";
}

TEST(CharacterTables, DisplayTextsAndPrefixes)
{
    const char* const texts[] = {"None",       "User",
                                 "Cyrillic",   "Arabic",
                                 "Greek",      "Hebrew (ISO-Visual)",
                                 "Turkish",    "European(Latin 6)",
                                 "Latin/Thai", "Estonian(Latin 7)",
                                 "Latin-8",    "European(Latin 9)",
                                 "Unicode"};
    for (int row = 0; row < 13; ++row) {
        EXPECT_EQ(CharacterTableText(row), texts[row]) << "row " << row;
    }
    EXPECT_EQ(CharacterTableText(13), "");
    EXPECT_EQ(CharacterTableText(-1), "");
    EXPECT_EQ(CharacterTableForPrefix(0), 1);
    EXPECT_EQ(CharacterTableForPrefix(9), 9);
    EXPECT_EQ(CharacterTableForPrefix(21), 12);
    EXPECT_EQ(CharacterTableForPrefix(8), -1);
}

} // namespace
} // namespace kx
