#include "platform/codepage.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "platform/error.h"

namespace kx {
namespace {

struct PageWord
{
    int codePage;
    const char* utf8;
    const char* bytes;
};

void PrintTo(const PageWord& word, std::ostream* os)
{
    *os << word.utf8;
}

// A word of each page's own script with its bytes, written out by hand from the code charts.
class CodePageWords : public ::testing::TestWithParam<PageWord>
{};

TEST_P(CodePageWords, WordOfItsScript_DecodesAndEncodes)
{
    const PageWord& word = GetParam();
    EXPECT_EQ(CodePage::toUtf8(word.bytes, word.codePage), word.utf8);
    EXPECT_EQ(CodePage::fromUtf8(word.utf8, word.codePage), word.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    AllPages, CodePageWords,
    ::testing::Values(
        PageWord{1250, "Żółw", "\xAF\xF3\xB3w"}, PageWord{1251, "Ёжик", "\xA8\xE6\xE8\xEA"},
        PageWord{1252, "Größe",
                 "Gr\xF6\xDF"
                 "e"},
        PageWord{1253, "Άλφα", "\xA2\xEB\xF6\xE1"}, PageWord{1254, "Işık€", "I\xFE\xFDk\x80"},
        PageWord{1255, "שלום₪", "\xF9\xEC\xE5\xED\xA4"}, PageWord{1256, "سلام", "\xD3\xE1\xC7\xE3"},
        PageWord{1257, "Ąž", "\xC0\xFE"}, PageWord{28595, "Первый", "\xBF\xD5\xE0\xD2\xEB\xD9"},
        PageWord{28596, "سلام", "\xD3\xE4\xC7\xE5"}, PageWord{28597, "Γεια", "\xC3\xE5\xE9\xE1"},
        PageWord{28598, "שלום", "\xF9\xEC\xE5\xED"}, PageWord{28599, "Işık", "I\xFE\xFDk"},
        PageWord{28600, "ođđa",
                 "o\xB9\xB9"
                 "a"},
        PageWord{28601, "ไทย", "\xE4\xB7\xC2"}, PageWord{28603, "ačiū", "a\xE8i\xFB"},
        PageWord{28604, "dŵr", "d\xF0r"}, PageWord{28605, "Œuf €", "\xBCuf \xA4"},
        PageWord{65001, "Жук", "\xD0\x96\xD1\x83\xD0\xBA"}),
    [](const auto& info) { return "Page" + std::to_string(info.param.codePage); });

TEST(CodePage, UndefinedBytes_DecodeToReplacementAndTheRestConverts)
{
    EXPECT_EQ(CodePage::toUtf8("a\x98z", 1251), "a\uFFFDz");
    EXPECT_EQ(CodePage::toUtf8("\xAE\xC3", 28597), "\uFFFDΓ");
    EXPECT_EQ(CodePage::toUtf8("\x81\x8D\x80", 1252), "\uFFFD\uFFFD€");
    EXPECT_EQ(CodePage::toUtf8("\xDB\xE4", 28601), "\uFFFDไ");
    EXPECT_EQ(CodePage::toUtf8(std::string("a\0b", 3), 1252), std::string("a\0b", 3));
}

TEST(CodePage, CharactersThePageLacks_EncodeToQuestionMark)
{
    EXPECT_EQ(CodePage::fromUtf8("Жx€", 1252), "?x\x80");
    EXPECT_EQ(CodePage::fromUtf8("№€", 28595), "\xF0?");
    EXPECT_EQ(CodePage::fromUtf8("😀a", 1251), "?a") << "a character outside the BMP";
}

TEST(CodePage, BrokenUtf8_CountsAsOneUnconvertibleCharacterPerBrokenSequence)
{
    // Cut-off sequence at the end, lone continuation byte, overlong form, UTF-16 surrogate.
    EXPECT_EQ(CodePage::toUtf8("ab\xD0", 65001), "ab\uFFFD");
    EXPECT_EQ(CodePage::toUtf8("\x80z", 65001), "\uFFFDz");
    EXPECT_EQ(CodePage::toUtf8("\xC0\x80", 65001), "\uFFFD\uFFFD");
    EXPECT_EQ(CodePage::toUtf8("\xED\xA0\x80x", 65001), "\uFFFD\uFFFD\uFFFDx");
    EXPECT_EQ(CodePage::toUtf8("\xE2\x82z", 65001), "\uFFFDz") << "one mark for a cut sequence";
    EXPECT_EQ(CodePage::fromUtf8("\xD0\x96\xD0", 28595), "\xB6?");
    EXPECT_EQ(CodePage::fromUtf8("x\xF4\x90\x80\x80", 65001), "x????") << "above U+10FFFF";
    EXPECT_EQ(CodePage::fromUtf8("\xF0\x9F\x98\x80", 65001), "\xF0\x9F\x98\x80");
}

TEST(CodePage, EncodingIntoABuffer_StopsBeforeTheFirstCharacterThatDoesNotFit)
{
    char buffer[8] = {};
    EXPECT_EQ(CodePage::fromUtf8("ЖЖЖ", 65001, std::span<char>(buffer, 5)), 4u);
    EXPECT_EQ(std::string(buffer, 4), "ЖЖ");
    EXPECT_EQ(CodePage::fromUtf8("ЖЖЖ", 28595, std::span<char>(buffer, 2)), 2u);
    EXPECT_EQ(std::string(buffer, 2), "\xB6\xB6");
    EXPECT_EQ(CodePage::fromUtf8("ab😀", 65001, std::span<char>(buffer, 5)), 2u);
    EXPECT_EQ(CodePage::fromUtf8("abc", 1251, std::span<char>(buffer, 0)), 0u);
}

TEST(CodePage, UnsupportedPage_IsAUsageError)
{
    try {
        CodePage::toUtf8("x", 28602);
        FAIL() << "ISO 8859-12 does not exist";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Usage);
    }
    EXPECT_THROW(CodePage::fromUtf8("x", 437), Error);
}

TEST(CodePage, LocaleNames_SelectThePageWindowsWouldPick)
{
    EXPECT_EQ(CodePage::codePageForLocale("ru_RU.UTF-8"), 1251);
    EXPECT_EQ(CodePage::codePageForLocale("uk_UA"), 1251);
    EXPECT_EQ(CodePage::codePageForLocale("bg_BG.UTF-8"), 1251);
    EXPECT_EQ(CodePage::codePageForLocale("sr_RS"), 1251);
    EXPECT_EQ(CodePage::codePageForLocale("sr_RS@latin"), 1250);
    EXPECT_EQ(CodePage::codePageForLocale("pl_PL.UTF-8"), 1250);
    EXPECT_EQ(CodePage::codePageForLocale("CS_CZ"), 1250);
    EXPECT_EQ(CodePage::codePageForLocale("el_GR.UTF-8"), 1253);
    EXPECT_EQ(CodePage::codePageForLocale("tr_TR"), 1254);
    EXPECT_EQ(CodePage::codePageForLocale("he_IL.UTF-8"), 1255);
    EXPECT_EQ(CodePage::codePageForLocale("ar_EG"), 1256);
    EXPECT_EQ(CodePage::codePageForLocale("lt_LT.UTF-8"), 1257);
    EXPECT_EQ(CodePage::codePageForLocale("de_DE.UTF-8"), 1252);
    EXPECT_EQ(CodePage::codePageForLocale("C"), 1252);
    EXPECT_EQ(CodePage::codePageForLocale("POSIX"), 1252);
    EXPECT_EQ(CodePage::codePageForLocale(""), 1252);
}

TEST(CodePage, SystemPage_FollowsTheLocaleUnlessSet)
{
    ::setenv("LC_ALL", "", 1);
    ::setenv("LC_CTYPE", "el_GR.UTF-8", 1);
    ::setenv("LANG", "ru_RU.UTF-8", 1);
    EXPECT_EQ(CodePage::systemCodePageFor(0), 1253) << "LC_CTYPE comes before LANG";
    ::setenv("LC_ALL", "he_IL", 1);
    EXPECT_EQ(CodePage::systemCodePageFor(0), 1255) << "LC_ALL comes first";
    EXPECT_EQ(CodePage::systemCodePageFor(1251), 1251);
    EXPECT_EQ(CodePage::systemCodePageFor(28595), 1255)
        << "only Windows pages stand for the system page";
    EXPECT_EQ(CodePage::systemCodePageFor(-3), 1255);
}

TEST(CodePage, UnencodableCharacters_NamesEachMissingCharacterOnce)
{
    EXPECT_EQ(CodePage::unencodableCharacters("Первый HD", 1252), "Первый");
    EXPECT_EQ(CodePage::unencodableCharacters("Пп?П", 1252), "Пп") << "'?' is a character";
    EXPECT_EQ(CodePage::unencodableCharacters("Первый HD", 1251), "");
    EXPECT_EQ(CodePage::unencodableCharacters("a\xFF"
                                              "b",
                                              65001),
              "\xEF\xBF\xBD")
        << "broken UTF-8 stands for U+FFFD";
    EXPECT_EQ(CodePage::unencodableCharacters("Ωμέγα €", 28597), "");
    EXPECT_THROW(CodePage::unencodableCharacters("x", 437), Error);
}

} // namespace
} // namespace kx
