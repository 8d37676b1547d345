#include "model/hexbytetext.h"

#include <gtest/gtest.h>

#include "platform/error.h"

namespace kx {
namespace {

TEST(HexByteText, SetValue_ShowsPairsMostSignificantFirstEachFollowedByBlank)
{
    HexByteText field;
    EXPECT_EQ(field.SetValue(0x1234, 2), "12 34 ");
    EXPECT_EQ(field.GetValue("12 34 "), 0x1234u);
    EXPECT_EQ(field.SetValue(0x80000001, 4), "80 00 00 01 ");
    EXPECT_EQ(field.SetValue(0x00A5, 2), "00 A5 ");
    EXPECT_EQ(field.SetValue(0xFFFFFFFF, 4), "FF FF FF FF ");
    EXPECT_EQ(field.GetValue("FF FF FF FF "), 0xFFFFFFFFu);
    EXPECT_EQ(field.SetValue(5, 1), "05 ");
    EXPECT_EQ(field.maxLength(), 3);
}

TEST(HexByteText, SetValue_WiderValueKeepsLowBytesInTextButWholeValueAsFallback)
{
    HexByteText field;
    EXPECT_EQ(field.SetValue(0x12345, 2), "23 45 ");
    EXPECT_EQ(field.GetValue(""), 0x12345u);
}

TEST(HexByteText, GetValue_FallsBackToOpeningValueOnUnreadableText)
{
    const HexByteText field(0x1234, 2);
    EXPECT_EQ(field.GetValue("12 34"), 0x1234u) << "one character short";
    EXPECT_EQ(field.GetValue("AB CD"), 0x1234u) << "one character short, digits fine";
    EXPECT_EQ(field.GetValue("ab CD "), 0x1234u) << "lower-case digit";
    EXPECT_EQ(field.GetValue("AB CG "), 0x1234u) << "not a hex digit";
    EXPECT_EQ(field.GetValue(""), 0x1234u) << "cleared";
    EXPECT_EQ(field.GetValue("AB CD "), 0xABCDu);
    EXPECT_EQ(field.GetValue("ABxCDx"), 0xABCDu) << "the blank behind a pair is not examined";
    EXPECT_EQ(field.GetValue("AB\xC3\xA9"
                             "CD "),
              0xABCDu)
        << "a character of two bytes on a blank still leaves the digits in place";
    EXPECT_EQ(field.GetValue("\xC3\xA9"
                             "B CD "),
              0x1234u);
}

TEST(HexByteText, TypeDigit_OverwritesAndSkipsBlanks)
{
    // One byte "0A ", caret 0: f makes FA with the caret at 1, then 3 makes F3 and wraps to 0.
    auto entry = HexByteText::typeDigit("0A ", 0, U'f', 1);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text, "FA ");
    EXPECT_EQ(entry->caret, 1);
    entry = HexByteText::typeDigit(entry->text, entry->caret, U'3', 1);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text, "F3 ");
    EXPECT_EQ(entry->caret, 0);

    // Two bytes: low digit of the first pair moves to the next pair's high digit.
    entry = HexByteText::typeDigit("12 34 ", 1, U'9', 2);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text, "19 34 ");
    EXPECT_EQ(entry->caret, 3);
    // On the blank between pairs the digit lands on the next high digit.
    entry = HexByteText::typeDigit("12 34 ", 2, U'E', 2);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text, "12 E4 ");
    EXPECT_EQ(entry->caret, 4);
}

TEST(HexByteText, TypeDigit_DropsWhatItCannotPlace)
{
    EXPECT_FALSE(HexByteText::typeDigit("12 34 ", 0, U'g', 2));
    EXPECT_FALSE(HexByteText::typeDigit("12 34 ", 0, U'\b', 2));
    EXPECT_FALSE(HexByteText::typeDigit("12 34 ", 0, U' ', 2));
    EXPECT_FALSE(HexByteText::typeDigit("12 34 ", 6, U'1', 2)) << "caret behind the text";
    EXPECT_FALSE(HexByteText::typeDigit("12 34 ", 5, U'1', 2)) << "blank behind the last pair";
    EXPECT_FALSE(HexByteText::typeDigit("12 34 ", -1, U'1', 2));
}

TEST(HexByteText, TypeDigit_PadsAShortTextWithBlanks)
{
    auto entry = HexByteText::typeDigit("", 3, U'7', 2);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text, "   7  ");
    EXPECT_EQ(entry->caret, 4);
    entry = HexByteText::typeDigit("\xC3\xA9", 1, U'7', 1);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text, "\xC3\xA9"
                           "7 ")
        << "positions count characters, not bytes";
}

TEST(HexByteText, Digits00012345OnFourByteDisplayOfTwoByteValue)
{
    HexByteText field;
    std::string text = field.SetValue(0x0000BEEF, 4);
    int caret = 0;
    for (const char32_t ch : std::u32string(U"00012345")) {
        const auto entry = field.OnChar(text, caret, ch);
        ASSERT_TRUE(entry);
        text = entry->text;
        caret = entry->caret;
    }
    EXPECT_EQ(text, "00 01 23 45 ");
    EXPECT_EQ(caret, 0);
    EXPECT_EQ(field.GetValue(text), 0x00012345u);
}

TEST(HexByteText, Width_OutsideOneToFourIsRefused)
{
    EXPECT_THROW(HexByteText::format(1, 0), Error);
    EXPECT_THROW(HexByteText::format(1, 5), Error);
    HexByteText field;
    EXPECT_THROW(field.SetValue(1, 8), Error);
}

} // namespace
} // namespace kx
