#include "dialogs/settingcodes.h"

#include <cstdint>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(SettingCodes, CodesPairWithTheirNamesByIndex)
{
    const std::vector<std::string> countries = countryNames();
    ASSERT_EQ(countries.size(), 37u);
    EXPECT_EQ(countries[static_cast<std::size_t>(findExact(CountryCodes, "__"))], "--");
    EXPECT_EQ(countries[static_cast<std::size_t>(findExact(CountryCodes, "UK"))], "England");
    EXPECT_EQ(countries[static_cast<std::size_t>(findExact(CountryCodes, "EE"))], "Estonia");

    const std::vector<std::string> languages = languageNames();
    ASSERT_EQ(languages.size(), 32u);
    EXPECT_EQ(languages[static_cast<std::size_t>(findExact(LanguageCodes, "dut"))], "Golan");
    EXPECT_EQ(languages[static_cast<std::size_t>(findExact(LanguageCodes, "ukr"))], "Ukrainian");

    EXPECT_EQ(menuItemNames(), (std::vector<std::string>{"Setup", "Pictures", "Sound", "Time",
                                                         "Options", "Lock", "Input", "USB"}));
    EXPECT_EQ(findExact(LanguageCodes, "ENG"), -1) << "codes are case-sensitive";
}

TEST(SettingCodes, TimeZonesRunFromMinusElevenToPlusTwelve)
{
    const std::vector<std::string> zones = timeZoneNames();
    ASSERT_EQ(zones.size(), 24u);
    EXPECT_EQ(zones[0], "-11");
    EXPECT_EQ(zones[10], "-1");
    EXPECT_EQ(zones[11], "0");
    EXPECT_EQ(zones[12], "+1");
    EXPECT_EQ(zones[23], "+12");
}

TEST(SettingCodes, CodesAreStoredWithTheLettersReversed)
{
    std::vector<std::uint8_t> block(10, 0);
    ASSERT_TRUE(writeCountryCode(block, 6, "AT"));
    EXPECT_EQ(block[6], 0x54); // T
    EXPECT_EQ(block[7], 0x41); // A
    ASSERT_TRUE(writeLanguageCode(block, 1, "eng"));
    EXPECT_EQ(block[1], 'g');
    EXPECT_EQ(block[2], 'n');
    EXPECT_EQ(block[3], 'e');

    block[6] = 0x45;
    block[7] = 0x44;
    EXPECT_EQ(readCountryCode(block, 6), "DE");
    EXPECT_EQ(readLanguageCode(block, 1), "eng");
}

TEST(SettingCodes, BytesBeyondTheBlockAreNeitherReadNorWritten)
{
    std::vector<std::uint8_t> block(8, 0x11);
    const std::vector<std::uint8_t> before = block;
    EXPECT_EQ(readCountryCode(block, 6), std::string("\x11\x11"));
    EXPECT_FALSE(readCountryCode(block, 7));
    EXPECT_FALSE(readLanguageCode(block, 6));
    EXPECT_FALSE(readByte(block, 8));
    EXPECT_FALSE(readLanguageCode(block, std::numeric_limits<std::size_t>::max() - 1));
    EXPECT_FALSE(writeCountryCode(block, 7, "AT"));
    EXPECT_FALSE(writeLanguageCode(block, 6, "eng"));
    EXPECT_FALSE(writeByte(block, 8, 1));
    EXPECT_FALSE(writeLanguageCode(block, std::numeric_limits<std::size_t>::max() - 1, "eng"));
    EXPECT_EQ(block, before);
}

} // namespace
} // namespace kx
