#include <gtest/gtest.h>

#include <string>

#include "clirunner.h"
#include "support/realdata.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx::test {
namespace {

// Where the settings block starts in a file without channels: after the analog block's size and
// count (and the magic in variant 2) and the settings block's size.
constexpr std::size_t kBlockV1 = 12;
constexpr std::size_t kBlockV2 = 16;

void putReversed(std::string& block, std::size_t offset, const std::string& code)
{
    for (std::size_t i = 0; i < code.size(); ++i) {
        block[offset + code.size() - 1 - i] = code[i];
    }
}

// A variant-1 list without channels whose settings hold worked values at the Country page's
// offsets.
std::string variant1List()
{
    std::string block(6692, '\0');
    putReversed(block, 6, "DE");
    putReversed(block, 6153, "eng");
    putReversed(block, 5981, "ger");
    putReversed(block, 6161, "rus");
    putReversed(block, 6689, "fin");
    block[428] = 2;
    block[6063] = 23;
    block[6055] = 0;
    block[0x1A] = 0x05;
    block[0x20] = 0x01;
    return TllBuilder(1).settings(block).build();
}

std::string variant2List()
{
    std::string block(19888, '\0');
    putReversed(block, 19333, "ger");
    putReversed(block, 19885, "eng");
    return TllBuilder(2).settings(block).trailing(std::string(1, '\0')).build();
}

class CliSettings : public ::testing::Test
{
protected:
    std::string write(const std::string& name, const std::string& bytes)
    {
        return dir.write(name, bytes).string();
    }
    std::string path(const std::string& name) const { return dir.file(name).string(); }
    bool exists(const std::string& name) const { return std::filesystem::exists(dir.file(name)); }

    TempDir dir;
};

TEST_F(CliSettings, PrintsTheCountryPageThenTheRowsOfTheShippedFile)
{
    const auto result = runCli({"settings", write("list.tll", variant1List())});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "country: Germany\n"
                          "menu-language: English\n"
                          "audio-language-1: German\n"
                          "audio-language-2: \n"
                          "subtitle-language-1: Russian\n"
                          "subtitle-language-2: \n"
                          "teletext-language: Finnish\n"
                          "menu-item: Sound\n"
                          "time-zone: +3\n"
                          "digital-audio-out: Auto\n"
                          "Country\t0006\tGermany\n"
                          "Menu Language\t1809\tEnglish\n"
                          "Audio Language 1\t175D\tGerman\n"
                          "Audio Language 2\t1761\t\n"
                          "Subtitle Language 1\t1811\tRussian\n"
                          "Subtitle Language 2\t1815\t\n"
                          "Teletext Language\t1A21\tFinnish\n"
                          "Menu Item\t01AC\tSound\n"
                          "Time Zone\t17AF\t+3\n"
                          "Digital Audio Out\t17A7\tAuto\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliSettings, Variant2PrintsOnlyTheSixLanguages)
{
    const auto result = runCli({"settings", write("list.tll", variant2List())});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "menu-language: German\n"
                          "audio-language-1: \n"
                          "audio-language-2: \n"
                          "subtitle-language-1: \n"
                          "subtitle-language-2: \n"
                          "teletext-language: English\n"
                          "Menu Language\t4B85\tGerman\n"
                          "Audio Language 1\t4A71\t\n"
                          "Audio Language 2\t4A75\t\n"
                          "Subtitle Language 1\t4B8D\t\n"
                          "Subtitle Language 2\t4B91\t\n"
                          "Teletext Language\t4DAD\tEnglish\n");
}

TEST_F(CliSettings, SetChangesExactlyTheNamedSettings)
{
    const std::string original = variant1List();
    const std::string file = write("list.tll", original);
    const std::string rows =
        write("rows.txt", "# test rows\r\nVolume;1A\r\n\r\nMode;20;1;1;Off,0;On,1;\r\n");
    const auto result =
        runCli({"settings", file, "--descriptions", rows, "--set", "time-zone=-11", "--set",
                "country=Austria", "--set=Volume=F3", "--set", "Mode=Off", "-o", path("out.tll")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("country: Austria\n"), std::string::npos);
    EXPECT_NE(result.out.find("time-zone: -11\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nVolume\t1A\tF3\nMode\t20\tOff\n"), std::string::npos)
        << result.out;

    std::string expected = original;
    expected[kBlockV1 + 6] = 'T';
    expected[kBlockV1 + 7] = 'A';
    expected[kBlockV1 + 6063] = 9;
    expected[kBlockV1 + 0x1A] = static_cast<char>(0xF3);
    expected[kBlockV1 + 0x20] = 0;
    EXPECT_EQ(readFile(path("out.tll")), expected);
    EXPECT_EQ(readFile(file), original);
}

TEST_F(CliSettings, CountryKeysApplyFirstThenRowsWhateverTheOrderGiven)
{
    const std::string file = write("list.tll", variant1List());
    auto result = runCli({"settings", file, "--set", "Menu Item=Lock", "--set", "menu-item=Time",
                          "-o", path("a.tll")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(readFile(path("a.tll"))[kBlockV1 + 428], 5) << "the row (Lock) is written last";
    EXPECT_NE(result.out.find("menu-item: Lock\n"), std::string::npos);

    result = runCli({"settings", file, "--set", "menu-item=Time", "--set", "Menu Item=Lock", "-o",
                     path("b.tll")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(readFile(path("b.tll"))[kBlockV1 + 428], 5);
}

TEST_F(CliSettings, Variant2SetTouchesOnlyTheLanguageBytes)
{
    const std::string original = variant2List();
    const auto result =
        runCli({"settings", write("list.tll", original), "--set", "audio-language-2=Czech", "--set",
                "Teletext Language=Danish", "-o", path("out.tll")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::string expected = original;
    putReversed(expected, kBlockV2 + 19061, "ces");
    putReversed(expected, kBlockV2 + 19885, "dan");
    EXPECT_EQ(readFile(path("out.tll")), expected);
}

TEST_F(CliSettings, UnknownNamesAndValuesAreUsageErrorsAndSaveNothing)
{
    const std::string file = write("list.tll", variant1List());
    const std::string rows = write("rows.txt", "Volume;1A\nMode;20;1;1;Off,0;On,1;\nFar;FFFF\n");
    const std::string out = path("out.tll");
    const auto expectRefused = [&](const CliResult& result, const std::string& says) {
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_NE(result.err.find(says), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(exists("out.tll"));
    };
    expectRefused(runCli({"settings", file, "--set", "nonsense=1", "-o", out}),
                  "unknown setting 'nonsense'");
    // Rows come from the named description file only, not from the shipped one as well.
    expectRefused(
        runCli({"settings", file, "--descriptions", rows, "--set", "Country=Germany", "-o", out}),
        "unknown setting 'Country'");
    expectRefused(
        runCli({"settings", file, "--descriptions", rows, "--set", "country=germany", "-o", out}),
        "not a value");
    expectRefused(
        runCli({"settings", file, "--descriptions", rows, "--set", "time-zone=3", "-o", out}),
        "not a value");
    expectRefused(
        runCli({"settings", file, "--descriptions", rows, "--set", "Volume=f3", "-o", out}),
        "two upper-case hex digits");
    expectRefused(runCli({"settings", file, "--descriptions", rows, "--set", "Mode=Of", "-o", out}),
                  "'Of' is not a value of 'Mode'");
    expectRefused(runCli({"settings", file, "--descriptions", rows, "--set", "Far=00", "-o", out}),
                  "'Far' cannot be changed");
    expectRefused(runCli({"settings", file, "--set", "Volume", "-o", out}), "NAME=VALUE");
    expectRefused(runCli({"settings", file, "--set", "menu-item=Lock"}), "-o OUT");
    expectRefused(runCli({"settings", write("two.tll", variant2List()), "--set", "country=Germany",
                          "-o", out}),
                  "'country' is not a setting of this file");
}

TEST_F(CliSettings, MissingDescriptionFileIsAFileError)
{
    const auto result = runCli(
        {"settings", write("list.tll", variant1List()), "--descriptions", path("absent.txt")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("absent.txt"), std::string::npos) << result.err;
}

TEST_F(CliSettings, RealVariant2FileWithAShortBlockShowsNoLanguage)
{
    KX_REQUIRE_REALDATA();
    // LW4500's settings block is 15960 bytes, short of every language offset.
    const std::string file = realDataFile("xxLW4500-ZB00001.TLL.in").string();
    auto result = runCli({"settings", file});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, result.out.find("Menu Language\t")),
              "menu-language: \naudio-language-1: \naudio-language-2: \n"
              "subtitle-language-1: \nsubtitle-language-2: \nteletext-language: \n");
    result = runCli({"settings", file, "--set", "menu-language=German", "-o", path("out.tll")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(exists("out.tll"));

    // LX9500 keeps German and English.
    result = runCli({"settings", realDataFile("xxLX9500-ZA00001.TLL.in").string()});
    EXPECT_EQ(result.out.substr(0, result.out.find("Menu Language\t")),
              "menu-language: German\naudio-language-1: German\naudio-language-2: English\n"
              "subtitle-language-1: German\nsubtitle-language-2: English\n"
              "teletext-language: English\n");
}

} // namespace
} // namespace kx::test
