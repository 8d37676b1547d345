// The description files the project ships describe the same bytes as the Country page.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/countrypagemodel.h"
#include "dialogs/morepagemodel.h"
#include "document/kanalyxdoc.h"
#include "support/realdata.h"

namespace kx {
namespace {

// The folder the build copies the shipped files into, beside the programs.
const std::filesystem::path kProgramDir = KANALYX_PROGRAM_DIR;

// For every More row named like a Country list, the row shows what the list shows. Returns the
// number of rows compared.
std::size_t expectRowsMatchThePage(std::span<std::uint8_t> block, int variant)
{
    CountryPageModel country(block, variant);
    country.OnInitDialog();
    MorePageModel more(block, variant);
    more.OnInitDialog(kProgramDir);
    std::size_t compared = 0;
    for (const auto& list : country.lists()) {
        const auto row = more.findRow(list.label);
        if (!row) {
            continue;
        }
        EXPECT_EQ(more.rows()[*row].data, country.selectedText(list.setting)) << list.label;
        ++compared;
    }
    return compared;
}

TEST(ShippedSettings, Variant1FileDescribesTheTenCountryPageSettings)
{
    // Bytes that match no item, so that a row reading a wrong address shows nothing.
    std::vector<std::uint8_t> block(6692, 0xEE);
    CountryPageModel country(block, 1);
    country.OnInitDialog();
    // A different, non-zero choice in every list, so that a wrong address shows.
    int index = 1;
    for (const auto& list : country.lists()) {
        ASSERT_TRUE(country.choose(list.setting, index % static_cast<int>(list.items.size())));
        index += 3;
    }
    country.OnApply();
    EXPECT_EQ(expectRowsMatchThePage(block, 1), 10u);
}

TEST(ShippedSettings, Variant2FileDescribesTheSixLanguages)
{
    std::vector<std::uint8_t> block(19888, 0xEE);
    CountryPageModel country(block, 2);
    country.OnInitDialog();
    int index = 2;
    for (const auto& list : country.lists()) {
        if (!list.items.empty()) {
            ASSERT_TRUE(country.choose(list.setting, index));
            index += 5;
        }
    }
    country.OnApply();
    EXPECT_EQ(expectRowsMatchThePage(block, 2), 6u);

    MorePageModel more(block, 2);
    more.OnInitDialog(kProgramDir);
    EXPECT_EQ(more.rows().size(), 6u);
}

TEST(ShippedSettings, MoreRowsEditTheBytesTheCountryPageReads)
{
    std::vector<std::uint8_t> block(6692, 0);
    MorePageModel more(block, 1);
    more.OnInitDialog(kProgramDir);
    ASSERT_TRUE(more.OnEndLabelEdit(*more.findRow("Time Zone"), "+3"));
    ASSERT_TRUE(more.OnEndLabelEdit(*more.findRow("Digital Audio Out"), "PCM"));
    ASSERT_TRUE(more.OnEndLabelEdit(*more.findRow("Teletext Language"), "Czech"));
    more.OnApply();
    CountryPageModel country(block, 1);
    country.OnInitDialog();
    EXPECT_EQ(country.selectedText(CountrySetting::TimeZone), "+3");
    EXPECT_EQ(country.selectedText(CountrySetting::DigitalAudioOut), "PCM");
    EXPECT_EQ(country.selectedText(CountrySetting::TeletextLanguage), "Czech");
}

TEST(ShippedSettings, RealFilesShowTheSameOnBothPages)
{
    KX_REQUIRE_REALDATA();
    for (const char* name :
         {"xxLH5000-ZB00002.TLL.in", "xxLH3000-ZA00002.TLL.in", "xxLD750-ZA00001.TLL.in",
          "xxLE5500-ZA00002.TLL.in", "xxLW4500-ZB00001.TLL.in"}) {
        SCOPED_TRACE(name);
        CKanalyxDoc doc;
        doc.OnOpenDocument(test::realDataFile(name));
        std::vector<std::uint8_t> settings(doc.Settings().begin(), doc.Settings().end());
        EXPECT_EQ(expectRowsMatchThePage(settings, doc.GetVariant()),
                  doc.GetVariant() == 1 ? 10u : 6u);
    }
}

} // namespace
} // namespace kx
