#include "document/descriptionline.h"

#include <climits>

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(ParseHex, ReadsDigitsFromTheRightAndSkipsEverythingElse)
{
    EXPECT_EQ(ParseHex("01A2"), 0x1A2u);
    EXPECT_EQ(ParseHex(" 1A2"), 0x1A2u);
    EXPECT_EQ(ParseHex("1 A"), 0x1Au);
    EXPECT_EQ(ParseHex("1a"), 0x1u) << "lower-case letters are not digits";
    EXPECT_EQ(ParseHex("1f"), 0x1u);
    EXPECT_EQ(ParseHex(",1F"), 0x1Fu) << "a named value is read from its comma on";
    EXPECT_EQ(ParseHex("G1H2"), 0x12u);
    EXPECT_EQ(ParseHex(""), 0u);
    EXPECT_EQ(ParseHex("none"), 0u);
    EXPECT_EQ(ParseHex("FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseHex("123456789"), 0x23456789u) << "the ninth digit falls off 32 bits";
}

TEST(ParseDecimal, ReadsLikeAtoi)
{
    EXPECT_EQ(parseDecimal("4"), 4);
    EXPECT_EQ(parseDecimal("  12abc"), 12);
    EXPECT_EQ(parseDecimal("-3"), -3);
    EXPECT_EQ(parseDecimal("+7"), 7);
    EXPECT_EQ(parseDecimal("x5"), 0);
    EXPECT_EQ(parseDecimal(""), 0);
    EXPECT_EQ(parseDecimal("1 2"), 1);
    EXPECT_EQ(parseDecimal("99999999999999999999"), INT_MAX);
    EXPECT_EQ(parseDecimal("-99999999999999999999"), INT_MIN);
}

TEST(FormatAddress, FourUpperCaseDigitsKeepingTheLowOnes)
{
    EXPECT_EQ(formatAddress(0), "0000");
    EXPECT_EQ(formatAddress(0x1A2), "01A2");
    EXPECT_EQ(formatAddress(0xFFFF), "FFFF");
    EXPECT_EQ(formatAddress(0x12345), "2345");
    EXPECT_EQ(formatByte(5), "05");
    EXPECT_EQ(formatByte(171), "AB");
}

TEST(DescriptionLine, FieldsNameAndAddress)
{
    const DescriptionLine tuner("Tuner;01A2");
    EXPECT_EQ(tuner.name(), "Tuner");
    EXPECT_EQ(tuner.address(), "01A2");
    EXPECT_EQ(tuner.byteOffset(), 0x1A2u);
    EXPECT_EQ(tuner.separatorCount(), 1u);
    EXPECT_EQ(tuner.field(2), "") << "an absent field is empty";

    const DescriptionLine spaced(" Vol ; 1A ;4");
    EXPECT_EQ(spaced.name(), " Vol ") << "the name is kept as written";
    EXPECT_EQ(spaced.address(), "1A");
    EXPECT_EQ(spaced.field(2), "4");

    const DescriptionLine bare("Volume 1A");
    EXPECT_EQ(bare.name(), "") << "a line without ';' has no name";
    EXPECT_EQ(bare.address(), "Volume 1A");

    const DescriptionLine ending("Mode;20;1;1;Off,0;On,1;");
    EXPECT_EQ(ending.separatorCount(), 6u);
    EXPECT_EQ(ending.field(5), "On,1");
    EXPECT_EQ(ending.field(6), "");
}

struct KindCase
{
    const char* line;
    SettingKind kind;
};

void PrintTo(const KindCase& kindCase, std::ostream* out)
{
    *out << '"' << kindCase.line << '"';
}

class DescriptionLineKind : public testing::TestWithParam<KindCase>
{};

TEST_P(DescriptionLineKind, FollowsTheSeparatorsAndTheTrimmedType)
{
    EXPECT_EQ(DescriptionLine(GetParam().line).kind(), GetParam().kind) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Lines, DescriptionLineKind,
                         testing::Values(KindCase{"Volume;1A", SettingKind::RawByte},
                                         KindCase{"Volume", SettingKind::RawByte},
                                         KindCase{"Run;0100;4", SettingKind::NoValue},
                                         KindCase{"Country;0006;2;2", SettingKind::Country},
                                         KindCase{"Country;0006;2;2;", SettingKind::NoValue},
                                         KindCase{"Lang;1809;3;3", SettingKind::Language},
                                         KindCase{"Lang;1809;3; 3 ", SettingKind::Language},
                                         KindCase{"Menu;01AC;1;4", SettingKind::MenuItem},
                                         KindCase{"Menu;01AC;1;4;", SettingKind::NoValue},
                                         KindCase{"Mode;20;1;1;Off,0;On,1;",
                                                  SettingKind::NamedValues},
                                         KindCase{"Mode;20;1; 1 ;Off,0", SettingKind::NamedValues},
                                         KindCase{"Mode;20;1;1", SettingKind::NoValue},
                                         KindCase{"Odd;20;1;5", SettingKind::NoValue},
                                         KindCase{"Odd;20;1;12", SettingKind::NoValue}));

TEST(DescriptionLine, NamedValuesSkipTheEmptyTextAfterTheFinalSeparator)
{
    const std::vector<NamedValue> offOn = {{"Off", 0}, {"On", 1}};
    EXPECT_EQ(DescriptionLine("Mode;20;1;1;Off,0;On,1;").namedValues(), offOn);
    EXPECT_EQ(DescriptionLine("Mode;20;1;1;Off,0;On,1").namedValues(), offOn);
    EXPECT_EQ(DescriptionLine("Mode;20;1;1; Off,0;  On,1; ").namedValues(), offOn)
        << "leading blanks go; a blank last field is empty text too";
}

TEST(DescriptionLine, NamedValuesReadLabelsAndValuesLeniently)
{
    // An item without a comma is all value; an empty item in the middle is kept; the label ends
    // at the first comma and the value reads from there on.
    EXPECT_EQ(
        DescriptionLine("X;20;1;1;7;Hi,1F;;Wide ,100;a,b,C;").namedValues(),
        (std::vector<NamedValue>{{"", 0x7}, {"Hi", 0x1F}, {"", 0}, {"Wide ", 0x100}, {"a", 0xC}}));
    EXPECT_TRUE(DescriptionLine("Lang;1809;3;3").namedValues().empty());
    EXPECT_TRUE(DescriptionLine("Mode;20;1;1").namedValues().empty());
}

} // namespace
} // namespace kx
