#include "dialogs/countrypagemodel.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/kanalyxdoc.h"
#include "support/realdata.h"

namespace kx {
namespace {

using Setting = CountrySetting;

// The smallest settings blocks that hold every byte of the page.
constexpr std::size_t kFullV1 = 6692;
constexpr std::size_t kFullV2 = 19888;

void putReversed(std::vector<std::uint8_t>& block, std::size_t offset, const std::string& code)
{
    for (std::size_t i = 0; i < code.size(); ++i) {
        block[offset + code.size() - 1 - i] = static_cast<std::uint8_t>(code[i]);
    }
}

// A block with a recognisable filler, so that a stray write shows in a whole-block comparison.
std::vector<std::uint8_t> filledBlock(std::size_t size)
{
    std::vector<std::uint8_t> block(size);
    for (std::size_t i = 0; i < size; ++i) {
        block[i] = static_cast<std::uint8_t>(0xC0 | (i & 0x3F));
    }
    return block;
}

TEST(CountryPageModel, ShowsTheStoredValuesOfVariant1)
{
    std::vector<std::uint8_t> block(kFullV1, 0);
    block[6] = 0x45; // E, the code's second letter
    block[7] = 0x44; // D
    block[6153] = 'g';
    block[6154] = 'n';
    block[6155] = 'e';
    putReversed(block, 5981, "ger");
    putReversed(block, 6689, "ukr");
    block[428] = 7;
    block[6063] = 20;
    block[6055] = 1;
    CountryPageModel page(block, 1);
    page.OnInitDialog();

    EXPECT_EQ(page.selectedText(Setting::Country), "Germany");
    EXPECT_EQ(page.selectedText(Setting::MenuLanguage), "English");
    EXPECT_EQ(page.selectedText(Setting::AudioLanguage1), "German");
    EXPECT_EQ(page.selectedText(Setting::TeletextLanguage), "Ukrainian");
    EXPECT_EQ(page.selectedText(Setting::AudioLanguage2), "") << "zero bytes are no language";
    EXPECT_EQ(page.selectedText(Setting::MenuItem), "USB");
    EXPECT_EQ(page.selectedText(Setting::TimeZone), "0");
    EXPECT_EQ(page.selectedText(Setting::DigitalAudioOut), "PCM");
    EXPECT_EQ(page.list(Setting::Country).items.size(), 37u);
    EXPECT_EQ(page.list(Setting::TimeZone).items.size(), 24u);
    EXPECT_EQ(page.list(Setting::DigitalAudioOut).items, (std::vector<std::string>{"Auto", "PCM"}));
}

TEST(CountryPageModel, CodesAreCaseSensitiveAndIndexesOutOfRangeSelectNothing)
{
    std::vector<std::uint8_t> block(kFullV1, 0);
    putReversed(block, 6153, "ENG");
    putReversed(block, 6, "de");
    block[428] = 8;
    block[6055] = 2;
    CountryPageModel page(block, 1);
    page.OnInitDialog();
    EXPECT_EQ(page.list(Setting::MenuLanguage).selected, -1);
    EXPECT_EQ(page.list(Setting::MenuLanguage).items.size(), 32u) << "the list still has items";
    EXPECT_EQ(page.list(Setting::Country).selected, -1);
    EXPECT_EQ(page.list(Setting::MenuItem).selected, -1);
    EXPECT_EQ(page.list(Setting::DigitalAudioOut).selected, -1);
}

TEST(CountryPageModel, TimeZoneIsStoredAsIndexPlusNine)
{
    std::vector<std::uint8_t> block(kFullV1, 0);
    const auto shownFor = [&](std::uint8_t stored) {
        block[6063] = stored;
        CountryPageModel page(block, 1);
        page.OnInitDialog();
        return page.selectedText(Setting::TimeZone);
    };
    EXPECT_EQ(shownFor(9), "-11");
    EXPECT_EQ(shownFor(20), "0");
    EXPECT_EQ(shownFor(32), "+12");
    EXPECT_EQ(shownFor(8), "");
    EXPECT_EQ(shownFor(33), "");

    block[6063] = 20;
    CountryPageModel page(block, 1);
    page.OnInitDialog();
    ASSERT_TRUE(page.chooseText(Setting::TimeZone, "+3"));
    page.OnApply();
    EXPECT_EQ(block[6063], 23);
}

TEST(CountryPageModel, ApplyWritesTheChoicesAndNothingElse)
{
    std::vector<std::uint8_t> block = filledBlock(kFullV1);
    block[6] = 0x45;
    block[7] = 0x44;
    std::vector<std::uint8_t> expected = block;
    CountryPageModel page(block, 1);
    page.OnInitDialog();

    ASSERT_TRUE(page.chooseText(Setting::Country, "Austria"));
    ASSERT_TRUE(page.chooseText(Setting::SubtitleLanguage2, "Swedish"));
    ASSERT_TRUE(page.chooseText(Setting::MenuItem, "Lock"));
    ASSERT_TRUE(page.chooseText(Setting::DigitalAudioOut, "Auto"));
    page.OnApply();

    expected[6] = 0x54; // T
    expected[7] = 0x41; // A
    expected[6165] = 'e';
    expected[6166] = 'w';
    expected[6167] = 's';
    expected[428] = 5;
    expected[6055] = 0;
    EXPECT_EQ(block, expected);
}

TEST(CountryPageModel, ListsWithoutSelectionLeaveTheirBytes)
{
    // Nothing in this block matches any list: the original stored 255, 8 or a stray code here.
    std::vector<std::uint8_t> block(kFullV1, 0xEE);
    const std::vector<std::uint8_t> before = block;
    CountryPageModel page(block, 1);
    page.OnInitDialog();
    for (const auto& list : page.lists()) {
        EXPECT_EQ(list.selected, -1) << list.key;
    }
    page.OnApply();
    EXPECT_EQ(block, before);

    // A choice taken back is no choice either.
    ASSERT_TRUE(page.choose(Setting::MenuItem, 2));
    ASSERT_TRUE(page.choose(Setting::MenuItem, -1));
    page.OnApply();
    EXPECT_EQ(block, before);
}

TEST(CountryPageModel, ApplyDoesNotPutBackBytesChangedBesideThePage)
{
    std::vector<std::uint8_t> block(kFullV1, 0);
    putReversed(block, 6, "DE");
    putReversed(block, 6153, "eng");
    CountryPageModel page(block, 1);
    page.OnInitDialog();

    // The More page writes another country in the same Apply, before or after this page.
    putReversed(block, 6, "FR");
    ASSERT_TRUE(page.chooseText(Setting::MenuLanguage, "French"));
    page.OnApply();
    EXPECT_EQ(block[6], 'R');
    EXPECT_EQ(block[7], 'F');
    EXPECT_EQ(block[6153], 'e');
    EXPECT_EQ(block[6155], 'f');

    // A second Apply without new choices writes nothing, not even the French menu again.
    putReversed(block, 6153, "ger");
    page.OnApply();
    EXPECT_EQ(block[6155], 'g');
}

TEST(CountryPageModel, ChoicesMustBeItemsOfTheList)
{
    std::vector<std::uint8_t> block(kFullV1, 0);
    CountryPageModel page(block, 1);
    page.OnInitDialog();
    EXPECT_FALSE(page.chooseText(Setting::Country, "austria"));
    EXPECT_FALSE(page.chooseText(Setting::Country, "Austri"));
    EXPECT_FALSE(page.choose(Setting::Country, 37));
    EXPECT_FALSE(page.choose(Setting::TimeZone, -2));
    EXPECT_FALSE(page.chooseText(Setting::TimeZone, "3")) << "positive zones carry a '+'";
    EXPECT_TRUE(page.chooseText(Setting::TimeZone, "-3"));
    EXPECT_TRUE(page.chooseText(Setting::Country, "--"));
}

TEST(CountryPageModel, Variant2TouchesOnlyTheEighteenLanguageBytes)
{
    std::vector<std::uint8_t> block = filledBlock(kFullV2);
    std::vector<std::uint8_t> expected = block;
    CountryPageModel page(block, 2);
    page.OnInitDialog();

    for (const Setting hidden :
         {Setting::Country, Setting::MenuItem, Setting::TimeZone, Setting::DigitalAudioOut}) {
        EXPECT_TRUE(page.list(hidden).items.empty());
        EXPECT_FALSE(page.choose(hidden, 0));
    }
    ASSERT_TRUE(page.chooseText(Setting::MenuLanguage, "Polish"));
    ASSERT_TRUE(page.chooseText(Setting::AudioLanguage1, "Danish"));
    ASSERT_TRUE(page.chooseText(Setting::AudioLanguage2, "Finnish"));
    ASSERT_TRUE(page.chooseText(Setting::SubtitleLanguage1, "Greek"));
    ASSERT_TRUE(page.chooseText(Setting::SubtitleLanguage2, "Italian"));
    ASSERT_TRUE(page.chooseText(Setting::TeletextLanguage, "Latvian"));
    page.OnApply();

    const auto put = [&](std::size_t offset, const char* reversed) {
        for (std::size_t i = 0; i < 3; ++i) {
            expected[offset + i] = static_cast<std::uint8_t>(reversed[i]);
        }
    };
    put(19333, "lop");
    put(19057, "nad");
    put(19061, "nif");
    put(19341, "erg");
    put(19345, "ati");
    put(19885, "val");
    EXPECT_EQ(block, expected);
}

TEST(CountryPageModel, ListsWhoseBytesPassTheBlockEndStayEmpty)
{
    // The teletext language needs bytes 6689 to 6691: one byte short hides it.
    std::vector<std::uint8_t> block(kFullV1 - 1, 0);
    putReversed(block, 6153, "eng");
    const std::vector<std::uint8_t> before = block;
    CountryPageModel page(block, 1);
    page.OnInitDialog();
    EXPECT_TRUE(page.list(Setting::TeletextLanguage).items.empty());
    EXPECT_EQ(page.list(Setting::TeletextLanguage).selected, -1);
    EXPECT_FALSE(page.choose(Setting::TeletextLanguage, 0));
    EXPECT_EQ(page.selectedText(Setting::MenuLanguage), "English");

    std::vector<std::uint8_t> tiny(7, 0);
    CountryPageModel tinyPage(tiny, 1);
    tinyPage.OnInitDialog();
    for (const auto& list : tinyPage.lists()) {
        EXPECT_TRUE(list.items.empty()) << list.key << ": byte 7 is past a 7-byte block";
    }

    std::vector<std::uint8_t> empty;
    CountryPageModel emptyPage(empty, 2);
    emptyPage.OnInitDialog();
    emptyPage.OnApply();
    for (const auto& list : emptyPage.lists()) {
        EXPECT_TRUE(list.items.empty()) << list.key;
    }
}

TEST(CountryPageModel, UnknownVariantShowsNothing)
{
    std::vector<std::uint8_t> block(kFullV2, 0);
    CountryPageModel page(block, 0);
    page.OnInitDialog();
    for (const auto& list : page.lists()) {
        EXPECT_TRUE(list.items.empty()) << list.key;
    }
}

TEST(CountryPageModel, Variant3_StoresTheCountryAsThreeReversedLettersWhereItsPlaceIsKnown)
{
    std::vector<std::uint8_t> block = filledBlock(16232); // the size of LT380H's block
    putReversed(block, 8, "DEU");
    const std::vector<std::uint8_t> before = block;
    CountryPageModel page(block, 3);
    page.OnInitDialog();
    EXPECT_EQ(page.selectedText(Setting::Country), "Germany");
    EXPECT_TRUE(page.list(Setting::MenuLanguage).items.empty());
    ASSERT_TRUE(page.chooseText(Setting::Country, "Austria"));
    page.OnApply();
    std::vector<std::uint8_t> expected = before;
    putReversed(expected, 8, "AUT");
    EXPECT_EQ(block, expected);
    ASSERT_TRUE(page.choose(Setting::Country, 0)); // "--" has no code: nothing is written
    page.OnApply();
    EXPECT_EQ(block, expected);

    std::vector<std::uint8_t> unknown = filledBlock(36864); // a family that keeps it elsewhere
    CountryPageModel other(unknown, 3);
    other.OnInitDialog();
    EXPECT_TRUE(other.list(Setting::Country).items.empty());
}

// What the page shows for the settings blocks of real TV exports, in page order. The expected
// texts were read from the files by hand (xxd at the block start plus each offset).
struct RealCase
{
    const char* file;
    std::vector<std::string> shown;
};

void PrintTo(const RealCase& realCase, std::ostream* out)
{
    *out << realCase.file;
}

class CountryPageModelRealData : public testing::TestWithParam<RealCase>
{};

TEST_P(CountryPageModelRealData, ShowsWhatTheBytesHold)
{
    KX_REQUIRE_REALDATA();
    CKanalyxDoc doc;
    doc.OnOpenDocument(test::realDataFile(GetParam().file));
    const std::vector<std::uint8_t> before(doc.Settings().begin(), doc.Settings().end());
    std::vector<std::uint8_t> settings = before;
    CountryPageModel page(settings, doc.GetVariant());
    page.OnInitDialog();
    std::vector<std::string> shown;
    for (const auto& list : page.lists()) {
        shown.push_back(page.selectedText(list.setting));
    }
    EXPECT_EQ(shown, GetParam().shown);
    page.OnApply();
    EXPECT_TRUE(std::equal(before.begin(), before.end(), settings.begin(), settings.end()))
        << "Apply without choices changes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Files, CountryPageModelRealData,
    testing::Values(
        // Variant 1. 2350D: "IF" at 6-7, zero language bytes, time-zone byte 0.
        RealCase{"xx2350D-PZM00001.TLL.in",
                 {"Finland", "", "", "", "", "", "", "Setup", "", "Auto"}},
        // LH5000: "sur"/"gne" language bytes, menu item 4, time zone 0x16, audio out 1.
        RealCase{"xxLH5000-ZB00002.TLL.in",
                 {"Finland", "Russian", "Russian", "English", "Russian", "English", "English",
                  "Options", "+2", "PCM"}},
        // LH3000: "ZC" at 6-7, "sec" audio 1, time-zone byte 2.
        RealCase{
            "xxLH3000-ZA00002.TLL.in",
            {"Czech Republic", "", "Czech", "English", "English", "", "", "Setup", "", "Auto"}},
        // Variant 2: only the six languages.
        RealCase{"xxLD750-ZA00001.TLL.in",
                 {"", "German", "German", "English", "German", "English", "English", "", "", ""}},
        RealCase{"xxLK450-ZB00001.TLL.in",
                 {"", "German", "German", "English", "German", "English", "", "", "", ""}},
        RealCase{
            "xxLE5500-ZA00002.TLL.in",
            {"", "Russian", "Russian", "English", "Russian", "English", "English", "", "", ""}},
        // LW4500's block is 15960 bytes: every language offset lies beyond it.
        RealCase{"xxLW4500-ZB00001.TLL.in", {"", "", "", "", "", "", "", "", "", ""}},
        // Variant 3: the country alone, three reversed letters at 8-10 ("UED", "LOP", "EZC",
        // "TUA"), in the blocks of the families that keep it there; LM620S's family keeps
        // something else at 8.
        RealCase{"xxLT380H-ZA00001.TLL.in", {"Germany", "", "", "", "", "", "", "", "", ""}},
        RealCase{"xxPN6500-ZB00001.TLL.in", {"Poland", "", "", "", "", "", "", "", "", ""}},
        RealCase{"xxPT353-ZA00001.TLL.in", {"Czech Republic", "", "", "", "", "", "", "", "", ""}},
        RealCase{"xxLM611S-ZA00001.TLL.in", {"Austria", "", "", "", "", "", "", "", "", ""}},
        RealCase{"xxLM620S-ZE00001.TLL.in", {"", "", "", "", "", "", "", "", "", ""}}),
    [](const testing::TestParamInfo<RealCase>& info) {
        const std::string name = info.param.file;
        return name.substr(2, name.find('-') - 2);
    });

} // namespace
} // namespace kx
